#pragma once

#include <QString>

// The text of the desktop entry that opens project files with the program, and what such an
// entry (ours, or one found in the user's data folder) says about the program it starts.
namespace DesktopEntryText {

// The whole entry for a program started as exec: a name on the PATH or a full path, quoted
// and escaped as the desktop's launcher reads it.
QString forProgram(const QString &exec, const QString &mimeType);
// The program an entry starts: its TryExec, else the first argument of its Exec, unescaped;
// empty when it names none.
QString programOf(const QString &entry);
// Whether the entry opens files of that MIME type.
bool opensType(const QString &entry, const QString &mimeType);

} // namespace DesktopEntryText
