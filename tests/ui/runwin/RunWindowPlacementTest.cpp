// Where the run windows open: beside the main window where the screen has room, never over its
// menus, tools and buttons, clear of each other, and where the user last put them.

#include "ui/support/MainWindowFixture.h"

#include "project/RecentProjects.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/runwin/RunWindowDock.h"
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

// Docked by default: the console at the right, the grids at the bottom, none over the controls.
TEST_F(RunWindowsOfTheMainWindow, OpenDockedWithoutCoveringTheControls)
{
    QTest::mouseClick(window->runControls()->findChild<QPushButton *>(QStringLiteral("cmdScreen")), Qt::LeftButton);
    window->vars()->show();
    window->stack()->show();
    const struct {
        QWidget *runWindow;
        Qt::DockWidgetArea area;
    } cases[] = {{window->screen(), Qt::RightDockWidgetArea},
                 {window->vars(), Qt::BottomDockWidgetArea},
                 {window->stack(), Qt::BottomDockWidgetArea}};
    for (const auto &c : cases) {
        auto *dock = qobject_cast<RunWindowDock *>(c.runWindow->parentWidget());
        ASSERT_NE(dock, nullptr);
        EXPECT_TRUE(c.runWindow->isVisible());
        EXPECT_FALSE(dock->isFloating());
        EXPECT_EQ(window->dockWidgetArea(dock), c.area);
        for (const QRect &control : controls())
            EXPECT_FALSE(QRect(dock->mapToGlobal(QPoint(0, 0)), dock->size()).intersects(control))
                << dock->objectName().toStdString();
    }
}

// A floating run window that would open over the controls goes beside the main window; the
// test screen has no room beside it, so it goes over the drawing.
TEST_F(RunWindowsOfTheMainWindow, FloatingOpensClearOfTheControls)
{
    window->showScreen(true);
    auto *dock = qobject_cast<RunWindowDock *>(window->screen()->parentWidget());
    ASSERT_NE(dock, nullptr);
    dock->hide();
    dock->setFloating(true);
    dock->move(window->fraToolBar1()->mapToGlobal(QPoint(0, 0)));
    window->showScreen(true);
    ASSERT_TRUE(dock->isVisible());
    for (const QRect &control : controls())
        EXPECT_FALSE(dock->frameGeometry().intersects(control));
    EXPECT_TRUE(window->QWidget::screen()->availableGeometry().contains(dock->frameGeometry()));
}

TEST_F(RunWindowsOfTheMainWindow, ReopenWhereTheUserLastPutThem)
{
    window->showScreen(true);
    auto *dock = qobject_cast<RunWindowDock *>(window->screen()->parentWidget());
    ASSERT_NE(dock, nullptr);
    dock->setFloating(true);
    // Over the drawing, where the user may put it.
    dock->setGeometry(QRect(window->surface()->mapToGlobal(QPoint(30, 20)), QSize(260, dock->minimumSizeHint().height() + 20)));
    dock->close();
    ASSERT_FALSE(window->screen()->isVisible());
    window->showScreen(true);
    EXPECT_TRUE(dock->isFloating());
    EXPECT_FALSE(window->screen()->parentWidget()->isHidden());
}
