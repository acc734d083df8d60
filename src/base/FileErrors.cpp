#include "base/FileErrors.h"

namespace FileErrors {

QString text(int number)
{
    switch (number) {
    case OutOfMemory: return QStringLiteral("Yetersiz bellek");
    case DeviceIOError: return QStringLiteral("Aygıt G/Ç hatası");
    case DiskFull: return QStringLiteral("Disk dolu");
    case PermissionDenied: return QStringLiteral("İzin verilmedi");
    case PathNotFound: return QStringLiteral("Yol bulunamadı");
    default: return QStringLiteral("Yol/Dosya erişim hatası");
    }
}

QString notFound(const QString &fileName)
{
    return fileName + QStringLiteral(" Dosyası\r\nBulunamadı");
}

} // namespace FileErrors
