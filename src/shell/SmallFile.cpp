#include "shell/SmallFile.h"

#include <QFile>
#include <QFileInfo>

SmallFile::SmallFile(QString path)
    : m_path(std::move(path))
{
}

SmallFile::Result SmallFile::read(QByteArray &bytes) const
{
    bytes.clear();
    const QFileInfo info(m_path);
    if (!info.exists())
        return info.isSymLink() ? Result::Unreadable : Result::Missing;
    if (!info.isFile())
        return Result::NotRegular;
    if (info.size() > kLimit)
        return Result::TooLarge;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::Unreadable;
    // The file may have grown since it was looked at: never read past the limit.
    bytes = file.read(kLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return Result::Unreadable;
    }
    if (bytes.size() > kLimit) {
        bytes.clear();
        return Result::TooLarge;
    }
    return Result::Read;
}

QString SmallFile::reason(Result result)
{
    switch (result) {
    case Result::NotRegular:
        return QStringLiteral("normal bir dosya değil");
    case Result::TooLarge:
        return QStringLiteral("1 MiB'den büyük");
    case Result::Unreadable:
        return QStringLiteral("okunamıyor");
    case Result::Read:
    case Result::Missing:
        break;
    }
    return QString();
}
