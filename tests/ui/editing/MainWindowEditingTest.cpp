// The editing commands as the user reaches them in the main window: tools and dialogs build a
// chart that runs, the edit button and the double click, the menu entries.

#include "ui/support/MainWindowFixture.h"
#include "ui/dialogs/DialogTestSupport.h"

#include "model/cBlock.h"
#include "ui/main/BlockEditing.h"
#include "ui/main/MainWindowCommands.h"
#include "ui/dialogs/frmSize.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/shell/frmAbout.h"

#include <QAction>
#include <QColorDialog>
#include <QLineEdit>
#include <QTabBar>

class MainWindowEditingTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QPoint onSurface(QPointF point) const { return window->surface()->mapFromScene(point); }

    // Arms a tool and clicks the surface where the new block's top-left corner goes.
    void place(const char *tool, QPointF at)
    {
        QTest::mouseClick(window->fraToolBar1()->button(QString::fromLatin1(tool)), Qt::LeftButton);
        QTest::mouseClick(window->surface()->viewport(), Qt::LeftButton, {}, onSurface(at));
    }

    cBlock *selected() { return window->editor()->operations().blockAt(window->project().context().selectedIndex()); }

    QPushButton *button(const char *name) { return window->findChild<QPushButton *>(QString::fromLatin1(name)); }
};

TEST_F(MainWindowEditingTest, AChartBuiltWithTheToolsAndDialogsRunsToItsOutput)
{
    place("START", {60, 10});
    window->findChild<QCheckBox *>(QStringLiteral("chkCONTINUED_CONNECTION"))->setChecked(true);
    whenModal([](QWidget *d) {
        auto *tabs = field<QTabBar>(d, "TabStrip1");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        typeInto(field<QComboBox>(d, "cboxOperand1"), "6");
        pickItem(field<QComboBox>(d, "cboxOperation"), "*");
        typeInto(field<QComboBox>(d, "cboxOperand2"), "7");
        typeInto(field<QComboBox>(d, "cboxResult"), "x");
        clickOK(d);
    });
    place("ACTION", {60, 70});
    whenModal([](QWidget *d) {
        typeInto(field<QWidget>(d, "txtText"), "Sonuç:");
        typeInto(field<QComboBox>(d, "cboxVarName"), "x");
        clickOK(d);
    });
    place("OUTPUT", {50, 130});
    place("END", {60, 200});
    ASSERT_EQ(window->project().theBlockCollection().Count(), 4);
    ASSERT_EQ(window->project().theLineCollection().Count(), 3);
    // A drawing never saved would be asked about first; this test runs it as it stands.
    window->project().setProjectModified(false);

    setDelay(0);
    pressRun();
    ASSERT_TRUE(waitFor([this] { return !run().runInProgress(); }));
    EXPECT_TRUE(run().completedNormally());
    EXPECT_EQ(window->runtime().console.line(0), QStringLiteral("Sonuç: 42"));
}

TEST_F(MainWindowEditingTest, TheEditButtonAndTheDoubleClickEditTheSelectedBlock)
{
    whenModal([](QWidget *d) {
        typeInto(field<QComboBox>(d, "cboxVarName"), "a");
        typeInto(field<QWidget>(d, "txtVarValue"), "1");
        clickOK(d);
    });
    place("ACTION", {40, 40});
    QPushButton *cmdEdit = button("cmdEdit");
    ASSERT_TRUE(cmdEdit->isEnabled());
    whenModal([](QWidget *d) {
        typeInto(field<QWidget>(d, "txtVarValue"), "2");
        clickOK(d);
    });
    QTest::mouseClick(cmdEdit, Qt::LeftButton);
    EXPECT_EQ(selected()->zParam2(), QStringLiteral("2"));

    window->project().context().setSelection(-1, -1);
    whenModal([](QWidget *d) {
        typeInto(field<QWidget>(d, "txtVarValue"), "3");
        clickOK(d);
    });
    // A double click is a press and a release, then the second press as a double click.
    QWidget *viewport = window->surface()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, onSurface({50, 50}));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, onSurface({50, 50}));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, onSurface({50, 50}));
    ASSERT_NE(selected(), nullptr);
    EXPECT_EQ(selected()->zParam2(), QStringLiteral("3"));
    EXPECT_TRUE(window->surface()->selectorVisible());

    window->project().context().setSelection(-1, -1);
    QTest::mouseClick(cmdEdit, Qt::LeftButton);
    EXPECT_TRUE(window->log().text().endsWith(QStringLiteral("Nesne seçilmemiş!\r\n")));
}

TEST_F(MainWindowEditingTest, TheDuzenEntriesChangeColourAndSize)
{
    place("END", {40, 40});
    QAction *fill = window->action(QStringLiteral("mnuChangeBackColor"));
    ASSERT_TRUE(fill->isEnabled());
    whenModal([](QWidget *d) {
        static_cast<QColorDialog *>(d)->setCurrentColor(QColor(0xC0, 0xFF, 0xC0));
        static_cast<QColorDialog *>(d)->accept();
    });
    fill->trigger();
    EXPECT_EQ(selected()->BGColor(), 0xC0FFC0);

    window->action(QStringLiteral("mnuChangeSize"))->trigger();
    frmSize *size = window->findChild<frmSize *>();
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(size->isVisible());
    EXPECT_EQ(size->shownSize(), (BlockSize{70, 30}));
}

TEST_F(MainWindowEditingTest, ProgramEntriesOpenTheirDialogs)
{
    window->project().setProjectPath(QStringLiteral("/tmp/deneme.vnp"));
    QString flow;
    whenModal([&flow](QWidget *d) {
        flow = field<QLineEdit>(d, "txtStartUpFlow")->text();
        d->close();
    });
    window->action(QStringLiteral("mnuMakeExecutable"))->trigger();
    EXPECT_EQ(flow, QStringLiteral("/tmp/deneme.vnp"));

    bool about = false;
    whenModal([&about](QWidget *d) {
        about = qobject_cast<frmAbout *>(d) != nullptr;
        d->close();
    });
    window->action(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_TRUE(about);
}
