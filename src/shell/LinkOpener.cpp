#include "shell/LinkOpener.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

QStringList &searchPaths()
{
    static QStringList paths;
    return paths;
}

} // namespace

LinkOpener::LinkOpener(QObject *parent)
    : QObject(parent)
{
}

QString LinkOpener::openerProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"), searchPaths());
}

void LinkOpener::setSearchPaths(const QStringList &paths)
{
    searchPaths() = paths;
}

bool LinkOpener::open(const QString &url)
{
    const QString program = openerProgram();
    if (program.isEmpty())
        return false;
    auto *process = new QProcess(this);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this, [this, process, url](int exitCode, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || exitCode != 0)
            Q_EMIT failed(url);
        process->deleteLater();
        Q_EMIT finished();
    });
    process->start(program, {url});
    if (process->waitForStarted())
        return true;
    delete process;
    return false;
}
