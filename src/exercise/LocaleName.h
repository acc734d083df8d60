#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Regional settings named the way a command line or an exercise file names them.
namespace LocaleName {

// The locale of a name such as tr_TR or en_US (a language alone, or C, will do too); nothing
// for a name Qt does not know, which would otherwise quietly give other results.
std::optional<QLocale> parse(const QString &name);

} // namespace LocaleName
