#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How DATE, TIME and NOW write a moment and how the date built-ins read one, in the regional
// settings in force (Numbers::locale()), as token lists a generated program walks:
// "d1" "d2" (day), "M1" "M2" "M3" (month, M3 its short name), "y2" "y4" (year), "H1" "H2"
// (hour 0-23), "h1" "h2" (hour 1-12), "m1" "m2", "s1" "s2", "A" / "a" (the AM/PM text in
// capitals or small letters), and "=" followed by literal text. Reading takes one or two
// digits for a single letter, exactly two for yy and four for yyyy.
namespace DatePatterns {
struct DateRead {
    QStringList tokens;
    bool twoDigitYear; // a year 00..29 read this way is this century's
};

QStringList tokens(const QString &qtPattern);
QStringList dateDisplay();
QStringList timeDisplay();
QList<DateRead> dateReads();
QList<QStringList> timeReads();
}
