#include "project/ProjectFileCache.h"

#include "base/FileErrors.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace {

using namespace FileErrors;

const QString &fileErrorSource()
{
    static const QString name = QStringLiteral("load_FILE");
    return name;
}

VarnelError fileError(int number)
{
    return VarnelError(number, fileErrorSource(), FileErrors::text(number));
}

std::shared_ptr<const ParsedProject> failed(int number)
{
    auto parsed = std::make_shared<ParsedProject>();
    parsed->outcome = ParsedProject::Outcome::Failed;
    parsed->error = fileError(number);
    return parsed;
}

} // namespace

std::shared_ptr<const ParsedProject> ProjectFileCache::read(const QString &path, Source *source)
{
    const QString key = QFileInfo(path).absoluteFilePath();

    const std::optional<FileStamp> seen = FileStamp::of(QFile::encodeName(key));
    if (!seen)
        return failed(errno == EACCES ? PermissionDenied : PathFileAccessError);
    // Folders, pipes and devices are refused before they are opened: opening a pipe could
    // wait for ever, and a device could be read for ever.
    if (!seen->regular)
        return failed(PathFileAccessError);

    ++m_clock;
    for (Entry &entry : m_entries) {
        if (entry.path == key && entry.stamp == *seen) {
            entry.lastUse = m_clock;
            ++m_hits;
            if (source)
                *source = Source{entry.stamp, true};
            return entry.parsed;
        }
    }

    ++m_misses;
    const qint64 nowNs = FileStamp::nowNs();
    QFile file(key);
    if (!file.open(QIODevice::ReadOnly))
        return failed(file.error() == QFileDevice::PermissionsError ? PermissionDenied
                                                                    : PathFileAccessError);
    // The stamp of the file actually opened.
    const std::optional<FileStamp> opened = FileStamp::ofOpen(file.handle());
    if (!opened || !opened->regular)
        return failed(PathFileAccessError);
    const qint64 size = opened->size;
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
    std::erase_if(m_entries, [&](const Entry &e) { return e.path == key; });
    const bool settled = opened->settledAt(nowNs);
    if (settled)
        store(key, *opened, parsed);
    if (source)
        *source = Source{*opened, settled};
    return parsed;
}

void ProjectFileCache::store(const QString &path, const FileStamp &stamp,
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
