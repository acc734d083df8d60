#include "exercise/GradeReport.h"

#include "exercise/Printers.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using Ending = TestResult::Ending;

TestResult result(const char *name, Ending ending, const QString &reason = QString(), bool hidden = false)
{
    TestResult r;
    r.name = QString::fromUtf8(name);
    r.ending = ending;
    r.reason = reason;
    r.hidden = hidden;
    r.seconds = 0.25;
    return r;
}

// Three charts: one passes everything, one fails a visible and a hidden test, one is no chart.
QList<ChartGrade> classGrades()
{
    ChartGrade good{QStringLiteral("sınıf/ali.vnp"),
                    {result("küçük", Ending::Passed), result("büyük", Ending::Passed, {}, true)}, 0.5};
    ChartGrade poor{QStringLiteral("sınıf/veli, \"ikinci\".vnp"),
                    {result("küçük", Ending::Different, QStringLiteral("çıktı farklı: satır 1: beklenen \"a\u0007\", gelen \"b\"")),
                     result("büyük", Ending::TimeLimit, QStringLiteral("süre aşıldı"), true)},
                    1.5};
    ChartGrade none{QStringLiteral("sınıf/not.vnp"),
                    {result("küçük", Ending::NotLoaded, QStringLiteral("yüklenemedi: Bu Bir Flow Chart Dosyası Değil!")),
                     result("büyük", Ending::NotLoaded, QStringLiteral("yüklenemedi: Bu Bir Flow Chart Dosyası Değil!"), true)},
                    0};
    return {good, poor, none};
}

TEST(GradeReportTest, FormatFollowsTheExtension)
{
    EXPECT_EQ(GradeReport::formatOf(QStringLiteral("not.csv")), GradeReport::Format::Csv);
    EXPECT_EQ(GradeReport::formatOf(QStringLiteral("/a/NOT.JSON")), GradeReport::Format::Json);
    EXPECT_EQ(GradeReport::formatOf(QStringLiteral("junit.Xml")), GradeReport::Format::JUnit);
    EXPECT_FALSE(GradeReport::formatOf(QStringLiteral("not.txt")));
    EXPECT_FALSE(GradeReport::formatOf(QStringLiteral("csv")));
}

TEST(GradeReportTest, CsvHasOneRowPerChartWithTheFirstFailure)
{
    const QString csv = QString::fromUtf8(GradeReport(QStringLiteral("Toplam"), classGrades()).csv());
    EXPECT_EQ(csv, QStringLiteral("chart,passed,total,seconds,first_failure\r\n"
                                  "sınıf/ali.vnp,2,2,0.500,\r\n"
                                  "\"sınıf/veli, \"\"ikinci\"\".vnp\",0,2,1.500,küçük\r\n"
                                  "sınıf/not.vnp,0,2,0.000,küçük\r\n"));
}

TEST(GradeReportTest, JsonListsEveryTestOfEveryChart)
{
    const QJsonDocument document = QJsonDocument::fromJson(GradeReport(QStringLiteral("Toplam"), classGrades()).json());
    ASSERT_TRUE(document.isArray());
    const QJsonArray charts = document.array();
    ASSERT_EQ(charts.size(), 3);
    const QJsonObject poor = charts[1].toObject();
    EXPECT_EQ(poor[QStringLiteral("chart")].toString(), QStringLiteral("sınıf/veli, \"ikinci\".vnp"));
    EXPECT_EQ(poor[QStringLiteral("passed")].toInt(), 0);
    EXPECT_EQ(poor[QStringLiteral("total")].toInt(), 2);
    const QJsonArray tests = poor[QStringLiteral("tests")].toArray();
    ASSERT_EQ(tests.size(), 2);
    const QJsonObject hidden = tests[1].toObject();
    EXPECT_EQ(hidden[QStringLiteral("name")].toString(), QStringLiteral("büyük"));
    EXPECT_FALSE(hidden[QStringLiteral("passed")].toBool(true));
    EXPECT_TRUE(hidden[QStringLiteral("hidden")].toBool());
    EXPECT_EQ(hidden[QStringLiteral("reason")].toString(), QStringLiteral("süre aşıldı"));
    EXPECT_TRUE(charts[0].toObject()[QStringLiteral("tests")].toArray()[0].toObject()[QStringLiteral("passed")].toBool());
}

// The JUnit shape CI systems read: testsuites > testsuite (one per chart) > testcase (one per
// test) > failure (one per failed test, with its message), counts that add up, and nothing a
// parser would refuse even when a chart printed control characters.
TEST(GradeReportTest, JUnitXmlHasTheShapeCiSystemsRead)
{
    QXmlStreamReader xml(GradeReport(QStringLiteral("Toplam"), classGrades()).junit());
    QStringList suites;
    QStringList failures;
    int cases = 0;
    int suiteFailures = 0;
    int countedFailures = 0;
    QStringList path;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            path.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        const QString parent = path.isEmpty() ? QString() : path.last();
        path.append(name);
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QStringLiteral("testsuites")) {
            EXPECT_TRUE(parent.isEmpty());
            EXPECT_EQ(attributes.value(QStringLiteral("tests")), u"6");
            EXPECT_EQ(attributes.value(QStringLiteral("failures")), u"4");
        } else if (name == QStringLiteral("testsuite")) {
            EXPECT_EQ(parent, QStringLiteral("testsuites"));
            suites.append(attributes.value(QStringLiteral("name")).toString());
            EXPECT_EQ(attributes.value(QStringLiteral("tests")), u"2");
            suiteFailures += attributes.value(QStringLiteral("failures")).toInt();
            EXPECT_FALSE(attributes.value(QStringLiteral("time")).isEmpty());
        } else if (name == QStringLiteral("testcase")) {
            EXPECT_EQ(parent, QStringLiteral("testsuite"));
            EXPECT_EQ(attributes.value(QStringLiteral("classname")), suites.last());
            EXPECT_FALSE(attributes.value(QStringLiteral("name")).isEmpty());
            ++cases;
        } else if (name == QStringLiteral("failure")) {
            EXPECT_EQ(parent, QStringLiteral("testcase"));
            failures.append(attributes.value(QStringLiteral("message")).toString());
            ++countedFailures;
        } else {
            ADD_FAILURE() << "unexpected element " << name.toStdString();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(suites, (QStringList{QStringLiteral("sınıf/ali.vnp"), QStringLiteral("sınıf/veli, \"ikinci\".vnp"),
                                   QStringLiteral("sınıf/not.vnp")}));
    EXPECT_EQ(cases, 6);
    EXPECT_EQ(suiteFailures, 4);
    EXPECT_EQ(countedFailures, 4);
    ASSERT_EQ(failures.size(), 4);
    EXPECT_EQ(failures[0], QStringLiteral("çıktı farklı: satır 1: beklenen \"a\uFFFD\", gelen \"b\""));
    EXPECT_EQ(failures[1], QStringLiteral("süre aşıldı"));
}

TEST(GradeReportTest, WritesTheFileOrSaysWhyNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const GradeReport report(QStringLiteral("Toplam"), classGrades());
    const QString path = dir.filePath(QStringLiteral("not.csv"));
    QString failure;
    ASSERT_TRUE(report.write(path, GradeReport::Format::Csv, &failure)) << failure.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), report.csv());
    EXPECT_FALSE(report.write(dir.path(), GradeReport::Format::Json, &failure));
    EXPECT_FALSE(failure.isEmpty());
}

} // namespace
