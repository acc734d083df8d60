#pragma once

#include <QString>

// The program's version, kept equal to the project version in the top-level CMakeLists.txt.
namespace AppVersion {

constexpr int major = 3;
constexpr int minor = 0;
constexpr int revision = 1;

// Major "." minor and revision written together, without leading zeros: 3.0.1 gives "3.01".
QString versionText(int majorVersion, int minorVersion, int revisionNumber);
// The text for this program.
QString current();
// "Varnel": the title of the program's windows and dialogs.
QString applicationTitle();

} // namespace AppVersion
