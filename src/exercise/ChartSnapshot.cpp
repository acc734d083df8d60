#include "exercise/ChartSnapshot.h"

#include "base/Paths.h"
#include "exercise/ClassCharts.h"
#include "interp/FunctionCalls.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringList>

ChartSnapshot::ChartSnapshot(const QString &chartPath, const QByteArray &bytes)
{
    if (!m_dir.isValid())
        return;
    const QString name = chartPath.isEmpty() ? QStringLiteral("Adsız.vnp") : Paths::fileNameOf(chartPath);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return;
    file.close();
    m_path = path;
    if (!chartPath.isEmpty())
        copyCalledCharts(path, QFileInfo(chartPath).absolutePath() + u'/');
}

// Follows the calls chart by chart; a chart that is not there stays missing, as in a normal run.
void ChartSnapshot::copyCalledCharts(const QString &from, const QString &sourceFolder)
{
    QSet<QString> copied{Paths::fileNameOf(from)};
    QStringList waiting{from};
    while (!waiting.isEmpty()) {
        const QString chart = waiting.takeFirst();
        for (const QString &called : ClassCharts::calledNames(chart)) {
            const QString source = FunctionCalls::chartPath(sourceFolder, called + QStringLiteral(".vnp"));
            const QString fileName = Paths::fileNameOf(source);
            if (copied.contains(fileName) || !QFileInfo(source).isFile())
                continue;
            copied.insert(fileName);
            const QString copy = m_dir.filePath(fileName);
            if (QFile::copy(source, copy))
                waiting.append(copy);
        }
    }
}
