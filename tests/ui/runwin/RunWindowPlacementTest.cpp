// Where the run windows open: beside the main window where the screen has room, never over its
// menus, tools and buttons, clear of each other, and where the user last put them.

#include "ui/support/MainWindowFixture.h"

#include "project/RecentProjects.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/runwin/RunWindowPlacement.h"
#include "ui/runwin/frmScreen.h"
#include "ui/runwin/frmStack.h"
#include "ui/runwin/frmVars.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>

namespace {

const QRect screen(0, 0, 1600, 1000);
const QRect mainWindow(100, 50, 800, 600);
const QRect surface(180, 120, 710, 440); // the rest of the main window holds its controls

QRect placed(const QSize &size, const QRect &main, const QList<QRect> &others = {})
{
    const QRect inner = surface.translated(main.topLeft() - mainWindow.topLeft());
    return QRect(RunWindowPlacement::spotFor(size, main, inner, others, screen), size);
}

// The main window's controls: everything of it but the surface.
bool coversControls(const QRect &window, const QRect &main)
{
    const QRect inner = surface.translated(main.topLeft() - mainWindow.topLeft());
    const QRect common = window.intersected(main);
    return !common.isEmpty() && !inner.contains(common);
}

} // namespace

TEST(RunWindowPlacement, BesideTheMainWindowWhereTheScreenHasRoom)
{
    const QSize console(650, 420);
    enum Side { Right, Left, Below, Above };
    const struct {
        QRect main;
        Side side;
    } cases[] = {
        {mainWindow, Right},
        {QRect(850, 50, 700, 600), Left},
        {QRect(400, 0, 1100, 560), Below},
        {QRect(400, 440, 1100, 560), Above},
    };
    for (const auto &c : cases) {
        const QRect window = placed(console, c.main);
        const int gapOnSide[] = {window.left() - c.main.right(), c.main.left() - window.right(),
                                 window.top() - c.main.bottom(), c.main.top() - window.bottom()};
        EXPECT_EQ(gapOnSide[c.side], 9) << "side " << c.side; // 8 pixels between them
        EXPECT_TRUE(screen.contains(window)) << "side " << c.side;
    }
    // Beside the main window it starts level with the top, near the run controls.
    EXPECT_EQ(placed(console, mainWindow).top(), mainWindow.top());
}

TEST(RunWindowPlacement, EachWindowKeepsClearOfTheOnesAlreadyShown)
{
    const QRect console = placed(QSize(650, 420), mainWindow);
    const QRect vars = placed(QSize(500, 250), mainWindow, {console});
    const QRect stack = placed(QSize(260, 360), mainWindow, {console, vars});
    for (const QRect &window : {console, vars, stack}) {
        EXPECT_TRUE(screen.contains(window));
        EXPECT_FALSE(coversControls(window, mainWindow));
    }
    EXPECT_FALSE(vars.intersects(console));
    EXPECT_FALSE(stack.intersects(console));
    EXPECT_FALSE(stack.intersects(vars));
}

namespace {

class RunWindowsOfTheMainWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        QSettings(RecentProjects::defaultSettingsFile(), QSettings::IniFormat).remove(QStringLiteral("RunWindows"));
        MainWindowFixture::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Every part of the main window a click is meant for, in global coordinates.
    QList<QRect> controls() const
    {
        QList<QRect> rects;
        for (const QWidget *control :
             {static_cast<QWidget *>(window->menuBar()), static_cast<QWidget *>(window->fraToolBar1()),
              static_cast<QWidget *>(window->runControls()), static_cast<QWidget *>(window->fraToolBar2()),
              static_cast<QWidget *>(window->fraToolBar3())})
            rects << QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
        return rects;
    }
};

} // namespace

// The test screen has no room beside the main window: the windows go over the drawing.
TEST_F(RunWindowsOfTheMainWindow, OpenWithoutCoveringTheControls)
{
    QTest::mouseClick(window->runControls()->findChild<QPushButton *>(QStringLiteral("cmdScreen")), Qt::LeftButton);
    const QRect room = window->QWidget::screen()->availableGeometry();
    const QRect main = window->frameGeometry();
    ASSERT_LT(room.right() - main.right(), window->screen()->width());
    ASSERT_LT(room.bottom() - main.bottom(), window->screen()->height());
    window->vars()->show();
    window->stack()->show();
    for (QWidget *runWindow : {static_cast<QWidget *>(window->screen()), static_cast<QWidget *>(window->vars()),
                               static_cast<QWidget *>(window->stack())}) {
        ASSERT_TRUE(runWindow->isVisible());
        for (const QRect &control : controls())
            EXPECT_FALSE(runWindow->frameGeometry().intersects(control)) << runWindow->objectName().toStdString();
        EXPECT_TRUE(window->QWidget::screen()->availableGeometry().contains(runWindow->frameGeometry()))
            << runWindow->objectName().toStdString();
    }
}

TEST_F(RunWindowsOfTheMainWindow, ReopenWhereTheUserLastPutThem)
{
    window->showScreen(true);
    window->screen()->move(window->screen()->pos() + QPoint(-37, 23));
    window->screen()->resize(500, 300);
    const QRect chosen = window->screen()->geometry();
    window->screen()->close();
    ASSERT_FALSE(window->screen()->isVisible());

    window = std::make_unique<frmMain>(); // the next session
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->showScreen(true);
    EXPECT_EQ(window->screen()->geometry(), chosen);
}
