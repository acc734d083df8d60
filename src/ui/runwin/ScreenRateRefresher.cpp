#include "ui/runwin/ScreenRateRefresher.h"

ScreenRateRefresher::ScreenRateRefresher(std::function<void()> acknowledge, std::function<void()> refresh,
                                         QObject *parent)
    : QObject(parent), m_acknowledge(std::move(acknowledge)), m_refresh(std::move(refresh))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(FrameMs);
    connect(&m_timer, &QTimer::timeout, this, &ScreenRateRefresher::flush);
    // The store announced its changes before any view followed it and waits to be acknowledged
    // before it announces again: the view starts from the store as it stands.
    m_acknowledge();
}

void ScreenRateRefresher::schedule()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void ScreenRateRefresher::flush()
{
    m_timer.stop();
    m_acknowledge();
    m_refresh();
}
