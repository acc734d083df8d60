#pragma once

#include "ui/runwin/ScreenRateRefresher.h"

#include <QFont>
#include <QWidget>
#include <functional>

class ConsoleScreen;
class MessageLog;
class QKeyEvent;
struct AppFlags;

// The console window "Ekran": white fixed-width text on black, drawn from the console buffer
// at screen rate. Keys typed here (and those the main window passes on) feed the pending
// input. Closing it by its close box follows the ending rules of a start-up flow.
class frmScreen : public QWidget {
    Q_OBJECT
public:
    using EndApplication = std::function<void()>;

    frmScreen(ConsoleScreen &console, AppFlags &flags, MessageLog &log, EndApplication endApplication,
              QWidget *owner);

    // The console's code of a key press: 13 Enter, 8 Backspace, otherwise the typed character;
    // -1 for a key that types nothing.
    static int keyAsciiOf(const QKeyEvent *event);

    // Restores the window when minimised, shows it and brings it forward.
    void showRestored();
    // Draws what the console now holds (instead of waiting for the next frame).
    void refresh() { m_refresher.flush(); }
    int rowHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool closeEndsApplication() const;

    ConsoleScreen &m_console;
    AppFlags &m_flags;
    MessageLog &m_log;
    EndApplication m_endApplication;
    QFont m_font;
    ScreenRateRefresher m_refresher;
};
