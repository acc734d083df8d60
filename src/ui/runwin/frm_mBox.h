#pragma once

#include "ui/runwin/ScreenRateRefresher.h"

#include <QDialog>
#include <functional>

class MessageLog;
class MessageText;
class QPlainTextEdit;
class QPushButton;
struct AppFlags;

// The message window "Uyarı": every message since the user last pressed OK, oldest first, in the
// interface's language, each line keeping its Turkish words for the handbook's lookup. It never waits; a running program goes on and may add more. OK empties it and hides it; the
// close box discards it (the next message opens a new, empty one). Either ends a start-up
// flow whose run has finished once the console is closed too.
class frm_mBox : public QDialog {
    Q_OBJECT
public:
    using EndApplication = std::function<void()>;

    frm_mBox(MessageLog &log, AppFlags &flags, EndApplication endApplication, QWidget *owner);

    // Shows the window without waiting; the text follows the log at screen rate.
    void showLog();
    QString text() const;
    QPushButton *okButton() const { return m_cmdOK; }
    void refresh() { m_refresher.flush(); }
    // Escape acts as OK.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void cmdOK_Click();
    void appendNewText();
    void appendMessage(const MessageText &message);
    void endIfLastWindow();

    MessageLog &m_log;
    AppFlags &m_flags;
    EndApplication m_endApplication;
    QPlainTextEdit *m_txtMessage;
    QPushButton *m_cmdOK;
    qsizetype m_shownCount = 0;
    ScreenRateRefresher m_refresher;
};
