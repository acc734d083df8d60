#include "base/FileErrors.h"

#include <QCoreApplication>

namespace FileErrors {

QString text(int number)
{
    switch (number) {
    case OutOfMemory: return QCoreApplication::translate("FileErrors", "Yetersiz bellek");
    case DeviceIOError: return QCoreApplication::translate("FileErrors", "Aygıt G/Ç hatası");
    case DiskFull: return QCoreApplication::translate("FileErrors", "Disk dolu");
    case PermissionDenied: return QCoreApplication::translate("FileErrors", "İzin verilmedi");
    case PathNotFound: return QCoreApplication::translate("FileErrors", "Yol bulunamadı");
    default: return QCoreApplication::translate("FileErrors", "Yol/Dosya erişim hatası");
    }
}

QString notFound(const QString &fileName)
{
    return QCoreApplication::translate("FileErrors", "%1 Dosyası\r\nBulunamadı").arg(fileName);
}

} // namespace FileErrors
