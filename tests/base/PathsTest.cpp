#include "base/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Paths, SeparatorsOfBothKinds)
{
    EXPECT_EQ(Paths::AddSlash(QString()), QStringLiteral("/"));
    EXPECT_EQ(Paths::AddSlash(QStringLiteral("/opt/varnel")), QStringLiteral("/opt/varnel/"));
    EXPECT_EQ(Paths::AddSlash(QStringLiteral("/opt/varnel/")), QStringLiteral("/opt/varnel/"));
    EXPECT_EQ(Paths::AddSlash(QStringLiteral("C:\\Varnel\\")), QStringLiteral("C:\\Varnel\\"));
    EXPECT_EQ(Paths::fileNameOf(QStringLiteral("/a/b\\c.vnp")), QStringLiteral("c.vnp"));
    EXPECT_EQ(Paths::folderOf(QStringLiteral("/a/b/c.vnp")), QStringLiteral("/a/b/"));
    EXPECT_EQ(Paths::folderOf(QStringLiteral("c.vnp")), QString());
}

TEST(Paths, AbsoluteForms)
{
    EXPECT_TRUE(Paths::isAbsolute(QStringLiteral("/a.vnp")));
    EXPECT_TRUE(Paths::isAbsolute(QStringLiteral("C:\\a.vnp")));
    EXPECT_TRUE(Paths::isAbsolute(QStringLiteral("\\\\server\\a.vnp")));
    EXPECT_FALSE(Paths::isAbsolute(QStringLiteral("a.vnp")));
    EXPECT_FALSE(Paths::isAbsolute(QStringLiteral("\\a.vnp")));
}

TEST(Paths, ExistenceAndResolution)
{
    QTemporaryDir dir;
    const QString folder = Paths::AddSlash(dir.path());
    QFile(folder + QStringLiteral("a.vnp")).open(QIODevice::WriteOnly);
    QDir(folder).mkdir(QStringLiteral("sub"));

    EXPECT_TRUE(Paths::fileExists(folder + QStringLiteral("a.vnp")));
    EXPECT_TRUE(Paths::fileExists(folder + QStringLiteral("sub")));
    EXPECT_FALSE(Paths::fileExists(folder + QStringLiteral("b.vnp")));

    EXPECT_EQ(Paths::resolveProjectPath(folder + QStringLiteral("a.vnp"), QStringLiteral("/nowhere/")),
              folder + QStringLiteral("a.vnp"));
    EXPECT_EQ(Paths::resolveProjectPath(QStringLiteral("a.vnp"), folder), folder + QStringLiteral("a.vnp"));
    EXPECT_EQ(Paths::resolveProjectPath(QStringLiteral("sub"), folder), folder + QStringLiteral("sub"));
    EXPECT_EQ(Paths::resolveProjectPath(QStringLiteral("b.vnp"), folder), QString());
    // "/a.vnp" behind the folder would name folder + "a.vnp" here; an absolute path is tried once.
    EXPECT_EQ(Paths::resolveProjectPath(QStringLiteral("/a.vnp"), folder), QString());
}

TEST(Paths, ChangingFolder)
{
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    EXPECT_FALSE(Paths::myChDir(QString()));
    EXPECT_FALSE(Paths::myChDir(dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(QDir::currentPath(), saved);
    EXPECT_TRUE(Paths::myChDir(dir.path()));
    EXPECT_EQ(QDir::current(), QDir(dir.path()));
    QDir::setCurrent(saved);
}
