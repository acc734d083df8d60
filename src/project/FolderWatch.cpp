#include "project/FolderWatch.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// File systems whose every change passes through this machine's kernel.
bool isLocal(const QByteArray &folder)
{
    struct statfs fs;
    if (::statfs(folder.constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0xEF53UL:     // ext2, ext3, ext4
    case 0x58465342UL: // xfs
    case 0x9123683EUL: // btrfs
    case 0x01021994UL: // tmpfs
    case 0x858458F6UL: // ramfs
    case 0xF2F52010UL: // f2fs
        return true;
    default:
        return false;
    }
}

QByteArray folderOf(const QByteArray &file)
{
    const qsizetype slash = file.lastIndexOf('/');
    return slash == 0 ? QByteArrayLiteral("/") : file.left(slash);
}

} // namespace

FolderWatch::FolderWatch() = default;

FolderWatch::~FolderWatch()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool FolderWatch::watchFolderOf(const QByteArray &nativeFile)
{
    // A relative path could name another file once the current folder changes.
    if (!nativeFile.startsWith('/'))
        return false;
    // A link (symbolic, or a second name) could change the file through another folder.
    struct stat st;
    if (::lstat(nativeFile.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)
        return false;
    const QByteArray folder = folderOf(nativeFile);
    const auto known = m_folders.constFind(folder);
    if (known != m_folders.constEnd())
        return known.value();
    constexpr uint32_t changes = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_CREATE
        | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF;
    // The queue is made on first use: the kernel allows each user only a few. Its poll stands
    // before the first folder is added, so that no notice goes unanswered.
    if (m_fd == NotOpened) {
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd >= 0)
            m_ring.start(m_fd);
    }
    const bool watched =
        m_fd >= 0 && isLocal(folder) && ::inotify_add_watch(m_fd, folder.constData(), changes) >= 0;
    m_folders.insert(folder, watched);
    return watched;
}

quint64 FolderWatch::serial()
{
    if (m_fd < 0 || m_ring.quiet())
        return m_serial;
    // The ring's answer says something may have changed even when the queue turns out empty
    // (a failed poll answers too).
    if (m_ring.answered()) {
        ++m_serial;
        readNotices();
        m_ring.renew();
        return m_serial;
    }
    readNotices();
    return m_serial;
}

void FolderWatch::readNotices()
{
    alignas(struct inotify_event) char notices[4096];
    // Every notice (an overflowed queue included) only says that something may have changed;
    // so does a failed look.
    for (;;) {
        const ssize_t got = ::read(m_fd, notices, sizeof notices);
        if (got > 0 || (got < 0 && errno == EINTR)) {
            ++m_serial;
            continue;
        }
        if (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            ++m_serial;
        return;
    }
}
