#include "project/FileStamp.h"

#include <QDateTime>

#include <sys/stat.h>

static FileStamp stampOf(const struct stat &st)
{
    FileStamp s;
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
    s.size = qint64(st.st_size);
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    s.regular = S_ISREG(st.st_mode);
    return s;
}

std::optional<FileStamp> FileStamp::of(const QByteArray &nativePath)
{
    struct stat st;
    if (::stat(nativePath.constData(), &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

std::optional<FileStamp> FileStamp::ofOpen(int fd)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return stampOf(st);
}

qint64 FileStamp::nowNs()
{
    return QDateTime::currentMSecsSinceEpoch() * 1000000;
}
