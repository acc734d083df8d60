#pragma once

#include <QLocale>
#include <QSet>
#include <QString>
#include <vector>

// The pieces a generated program's runtime is made of: each named by the feature it gives,
// with the features it needs. A program carries only what its charts use.
struct RuntimePiece {
    const char *feature;
    const char *needs; // space-separated features
    const char *code;
};

namespace RuntimePieces {
// The features asked for, with everything they need ("base" always).
QSet<QString> wanted(const std::vector<RuntimePiece> &pieces, const QSet<QString> &features);
// The letters in the order COMP sorts them, for the regional settings.
QString alphabet(const QLocale &locale);
}
