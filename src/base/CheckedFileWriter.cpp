#include "base/CheckedFileWriter.h"

#include "base/FileErrors.h"
#include "base/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace {

// Every byte, or false with errno saying why. write() may take fewer bytes than offered (a disk
// that fills up, a file-size limit); the rest is offered again, and that call gives the cause.
bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A file system that cannot sync (EINVAL) has nothing more to report.
bool syncToDisk(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// Both leave errno set when they answer false.
bool exists(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), F_OK) == 0;
}

bool canWrite(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

CheckedFileWriter::CheckedFileWriter(QString path)
    : m_path(std::move(path))
{
}

int CheckedFileWriter::numberOfErrno(int errnum)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // a file-size limit: no more room for this file
        return FileErrors::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileErrors::PermissionDenied;
    default:
        return FileErrors::DeviceIOError;
    }
}

bool CheckedFileWriter::write(QByteArrayView bytes)
{
    m_error = 0;
    m_errorText.clear();
    const QString kind = FileKind::nonFileKind(m_path);
    if (!kind.isEmpty()) {
        return fail(FileErrors::PathFileAccessError,
                    QCoreApplication::translate("CheckedFileWriter", "%1: %2, dosya değil")
                        .arg(FileErrors::text(FileErrors::PathFileAccessError), kind));
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failToReplace();
    // Written to the descriptor itself: a buffered device would meet a full disk only in the
    // flush inside commit(), which does not report it.
    const int fd = file.handle();
    if (!writeAll(fd, bytes) || !syncToDisk(fd)) {
        const int cause = errno;
        file.cancelWriting();
        return failWithErrno(cause);
    }
    if (!file.commit()) // the rename failed: the old file is untouched
        return failToReplace();
    return true;
}

bool CheckedFileWriter::fail(int number, const QString &text)
{
    m_error = number;
    m_errorText = text;
    return false;
}

bool CheckedFileWriter::failWithErrno(int errnum)
{
    const int number = numberOfErrno(errnum);
    return fail(number, FileErrors::text(number));
}

// The temporary file could not be made or put in place: find out why from the folder and the
// old file, since the save file does not keep the system's reason.
bool CheckedFileWriter::failToReplace()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    int number = FileErrors::PathFileAccessError;
    if (!exists(folder))
        number = errno == EACCES ? FileErrors::PermissionDenied : FileErrors::PathNotFound;
    else if (!QFileInfo(folder).isDir())
        number = FileErrors::PathNotFound;
    else if (!canWrite(folder) || (exists(m_path) && !canWrite(m_path)))
        number = FileErrors::PermissionDenied;
    return fail(number, FileErrors::text(number));
}
