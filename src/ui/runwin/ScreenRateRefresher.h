#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

// Turns a store's changed() into at most one refresh per screen frame: the first change after
// a refresh starts a short timer, and the refresh acknowledges the store before it reads it, so
// a change made meanwhile announces itself again. The view is taken to show the store as it
// stands when the refresher is made.
class ScreenRateRefresher : public QObject {
    Q_OBJECT
public:
    static constexpr int FrameMs = 16;

    ScreenRateRefresher(std::function<void()> acknowledge, std::function<void()> refresh,
                        QObject *parent = nullptr);

    void schedule();
    // Refreshes at once (when the view is shown, or in tests).
    void flush();

private:
    std::function<void()> m_acknowledge;
    std::function<void()> m_refresh;
    QTimer m_timer;
};
