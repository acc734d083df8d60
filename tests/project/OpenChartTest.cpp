#include "base/MessageLog.h"
#include "project/OpenChart.h"
#include "project/Project.h"

#include <gtest/gtest.h>

// Taking a chart as the open one sets its path, folder and window title together; a save under
// a new name and New use the same call as a load.
TEST(OpenChartTest, PathFolderAndTitleGoTogether)
{
    const struct {
        const char *path;
        const char *untitledFolder;
        const char *title;
        const char *folder;
    } cases[] = {
        {"/charts/loops/ilk.vnp", "", "Varnel 3.01 - ilk.vnp", "/charts/loops/"},
        {"/charts/loops/ilk.vnp", "/program/", "Varnel 3.01 - ilk.vnp", "/charts/loops/"},
        {"", "/program/", "Varnel 3.01", "/program/"},
        {"", "", "Varnel 3.01", "/before/"}, // no folder given: the old one stays
    };
    for (const auto &c : cases) {
        MessageLog log;
        Project project(&log);
        project.setProjectFolder(QStringLiteral("/before/"));
        QStringList titles;
        QObject::connect(&project, &Project::windowTitleChanged, [&titles](const QString &t) { titles << t; });
        OpenChart::adopt(project, QString::fromUtf8(c.path), QString::fromUtf8(c.untitledFolder));
        EXPECT_EQ(project.projectPath(), QString::fromUtf8(c.path));
        EXPECT_EQ(project.windowTitle(), QString::fromUtf8(c.title)) << c.path;
        EXPECT_EQ(project.projectFolder(), QString::fromUtf8(c.folder)) << c.path << " " << c.untitledFolder;
        EXPECT_EQ(titles, QStringList{QString::fromUtf8(c.title)});
    }
}
