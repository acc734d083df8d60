#pragma once

#include <QList>
#include <QString>

// A message the program shows, kept as its Turkish pattern and the values that fill its %1, %2…
// The Turkish form is what the program reports (the log, the terminal, graders, the handbook's
// message table); the message window and `varnel-run --lang en` show the form in the interface's
// language, looked up at that moment by the pattern alone, so a name or a number inside never
// spoils the lookup. A value may itself be a message (the description inside a caught error).
class MessageText {
public:
    MessageText() = default;
    // A text shown as it is in every language: a name, a value, or a text already translated.
    MessageText(QString plain);
    // The pattern must come from QT_TRANSLATE_NOOP("Message", ...), so that it is in the
    // translation files.
    static MessageText of(const char *pattern, QList<MessageText> values = {});
    // A word the chart stores ("EVET", "başla"...), shown as the interface shows it on the chart.
    static MessageText chartWord(QString stored);

    QString turkish() const;
    QString translated() const;
    bool isEmpty() const { return !m_pattern && m_plain.isEmpty(); }

    // The translation context of every message.
    static constexpr const char *Context = "Message";
    // The values put into a pattern's %1…%9, each once, in one pass: a value holding "%2" stays as it is.
    static QString filled(const QString &pattern, const QStringList &values);

private:
    const char *m_pattern = nullptr;
    QString m_plain;
    bool m_chartWord = false;
    QList<MessageText> m_values;
};
