#pragma once

#include <QString>
#include <QTextBlockUserData>

class QTextBlock;

// A line of the message window remembers the Turkish words it stands for: the handbook's message
// table lists every message by them, so the English line leads to its entry too.
class MessageLine : public QTextBlockUserData {
public:
    explicit MessageLine(QString turkish) : m_turkish(std::move(turkish)) {}

    // The Turkish words of a line of the message window; the line as shown when it has none.
    static QString turkishOf(const QTextBlock &block);

private:
    QString m_turkish;
};
