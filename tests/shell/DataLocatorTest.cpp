#include "shell/AppVersion.h"
#include "shell/DataLocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LayoutCase {
    const char *name;
    QStringList templates; // where NEW_TEMPLATE.vnp exists, relative to the prefix
    const char *expected;  // the data folder, relative to the prefix
};

class DataLocatorTest : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(DataLocatorTest, FindsTheFolderHoldingTheTemplate)
{
    QTemporaryDir prefix;
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    for (const QString &folder : GetParam().templates) {
        QDir(prefix.path()).mkpath(folder);
        QFile(prefix.filePath(folder + QStringLiteral("/NEW_TEMPLATE.vnp"))).open(QIODevice::WriteOnly);
    }
    const DataLocator locator(prefix.filePath(QStringLiteral("bin")));
    const QString expected = prefix.path() + u'/' + QLatin1String(GetParam().expected);
    EXPECT_EQ(locator.dataFolder(), expected);
    EXPECT_EQ(locator.newTemplatePath(), expected + QStringLiteral("NEW_TEMPLATE.vnp"));
    EXPECT_EQ(locator.examplesFolder(), expected + QStringLiteral("Examples/"));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataLocatorTest,
    ::testing::Values(
        LayoutCase{"BesideTheProgram", {QStringLiteral("bin")}, "bin/"},
        LayoutCase{"InstalledPrefix", {QStringLiteral("share/varnel")}, "share/varnel/"},
        LayoutCase{"BesideTheProgramWins", {QStringLiteral("bin"), QStringLiteral("share/varnel")}, "bin/"},
        LayoutCase{"NoneFallsBackToTheProgram", {}, "bin/"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AppVersionTest, MinorAndRevisionAreWrittenTogether)
{
    EXPECT_EQ(AppVersion::versionText(1, 2, 7), QStringLiteral("1.27"));
    EXPECT_EQ(AppVersion::versionText(10, 0, 12), QStringLiteral("10.012"));
    EXPECT_EQ(AppVersion::current(), QStringLiteral("3.01"));
}
