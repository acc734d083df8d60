#pragma once

#include "exercise/CompareMode.h"
#include "exercise/OutputDifference.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// Compares what a chart printed with what a test expects, line by line, in one of the modes.
class LineComparer {
public:
    // Two numbers are equal when they differ by at most this much, relative to the larger of
    // their magnitudes and 1: 1e-9 apart for small numbers, nine matching digits for large ones.
    static constexpr double Tolerance = 1e-9;

    // The locale decides which letters pair in NoCase mode (Turkish I/ı and İ/i in tr_TR).
    LineComparer(CompareMode mode, const QLocale &locale);

    bool equal(const QString &expected, const QString &got) const;
    // nullopt when both have the same number of lines and every pair is equal.
    std::optional<OutputDifference> firstDifference(const QStringList &expected, const QStringList &got) const;

    // "exact", "trim", "nocase", "numbers"; nullopt for any other name.
    static std::optional<CompareMode> modeNamed(const QString &name);
    static QString nameOf(CompareMode mode);

private:
    bool numbersEqual(const QString &expected, const QString &got) const;

    CompareMode m_mode;
    QLocale m_locale;
};
