#pragma once

#include <QByteArray>
#include <QString>

// Reads a settings-sized file whole, but only a plain file no real settings file or key store
// outgrows: a device (/dev/zero), a FIFO or a huge file would otherwise hang the start or fill
// memory before the first window.
class SmallFile {
public:
    enum class Result {
        Read,       // bytes holds the whole file
        Missing,    // nothing is there
        NotRegular, // a folder, a device, a FIFO, ...
        TooLarge,   // larger than the limit
        Unreadable, // there, but could not be opened or read
    };

    static constexpr qint64 kLimit = 1024 * 1024;

    explicit SmallFile(QString path);

    Result read(QByteArray &bytes) const;

    // Why a file was left unread, in words ("normal bir dosya değil", "1 MiB'den büyük"); empty
    // for Read and Missing.
    static QString reason(Result result);

    const QString &path() const { return m_path; }

private:
    QString m_path;
};
