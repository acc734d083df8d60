#include "ui/runwin/RunWindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <tuple>

namespace {

const int gap = 8;
const char placedProperty[] = "runWindowPlaced";

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
int inside(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length + 1));
}

} // namespace

RunWindowPlacement::RunWindowPlacement(QWidget &mainWindow, QWidget &surface, QString settingsFile, QObject *parent)
    : QObject(parent), m_main(mainWindow), m_surface(surface), m_settingsFile(std::move(settingsFile))
{
}

void RunWindowPlacement::manage(QWidget *window)
{
    m_windows << window;
    window->installEventFilter(this);
}

bool RunWindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    auto *window = qobject_cast<QWidget *>(watched);
    if (!window || !window->isWindow())
        return false;
    if (event->type() == QEvent::Show && !window->property(placedProperty).toBool())
        placeOnFirstShow(window);
    else if (event->type() == QEvent::Hide && window->property(placedProperty).toBool())
        keep(window);
    return false;
}

void RunWindowPlacement::placeOnFirstShow(QWidget *window)
{
    window->setProperty(placedProperty, true);
    if (!restore(window))
        placeBesideMain(window);
}

QString RunWindowPlacement::key(const QWidget *window)
{
    return QStringLiteral("RunWindows/") + window->objectName();
}

bool RunWindowPlacement::restore(QWidget *window) const
{
    const QByteArray kept = QSettings(m_settingsFile, QSettings::IniFormat).value(key(window)).toByteArray();
    return !kept.isEmpty() && window->restoreGeometry(kept);
}

void RunWindowPlacement::keep(QWidget *window) const
{
    QSettings(m_settingsFile, QSettings::IniFormat).setValue(key(window), window->saveGeometry());
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
    for (const QPointer<QWidget> &other : m_windows) {
        if (other && other != window && other->isVisible())
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
            const QRect spot(QPoint(inside(left, w, screen.left(), screen.right()),
                                    inside(top, h, screen.top(), screen.bottom())),
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
