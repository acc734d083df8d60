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
enum class Language { Python, C, Java };
// A string literal of the text in the language: quotes, backslashes and line breaks escaped, other
// control characters by their code (and in C the question mark, which could start a trigraph).
QString quoted(const QString &text, Language language);
// The features asked for, with everything they need ("base" always).
QSet<QString> wanted(const std::vector<RuntimePiece> &pieces, const QSet<QString> &features);
// The letters in the order COMP sorts them, for the regional settings.
QString alphabet(const QLocale &locale);
}
