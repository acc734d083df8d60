#pragma once

#include "shell/InterfaceLanguage.h"

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The message table of the handbook read back as a lookup: each entry (a third-level heading)
// lists the lines its message shows, as "- İleti: `...`" ("- Message: `...`" in the English
// handbook, still with the program's Turkish text), with "…" where a name or a number goes. A
// line of the message window leads to the entry whose pattern it matches.
class MessageIndex {
public:
    struct Entry {
        QString title;
        QString anchor;
        QStringList patterns;
        QList<QRegularExpression> matchers;
    };

    static QString chapterFile(InterfaceLanguage::Choice language);

    static MessageIndex parse(const QString &markdown);
    static MessageIndex load(const QString &handbookFolder, InterfaceLanguage::Choice language);

    const QList<Entry> &entries() const { return m_entries; }
    // The anchor of the first entry one of whose lines the text matches (blanks at either end
    // ignored); empty when none does.
    QString anchorFor(const QString &line) const;

private:
    QList<Entry> m_entries;
};
