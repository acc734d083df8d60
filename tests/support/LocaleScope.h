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
