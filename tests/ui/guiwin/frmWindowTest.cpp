#include "WindowRunHarness.h"

#include "interp/CallStack.h"
#include "interp/ChartBuilder.h"
#include "ui/guiwin/GuiPicture.h"
#include "ui/guiwin/ScreenTwips.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString crlf = QStringLiteral("\r\n");

// A window with one object of each kind; the button runs "deyim", whose one DEFINITION block
// each case rewrites, and the text box runs "konum" with where it was pressed.
class frmWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString objects = QStringLiteral("BUTTON|b1|OK|240|240|1200|450|deyim||"
                                               "TBOX|t|yazı|240|900|1800|360|konum||"
                                               "TAREA|a|alan|240|1500|1800|900|||"
                                               "PIC|p||2400|240|1800|1800|||");
        write(QStringLiteral("main.vnp"), {{"START"}, {"WINDOW", "4500|3000|", objects, "|boyut|"}, {"OUTPUT", "sonra"}, {"STOP"}});
        write(QStringLiteral("konum.vnp"), {{"START"}, {"DEFINITION", "yer", "PARAM"}, {"STOP"}});
        write(QStringLiteral("boyut.vnp"), {{"START"}, {"DEFINITION", "w", "WINDOW.W"}, {"STOP"}});
        ASSERT_TRUE(h.start(folder.path(QStringLiteral("main.vnp"))));
    }

    void write(const QString &name, std::initializer_list<ChartTest::Step> steps)
    {
        ASSERT_TRUE(folder.write(name, steps));
    }

    // Runs target := source in an event function through the interpreter; false when the run
    // ended on it.
    bool run(const QString &target, const QString &source)
    {
        write(QStringLiteral("deyim.vnp"), {{"START"}, {"DEFINITION", target, source}, {"STOP"}});
        return h.click(h.widget(QStringLiteral("b1"))) && !h.ended();
    }

    int px(int twips) const { return ScreenTwips::of(h.window()).toPixelsX(twips); }
    QImage surface() { return qobject_cast<GuiPicture *>(h.widget(QStringLiteral("p")))->surface().toImage(); }

    ChartTest::ChartFolder folder;
    WindowRunHarness h;
};

TEST_F(frmWindowTest, PropertyStatementsReadAndWriteTheObjects)
{
    struct Case {
        QString target;
        QString source;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"x", "b1.text", [&] { return h.var("x") == "OK"; }},
        {"B1.TEXT", "\"Kaydet\"", [&] { return h.text("b1") == "Kaydet"; }},
        {"a.TEXT", "\"bir\\niki\\Nüç\"", [&] { return h.text("a") == "bir" + crlf + "iki" + crlf + "üç"; }},
        {"y", "a.TEXT", [&] { return h.var("y") == "bir" + crlf + "iki" + crlf + "üç"; }},
        {"t.TEXT", "\"b.c\"", [&] { return h.text("t") == "b.c"; }},
        {"p.TEXT", "\"yok sayılır\"", [&] { return h.text("p").isEmpty(); }},
        {"b1.X", "20", [&] { return h.widget("b1")->x() == 20; }},
        {"b1.Y", "31", [&] { return h.widget("b1")->y() == 31; }},
        {"b1.W", "0", [&] { return h.widget("b1")->width() == px(1200); }},
        {"b1.H", "40", [&] { return h.widget("b1")->height() == 40; }},
        {"v", "b1.X", [&] { return h.var("v") == "20"; }},
        {"v", "b1.H", [&] { return h.var("v") == "40"; }},
        {"t.VISIBLE", "false", [&] { return h.widget("t")->isHidden(); }},
        {"t.VISIBLE", "True", [&] { return h.widget("t")->isVisible(); }},
        {"WINDOW.W", "400", [&] { return h.window()->frameGeometry().width() == 400; }},
        {"v", "WINDOW.W", [&] { return h.var("v") == "400"; }},
        {"p.LINE", "10,10, 50 ,50", [&] { return colorAt(surface(), 30, 30) == h.widget("p")->palette().color(QPalette::WindowText); }},
        {"p.IMAGE", QStringLiteral("\"%1\"").arg(WindowRunHarness::example("hedef.png")),
         [&] { return colorAt(surface(), 60, 60).red() == 0xd9; }},
        {"p.IMAGE", "\"yok.png\"", [&] { return colorAt(surface(), 60, 60) == h.widget("p")->palette().color(QPalette::Window); }},
        {"b1.IMAGE", "\"yok.png\"", [] { return true; }},
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(run(c.target, c.source)) << c.target.toStdString() << " = " << c.source.toStdString();
        EXPECT_TRUE(c.holds()) << c.target.toStdString() << " = " << c.source.toStdString();
    }
    EXPECT_TRUE(h.messages.isEmpty()) << h.messages.join(u'\n').toStdString();
}

