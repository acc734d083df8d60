#pragma once

#include "project/FileStamp.h"
#include "project/ProjectFileReader.h"

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// Parsed copies of project files, keyed by absolute path and valid while the file on disk is
// unchanged: the same file (device and inode), size, modification time and status-change time.
// A function call loads the called file and its return reloads the caller, so a running program
// reads each of its files once. The copies are shared and never change.
//
// File times tick in steps of a few milliseconds, so a file rewritten in place within the step
// in which it was read would keep its stamp. A file whose stamp has not settled at the moment it
// is read is therefore parsed but not kept; it is kept on a later read.
class ProjectFileCache {
public:
    // At most this many files are kept; the one used longest ago goes first.
    static constexpr std::size_t MaxEntries = 32;
    // and at most files of this many bytes in all; a larger file is parsed but not kept.
    static constexpr qint64 MaxBytes = 16 * 1024 * 1024;

    // What a read parsed: the stamp of the file its bytes came from, and whether that stamp can
    // tell a later change (it had settled).
    struct Source {
        FileStamp stamp;
        bool settled = false;
    };

    // The parsed file: from the cache when the file is unchanged, else read and parsed now.
    // A file that is not a regular file, cannot be opened or is too large gives a Failed record
    // with no blocks (and is not kept). `source`, when given, learns where the copy came from.
    std::shared_ptr<const ParsedProject> read(const QString &path, Source *source = nullptr);

    void clear() { m_entries.clear(); }
    std::size_t size() const { return m_entries.size(); }
    // How many reads were answered from the cache and how many parsed a file.
    quint64 hits() const { return m_hits; }
    quint64 misses() const { return m_misses; }

private:
    struct Entry {
        QString path;
        FileStamp stamp;
        std::shared_ptr<const ParsedProject> parsed;
        quint64 lastUse = 0;
    };

    void store(const QString &path, const FileStamp &stamp, std::shared_ptr<const ParsedProject> parsed);

    std::vector<Entry> m_entries;
    quint64 m_clock = 0;
    quint64 m_hits = 0;
    quint64 m_misses = 0;
};
