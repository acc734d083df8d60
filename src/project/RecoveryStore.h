#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

class Block_Collection;
class Line_Collection;
class QLockFile;

// A copy of the drawing left by a session that ended without a normal close.
struct RecoveryCopy {
    QString chartPath;    // the copy, a project file
    QString originalPath; // the project's own file; "" for an untitled project
    QDateTime savedAt;
};

// Recovery copies of drawings with unsaved changes. Each running program writes its own copy
// (an ordinary project file, written atomically) and holds a lock file beside it for as long as
// it runs; a copy whose lock is not held by a live program was left by a crash. A normal close
// or a save removes the session's copy.
class RecoveryStore {
public:
    static constexpr int IntervalMs = 60 * 1000;

    // folder: where the copies live; the default is "recovery" in the user's state folder.
    explicit RecoveryStore(QString folder = defaultFolder());
    // Releases every lock; this session's copy stays (it holds unsaved changes).
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    static QString defaultFolder();
    const QString &folder() const { return m_folder; }

    // Writes the drawing as this session's copy, replacing the last one; false, with the cause
    // in errorText(), when it could not be written (the last copy then stays as it was).
    bool write(const Block_Collection &blocks, const Line_Collection &lines, const QString &originalPath);
    const QString &errorText() const { return m_errorText; }
    bool hasCopy() const;
    QString copyPath() const;
    // Removes this session's copy.
    void discard();

    // Takes over the copies that crashed sessions left, newest first; each stays locked by this
    // store until it is removed or released, so no other program offers it meanwhile.
    QList<RecoveryCopy> claimOrphans();
    void remove(const RecoveryCopy &copy);
    void release(const RecoveryCopy &copy);

    static QString questionTitle();
    static QString questionText(const RecoveryCopy &copy);

private:
    struct Claim;
    bool lockSession();
    bool fail(const QString &text);
    void dropStaleLocks() const;
    static QString originalPathOf(const QString &chartPath);
    static QString lockPathOf(const QString &chartPath);
    static QString notePathOf(const QString &chartPath);

    QString m_folder;
    QString m_sessionName;
    std::unique_ptr<QLockFile> m_sessionLock;
    QList<std::shared_ptr<Claim>> m_claims;
    QString m_errorText;
};
