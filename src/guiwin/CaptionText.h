#pragma once

#include <QString>

// Line breaks in object texts: stored as CR LF, typed and shown as the two characters "\n".
namespace CaptionText {
// Every backslash-n (n in either letter case) becomes CR LF.
QString fromTyped(const QString &typed);
// Every CR LF becomes backslash-n.
QString toTyped(const QString &text);
}
