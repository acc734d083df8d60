#include "shell/FileAssociation.h"

#include "base/MessageLog.h"
#include "shell/DesktopEntryText.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"
#include "shell/SmallFile.h"
#include "project/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString kRoot = QStringLiteral("HKCR");
const QString kText = QStringLiteral("S");
const QString kIconResource = QStringLiteral(":/varnel/varnel.svg");
const QString kMimePackage = QStringLiteral("mime/packages/varnel.xml");

QByteArray fileBytes(const QString &path)
{
    QByteArray bytes;
    SmallFile(path).read(bytes);
    return bytes;
}

// Writes the file unless it already holds exactly these bytes; changed tells which.
bool writeIfDifferent(const QString &path, const QByteArray &bytes, bool &changed)
{
    changed = false;
    if (QFileInfo(path).isFile() && fileBytes(path) == bytes)
        return true;
    changed = true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The program a desktop entry starts, as a full path; empty when it is not there.
QString installedProgram(const QString &program)
{
    if (program.isEmpty())
        return QString();
    const QString found = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(found);
    return info.isFile() && info.isExecutable() ? info.canonicalFilePath() : QString();
}

bool sameProgram(const QString &named, const QString &program)
{
    if (QDir::cleanPath(named) == QDir::cleanPath(program))
        return true;
    const QString installed = installedProgram(named);
    return !installed.isEmpty() && installed == QFileInfo(program).canonicalFilePath();
}

} // namespace

// One file of the desktop registration, relative to the data folder, and the database tool
// that must see it when it changes.
struct FileAssociation::DesktopFile {
    QString path;
    QByteArray bytes;
    QString tool;
    QString toolFolder;
};

FileAssociation::FileAssociation(const SettingsModule &settings, const Registry &registry,
                                 MessageLog *log, QString programPath, QString dataHome,
                                 QStringList systemDataDirs)
    : m_settings(settings)
    , m_registry(registry)
    , m_log(log)
    , m_programPath(std::move(programPath))
    , m_dataHome(std::move(dataHome))
    , m_systemDataDirs(std::move(systemDataDirs))
    , m_runToolFn([](const QString &program, const QStringList &arguments) {
        QProcess::startDetached(program, arguments);
    })
{
}

QString FileAssociation::defaultDataHome()
{
    return UserFolders::dataHome();
}

QStringList FileAssociation::defaultSystemDataDirs()
{
    QStringList folders = UserFolders::dataDirs();
    folders.removeAll(UserFolders::dataHome());
    return folders;
}

void FileAssociation::associateFileType() const
{
    const QString asked = m_settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE"));
    if (asked.compare(u"ASSOCIATE_IF_REQUIRED=YES", Qt::CaseInsensitive) != 0)
        return;
    const UserEntry user = userEntry();
    if (systemRegisters()) {
        if (user == UserEntry::Stale)
            removeStaleRegistration();
        return;
    }
    if (user == UserEntry::OtherProgram)
        return;
    if (!storeIsCurrent())
        writeStore();
    if (!registerWithDesktop(user == UserEntry::ThisProgramOnPath))
        warn();
}

QList<FileAssociation::Entry> FileAssociation::entries(const QString &programPath)
{
    return {
        {QStringLiteral(".vnp"), QStringLiteral("Varnel")},
        {QStringLiteral("Varnel"), QStringLiteral("Varnel Project")},
        {QStringLiteral("Varnel\\DefaultIcon"), programPath + QStringLiteral(",0")},
        {QStringLiteral("Varnel\\shell\\open\\command"), programPath + QStringLiteral(" \"%1\"")},
    };
}

QString FileAssociation::desktopEntry(const QString &exec)
{
    return DesktopEntryText::forProgram(exec, mimeType());
}

QString FileAssociation::mimeTypeDefinition()
{
    return QStringLiteral(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
               "  <mime-type type=\"%1\">\n"
               "    <comment>Varnel Project</comment>\n"
               "    <comment xml:lang=\"tr\">Varnel Projesi</comment>\n"
               "    <sub-class-of type=\"text/plain\"/>\n"
               "    <icon name=\"varnel\"/>\n"
               "    <glob pattern=\"*.vnp\"/>\n"
               "  </mime-type>\n"
               "</mime-info>\n")
        .arg(mimeType());
}

