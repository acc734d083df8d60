#pragma once

#include "interp/Numbers.h"

#include <QLocale>

// Pins the regional settings for one test and puts the previous ones back afterwards.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale &locale) { Numbers::useLocale(locale); }
    ~LocaleScope() { Numbers::useLocale(m_saved); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_saved = Numbers::locale();
};

// The regional settings the tests pin most often.
namespace TestLocales {
inline const QLocale EnglishUS(QLocale::English, QLocale::UnitedStates);
inline const QLocale Turkish(QLocale::Turkish, QLocale::Turkey);
} // namespace TestLocales
