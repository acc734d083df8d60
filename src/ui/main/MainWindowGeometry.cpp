#include "ui/main/MainWindowGeometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace {

const QString placeKey = QStringLiteral("MainWindow/geometry");
const QString maximizedKey = QStringLiteral("MainWindow/maximized");

// The start of a span of `length` moved inside the span from `low` of `room`.
int insideRoom(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

} // namespace

MainWindowGeometry::MainWindowGeometry(QMainWindow &window, QString settingsFile)
    : m_window(window), m_settingsFile(std::move(settingsFile))
{
    m_window.installEventFilter(this);
}

bool MainWindowGeometry::eventFilter(QObject *watched, QEvent *event)
{
    // A dock that opens makes the window as large as its parts need, growing it from where it
    // stands: past the screen's edge when it stood near it. The window manager has placed it by
    // the time the growth is seen.
    if (watched == &m_window && event->type() == QEvent::Resize && m_window.isVisible())
        QMetaObject::invokeMethod(this, &MainWindowGeometry::keepOnScreen, Qt::QueuedConnection);
    return false;
}

void MainWindowGeometry::keepOnScreen()
{
    if (!m_window.isVisible() || !m_window.screen() || (m_window.windowState() & ~Qt::WindowActive) != Qt::WindowNoState)
        return;
    const QRect available = m_window.screen()->availableGeometry();
    if (available.contains(m_window.frameGeometry()))
        return;
    m_window.setGeometry(fitted(m_window.geometry(), frame(), available, m_window.minimumSize()));
}

QRect MainWindowGeometry::fitted(const QRect &wanted, const QMargins &frame, const QRect &available,
                                 const QSize &minimum)
{
    const QRect room = available.marginsRemoved(frame);
    const QSize size = wanted.size().boundedTo(room.size()).expandedTo(minimum);
    return {QPoint(insideRoom(wanted.left(), size.width(), room.left(), room.width()),
                   insideRoom(wanted.top(), size.height(), room.top(), room.height())),
            size};
}

QRect MainWindowGeometry::standard(const QRect &available, const QMargins &frame, const QSize &minimum)
{
    const QRect room = available.marginsRemoved(frame);
    const QSize size = (room.size() * 0.85).expandedTo(minimum);
    return fitted(QRect(room.center() - QPoint(size.width() / 2, size.height() / 2), size), frame, available,
                  minimum);
}

QMargins MainWindowGeometry::frame() const
{
    // Once shown the window knows its frame; before, the style's title bar and a border as wide
    // as window managers draw them stand in for it.
    if (m_window.windowHandle() && m_window.isVisible())
        return m_window.windowHandle()->frameMargins();
    const int title = m_window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &m_window);
    const int border = std::max(4, m_window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_window));
    return {border, title + border, border, border};
}

void MainWindowGeometry::restore()
{
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    const QRect kept = settings.value(placeKey).toRect();
    QScreen *screen = kept.isValid() ? QGuiApplication::screenAt(kept.center()) : nullptr;
    if (!screen)
        screen = m_window.screen();
    const QRect available = screen->availableGeometry();
    const QSize minimum = m_window.minimumSizeHint();
    m_window.setGeometry(kept.isValid() ? fitted(kept, frame(), available, minimum)
                                        : standard(available, frame(), minimum));
    if (settings.value(maximizedKey).toBool())
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

void MainWindowGeometry::keep() const
{
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.setValue(placeKey, m_window.normalGeometry());
    settings.setValue(maximizedKey, m_window.isMaximized());
}
