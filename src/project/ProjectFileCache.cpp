#include "project/ProjectFileCache.h"

#include "base/FileErrors.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

using namespace FileErrors;

const QString &source()
{
    static const QString name = QStringLiteral("load_FILE");
    return name;
}

VarnelError fileError(int number)
{
    return VarnelError(number, source(), FileErrors::text(number));
}

ProjectFileCache::Stamp stampOf(const struct stat &st)
{
    ProjectFileCache::Stamp s;
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
    s.size = qint64(st.st_size);
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

std::shared_ptr<const ParsedProject> failed(int number)
{
    auto parsed = std::make_shared<ParsedProject>();
    parsed->outcome = ParsedProject::Outcome::Failed;
    parsed->error = fileError(number);
    return parsed;
}

} // namespace

std::shared_ptr<const ParsedProject> ProjectFileCache::read(const QString &path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    const QByteArray native = QFile::encodeName(key);

    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return failed(errno == EACCES ? PermissionDenied : PathFileAccessError);
    // Folders, pipes and devices are refused before they are opened: opening a pipe could
    // wait for ever, and a device could be read for ever.
    if (!S_ISREG(st.st_mode))
        return failed(PathFileAccessError);

    ++m_clock;
    const Stamp seen = stampOf(st);
    for (Entry &entry : m_entries) {
        if (entry.path == key && entry.stamp == seen) {
            entry.lastUse = m_clock;
            ++m_hits;
            return entry.parsed;
        }
    }

    ++m_misses;
    const qint64 nowNs = QDateTime::currentMSecsSinceEpoch() * 1000000;
    QFile file(key);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.error() == QFileDevice::PermissionsError ? PermissionDenied
                                                                    : PathFileAccessError);
    // The stamp of the file actually opened.
    struct stat opened;
    if (::fstat(file.handle(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return failed(PathFileAccessError);
    const qint64 size = qint64(opened.st_size);
    if (size > ProjectFileReader::MaxFileSize)
        return failed(OutOfMemory);
    // Exactly the size the stamp names: a file that grows meanwhile gets another stamp, and is
    // read again next time.
    QByteArray bytes(size, Qt::Uninitialized);
    const qint64 got = size ? file.read(bytes.data(), size) : 0;
    if (got < 0)
        return failed(DeviceIOError);
    bytes.truncate(got);
    file.close();

    auto parsed = std::make_shared<const ParsedProject>(ProjectFileReader::parse(bytes));
    const Stamp stamp = stampOf(opened);
    std::erase_if(m_entries, [&](const Entry &e) { return e.path == key; });
    if (std::max(stamp.modifiedNs, stamp.changedNs) + SettleTimeNs <= nowNs)
        store(key, stamp, parsed);
    return parsed;
}

void ProjectFileCache::store(const QString &path, const Stamp &stamp,
                             std::shared_ptr<const ParsedProject> parsed)
{
    if (stamp.size > MaxBytes)
        return;
    auto bytesKept = [this] {
        qint64 total = 0;
        for (const Entry &e : m_entries)
            total += e.stamp.size;
        return total;
    };
    while (!m_entries.empty()
           && (m_entries.size() >= MaxEntries || bytesKept() + stamp.size > MaxBytes)) {
        m_entries.erase(std::min_element(m_entries.begin(), m_entries.end(),
                                         [](const Entry &a, const Entry &b) { return a.lastUse < b.lastUse; }));
    }
    m_entries.push_back(Entry{path, stamp, std::move(parsed), m_clock});
}
