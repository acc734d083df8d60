#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

// Text <-> number conversions of the interpreter, following the regional settings. They use
// the std routines with the locale's decimal separator swapped in: QString::toDouble and
// QString::number cost about a microsecond a call, the std ones tens of nanoseconds.
namespace Numbers {
// The regional settings used from now on (start-up, the terminal runner's --locale, tests),
// also made the default QLocale. Until called, QLocale() at first use.
void useLocale(const QLocale &locale);
const QLocale &locale();

// Other regional settings for the thread that makes it, until it goes: a check that runs tests
// beside the editor reads and writes numbers by the exercise's settings while the editor's own
// run keeps the program's.
class ThreadLocale {
public:
    explicit ThreadLocale(const QLocale &locale);
    ~ThreadLocale();
    ThreadLocale(const ThreadLocale &) = delete;
    ThreadLocale &operator=(const ThreadLocale &) = delete;

private:
    void *m_previous;
};

// Leading and trailing blanks, an optional sign, digits with the regional decimal separator,
// an optional exponent. False for the empty text and anything else.
bool parse(QStringView text, double &out);

// General format: at most 15 significant digits, no grouping, the regional decimal separator,
// exponent notation for very large or small magnitudes, whole numbers without decimals.
QString format(double value);
QString formatInt(qint64 value);
}
