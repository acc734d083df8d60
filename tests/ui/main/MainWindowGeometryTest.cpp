// The main window opens where the user last had it, or over most of the screen, and always on
// the screen: also when its place was kept on a larger screen or at a smaller scale.

#include "support/LocaleScope.h"
#include "project/RecentProjects.h"
#include "ui/main/MainWindowGeometry.h"
#include "ui/main/frmMain.h"

#include <QScreen>
#include <QSettings>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A 1400 x 900 screen at twice the scale, less a panel at the top.
const QRect available(0, 24, 700, 426);
const QMargins frame(4, 24, 4, 4);

} // namespace

TEST(MainWindowGeometry, FittedOntoTheScreen)
{
    const struct {
        const char *what;
        QRect wanted;
        QSize minimum;
        QRect fitted;
    } cases[] = {
        {"fits as it is", QRect(40, 80, 500, 300), QSize(300, 200), QRect(40, 80, 500, 300)},
        {"kept on a larger screen", QRect(100, 100, 1300, 850), QSize(300, 200), QRect(4, 48, 692, 398)},
        {"off to the right and below", QRect(2000, 1500, 500, 300), QSize(300, 200), QRect(196, 146, 500, 300)},
        {"title bar above the screen", QRect(-50, 0, 500, 300), QSize(300, 200), QRect(4, 48, 500, 300)},
        {"smaller than the window can be", QRect(40, 80, 100, 100), QSize(300, 200), QRect(40, 80, 300, 200)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QRect fitted = MainWindowGeometry::fitted(c.wanted, frame, available, c.minimum);
        EXPECT_EQ(fitted, c.fitted);
        EXPECT_TRUE(available.contains(fitted.marginsAdded(frame)));
    }
}

TEST(MainWindowGeometry, FirstOpensOverMostOfTheScreenInItsMiddle)
{
    const QRect standard = MainWindowGeometry::standard(available, frame, QSize(300, 200));
    EXPECT_TRUE(available.contains(standard.marginsAdded(frame)));
    EXPECT_GE(standard.width(), available.width() * 8 / 10);
    EXPECT_GE(standard.height(), available.height() * 7 / 10);
    EXPECT_LE(std::abs(standard.marginsAdded(frame).center().x() - available.center().x()), 1);
}

// The program's own window on the test screen: whatever place was kept, it opens on the screen,
// and a place that fits is taken as it was.
TEST(MainWindowGeometry, MainWindowOpensOnTheScreen)
{
    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    const struct {
        const char *what;
        QRect kept; // none when null
        bool takenAsKept;
    } cases[] = {
        {"nothing kept", QRect(), false},
        {"kept on a larger screen", QRect(-100, -50, 3000, 2000), false},
        {"kept off the screen", QRect(5000, 4000, 600, 400), false},
        {"kept where it fits", QRect(40, 60, 600, 400), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        {
            QSettings settings(RecentProjects::defaultSettingsFile(), QSettings::IniFormat);
            settings.remove(QStringLiteral("MainWindow"));
            if (!c.kept.isNull())
                settings.setValue(QStringLiteral("MainWindow/geometry"), c.kept);
        }
        frmMain window;
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.QWidget::screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window.frameGeometry()))
            << window.frameGeometry().width() << "x" << window.frameGeometry().height();
        if (c.takenAsKept) {
            EXPECT_EQ(window.geometry(), c.kept);
        }
    }
}

// A docked window opening near the screen's bottom makes the main window grow past it; the
// window moves back onto the screen instead of hiding its lower part.
TEST(MainWindowGeometry, GrowingWindowStaysOnTheScreen)
{
    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    frmMain window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.QWidget::screen()->availableGeometry();
    const int height = screen.height() / 2;
    window.setGeometry(screen.left() + 20, screen.bottom() - height - 10, screen.width() / 2, height);
    const auto onScreen = [&] { return screen.contains(window.frameGeometry()); };
    ASSERT_TRUE(QTest::qWaitFor(onScreen, 2000));
    window.resize(window.width(), height + screen.height() / 3);
    EXPECT_TRUE(QTest::qWaitFor(onScreen, 2000));
    EXPECT_GE(window.height(), height + screen.height() / 3);
}
