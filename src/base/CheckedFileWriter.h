#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a file by new contents completely or not at all. The bytes go to a temporary file
// beside the target; every write and the sync to disk are checked, and only then does the
// temporary file take the old one's place. A short write (a full disk, a file-size limit) thus
// never cuts the old file and never passes for success. A target that is there but is no plain
// file (a folder, a device, a FIFO) is refused rather than replaced.
class CheckedFileWriter {
public:
    explicit CheckedFileWriter(QString path);

    // true when the file now holds exactly the bytes; otherwise nothing changed on disk.
    bool write(QByteArrayView bytes);

    // After a failed write, the FileErrors number of its cause (DiskFull, PermissionDenied,
    // PathNotFound, DeviceIOError or PathFileAccessError); 0 after a successful one.
    int error() const { return m_error; }
    // The Turkish text of the cause; for a target that is no plain file, it says what it is.
    const QString &errorText() const { return m_errorText; }

    // The FileErrors number for the errno of a failed write or sync.
    static int numberOfErrno(int errnum);

private:
    bool fail(int number, const QString &text);
    bool failWithErrno(int errnum);
    bool failToReplace();

    QString m_path;
    int m_error = 0;
    QString m_errorText;
};
