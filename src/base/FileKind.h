#pragma once

#include <QString>

// What a path names when it is there but is no plain file, in words for messages.
namespace FileKind {

// "bir klasör", "bir aygıt", "bir adlandırılmış boru (FIFO)" or "bir soket"; empty for a plain
// file (also through a symbolic link) and for a path that names nothing.
QString nonFileKind(const QString &path);

} // namespace FileKind
