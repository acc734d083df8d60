#include "shell/MakeExecutable.h"

#include "base/Paths.h"
#include "shell/SettingsModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kMessageLineBreak = QStringLiteral("\r\n");
constexpr qint64 kChunk = 1 << 20;

QString failure(const QString &description)
{
    return QStringLiteral("EXE oluşturulurken hata: ") + kMessageLineBreak + description;
}

QString quotedName(const QString &name)
{
    return u'"' + name + u'"';
}

// Two names for one file: the same absolute path, or, for files that exist, the same file
// behind links.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (QDir::cleanPath(first.absoluteFilePath()) == QDir::cleanPath(second.absoluteFilePath()))
        return true;
    return first.exists() && second.exists()
        && first.canonicalFilePath() == second.canonicalFilePath();
}

// Copies through a temporary file that replaces the target only when every byte arrived, so
// a failed copy never leaves half a program or half a project behind.
QString copyFile(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("\"%1\" dosyası okunamıyor (%2).").arg(from, in.errorString());
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return QStringLiteral("\"%1\" dosyasına yazılamıyor (%2).").arg(to, out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kChunk);
        if (in.error() != QFileDevice::NoError)
            return QStringLiteral("\"%1\" dosyası okunamıyor (%2).").arg(from, in.errorString());
        if (out.write(chunk) != chunk.size())
            return QStringLiteral("\"%1\" dosyasına yazılamıyor (%2).").arg(to, out.errorString());
    }
    if (!out.commit())
        return QStringLiteral("\"%1\" dosyasına yazılamıyor (%2).").arg(to, out.errorString());
    return QString();
}

QString makeRunnable(const QString &program, const QString &copy)
{
    const QFileDevice::Permissions permissions = QFile::permissions(program)
        | QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (!QFile::setPermissions(copy, permissions))
        return QStringLiteral("\"%1\" dosyasına çalıştırma izni verilemiyor.").arg(copy);
    return QString();
}

QString writeSettings(const QString &flow, const QString &path)
{
    // A settings store of its own: the running program keeps its own settings.
    SettingsModule settings;
    settings.setDefaultSettings();
    settings.setINISetting(QStringLiteral("SHOULD_ASSOCIATE"), QStringLiteral("ASSOCIATE_IF_REQUIRED=NO"));
    settings.setINISetting(QStringLiteral("START_UP_FLOW"), Paths::fileNameOf(flow));
    if (!settings.saveSettings(path))
        return QStringLiteral("\"%1\" ayar dosyası yazılamıyor.").arg(path);
    return QString();
}

} // namespace

MakeExecutable::MakeExecutable(QString programPath)
    : m_programPath(std::move(programPath))
{
}

MakeExecutable::Result MakeExecutable::make(const QString &startUpFlow,
                                            const QString &targetName) const
{
    const QString target = QFileInfo(targetName).absoluteFilePath();
    const QString flow = resolvedFlow(startUpFlow);
    if (!QFileInfo(flow).isFile())
        return {false, failure(QStringLiteral("Başlangıç diyagramı bulunamadı: ") + flow)};
    if (const QString clash = clashBetween(flow, target); !clash.isEmpty())
        return {false, failure(clash)};

    const QString flowCopy = Paths::folderOf(target) + Paths::fileNameOf(flow);
    QString error = copyFile(m_programPath, target);
    if (error.isEmpty())
        error = makeRunnable(m_programPath, target);
    if (error.isEmpty())
        error = writeSettings(flow, settingsPathFor(target));
    if (error.isEmpty() && !sameFile(flow, flowCopy))
        error = copyFile(flow, flowCopy);
    return {error.isEmpty(), error.isEmpty() ? QString() : failure(error)};
}

QString MakeExecutable::settingsPathFor(const QString &target)
{
    const QString ext = QStringLiteral(".exe");
    const bool endsInExe = target.endsWith(ext, Qt::CaseInsensitive);
    return (endsInExe ? target.chopped(ext.size()) : target) + QStringLiteral(".ini");
}

QString MakeExecutable::noticeText(const QString &target)
{
    return QStringLiteral("Lütfen dikkat: ") + kMessageLineBreak + kMessageLineBreak
        + QStringLiteral("  Bu projede kullanılan tüm ") + quotedName(QStringLiteral(".vnp"))
        + QStringLiteral(" dosyalarının (fonksiyon içerenler dahil)") + kMessageLineBreak
        + quotedName(Paths::fileNameOf(target)) + QStringLiteral(" ve ")
        + quotedName(Paths::fileNameOf(settingsPathFor(target)))
        + QStringLiteral(" dosyasıyla aynı yere kopyalanmalıdır.") + kMessageLineBreak + QStringLiteral("  ");
}

QString MakeExecutable::proposedFolder(const QString &programFolder)
{
    const QFileInfo folder(programFolder);
    return folder.isDir() && folder.isWritable() ? programFolder : QDir::homePath();
}

QString MakeExecutable::resolvedFlow(const QString &startUpFlow) const
{
    const QString flow = startUpFlow.trimmed();
    if (Paths::isAbsolute(flow))
        return flow;
    return Paths::AddSlash(QFileInfo(m_programPath).absolutePath()) + flow;
}

// The program, its settings file and the flow's copy must be three different files; neither
// of the first two may be the running program, its settings file or the chosen flow.
QString MakeExecutable::clashBetween(const QString &flow, const QString &target) const
{
    const QString settings = settingsPathFor(target);
    const QString flowCopy = Paths::folderOf(target) + Paths::fileNameOf(flow);
    for (const QString &made : {target, settings}) {
        if (sameFile(made, m_programPath))
            return QStringLiteral("Çalışan program kendi üzerine yazılamaz: ") + made;
        if (sameFile(made, flow) || sameFile(made, flowCopy))
            return QStringLiteral("Hedef dosya başlangıç diyagramının üzerine yazılamaz: ") + made;
    }
    const QFileInfo program(m_programPath);
    const QString ownSettings =
        program.absolutePath() + u'/' + program.completeBaseName() + QStringLiteral(".ini");
    if (sameFile(settings, ownSettings))
        return QStringLiteral("Çalışan programın ayar dosyası değiştirilemez: ") + settings;
    return QString();
}
