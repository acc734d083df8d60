#include "base/ChartWords.h"

#include <QCoreApplication>

#include <array>

namespace {

// Condition lines are matched without regard to letter case, block captions exactly.
constexpr std::array kBranches{QT_TRANSLATE_NOOP("ChartWords", "EVET"), QT_TRANSLATE_NOOP("ChartWords", "HAYIR")};
constexpr std::array kCaptions{QT_TRANSLATE_NOOP("ChartWords", "başla"), QT_TRANSLATE_NOOP("ChartWords", "dur"),
                               QT_TRANSLATE_NOOP("ChartWords", "giriş"), QT_TRANSLATE_NOOP("ChartWords", "çıkış"),
                               QT_TRANSLATE_NOOP("ChartWords", "pencere")};

// The word in the interface's language; the stored text as it is when the language has no other
// word for it, so the Turkish interface shows exactly what the chart holds.
QString translated(const char *word, const QString &stored)
{
    const QString translation = QCoreApplication::translate("ChartWords", word);
    return translation == QString::fromUtf8(word) ? stored : translation;
}

} // namespace

QString ChartWords::shown(const QString &stored)
{
    const QString upper = stored.toUpper();
    for (const char *word : kBranches) {
        if (upper == QString::fromUtf8(word))
            return translated(word, stored);
    }
    for (const char *word : kCaptions) {
        if (stored == QString::fromUtf8(word))
            return translated(word, stored);
    }
    return stored;
}

QString ChartWords::stored(const QString &typed)
{
    const QString upper = typed.toUpper();
    for (const char *word : kBranches) {
        const QString own = translated(word, QString());
        if (!own.isEmpty() && upper == own.toUpper())
            return QString::fromUtf8(word);
    }
    return typed;
}