bool FileAssociation::systemRegisters() const
{
    bool entry = false;
    bool type = false;
    for (const QString &folder : m_systemDataDirs) {
        const QDir dir(folder);
        entry = entry || QFileInfo(dir.filePath(QStringLiteral("applications/") + desktopFileName())).isFile();
        type = type || QFileInfo(dir.filePath(kMimePackage)).isFile();
    }
    return entry && type;
}

FileAssociation::UserEntry FileAssociation::userEntry() const
{
    const QString path = QDir(m_dataHome).filePath(QStringLiteral("applications/") + desktopFileName());
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return UserEntry::Absent;
    const QString program = DesktopEntryText::programOf(QString::fromUtf8(fileBytes(path)));
    if (sameProgram(program, m_programPath))
        return program.contains(u'/') ? UserEntry::ThisProgram : UserEntry::ThisProgramOnPath;
    return installedProgram(program).isEmpty() ? UserEntry::Stale : UserEntry::OtherProgram;
}

QList<FileAssociation::DesktopFile> FileAssociation::desktopFiles() const
{
    return {
        {kMimePackage, mimeTypeDefinition().toUtf8(), QStringLiteral("update-mime-database"), QStringLiteral("mime")},
        {QStringLiteral("applications/") + desktopFileName(), desktopEntry(m_programPath).toUtf8(),
         QStringLiteral("update-desktop-database"), QStringLiteral("applications")},
        {QStringLiteral("icons/hicolor/scalable/apps/varnel.svg"), fileBytes(kIconResource), QString(), QString()},
    };
}

bool FileAssociation::storeIsCurrent() const
{
    for (const Entry &entry : entries(m_programPath)) {
        QVariant value;
        const int status = m_registry.fQueryValue(kRoot, entry.key, QString(), kText, QString(), value);
        if (status != 0 || value.toString() != entry.value)
            return false;
    }
    return true;
}

// The key store shows its own warning for a failed write.
void FileAssociation::writeStore() const
{
    for (const Entry &entry : entries(m_programPath))
        m_registry.fWriteValue(kRoot, entry.key, QString(), kText, entry.value);
}

// keepEntry: the entry an install put in the user's data folder stays as the install made it.
bool FileAssociation::registerWithDesktop(bool keepEntry) const
{
    bool ok = true;
    const QDir home(m_dataHome);
    for (const DesktopFile &file : desktopFiles()) {
        if (keepEntry && file.path.endsWith(desktopFileName()))
            continue;
        const QString path = home.filePath(file.path);
        bool changed = false;
        if (file.bytes.isEmpty() || !writeIfDifferent(path, file.bytes, changed))
            ok = false;
        else if (changed && !file.tool.isEmpty())
            runTool(file.tool, home.filePath(file.toolFolder));
    }
    return ok;
}

// A Varnel entry goes; the MIME type and the icon go too when they are exactly the ones a
// start wrote.
void FileAssociation::removeStaleRegistration() const
{
    const QDir home(m_dataHome);
    for (const DesktopFile &file : desktopFiles()) {
        const QString path = home.filePath(file.path);
        const bool ours = file.path.endsWith(desktopFileName())
            ? DesktopEntryText::opensType(QString::fromUtf8(fileBytes(path)), mimeType())
            : fileBytes(path) == file.bytes;
        if (!ours)
            continue;
        if (QFile::remove(path) && !file.tool.isEmpty())
            runTool(file.tool, home.filePath(file.toolFolder));
    }
}

void FileAssociation::runTool(const QString &name, const QString &folder) const
{
    const QString program = QStandardPaths::findExecutable(name, m_toolSearchPaths);
    if (!program.isEmpty())
        m_runToolFn(program, {folder});
}

void FileAssociation::warn() const
{
    if (m_log)
        m_log->showModal(QStringLiteral("Kayıt defteri ya da .ini dosya değeri yazılamıyor."),
                         QStringLiteral("fWriteValue"));
}
