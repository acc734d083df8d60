// Window definitions from hand-edited or hostile files: whatever sizes they hold the window
// shows, and a definition with too many objects is refused before anything is made.

#include "WindowRunHarness.h"

#include "guiwin/WindowLimits.h"
#include "interp/ChartBuilder.h"
#include "ui/main/PropertyDialogs.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

bool withinLimits(QSize size)
{
    return size.width() >= 1 && size.height() >= 1 && size.width() <= WindowLimits::MaxSidePixels
        && size.height() <= WindowLimits::MaxSidePixels;
}

QString manyObjects(int count)
{
    QString records;
    for (int i = 0; i < count; ++i)
        records += QStringLiteral("BUTTON|b%1|x|0|0|300|300|||").arg(i);
    return records;
}

TEST(HostileWindowDefinition, EverySizeRecordGivesAWindowThatShows)
{
    const char *const sizeRecords[] = {"-32768|-32768|", "nan|1e400|", "4800|3000", "0|0|", "", "1|1|",
                                       "32767|32767|", "-1|99999999999|"};
    for (const char *sizeRecord : sizeRecords) {
        ChartTest::ChartFolder folder;
        ASSERT_TRUE(folder.write(QStringLiteral("main.vnp"),
                                 {{"START"}, {"WINDOW", sizeRecord, "BUTTON|b|OK|0|0|7|7|||", ""}, {"STOP"}}));
        WindowRunHarness h;
        ASSERT_TRUE(h.start(folder.path(QStringLiteral("main.vnp")))) << sizeRecord;
        EXPECT_TRUE(h.window()->isVisible()) << sizeRecord;
        EXPECT_TRUE(withinLimits(h.window()->size())) << sizeRecord << " gives " << h.window()->width() << "x"
                                                      << h.window()->height();
        // Seven twips are less than half a pixel: the button still gets one.
        EXPECT_TRUE(withinLimits(h.widget(QStringLiteral("b"))->size())) << sizeRecord;
    }
}

TEST(HostileWindowDefinition, AWindowSizeSetByTheChartStaysWithinLimits)
{
    ChartTest::ChartFolder folder;
    ASSERT_TRUE(folder.write(QStringLiteral("main.vnp"), {{"START"}, {"WINDOW", "4800|3000|", "", ""}, {"STOP"}}));
    WindowRunHarness h;
    ASSERT_TRUE(h.start(folder.path(QStringLiteral("main.vnp"))));
    for (const char *width : {"100000000", "-5", "0"}) {
        EXPECT_TRUE(h.statement(QStringLiteral("WINDOW.W"), QString::fromLatin1(width))) << width;
        EXPECT_TRUE(withinLimits(h.window()->size())) << width << " gives " << h.window()->width();
    }
}

TEST(HostileWindowDefinition, TooManyObjectsEndTheRunWithAMessage)
{
    const QString message = QStringLiteral("Pencere açılamıyor:\r\ntanımında 30000 nesne var, en fazla 1000 olabilir.");
    ChartTest::ChartFolder folder;
    ASSERT_TRUE(folder.write(QStringLiteral("main.vnp"),
                             {{"START"}, {"WINDOW", "4800|3000|", manyObjects(30000), ""}, {"OUTPUT", "sonra"}, {"STOP"}}));
    WindowRunHarness h;
    ASSERT_TRUE(h.project.load_FILE(folder.path(QStringLiteral("main.vnp"))));
    h.runtime.run.cmdRun_ClickP();
    ASSERT_TRUE(h.waitFor([&] { return h.ended() || h.window(); }));
    EXPECT_TRUE(h.ended());
    EXPECT_EQ(h.window(), nullptr);
    EXPECT_EQ(h.messages, QStringList{message});
    EXPECT_TRUE(h.rows.isEmpty());

    // The designer refuses to open it too; one object fewer than the limit opens.
    MessageLog log;
    PropertyDialogs dialogs(nullptr, log, {});
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);
    EXPECT_FALSE(dialogs.edit(EditDispatch::Dialog::Window, {"WINDOW", "4800|3000|", manyObjects(30000), ""}));
    EXPECT_EQ(log.text(), message + QStringLiteral("\r\n"));
    log.dismiss();
    dialogs.edit(EditDispatch::Dialog::Window, {"WINDOW", "4800|3000|", manyObjects(int(WindowLimits::MaxObjects)), ""});
    EXPECT_EQ(log.text(), QString());
}

} // namespace
