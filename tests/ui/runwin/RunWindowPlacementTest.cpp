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

#include <QApplication>
#include <QGroupBox>
#include <QLayout>
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
        QSettings settings(RecentProjects::defaultSettingsFile(), QSettings::IniFormat);
        settings.remove(QStringLiteral("RunWindows"));
        settings.remove(QStringLiteral("MainWindow"));
        settings.sync();
        MainWindowFixture::SetUp();
        showMainWindow();
    }

    void showMainWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    static RunWindowDock *dockOf(QWidget *runWindow) { return qobject_cast<RunWindowDock *>(runWindow->parentWidget()); }

    // Closes the main window the way the user does, which ends the program's event loop, and
    // starts the program again.
    void restart()
    {
        QTimer::singleShot(0, window.get(), [this] { window->close(); });
        ASSERT_EQ(QApplication::exec(), 0);
        window = std::make_unique<frmMain>();
        showMainWindow();
    }

    void showRunWindows()
    {
        window->showScreen(true);
        window->vars()->show();
        window->stack()->show();
    }

    // Where a run window is: its area (none when floating), its corner when floating (the test
    // platform does not size a window just floated), and how far it reaches across its area
    // when docked.
    struct Place {
        Qt::DockWidgetArea area;
        QPoint floating;
        int across;
    };
    Place placeOf(RunWindowDock *dock) const
    {
        window->layout()->activate();
        if (dock->isFloating())
            return {Qt::NoDockWidgetArea, dock->geometry().topLeft(), 0};
        const Qt::DockWidgetArea area = window->dockWidgetArea(dock);
        return {area, QPoint(), area == Qt::BottomDockWidgetArea ? dock->height() : dock->width()};
    }

    // Every part of the main window a click is meant for, as far as it shows (a strip of
    // controls shows only what fits), in global coordinates.
    QList<QRect> controls() const
    {
        QList<QRect> rects;
        for (const QWidget *control :
             {static_cast<QWidget *>(window->menuBar()), static_cast<QWidget *>(window->fraToolBar1()),
              static_cast<QWidget *>(window->runControls()), static_cast<QWidget *>(window->fraToolBar2()),
              static_cast<QWidget *>(window->fraToolBar3())}) {
            const QRect shown = control->visibleRegion().boundingRect();
            rects << QRect(control->mapToGlobal(shown.topLeft()), shown.size());
        }
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

// A run starts on a fresh start, and on a start whose kept places squeeze the console to a
// sliver: the console opens beside the drawing, wide enough to read, and the grids below it
// take a fair share of the window's height.
TEST_F(RunWindowsOfTheMainWindow, DockedWindowsOpenReadableWhenARunStarts)
{
    for (const bool squeezedBefore : {false, true}) {
        SCOPED_TRACE(squeezedBefore ? "squeezed places kept" : "fresh start");
        if (squeezedBefore) {
            window->showScreen(true);
            window->resizeDocks({dockOf(window->screen())}, {10}, Qt::Horizontal);
            window->layout()->activate();
            ASSERT_LT(dockOf(window->screen())->width(), 100);
            QSettings(RecentProjects::defaultSettingsFile(), QSettings::IniFormat)
                .setValue(QStringLiteral("RunWindows/docks"), window->saveState());
            window = std::make_unique<frmMain>();
            showMainWindow();
        }
        loadExample(QStringLiteral("test07_loop.vnp"));
        setDelay(200);
        pressRun();
        QTest::mouseClick(window->runControls()->cmdVars, Qt::LeftButton);
        RunWindowDock *console = dockOf(window->screen());
        RunWindowDock *vars = dockOf(window->vars());
        ASSERT_TRUE(waitFor([&] { return console->isVisible() && vars->isVisible(); }));
        QTest::qWait(50);
        window->layout()->activate();
        EXPECT_EQ(window->dockWidgetArea(console), Qt::RightDockWidgetArea);
        EXPECT_GE(console->width(), 300);
        EXPECT_GE(window->surface()->width(), 200);
        EXPECT_GE(vars->height(), window->height() / 4);
        EXPECT_GE(window->surface()->height(), vars->height());
        // The console runs the whole height beside the drawing and the grids.
        EXPECT_GE(console->height(), window->surface()->height() + vars->height());
        run().TerminateExecution();
        window = std::make_unique<frmMain>();
        showMainWindow();
    }
}

// Closed and started again, the program puts each run window back where the user had it:
// docked or floating, in its area, at its size; the main window too keeps its size and place.
TEST_F(RunWindowsOfTheMainWindow, PlacesComeBackAfterARestart)
{
    showRunWindows();
    RunWindowDock *console = dockOf(window->screen());
    RunWindowDock *vars = dockOf(window->vars());
    RunWindowDock *stack = dockOf(window->stack());
    ASSERT_TRUE(waitFor([&] { return console->width() >= 300; }));
    window->addDockWidget(Qt::RightDockWidgetArea, stack);
    window->resizeDocks({stack}, {320}, Qt::Horizontal);
    window->resizeDocks({vars}, {window->height() / 3}, Qt::Vertical);
    console->setFloating(true);
    console->setGeometry(QRect(window->surface()->mapToGlobal(QPoint(40, 30)),
                               QSize(320, console->minimumSizeHint().height() + 40)));
    QTest::qWait(50);
    const QList<Place> before{placeOf(console), placeOf(vars), placeOf(stack)};
    const QRect mainBefore = window->geometry();

    restart();
    showRunWindows();
    QTest::qWait(50);
    const QList<Place> after{placeOf(dockOf(window->screen())), placeOf(dockOf(window->vars())),
                             placeOf(dockOf(window->stack()))};
    EXPECT_EQ(window->geometry(), mainBefore);
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].area, before[i].area) << i;
        EXPECT_EQ(after[i].floating, before[i].floating) << i;
        EXPECT_EQ(after[i].across, before[i].across) << i;
    }
}
