#include "ui/runwin/RunWindowPlacement.h"

#include "ui/runwin/RunWindowDock.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <tuple>

namespace {

const int gap = 8;
const int sideLeast = 300;
const QString stateKey = QStringLiteral("RunWindows/docks");

qint64 overlap(const QRect &a, const QRect &b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}

// The main window without its surface: the bands that hold the menus, the tool column, the
// run controls and the bottom bar.
QList<QRect> controlsOf(const QRect &main, const QRect &surface)
{
    const QRect inner = surface.intersected(main);
    if (inner.isEmpty())
        return {main};
    return {QRect(QPoint(main.left(), main.top()), QPoint(main.right(), inner.top() - 1)),
            QRect(QPoint(main.left(), inner.bottom() + 1), QPoint(main.right(), main.bottom())),
            QRect(QPoint(main.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
            QRect(QPoint(inner.right() + 1, inner.top()), QPoint(main.right(), inner.bottom()))};
}

// The start of a span of `length` moved inside low..high (a window larger than the screen
// keeps its top-left corner on it).
int insideBounds(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length + 1));
}

} // namespace

RunWindowPlacement::RunWindowPlacement(QMainWindow &mainWindow, QWidget &surface, QString settingsFile,
                                       QObject *parent)
    : QObject(parent), m_main(mainWindow), m_surface(surface), m_settingsFile(std::move(settingsFile))
{
    m_main.setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    // The docks come later, on first use; each then takes its place from this state.
    m_main.restoreState(QSettings(m_settingsFile, QSettings::IniFormat).value(stateKey).toByteArray());
}

RunWindowDock *RunWindowPlacement::dock(QWidget *window, Qt::DockWidgetArea area)
{
    auto *dock = new RunWindowDock(window, &m_main);
    // Adding a dock forgets the place kept for it: only a dock with no place kept is added.
    if (!m_main.restoreDockWidget(dock))
        m_main.addDockWidget(area, dock);
    // Only the place comes back: the window shows when the program shows it.
    dock->setVisible(false);
    m_docks << dock;
    dock->installEventFilter(this);
    connect(dock, &QDockWidget::dockLocationChanged, this, &RunWindowPlacement::keep);
    connect(dock, &QDockWidget::dockLocationChanged, this, [this, dock] { makeReadableLater(dock); });
    connect(dock, &QDockWidget::topLevelChanged, this, &RunWindowPlacement::keep);
    return dock;
}

bool RunWindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    auto *dock = qobject_cast<RunWindowDock *>(watched);
    if (!dock)
        return false;
    if (event->type() == QEvent::Show && dock->isFloating() && overControls(dock))
        placeBesideMain(dock);
    else if (event->type() == QEvent::Show && !dock->isFloating())
        makeReadableLater(dock);
    else if (event->type() == QEvent::Hide)
        keep();
    return false;
}

void RunWindowPlacement::keepForNextStart()
{
    keep();
    m_kept = true;
}

void RunWindowPlacement::keep() const
{
    if (m_kept)
        return;
    QSettings(m_settingsFile, QSettings::IniFormat).setValue(stateKey, m_main.saveState());
}

// The main window lays a dock out only after the event that showed or moved it.
void RunWindowPlacement::makeReadableLater(RunWindowDock *dock)
{
    QMetaObject::invokeMethod(this, [this, dock = QPointer<RunWindowDock>(dock)] {
        if (dock)
            makeReadable(dock);
    }, Qt::QueuedConnection);
}

void RunWindowPlacement::makeReadable(RunWindowDock *dock)
{
    if (!dock->isVisible() || dock->isFloating())
        return;
    m_main.layout()->activate();
    const Qt::DockWidgetArea area = m_main.dockWidgetArea(dock);
    const Qt::Orientation across =
        area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea ? Qt::Horizontal : Qt::Vertical;
    const auto extent = [across](const QSize &size) { return across == Qt::Horizontal ? size.width() : size.height(); };
    const int mainExtent = extent(m_main.size());
    if (extent(dock->size()) < readableExtent(0, mainExtent, across))
        m_main.resizeDocks({dock}, {readableExtent(extent(dock->sizeHint()), mainExtent, across)}, across);
}

int RunWindowPlacement::readableExtent(int wanted, int mainExtent, Qt::Orientation across)
{
    // Beside the drawing a window needs about forty characters; below it, a quarter of the
    // height shows a handful of rows. Either way the drawing keeps most of the window.
    const bool beside = across == Qt::Horizontal;
    const int most = mainExtent * (beside ? 45 : 40) / 100;
    const int least = std::min(beside ? sideLeast : mainExtent / 4, most);
    return std::max(least, std::min(wanted, most));
}

bool RunWindowPlacement::overControls(const QWidget *window) const
{
    const QRect surface(m_surface.mapToGlobal(QPoint(0, 0)), m_surface.size());
    for (const QRect &control : controlsOf(m_main.frameGeometry(), surface))
        if (overlap(window->frameGeometry(), control) > 0)
            return true;
    return false;
}

void RunWindowPlacement::placeBesideMain(QWidget *window) const
{
    // Without the main window on screen (a start-up flow) the window manager decides.
    if (!m_main.isVisible() || !m_main.screen())
        return;
    const QRect main = m_main.frameGeometry();
    const QRect surface(m_surface.mapToGlobal(QPoint(0, 0)), m_surface.size());
    // The window has no frame yet; it will get one like the main window's.
    const QSize frame = window->size() + (main.size() - m_main.size());
    QList<QRect> others;
    for (const QPointer<RunWindowDock> &other : m_docks) {
        if (other && other != window && other->isVisible() && other->isFloating())
            others << other->frameGeometry();
    }
    window->move(spotFor(frame, main, surface, others, m_main.screen()->availableGeometry()));
}

QPoint RunWindowPlacement::spotFor(const QSize &size, const QRect &main, const QRect &surface,
                                   const QList<QRect> &others, const QRect &screen)
{
    const int w = size.width();
    const int h = size.height();
    QList<int> lefts{main.right() + 1 + gap, main.left() - gap - w, main.left(),        surface.left(),
                     surface.right() + 1 - w, screen.left(),        screen.right() + 1 - w};
    QList<int> tops{main.top(),    main.bottom() + 1 + gap, main.top() - gap - h,  surface.top(),
                    surface.bottom() + 1 - h, screen.top(), screen.bottom() + 1 - h};
    for (const QRect &other : others) {
        lefts << other.right() + 1 + gap << other.left() - gap - w;
        tops << other.bottom() + 1 + gap << other.top() - gap - h;
    }
    const QList<QRect> controls = controlsOf(main, surface);
    const QPoint nearest(main.right() + 1 + gap, main.top());
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    std::tuple<qint64, qint64, qint64, int> best{most, most, most, 0};
    QPoint bestSpot = screen.topLeft();
    for (const int left : lefts) {
        for (const int top : tops) {
            const QRect spot(QPoint(insideBounds(left, w, screen.left(), screen.right()),
                                    insideBounds(top, h, screen.top(), screen.bottom())),
                             size);
            qint64 onControls = 0;
            for (const QRect &control : controls)
                onControls += overlap(spot, control);
            qint64 onOthers = 0;
            for (const QRect &other : others)
                onOthers += overlap(spot, other);
            const auto score = std::make_tuple(onControls, onOthers, overlap(spot, main),
                                               (spot.topLeft() - nearest).manhattanLength());
            if (score < best) {
                best = score;
                bestSpot = spot.topLeft();
            }
        }
    }
    return bestSpot;
}
