#include "shell/AppVersion.h"
#include "shell/DataLocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DataLocatorTest, TheProgramsFolderFirstThenTheInstalledPrefix)
{
    const struct {
        QStringList templates; // folders holding NEW_TEMPLATE.vnp, below the prefix
        QString expected;
    } cases[] = {
        {{QStringLiteral("bin")}, QStringLiteral("bin/")},
        {{QStringLiteral("share/varnel")}, QStringLiteral("share/varnel/")},
        {{QStringLiteral("bin"), QStringLiteral("share/varnel")}, QStringLiteral("bin/")},
        {{}, QStringLiteral("bin/")},
    };
    for (const auto &c : cases) {
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath(QStringLiteral("bin"));
        for (const QString &folder : c.templates) {
            QDir(prefix.path()).mkpath(folder);
            QFile(prefix.filePath(folder + QStringLiteral("/NEW_TEMPLATE.vnp"))).open(QIODevice::WriteOnly);
        }
        const DataLocator locator(prefix.filePath(QStringLiteral("bin")));
        const QString expected = prefix.path() + u'/' + c.expected;
        EXPECT_EQ(locator.newTemplatePath(), expected + QStringLiteral("NEW_TEMPLATE.vnp"));
        EXPECT_EQ(locator.examplesFolder(), expected + QStringLiteral("Examples/"));
    }
}

TEST(AppVersionTest, MinorAndRevisionAreWrittenTogether)
{
    EXPECT_EQ(AppVersion::versionText(1, 2, 7), QStringLiteral("1.27"));
    EXPECT_EQ(AppVersion::current(), QStringLiteral("3.01"));
}