TEST_F(frmWindowTest, TheInvertingPenUndoesWhatItDrewTwice)
{
    const QImage blank = surface();
    ASSERT_TRUE(run("p.DRAWMODE", "\"invert\""));
    ASSERT_TRUE(run("p.LINE", "0,20,100,20"));
    EXPECT_EQ(pixelAt(surface(), 50, 20), pixelAt(blank, 50, 20) ^ 0x00ffffffu);
    ASSERT_TRUE(run("p.LINE", "0,20,100,20"));
    EXPECT_EQ(surface(), blank);
    ASSERT_TRUE(run("p.DRAWMODE", "NORMAL"));
    ASSERT_TRUE(run("p.LINE", "0,20,100,20"));
    EXPECT_EQ(colorAt(surface(), 50, 20), h.widget("p")->palette().color(QPalette::WindowText));
}

TEST_F(frmWindowTest, AFailedStatementShowsItsMessageAndEndsTheRunWithTheWindow)
{
    const struct {
        QString target;
        QString source;
        QString message;
    } cases[] = {
        {"b1.FOO", "1", "İşlem yapılamıyor: b1.FOO = 1" + crlf + "Özellik bulunamadı!"},
        {"v", "b1.FOO", "İşlem yapılamıyor: v = b1.FOO" + crlf + "Özellik okumaya müsait değil!"},
        {"v", "zz.TEXT", "İşlem yapılamıyor: v = zz.TEXT" + crlf + "zz nesnesi" + crlf + "aktif pencerede bulunamadı."},
        {"a.TEXT", "b1.TEXT", "Nesneden nesneye atama henüz desteklenmiyor!"},
        {"WINDOW.X", "1", "İşlem yapılamıyor: WINDOW.X = 1" + crlf + "Bu pencerenin özelliği" + crlf + "okumaya müsait değil!"},
        {"p.LINE", "10,10,50", "Nesne tanımında hata: " + crlf + "p.LINE = 10,10,50" + crlf},
        {"t.LINE", "1,1,2,2", "Nesne tanımında hata: " + crlf + "t.LINE = 1,1,2,2" + crlf},
        {"a.IMAGE", "\"x.png\"", "Nesne tanımında hata: " + crlf + "a.IMAGE = x.png" + crlf},
        {"t.DRAWMODE", "INVERT", "Nesne tanımında hata: " + crlf + "t.DRAWMODE = INVERT" + crlf},
    };
    for (const auto &c : cases) {
        h.messages.clear();
        h.rows.clear();
        if (!h.waiting()) {
            ASSERT_TRUE(h.start(folder.path(QStringLiteral("main.vnp"))));
        }
        EXPECT_FALSE(run(c.target, c.source)) << c.target.toStdString();
        ASSERT_EQ(h.messages.size(), 1) << c.target.toStdString();
        EXPECT_TRUE(h.messages.first().startsWith(c.message)) << h.messages.first().toStdString();
        EXPECT_EQ(h.window(), nullptr);
        EXPECT_TRUE(h.rows.isEmpty()); // closed by the run: the chart does not go on
    }
}

TEST_F(frmWindowTest, TextObjectsReportWhereTheyWerePressedInTwipsAndIgnoreButtonsWithoutAFunction)
{
    const TwipsScale scale = ScreenTwips::of(h.window());
    ASSERT_TRUE(h.click(h.widget("t"), Qt::RightButton, QPoint(5, 6))); // no right-button function
    EXPECT_EQ(h.var("yer"), "yer");
    ASSERT_TRUE(h.click(h.widget("t"), Qt::LeftButton, QPoint(10, 12)));
    EXPECT_EQ(h.var("yer"), QString::number(scale.toTwipsX(10)) + u',' + QString::number(scale.toTwipsY(12)));
    EXPECT_EQ(h.runtime.stack.SP(), CallStack::RowCount - 1 - 5);
}

TEST_F(frmWindowTest, ResizingByTheUserRunsTheOnResizeFunction)
{
    h.window()->resize(300, 220);
    ASSERT_TRUE(h.waitFor([&] { return h.waiting() && h.var("w") != "w"; }));
    EXPECT_EQ(h.var("w"), QString::number(h.window()->frameGeometry().width()));
    EXPECT_FALSE(h.runtime.flags.inWindowResize);
    h.window()->showMinimized();
    QTest::qWait(20);
    EXPECT_TRUE(h.waiting());
}

TEST_F(frmWindowTest, TheWindowShownAgainWhenTheRunReturnsIsTheSameWindow)
{
    frmWindow *window = h.window();
    ASSERT_TRUE(run("a.TEXT", "\"kalır\""));
    EXPECT_EQ(h.window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(h.text("a"), "kalır");
}

} // namespace
