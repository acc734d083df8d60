#include "base/MessageLog.h"
#include "ui/guiwin/GuiTestPrinting.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/SizeHandle.h"
#include "ui/guiwin/frmDlgWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The designer with the Java export replaced by a record of what it would export.
class TestDesigner : public frmDlgWindow {
public:
    using frmDlgWindow::frmDlgWindow;
    std::optional<WindowParams> exported;
    int exports = 0;

protected:
    void openJavaTest(const std::optional<WindowParams> &params) override
    {
        exported = params;
        ++exports;
    }
};

class DesignerTest : public ::testing::Test {
protected:
    MessageLog log;
    QStringList recent;
    DesignerContext context()
    {
        DesignerContext c;
        c.log = &log;
        c.fillCombo_func = [](QComboBox *box) {
            box->clear();
            box->addItems({"CLEAR", "hesapla"});
        };
        c.addRecentFunc = [this](const QString &name) { recent << name; };
        return c;
    }

    std::unique_ptr<TestDesigner> open(const WindowParams &params)
    {
        auto designer = std::make_unique<TestDesigner>(params, context());
        designer->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(designer.get()));
        return designer;
    }

    template<typename T> static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }
    static void click(QWidget *w, const char *name) { QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton); }
    static void drag(QWidget *w, QPoint from, QPoint to)
    {
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
    }
    static QRect twips(const cGUI_obj *o) { return QRect(o->X(), o->Y(), o->w(), o->h()); }
};

const WindowParams stored{"4800|3600|", "TAREA|notlar|a\r\nb|150|150|1500|750|yaz||", "hazirla||"};

} // namespace

TEST_F(DesignerTest, OpensWithTheStoredDefinition)
{
    auto d = open(stored);
    ASSERT_DOUBLE_EQ(d->theGUI().scale().twipsPerPixelX(), 15) << "the designer tests assume 96 DPI";
    EXPECT_EQ(d->windowTitle(), "Pencere Düzenleyicisi");
    EXPECT_EQ(d->canvas()->size(), QSize(320, 240));
    EXPECT_EQ(child<QComboBox>(d.get(), "cmbFuncOnLoad")->currentText(), "hazirla");
    EXPECT_EQ(child<QComboBox>(d.get(), "cmbFunction1")->count(), 2);
    ASSERT_EQ(d->theGUI().Count(), 1);
    EXPECT_EQ(d->windowParams(), stored); // nothing changed, nothing lost
}

TEST_F(DesignerTest, EditsRoundTripIntoExactRecords)
{
    auto d = open(stored);
    click(d.get(), "cmdAdd0");
    cGUI_obj *button = d->selectedGUI();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->sID(), "Button1");
    EXPECT_EQ(twips(button), QRect(705, 600, 1245, 480));
    QLineEdit *name = child<QLineEdit>(d.get(), "txtName");
    name->selectAll();
    QTest::keyClicks(name, "kaydet");
    QLineEdit *caption = child<QLineEdit>(d.get(), "txtCaption");
    caption->clear();
    QTest::keyClicks(caption, "Tam\\Nam");
    QComboBox *left = child<QComboBox>(d.get(), "cmbFunction1");
    QTest::keyClicks(left->lineEdit(), "hesapla");
    drag(button->objGUI(), QPoint(5, 5), QPoint(15, 25)); // 10 and 20 pixels
    EXPECT_EQ(twips(button), QRect(855, 900, 1245, 480));
    SizeHandle *corner = d->handle(4);
    ASSERT_TRUE(corner->isVisible());
    drag(corner, QPoint(2, 2), QPoint(7, 4));
    EXPECT_EQ(twips(button), QRect(855, 900, 1320, 510));

    click(d.get(), "cmdAdd3");
    EXPECT_EQ(d->selectedGUI()->sID(), "TextBox1");
    click(d.get(), "cmdDelete");
    EXPECT_TRUE(d->selectedGUI() == nullptr);
    child<QComboBox>(d.get(), "cmbFuncOnResize")->setEditText("boyut");
    QTest::mouseClick(button->objGUI(), Qt::LeftButton); // the boxes show the button's functions again
    click(d.get(), "cmdOK");

    EXPECT_EQ(d->result(),
              (WindowParams{"4800|3600|",
                            "TAREA|notlar|a\r\nb|150|150|1500|750|yaz||BUTTON|kaydet|Tam\r\nam|855|900|1320|510|hesapla||",
                            "hazirla|boyut|"}));
    EXPECT_EQ(d->result(), d->windowParams());
    EXPECT_EQ(recent, QStringList({"hesapla", "", "hazirla", "boyut"}));
    EXPECT_FALSE(d->isVisible());
}

