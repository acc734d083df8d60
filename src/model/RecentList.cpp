#include "model/RecentList.h"

RecentList::RecentList(QStringList initial)
{
    for (const QString &text : initial)
        add(text);
}

RecentList RecentList::withBuiltInFunctions()
{
    return RecentList(QStringList{
        QStringLiteral("E"),         QStringLiteral("Pi"),        QStringLiteral("Abs"),
        QStringLiteral("Asc"),       QStringLiteral("Atn"),       QStringLiteral("Chr"),
        QStringLiteral("Cos"),       QStringLiteral("Exp"),       QStringLiteral("Fix"),
        QStringLiteral("Hex"),       QStringLiteral("Int"),       QStringLiteral("Ln"),
        QStringLiteral("Log"),       QStringLiteral("Oct"),       QStringLiteral("Rnd"),
        QStringLiteral("Round"),     QStringLiteral("Sgn"),       QStringLiteral("Sin"),
        QStringLiteral("Sqr"),       QStringLiteral("Tan"),       QStringLiteral("Factorial"),
        QStringLiteral("Len"),       QStringLiteral("Space"),     QStringLiteral("LTrim"),
        QStringLiteral("RTrim"),     QStringLiteral("Trim"),      QStringLiteral("LCase"),
        QStringLiteral("UCase"),     QStringLiteral("Date"),      QStringLiteral("Time"),
        QStringLiteral("Now"),       QStringLiteral("Year"),      QStringLiteral("Month"),
        QStringLiteral("Day"),       QStringLiteral("Hour"),      QStringLiteral("Minute"),
        QStringLiteral("Second"),    QStringLiteral("Weekday"),   QStringLiteral("IsDate"),
        QStringLiteral("IsNumeric"), QStringLiteral("Clear"),     QStringLiteral("ExtractFileName"),
        QStringLiteral("FileDialog"),
    });
}

void RecentList::add(const QString &text)
{
    if (!text.isEmpty() && !m_items.contains(text, Qt::CaseSensitive))
        m_items.append(text);
}
