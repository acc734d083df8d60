#include "shell/FileAssociation.h"

#include "base/MessageLog.h"
#include "shell/Registry.h"
#include "shell/SettingsModule.h"

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

// One file of the desktop registration, relative to the data folder, and the database tool
// that must see it when it changes.
struct DesktopFile {
    QString path;
    QByteArray bytes;
    QString tool;
    QString toolFolder;
};

// Characters that make the desktop's launcher read an Exec argument differently unless the
// argument is quoted.
bool needsQuotes(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : argument) {
        if (reserved.contains(c))
            return true;
    }
    return argument.isEmpty();
}

// An Exec argument: quoted when needed with ", `, $ and \ escaped inside the quotes, "%"
// doubled, and then the backslashes doubled once more, as every string value of the file.
QString execArgument(const QString &argument)
{
    QString text;
    const bool quote = needsQuotes(argument);
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            text += u'\\';
        text += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    if (quote)
        text = u'"' + text + u'"';
    return text.replace(u'\\', QStringLiteral("\\\\"));
}

// TryExec is a plain string value: only its backslashes and line breaks are escaped.
QString stringValue(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

} // namespace

FileAssociation::FileAssociation(const SettingsModule &settings, const Registry &registry,
                                 MessageLog *log, QString programPath, QString dataHome)
    : m_settings(settings)
    , m_registry(registry)
    , m_log(log)
    , m_programPath(std::move(programPath))
    , m_dataHome(std::move(dataHome))
    , m_runToolFn([](const QString &program, const QStringList &arguments) {
        QProcess::startDetached(program, arguments);
    })
{
}

QString FileAssociation::defaultDataHome()
{
    const QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!base.isEmpty() && !QDir::isRelativePath(base))
        return base;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

void FileAssociation::associateFileType() const
{
    const QString asked = m_settings.getINISetting(QStringLiteral("SHOULD_ASSOCIATE"));
    if (asked.compare(u"ASSOCIATE_IF_REQUIRED=YES", Qt::CaseInsensitive) != 0)
        return;
    if (!storeIsCurrent())
        writeStore();
    if (!registerWithDesktop())
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
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Varnel\n"
                          "GenericName=Akış Şeması Programlama\n"
                          "GenericName[en]=Flowchart Programming\n"
                          "Comment=Akış şemalarıyla program yazın ve çalıştırın\n"
                          "Comment[en]=Write programs as flowcharts and run them\n"
                          "Exec=%1 %f\n"
                          "TryExec=%2\n"
                          "Icon=varnel\n"
                          "Terminal=false\n"
                          "StartupNotify=true\n"
                          "MimeType=%3;\n"
                          "Categories=Education;Development;\n"
                          "Keywords=akış şeması;flowchart;programlama;algoritma;\n")
        .arg(execArgument(exec), stringValue(exec), mimeType());
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

bool FileAssociation::registerWithDesktop() const
{
    const QByteArray icon = fileBytes(kIconResource);
    const QList<DesktopFile> files = {
        {QStringLiteral("mime/packages/varnel.xml"), mimeTypeDefinition().toUtf8(),
         QStringLiteral("update-mime-database"), QStringLiteral("mime")},
        {QStringLiteral("applications/varnel.desktop"), desktopEntry(m_programPath).toUtf8(),
         QStringLiteral("update-desktop-database"), QStringLiteral("applications")},
        {QStringLiteral("icons/hicolor/scalable/apps/varnel.svg"), icon, QString(), QString()},
    };
    bool ok = !icon.isEmpty();
    const QDir home(m_dataHome);
    for (const DesktopFile &file : files) {
        bool changed = false;
        if (file.bytes.isEmpty() || !writeIfDifferent(home.filePath(file.path), file.bytes, changed))
            ok = false;
        else if (changed && !file.tool.isEmpty())
            runTool(file.tool, home.filePath(file.toolFolder));
    }
    return ok;
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
