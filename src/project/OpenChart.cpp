#include "project/OpenChart.h"

#include "base/Paths.h"
#include "project/Project.h"

QString OpenChart::title(const QString &path)
{
    return path.isEmpty() ? Project::baseTitle() : Project::baseTitle() + QStringLiteral(" - ") + Paths::fileNameOf(path);
}

void OpenChart::adopt(Project &project, const QString &path, const QString &untitledFolder)
{
    project.setProjectPath(path);
    if (!path.isEmpty())
        project.setProjectFolder(Paths::folderOf(path));
    else if (!untitledFolder.isEmpty())
        project.setProjectFolder(untitledFolder);
    project.setWindowTitle(title(path));
}
