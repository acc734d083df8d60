#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

// What the file system says about a file at one moment: which file it is (device and inode),
// its size and its modification and status-change times. A file rewritten in place or replaced
// by another gets another stamp, except within the few milliseconds one tick of the file times
// lasts; settled() tells when that can no longer happen.
struct FileStamp {
    static constexpr qint64 SettleTimeNs = 50'000'000;

    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool regular = false; // a plain file (no folder, pipe or device)

    bool operator==(const FileStamp &) const = default;

    // One stat of the path (in the file system's encoding); none when it cannot be examined,
    // with errno set by the call.
    static std::optional<FileStamp> of(const QByteArray &nativePath);
    // The stamp of an open file.
    static std::optional<FileStamp> ofOpen(int fd);

    // True when both file times lie at least SettleTimeNs before nowNs (nanoseconds since the
    // epoch): a later change then moves them for sure.
    bool settledAt(qint64 nowNs) const { return qMax(modifiedNs, changedNs) + SettleTimeNs <= nowNs; }
    // The current time as settledAt() takes it.
    static qint64 nowNs();
};
