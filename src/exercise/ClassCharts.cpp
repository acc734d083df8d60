#include "exercise/ClassCharts.h"

#include "interp/BuiltIns.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "base/MessageLog.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

std::optional<QList<ClassCharts::Chart>> ClassCharts::collect(const QStringList &paths, QString *error)
{
    QList<Chart> charts;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            const QList<Chart> inFolder = folderCharts(path);
            if (inFolder.isEmpty()) {
                *error = path + QStringLiteral(" klasöründe proje dosyası (.vnp) yok.");
                return std::nullopt;
            }
            charts += inFolder;
        } else if (info.exists()) {
            charts.append({path, path});
        } else {
            *error = path + QStringLiteral(" bulunamadı.");
            return std::nullopt;
        }
    }
    return charts;
}

QStringList ClassCharts::calledNames(const QString &path)
{
    MessageLog log;
    Project project(&log);
    project.setTrackCurrentBlock(false);
    QStringList names;
    if (!project.load_FILE(QFileInfo(path).absoluteFilePath()))
        return names;
    const Block_Collection &blocks = project.theBlockCollection();
    for (int i = 1; i <= blocks.Count(); ++i) {
        const cBlock *block = blocks.item(i);
        if (block->zAction() == u"FUNCTION" && !BuiltIns::isBuiltIn(block->zParam1().toUpper()))
            names.append(block->zParam1());
    }
    return names;
}

QList<ClassCharts::Chart> ClassCharts::folderCharts(const QString &folder)
{
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.vnp"), QStringLiteral("*.VNP")}, QDir::Files,
                                            QDir::Name | QDir::IgnoreCase);
    QSet<QString> called;
    for (const QString &file : files) {
        const QString own = QFileInfo(file).completeBaseName().toLower();
        for (const QString &name : calledNames(dir.filePath(file))) {
            if (name.toLower() != own)
                called.insert(name.toLower());
        }
    }
    QList<Chart> charts;
    const QString shown = folder.endsWith(u'/') ? folder : folder + u'/';
    for (const QString &file : files) {
        if (!called.contains(QFileInfo(file).completeBaseName().toLower()))
            charts.append({dir.filePath(file), shown + file});
    }
    return charts;
}
