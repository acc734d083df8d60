#include "project/RecoveryStore.h"

#include "base/CheckedFileWriter.h"
#include "base/Paths.h"
#include "model/VarnelError.h"
#include "project/ProjectFileWriter.h"
#include "project/UserFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>

namespace {

const QString kChartSuffix = QStringLiteral(".vnp");

std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes a lock stale: a program may keep its copy locked for days.
    lock->setStaleLockTime(0);
    return lock;
}

QString withoutSuffix(const QString &chartPath)
{
    return chartPath.left(chartPath.size() - kChartSuffix.size());
}

// Unique among the stores of all programs, also when one program makes several at once.
QString newSessionName()
{
    static int made = 0;
    return QStringLiteral("session-%1-%2-%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(++made);
}

} // namespace

struct RecoveryStore::Claim {
    QString chartPath;
    std::unique_ptr<QLockFile> lock;
};

RecoveryStore::RecoveryStore(QString folder)
    : m_folder(QDir::cleanPath(std::move(folder))),
      m_sessionName(newSessionName())
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    return UserFolders::stateFolder() + QStringLiteral("/recovery");
}

QString RecoveryStore::copyPath() const
{
    return m_folder + u'/' + m_sessionName + kChartSuffix;
}

QString RecoveryStore::lockPathOf(const QString &chartPath)
{
    return withoutSuffix(chartPath) + QStringLiteral(".lock");
}

QString RecoveryStore::notePathOf(const QString &chartPath)
{
    return withoutSuffix(chartPath) + QStringLiteral(".path");
}

bool RecoveryStore::fail(const QString &text)
{
    m_errorText = text;
    return false;
}

bool RecoveryStore::lockSession()
{
    if (m_sessionLock)
        return true;
    if (!QDir().mkpath(m_folder))
        return fail(QCoreApplication::translate("RecoveryStore", "Klasör oluşturulamadı: ") + m_folder);
    auto lock = lockFor(lockPathOf(copyPath()));
    if (!lock->tryLock(0))
        return fail(QCoreApplication::translate("RecoveryStore", "Kilit dosyası oluşturulamadı: ")
                    + lockPathOf(copyPath()));
    m_sessionLock = std::move(lock);
    return true;
}

bool RecoveryStore::write(const Block_Collection &blocks, const Line_Collection &lines,
                          const QString &originalPath)
{
    if (!lockSession())
        return false;
    CheckedFileWriter note(notePathOf(copyPath()));
    if (!note.write(originalPath.toUtf8()))
        return fail(note.errorText());
    try {
        ProjectFileWriter::writeFile(copyPath(), ProjectFileWriter::serialize(blocks, lines));
    } catch (const VarnelError &error) {
        return fail(error.description());
    }
    m_errorText.clear();
    return true;
}

bool RecoveryStore::hasCopy() const
{
    return QFileInfo::exists(copyPath());
}

void RecoveryStore::discard()
{
    QFile::remove(copyPath());
    QFile::remove(notePathOf(copyPath()));
}

QString RecoveryStore::originalPathOf(const QString &chartPath)
{
    QFile note(notePathOf(chartPath));
    if (!note.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(note.readAll());
}

QList<RecoveryCopy> RecoveryStore::claimOrphans()
{
    QList<RecoveryCopy> found;
    const QFileInfoList charts = QDir(m_folder).entryInfoList({QStringLiteral("session-*") + kChartSuffix}, QDir::Files);
    for (const QFileInfo &chart : charts) {
        const QString path = chart.absoluteFilePath();
        if (path == copyPath())
            continue;
        auto claimed = std::any_of(m_claims.cbegin(), m_claims.cend(),
                                   [&path](const auto &claim) { return claim->chartPath == path; });
        auto lock = lockFor(lockPathOf(path));
        if (!claimed && !lock->tryLock(0))
            continue; // its program is still running
        if (!claimed)
            m_claims.append(std::make_shared<Claim>(Claim{path, std::move(lock)}));
        found.append(RecoveryCopy{path, originalPathOf(path), chart.lastModified()});
    }
    dropStaleLocks();
    std::sort(found.begin(), found.end(),
              [](const RecoveryCopy &a, const RecoveryCopy &b) { return a.savedAt > b.savedAt; });
    return found;
}

// A crash before anything was written, or after the copy was removed, leaves only a lock.
void RecoveryStore::dropStaleLocks() const
{
    const QFileInfoList locks = QDir(m_folder).entryInfoList({QStringLiteral("session-*.lock")}, QDir::Files);
    for (const QFileInfo &lockInfo : locks) {
        const QString chart = lockInfo.absolutePath() + u'/' + lockInfo.completeBaseName() + kChartSuffix;
        if (QFileInfo::exists(chart))
            continue;
        auto lock = lockFor(lockInfo.absoluteFilePath());
        if (lock->tryLock(0))
            lock->unlock();
    }
}

void RecoveryStore::remove(const RecoveryCopy &copy)
{
    QFile::remove(copy.chartPath);
    QFile::remove(notePathOf(copy.chartPath));
    release(copy);
}

void RecoveryStore::release(const RecoveryCopy &copy)
{
    m_claims.removeIf([&copy](const auto &claim) { return claim->chartPath == copy.chartPath; });
}

QString RecoveryStore::questionTitle()
{
    return QCoreApplication::translate("RecoveryStore", "Kurtarma");
}

QString RecoveryStore::questionText(const RecoveryCopy &copy)
{
    QString name = Paths::fileNameOf(copy.originalPath);
    if (name.isEmpty())
        name = QCoreApplication::translate("RecoveryStore", "Adsız");
    return QCoreApplication::translate("RecoveryStore",
                                       "Kaydedilmemiş değişiklikler bulundu!\r\n\r\n"
                                       "Varnel son kez beklenmedik biçimde kapandığında %1 projesinde kaydedilmemiş "
                                       "değişiklikler vardı (kurtarma kopyası: %2).\r\n\r\n"
                                       "Bu değişiklikler geri yüklensin mi? \"Hayır\" derseniz kurtarma kopyası "
                                       "silinir.")
        .arg(name, copy.savedAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}
