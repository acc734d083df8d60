#pragma once

#include <QString>

// The file errors the loader, the save and the start-up report: number and Turkish text.
namespace FileErrors {

enum Number {
    OutOfMemory = 7,
    DeviceIOError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
};

// The text of one of the numbers above; any other number reads as PathFileAccessError's text.
QString text(int number);
// The message for a project file that is not there: the name, then " Dosyası", CR LF,
// "Bulunamadı".
QString notFound(const QString &fileName);

} // namespace FileErrors