TEST_F(DesignerTest, EachHandleKeepsTheOppositeEdge)
{
    struct Case {
        int handle;
        QRect expected;
    } cases[] = {
        {0, QRect(780, 675, 1170, 405)},  {1, QRect(705, 675, 1245, 405)}, {2, QRect(705, 675, 1320, 405)},
        {3, QRect(705, 600, 1320, 480)},  {4, QRect(705, 600, 1320, 555)}, {5, QRect(705, 600, 1245, 555)},
        {6, QRect(780, 600, 1170, 555)},  {7, QRect(780, 600, 1170, 480)},
    };
    for (const Case &c : cases) {
        auto d = open({});
        click(d.get(), "cmdAdd0");
        SizeHandle *handle = d->handle(c.handle);
        EXPECT_EQ(handle->cursor().shape(), SizeHandle::cursorFor(c.handle));
        drag(handle, QPoint(3, 3), QPoint(8, 8)); // 75 twips each way
        EXPECT_EQ(twips(d->selectedGUI()), c.expected) << "handle " << c.handle;
    }
}

TEST_F(DesignerTest, HandlesSurroundTheSelection)
{
    auto d = open({});
    click(d.get(), "cmdAdd2");
    const QRect object = d->selectedGUI()->objGUI()->geometry();
    EXPECT_EQ(d->handle(0)->geometry().bottomRight(), object.topLeft() - QPoint(1, 1));
    EXPECT_EQ(d->handle(4)->geometry().topLeft(), object.bottomRight() + QPoint(1, 1));
    EXPECT_EQ(SizeHandle::cursorFor(1), Qt::SizeVerCursor);
    EXPECT_EQ(SizeHandle::cursorFor(2), Qt::SizeBDiagCursor);
    EXPECT_EQ(SizeHandle::cursorFor(7), Qt::SizeHorCursor);
}

TEST_F(DesignerTest, NamesAreNumberedPerFamilyAndDeletedOnesStayCounted)
{
    auto d = open({});
    click(d.get(), "cmdAdd0");
    click(d.get(), "cmdAdd0");
    EXPECT_EQ(d->selectedGUI()->sID(), "Button2");
    QTest::mouseClick(d->theGUI().item(1)->objGUI(), Qt::LeftButton);
    click(d.get(), "cmdDelete");
    click(d.get(), "cmdAdd0");
    EXPECT_EQ(d->selectedGUI()->sID(), "Button3");
    click(d.get(), "cmdAdd1");
    EXPECT_EQ(d->selectedGUI()->sID(), "TextArea1");
    EXPECT_EQ(d->windowParams().zParam2.count("BUTTON|"), 2);
    EXPECT_FALSE(d->windowParams().zParam2.contains("Button1"));
}

TEST_F(DesignerTest, DuplicateNamesAreRefusedAtOk)
{
    auto d = open(stored);
    click(d.get(), "cmdAdd0");
    child<QLineEdit>(d.get(), "txtName")->setText("b");
    click(d.get(), "cmdAdd3");
    child<QLineEdit>(d.get(), "txtName")->setText("B");
    click(d.get(), "cmdOK");
    EXPECT_EQ(log.text(), "b isminde 2 adet bileşen var.\r\nHer nesnenin benzersiz ismi olmalıdır!\r\n");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->result(), stored);
    EXPECT_TRUE(recent.isEmpty());

    click(d.get(), "cmdJavaTest"); // refused again: the export gets what the block held before
    EXPECT_EQ(d->exported, stored);
    click(d.get(), "cmdDelete");
    click(d.get(), "cmdJavaTest");
    EXPECT_EQ(d->exports, 2);
    EXPECT_EQ(d->exported, d->result());
    EXPECT_TRUE(d->result().zParam2.contains("|b|"));
    EXPECT_FALSE(d->isVisible());
}

TEST_F(DesignerTest, CanvasNeverGoesBelowItsInitialSize)
{
    auto d = open({"1500|900|", "", ""});
    EXPECT_EQ(d->windowParams().zParam1, "4365|3585|");
    d->resize(d->width() + 30, d->height() + 15);
    QTest::qWait(0);
    EXPECT_EQ(d->windowParams().zParam1, "4815|3810|");
    d->resize(10, 10);
    EXPECT_GE(d->width(), d->minimumSizeHint().width());
    EXPECT_EQ(d->windowParams().zParam1, "4365|3585|");
}

TEST_F(DesignerTest, ClosingWithoutOkWritesNothing)
{
    auto d = open(stored);
    click(d.get(), "cmdAdd0");
    d->close();
    EXPECT_EQ(d->result(), stored);
    EXPECT_EQ(d->result(), stored);
    EXPECT_TRUE(recent.isEmpty());
}

TEST_F(DesignerTest, CaptionShowsLineBreaksAsBackslashN)
{
    auto d = open(stored);
    auto *area = qobject_cast<QPlainTextEdit *>(d->theGUI().item(1)->objGUI());
    ASSERT_NE(area, nullptr);
    QTest::mouseClick(area->viewport(), Qt::LeftButton);
    ASSERT_EQ(d->selectedGUI(), d->theGUI().item(1));
    EXPECT_EQ(child<QLineEdit>(d.get(), "txtCaption")->text(), "a\\nb");
    EXPECT_EQ(child<QLineEdit>(d.get(), "txtName")->text(), "notlar");
    EXPECT_EQ(child<QComboBox>(d.get(), "cmbFunction1")->currentText(), "yaz");
}
