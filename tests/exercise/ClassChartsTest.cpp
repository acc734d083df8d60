#include "exercise/ClassCharts.h"

#include "exercise/Printers.h"
#include "interp/ChartBuilder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartFolder;

class ClassChartsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        // Ayşe's chart calls her own "Kare", and "Özyineli" calls itself.
        ASSERT_TRUE(folder.write(QStringLiteral("ayse.vnp"),
                                 {{"START"}, {"FUNCTION", "Kare", "3", "k"}, {"FUNCTION", "SQR", "4", "s"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("kare.vnp"), {{"START"}, {"MULTIPLY", "PARAM", "PARAM", "RETURN"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("Ali.vnp"), {{"START"}, {"OUTPUT", "a"}, {"STOP"}}));
        ASSERT_TRUE(folder.write(QStringLiteral("ozyineli.vnp"), {{"START"}, {"FUNCTION", "ozyineli", "1"}, {"STOP"}}));
        QFile notes(folder.path(QStringLiteral("notlar.txt")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    }

    static QStringList names(const QList<ClassCharts::Chart> &charts)
    {
        QStringList list;
        for (const ClassCharts::Chart &chart : charts)
            list.append(QDir(chart.path).dirName() + QStringLiteral(" as ") + chart.name);
        return list;
    }

    ChartFolder folder;
};

TEST_F(ClassChartsTest, AFolderGivesItsChartsInNameOrderLessTheCalledOnes)
{
    QString error;
    const QString given = QDir(folder.folder()).path(); // no trailing slash
    const std::optional<QList<ClassCharts::Chart>> charts = ClassCharts::collect({given}, &error);
    ASSERT_TRUE(charts) << error.toStdString();
    EXPECT_EQ(names(*charts), (QStringList{QStringLiteral("Ali.vnp as ") + given + QStringLiteral("/Ali.vnp"),
                                           QStringLiteral("ayse.vnp as ") + given + QStringLiteral("/ayse.vnp"),
                                           QStringLiteral("ozyineli.vnp as ") + given + QStringLiteral("/ozyineli.vnp")}));
}

TEST_F(ClassChartsTest, AFileIsGradedAsGivenEvenWhenOthersCallIt)
{
    QString error;
    const QString kare = folder.path(QStringLiteral("kare.vnp"));
    const std::optional<QList<ClassCharts::Chart>> charts = ClassCharts::collect({kare, kare}, &error);
    ASSERT_TRUE(charts) << error.toStdString();
    ASSERT_EQ(charts->size(), 2);
    EXPECT_EQ(charts->first().name, kare);
}

TEST_F(ClassChartsTest, CalledNamesLeaveBuiltInsOut)
{
    EXPECT_EQ(ClassCharts::calledNames(folder.path(QStringLiteral("ayse.vnp"))), QStringList{QStringLiteral("Kare")});
    EXPECT_TRUE(ClassCharts::calledNames(folder.path(QStringLiteral("notlar.txt"))).isEmpty());
}

TEST_F(ClassChartsTest, NamesThatGiveNoChartAreRefused)
{
    QString error;
    EXPECT_FALSE(ClassCharts::collect({folder.path(QStringLiteral("yok"))}, &error));
    EXPECT_EQ(error, folder.path(QStringLiteral("yok")) + QStringLiteral(" bulunamadı."));
    ASSERT_TRUE(QDir(folder.folder()).mkdir(QStringLiteral("bos")));
    EXPECT_FALSE(ClassCharts::collect({folder.path(QStringLiteral("bos"))}, &error));
    EXPECT_EQ(error, folder.path(QStringLiteral("bos")) + QStringLiteral(" klasöründe proje dosyası (.vnp) yok."));
}

} // namespace
