#pragma once

#include <QDockWidget>

// A run window (console, variables, stack) docked in the main window, or floating beside it.
// The window keeps being shown and hidden the way it always was: its dock follows, showing when
// it is shown (and coming forward) and hiding when it hides. The dock's close box asks the window
// to close, so the window's own closing rules still decide.
class RunWindowDock : public QDockWidget {
    Q_OBJECT
public:
    explicit RunWindowDock(QWidget *window, QWidget *parent = nullptr);

    QWidget *window() const { return m_window; }
    // The size the window was made with, which it asks for docked too.
    QSize windowSize() const { return m_windowSize; }
    QSize sizeHint() const override;
    // Shows the dock and brings it forward, its tab too when it shares a place with another.
    void bringForward();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *m_window;
    QSize m_windowSize;
};
