#pragma once

#include <QString>

// The Turkish text for one of the fixed English keys of the user interface, matched without
// regard to letter case; the empty text for anything else. Condition lines are followed by
// these translations, so the table is fixed.
QString tranLng(const QString &text);
