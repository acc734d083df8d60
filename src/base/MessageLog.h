#pragma once

#include "base/MessageText.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

// The message box as a log: messages pile up oldest first, each followed by CR LF, until the
// user dismisses the window. The window (or the terminal runner) listens to messageAdded and
// shows the log without waiting; the caller carries on. The log's text is in Turkish; the
// messages are kept too, for whoever shows them in the interface's language.
class MessageLog : public QObject {
    Q_OBJECT
public:
    using ModalSink = std::function<void(const MessageText &text, const QString &title)>;

    explicit MessageLog(QObject *parent = nullptr);

    void mBox(const MessageText &message);
    const QString &text() const { return m_text; }
    const QList<MessageText> &messages() const { return m_messages; }

    bool messageBoxShown() const { return m_messageBoxShown; }
    void setMessageBoxShown(bool shown) { m_messageBoxShown = shown; }
    // OK pressed or the window closed: the log starts empty next time.
    void dismiss();

    // The few places that use a standard modal message box go through here; without a sink
    // the text is appended to the log instead.
    void setModalSink(ModalSink sink) { m_modalSink = std::move(sink); }
    void showModal(const MessageText &text, const QString &title = QString());

Q_SIGNALS:
    // The message's Turkish text.
    void messageAdded(const QString &message);
    void modalShown(const QString &text, const QString &title);

private:
    QString m_text;
    QList<MessageText> m_messages;
    bool m_messageBoxShown = false;
    ModalSink m_modalSink;
};
