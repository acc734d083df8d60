#pragma once

#include <QString>

// File-name helpers shared by start-up, the project commands and function calls. Paths use "/"
// separators; a Windows-style path typed by hand ("C:\...", "\\server\...") is still told
// apart from a relative one.
namespace Paths {

// True when the file system knows the path: files and folders alike.
bool fileExists(const QString &path);
// The text with "/" appended unless it already ends with a separator; "" gives "/".
QString AddSlash(const QString &text);
// Makes path the current folder; false for an empty path or on any failure.
bool myChDir(const QString &path);
// The part after the last separator; the whole text when there is none.
QString fileNameOf(const QString &path);
// The part up to and including the last separator; "" when there is none.
QString folderOf(const QString &path);
bool isAbsolute(const QString &text);
// An existing absolute path as it is; otherwise projectFolder + text when that exists; else "".
QString resolveProjectPath(const QString &text, const QString &projectFolder);
// True when both texts are the same. The paths a run hands around are mostly copies of one
// another, sharing their text, and those are told at once without comparing characters.
inline bool samePath(const QString &a, const QString &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace Paths
