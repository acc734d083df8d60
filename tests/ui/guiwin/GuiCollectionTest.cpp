#include "base/MessageLog.h"
#include "ui/guiwin/GuiTestPrinting.h"
#include "ui/guiwin/GUI_Collection.h"
#include "ui/guiwin/GuiLoaders.h"
#include "ui/guiwin/GuiPicture.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class GuiCollectionTest : public ::testing::Test {
protected:
    QWidget host;
    MessageLog log;
    GUI_Collection gui{&host, &log, TwipsScale(96, 96), GuiTemplates::runtime()};

    cGUI_obj *add(const QString &type, const QString &key = QString()) { return gui.Add("o", type, key); }
};

QRect geometryOf(const cGUI_obj *o)
{
    return QRect(o->X(), o->Y(), o->w(), o->h());
}

} // namespace

TEST_F(GuiCollectionTest, AddCreatesTheNextElementOfEachFamily)
{
    struct Case {
        QString type;
        int index;
        const char *widgetClass;
        QString text;
    } cases[] = {
        {"BUTTON", 1, "QPushButton", "button"}, {"TAREA", 1, "QPlainTextEdit", "text area"},
        {"BUTTON", 2, "QPushButton", "button"}, {"PIC", 1, "GuiPicture", ""},
        {"TBOX", 1, "QLineEdit", "text box"},   {"TAREA", 2, "QPlainTextEdit", "text area"},
    };
    for (const Case &c : cases) {
        cGUI_obj *o = add(c.type);
        ASSERT_NE(o, nullptr);
        EXPECT_EQ(o->Index(), c.index) << c.type.toStdString();
        EXPECT_STREQ(o->objGUI()->metaObject()->className(), c.widgetClass);
        EXPECT_EQ(o->sText(), c.text);
        EXPECT_EQ(o->objGUI()->parentWidget(), &host);
        EXPECT_FALSE(o->objGUI()->isHidden());
    }
    EXPECT_EQ(gui.Count(), 6);
    EXPECT_EQ(gui.familySize(GuiKind::TextArea), 3);
    auto *area = qobject_cast<QPlainTextEdit *>(gui.item(2)->objGUI());
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(GuiCollectionTest, UnknownKindShowsItsMessageAndCreatesNothing)
{
    EXPECT_EQ(add("button"), nullptr);
    EXPECT_EQ(log.text(), "Yanlış nesne eklenmeye çalışılıyor: button\r\n");
    EXPECT_EQ(gui.Count(), 0);
    EXPECT_TRUE(host.findChildren<QWidget *>().isEmpty());
}

TEST_F(GuiCollectionTest, KeysIgnoreLetterCase)
{
    cGUI_obj *b = gui.Add("b1", "BUTTON", "b1");
    cGUI_obj *plain = gui.Add("x", "TBOX");
    EXPECT_EQ(gui.item("B1"), b);
    EXPECT_EQ(gui.item(2), plain);
    EXPECT_EQ(gui.item(3), nullptr);
    EXPECT_EQ(gui.item("x"), nullptr); // stored without a key
    EXPECT_EQ(gui.Add("B1", "TAREA", "B1"), nullptr);
    EXPECT_TRUE(log.text().contains("B1"));
    EXPECT_EQ(gui.Count(), 2);
    QWidget *widget = b->objGUI();
    gui.Remove("b1");
    EXPECT_EQ(gui.Count(), 1);
    EXPECT_EQ(widget->parentWidget(), &host); // the widget stays
    gui.Remove(1);
    EXPECT_EQ(gui.Count(), 0);
}

TEST_F(GuiCollectionTest, ObjectFromIndexMatchesKindExactly)
{
    add("BUTTON");
    add("BUTTON");
    add("TAREA");
    add("TAREA");
    cGUI_obj *area3 = add("TAREA");
    EXPECT_EQ(gui.getObjectFromIndex(3, "BUTTON"), nullptr);
    EXPECT_EQ(gui.getObjectFromIndex(3, "TAREA"), area3);
    EXPECT_EQ(gui.getObjectFromIndex(3, "tarea"), nullptr);
}

TEST_F(GuiCollectionTest, LoadingRecordsKeepsTemplateSizesAndSkipsUnknownKinds)
{
    GuiLoaders::loadObjectRecords(gui,
                                  "KNOB|k|x|1|2|3|4|f|g|BUTTON|b1|OK|240|360|0|-5|kaydet||"
                                  "PIC|p|ignored|15|30|150|75|||TAREA|t|a\r\nb|0|0|1500|750||sag|",
                                  true);
    EXPECT_EQ(log.text(), "Yanlış nesne eklenmeye çalışılıyor: KNOB\r\n");
    ASSERT_EQ(gui.Count(), 3);
    const cGUI_obj *b = gui.item("B1");
    EXPECT_EQ(geometryOf(b), QRect(240, 360, 1245, 480));
    EXPECT_EQ(b->objGUI()->geometry(), QRect(16, 24, 83, 32));
    EXPECT_EQ(b->sText(), "OK");
    EXPECT_EQ(b->sFunction1(), "kaydet");
    EXPECT_EQ(gui.item("p")->sText(), "");
    EXPECT_EQ(gui.item("p")->objGUI()->geometry(), QRect(1, 2, 10, 5));
    EXPECT_EQ(gui.item("t")->sText(), "a\r\nb");
    EXPECT_EQ(gui.item("t")->sFunction2(), "sag");
    EXPECT_EQ(gui.item("t")->record(), (GuiObjectRecord{"TAREA", "t", "a\r\nb", 0, 0, 1500, 750, "", "sag"}));
}

TEST_F(GuiCollectionTest, TwipsThatMissWholePixelsAreKept)
{
    cGUI_obj *o = add("TBOX");
    o->setX(250);
    o->setW(1000);
    EXPECT_EQ(o->X(), 250);
    EXPECT_EQ(o->objGUI()->x(), 17);
    EXPECT_EQ(o->objGUI()->width(), 67);
}

TEST(GuiCollectionScale, PixelsFollowTheLogicalDpi)
{
    QWidget host;
    MessageLog log;
    for (const int dpi : {96, 192}) {
        GUI_Collection gui(&host, &log, TwipsScale(dpi, dpi), GuiTemplates::runtime());
        GuiLoaders::loadObjectRecords(gui, "BUTTON|b|OK|1440|720|2880|1440|||", false);
        EXPECT_EQ(gui.item(1)->objGUI()->geometry(), QRect(dpi, dpi / 2, 2 * dpi, dpi)) << dpi;
    }
    const TwipsScale screen = ScreenTwips::of(&host);
    EXPECT_DOUBLE_EQ(screen.twipsPerPixelX(), 1440.0 / host.logicalDpiX());
}

TEST(GuiLoaders, WindowSizeIsTheClientArea)
{
    QWidget window;
    GuiLoaders::applyWindowSize(&window, "4800|3000|");
    const TwipsScale scale = ScreenTwips::of(&window);
    EXPECT_EQ(window.size(), QSize(scale.toPixelsX(4800), scale.toPixelsY(3000)));
}

TEST_F(GuiCollectionTest, EventsNameTheirObject)
{
    cGUI_obj *button = gui.Add("b", "BUTTON");
    cGUI_obj *area = gui.Add("t", "TAREA");
    host.resize(400, 300);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QSignalSpy clicked(&gui, &GUI_Collection::clicked);
    QSignalSpy pressed(&gui, &GUI_Collection::mousePressed);
    QTest::mouseClick(button->objGUI(), Qt::LeftButton, {}, QPoint(5, 6));
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].value<cGUI_obj *>(), button);
    auto *edit = qobject_cast<QPlainTextEdit *>(area->objGUI());
    const QPoint inViewport(4, 4);
    QTest::mouseClick(edit->viewport(), Qt::RightButton, {}, inViewport);
    ASSERT_EQ(pressed.size(), 2);
    EXPECT_EQ(pressed[1][0].value<cGUI_obj *>(), area);
    EXPECT_EQ(pressed[1][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed[1][2].toPoint(), edit->viewport()->mapTo(edit, inViewport));
}

TEST(GuiPicture, DrawingPersistsAndImagesShow)
{
    GuiPicture picture;
    picture.resize(40, 30);
    picture.drawLine(0, 10, 39, 10);
    const QColor ink = picture.palette().color(QPalette::WindowText);
    EXPECT_EQ(colorAt(picture.grab().toImage(), 20, 10), ink);
    picture.resize(10, 10);
    picture.resize(40, 30);
    EXPECT_EQ(colorAt(picture.grab().toImage(), 20, 10), ink); // shrinking loses nothing
    picture.setInvertMode(true);
    picture.drawLine(0, 10, 39, 10);
    EXPECT_NE(colorAt(picture.grab().toImage(), 20, 10), ink);

    QTemporaryDir dir;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("r.png")));
    EXPECT_EQ(picture.setImage(dir.filePath("r.png")), "");
    EXPECT_EQ(colorAt(picture.grab().toImage(), 4, 4), QColor(Qt::red));
    EXPECT_NE(picture.setImage(dir.filePath("missing.png")), "");
    EXPECT_EQ(picture.setImage(QString()), "");
    EXPECT_NE(colorAt(picture.grab().toImage(), 4, 4), QColor(Qt::red));
}
