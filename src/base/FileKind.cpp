#include "base/FileKind.h"

#include <QCoreApplication>
#include <QFile>

#include <sys/stat.h>

namespace FileKind {

QString nonFileKind(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("FileKind", "bir klasör");
    if (S_ISFIFO(st.st_mode))
        return QCoreApplication::translate("FileKind", "bir adlandırılmış boru (FIFO)");
    if (S_ISSOCK(st.st_mode))
        return QCoreApplication::translate("FileKind", "bir soket");
    return QCoreApplication::translate("FileKind", "bir aygıt");
}

} // namespace FileKind
