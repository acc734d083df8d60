// The recent charts: order, the limit of eight, paths as one file, storage shared between
// programs, and files that have gone.

#include "project/RecentProjects.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecentProjectsTest : public ::testing::Test {
protected:
    QString file(const QString &name) const { return dir.filePath(name); }
    QString touch(const QString &name) const
    {
        QFile f(file(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return file(name);
    }

    QTemporaryDir dir;
    QString settings = dir.filePath(QStringLiteral("config/varnel.conf"));
    RecentProjects recent{settings};
};

} // namespace

TEST_F(RecentProjectsTest, NewestFirstWithoutRepeatsAndAtMostEight)
{
    EXPECT_TRUE(recent.files().isEmpty());
    for (int i = 1; i <= 10; ++i)
        recent.add(file(QStringLiteral("p%1.vnp").arg(i)));
    recent.add(file(QStringLiteral("p5.vnp")));

    const QStringList expected = {file("p5.vnp"), file("p10.vnp"), file("p9.vnp"), file("p8.vnp"),
                                  file("p7.vnp"), file("p6.vnp"), file("p4.vnp"), file("p3.vnp")};
    EXPECT_EQ(recent.files(), expected);
}

TEST_F(RecentProjectsTest, OneFileWrittenTwoWaysIsOneEntry)
{
    recent.add(file(QStringLiteral("a/../p.vnp")));
    recent.add(file(QStringLiteral("./p.vnp")));
    EXPECT_EQ(recent.files(), QStringList{file("p.vnp")});
}

TEST_F(RecentProjectsTest, SurvivesTheProgramAndKeepsUnusualNames)
{
    const QStringList names = {QStringLiteral("Şekil, çizim & ödev.vnp"), QStringLiteral("a;b=c \"d\".vnp")};
    for (const QString &name : names)
        recent.add(file(name));

    RecentProjects later(settings);
    EXPECT_EQ(later.files(), (QStringList{file(names[1]), file(names[0])}));
    EXPECT_TRUE(QFile::exists(settings));
}

TEST_F(RecentProjectsTest, TwoProgramsShareOneList)
{
    RecentProjects other(settings);
    recent.add(file(QStringLiteral("one.vnp")));
    other.add(file(QStringLiteral("two.vnp")));
    EXPECT_EQ(recent.files(), (QStringList{file("two.vnp"), file("one.vnp")}));
}

TEST_F(RecentProjectsTest, RemoveClearAndFilesThatAreGone)
{
    const QString kept = touch(QStringLiteral("kept.vnp"));
    recent.add(file(QStringLiteral("gone1.vnp")));
    recent.add(kept);
    recent.add(file(QStringLiteral("gone2.vnp")));

    EXPECT_EQ(recent.dropMissing(), (QStringList{file("gone2.vnp"), file("gone1.vnp")}));
    EXPECT_EQ(recent.files(), QStringList{kept});
    EXPECT_TRUE(recent.dropMissing().isEmpty());

    EXPECT_FALSE(recent.remove(file(QStringLiteral("never.vnp"))));
    EXPECT_TRUE(recent.remove(kept));
    EXPECT_TRUE(recent.files().isEmpty());

    recent.add(kept);
    recent.clear();
    EXPECT_TRUE(recent.files().isEmpty());
    EXPECT_EQ(RecentProjects::missingMessage(kept),
              QStringLiteral("Dosya bulunamadı, Son Açılanlar listesinden çıkarıldı: ") + kept);
}

TEST_F(RecentProjectsTest, TheDefaultFileLivesInTheUsersConfigFolder)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(RecentProjects::defaultSettingsFile(), dir.path() + QStringLiteral("/varnel/varnel.conf"));
    qputenv("XDG_CONFIG_HOME", "relative/path");
    EXPECT_EQ(RecentProjects::defaultSettingsFile(), QDir::homePath() + QStringLiteral("/.config/varnel/varnel.conf"));
    qputenv("XDG_CONFIG_HOME", saved);
}
