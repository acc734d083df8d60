#pragma once

#include "project/PollRing.h"

#include <QByteArray>
#include <QHash>
#include <QtGlobal>

// Tells cheaply that nothing has changed in some folders since a moment. The kernel queues a
// notice of every change to a file in a watched folder as the change is made, so one look at
// that queue (a read with no path to walk) can stand in for a stat of each file, which costs
// several times as much. Where the kernel keeps a ring that answers a standing poll of that queue,
// even that read is left for when the ring says the queue has something. Only changes the kernel
// is sure to tell are trusted to it: a plain file with one name, named by an absolute path, in a
// folder of a local file system.
class FolderWatch {
public:
    FolderWatch();
    ~FolderWatch();
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // Watches the folder of the file (its path in the file system's encoding); false when the
    // file's changes would not surely be told, and its stamp must be looked at every time.
    bool watchFolderOf(const QByteArray &nativeFile);
    // Moves on whenever something may have changed in a watched folder since the last call.
    quint64 serial();

private:
    void readNotices();

    static constexpr int NotOpened = -2;
    int m_fd = NotOpened; // -1: the kernel refused a queue
    quint64 m_serial = 1;
    QHash<QByteArray, bool> m_folders; // folder -> watched
    PollRing m_ring; // polls the queue from its making on, when the kernel allows
};
