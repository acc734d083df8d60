#include "exercise/ExerciseReader.h"

#include "exercise/Printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::optional<Exercise> parse(ExerciseReader &reader, const char *json)
{
    return reader.parse(QByteArray(json), QStringLiteral("toplam.vnx"));
}

TEST(ExerciseReaderTest, ReadsEveryKeyOfAnExercise)
{
    ExerciseReader reader;
    const std::optional<Exercise> exercise = parse(reader, R"({
        "title": "Toplam", "text": "n sayısını **okuyun**.", "locale": "en_US",
        "maxBlocks": 5000, "seconds": 2.5,
        "tests": [ { "name": "küçük", "input": ["5"], "output": ["Toplam = 15"] },
                   { "name": "büyük", "input": ["100000", 7, -2.50], "transcript": ["a >1", "b"],
                     "hidden": true, "compare": "numbers" } ] })");
    ASSERT_TRUE(exercise) << reader.message().toStdString();
    EXPECT_EQ(exercise->title, QStringLiteral("Toplam"));
    EXPECT_EQ(exercise->text, QStringLiteral("n sayısını **okuyun**."));
    EXPECT_EQ(exercise->locale, QStringLiteral("en_US"));
    EXPECT_EQ(exercise->maxBlocks, 5000);
    EXPECT_EQ(exercise->seconds, 2.5);
    ASSERT_EQ(exercise->tests.size(), 2);
    const ExerciseTest &small = exercise->tests[0];
    EXPECT_EQ(small.name, QStringLiteral("küçük"));
    EXPECT_EQ(small.input, QStringList{QStringLiteral("5")});
    EXPECT_EQ(small.expected, QStringList{QStringLiteral("Toplam = 15")});
    EXPECT_FALSE(small.wholeTranscript);
    EXPECT_FALSE(small.hidden);
    EXPECT_EQ(small.compare, CompareMode::Exact);
    const ExerciseTest &big = exercise->tests[1];
    // Numbers are lines as the teacher wrote them, not as a double would print.
    EXPECT_EQ(big.input, (QStringList{QStringLiteral("100000"), QStringLiteral("7"), QStringLiteral("-2.50")}));
    EXPECT_EQ(big.expected, (QStringList{QStringLiteral("a >1"), QStringLiteral("b")}));
    EXPECT_TRUE(big.wholeTranscript);
    EXPECT_TRUE(big.hidden);
    EXPECT_EQ(big.compare, CompareMode::Numbers);
}

TEST(ExerciseReaderTest, LeftOutKeysTakeTheirDefaults)
{
    ExerciseReader reader;
    const std::optional<Exercise> exercise =
        reader.parse("\xEF\xBB\xBF{ \"tests\": [ { \"output\": [] }, { \"output\": [\"x\"] } ] }",
                     QStringLiteral("/okul/asal sayı.vnx"));
    ASSERT_TRUE(exercise) << reader.message().toStdString();
    EXPECT_EQ(exercise->title, QStringLiteral("asal sayı"));
    EXPECT_TRUE(exercise->text.isEmpty());
    EXPECT_EQ(exercise->locale, QStringLiteral("tr_TR"));
    EXPECT_EQ(exercise->maxBlocks, 10'000'000);
    EXPECT_EQ(exercise->seconds, 10.0);
    EXPECT_EQ(exercise->tests[0].name, QStringLiteral("test 1"));
    EXPECT_EQ(exercise->tests[1].name, QStringLiteral("test 2"));
    EXPECT_TRUE(exercise->tests[0].input.isEmpty());
}

struct FaultCase {
    const char *what;
    const char *json;
    int line;
    int column;
    const char *text; // a part of the fault's text
};

class ExerciseFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ExerciseFaultTest, IsToldWithItsLineAndColumn)
{
    const FaultCase &c = GetParam();
    ExerciseReader reader;
    EXPECT_FALSE(parse(reader, c.json));
    ASSERT_EQ(reader.faults().size(), 1) << reader.message().toStdString();
    const ExerciseReader::Fault &fault = reader.faults().first();
    EXPECT_EQ(fault.line, c.line) << fault.text.toStdString();
    EXPECT_EQ(fault.column, c.column) << fault.text.toStdString();
    EXPECT_TRUE(fault.text.contains(QString::fromUtf8(c.text))) << fault.text.toStdString();
    const QString where = QStringLiteral("toplam.vnx: satır ") + QString::number(c.line) + QStringLiteral(", sütun ")
        + QString::number(c.column) + QStringLiteral(": ");
    EXPECT_TRUE(reader.message().startsWith(where)) << reader.message().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExerciseFaultTest,
    ::testing::Values(
        FaultCase{"missing comma", "{ \"title\": \"Ç\"\n  \"tests\": [] }", 2, 3, "\",\" bekleniyordu"},
        FaultCase{"unquoted text", "{\n \"title\": Toplam }", 2, 11, "çift tırnak içinde yazılır"},
        FaultCase{"unterminated string", "{ \"title\": \"Topl", 1, 17, "metin kapanmamış"},
        FaultCase{"unterminated object", "{ \"tests\": [] ", 1, 15, "nesne kapanmamış"},
        FaultCase{"missing comma in a list", "{ \"tests\": [ 1\n 2 ] }", 2, 2, "\",\" bekleniyordu"},
        FaultCase{"misspelt literal", "{ \"tests\": [{\"output\": []}], \"title\": nul }", 1, 39, "geçersiz değer"},
        FaultCase{"comma after the last item", "{ \"tests\": [{\"output\": []}, ] }", 1, 29, "virgül konmaz"},
        FaultCase{"stray byte", "{ \"title\": \"a\xff\" }", 1, 14, "UTF-8"},
        FaultCase{"garbage at the end", "{ \"tests\": [{\"output\": []}] } x", 1, 31, "fazladan metin"},
        FaultCase{"not an object", "\n[ 1, 2 ]", 2, 1, "bir JSON nesnesi olmalı"},
        FaultCase{"unknown top key", "{ \"tests\": [{\"output\": []}],\n  \"maxblocks\": 5 }", 2, 3,
                  "bilinmeyen anahtar \"maxblocks\""},
        FaultCase{"unknown test key", "{ \"tests\": [{\"output\": [],\n \"hiden\": true}] }", 2, 2,
                  "bilinmeyen anahtar \"hiden\""},
        FaultCase{"repeated key", "{ \"tests\": [{\"output\": []}],\n\"tests\": [{\"output\": []}] }", 2, 1,
                  "\"tests\" iki kez yazılmış"},
        FaultCase{"title not text", "{ \"title\": 5, \"tests\": [{\"output\": []}] }", 1, 3, "\"title\" bir metin olmalı"},
        FaultCase{"unknown locale", "{ \"locale\": \"xx_YY\", \"tests\": [{\"output\": []}] }", 1, 3, "xx_YY"},
        FaultCase{"fractional block limit", "{ \"maxBlocks\": 2.5, \"tests\": [{\"output\": []}] }", 1, 3,
                  "\"maxBlocks\" pozitif bir tam sayı"},
        FaultCase{"block limit as text", "{ \"maxBlocks\": \"9\", \"tests\": [{\"output\": []}] }", 1, 3,
                  "\"maxBlocks\" pozitif bir tam sayı"},
        FaultCase{"no seconds", "{ \"seconds\": 0, \"tests\": [{\"output\": []}] }", 1, 3,
                  "\"seconds\" sıfırdan büyük"},
        FaultCase{"no tests", "  { \"title\": \"x\" }", 1, 3, "\"tests\" eksik"},
        FaultCase{"tests not a list", "{ \"tests\": {} }", 1, 3, "\"tests\" bir dizi olmalı"},
        FaultCase{"tests empty", "{ \"tests\": [] }", 1, 3, "\"tests\" boş"},
        FaultCase{"test not an object", "{ \"tests\": [\n  5 ] }", 2, 3, "her test bir nesne olmalı"},
        FaultCase{"no expected lines", "{ \"tests\": [ {\"input\": []} ] }", 1, 14, "\"output\" (ya da \"transcript\") eksik"},
        FaultCase{"output and transcript", "{ \"tests\": [ {\"output\": [], \"transcript\": []} ] }", 1, 14,
                  "birlikte olamaz"},
        FaultCase{"output not a list", "{ \"tests\": [ {\"output\": \"15\"} ] }", 1, 15, "\"output\" satırların dizisi"},
        FaultCase{"line not text", "{ \"tests\": [ {\"output\": [\"a\", true]} ] }", 1, 31, "her satır bir metin"},
        FaultCase{"line break in a line", "{ \"tests\": [ {\"input\": [\"a\\nb\"], \"output\": []} ] }", 1, 25,
                  "satır sonu içeremez"},
        FaultCase{"hidden not true or false", "{ \"tests\": [ {\"output\": [], \"hidden\": \"evet\"} ] }", 1, 29,
                  "\"hidden\" true ya da false"},
        FaultCase{"unknown compare mode", "{ \"tests\": [ {\"output\": [], \"compare\": \"Trim\"} ] }", 1, 29,
                  "exact, trim, nocase ya da numbers olmalı: \"Trim\""},
        FaultCase{"two tests of one name", "{ \"tests\": [ {\"name\": \"a\", \"output\": []},\n {\"name\": \"a\", \"output\": []} ] }",
                  2, 3, "aynı adda iki test: \"a\""}),
    [](const ::testing::TestParamInfo<FaultCase> &info) {
        std::string name = info.param.what;
        for (char &c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(ExerciseReaderTest, TellsEveryFaultAtOnce)
{
    ExerciseReader reader;
    EXPECT_FALSE(parse(reader, "{ \"titel\": \"x\",\n \"tests\": [ {\"output\": [], \"hiden\": true} ],\n \"second\": 3 }"));
    ASSERT_EQ(reader.faults().size(), 3) << reader.message().toStdString();
    EXPECT_EQ(reader.message().count(u'\n'), 2);
    for (const char *key : {"titel", "hiden", "second"})
        EXPECT_TRUE(reader.message().contains(QString::fromUtf8(key))) << key;
}

TEST(ExerciseReaderTest, ColumnsCountCharactersNotBytes)
{
    ExerciseReader reader;
    EXPECT_FALSE(parse(reader, "{ \"title\": \"Çğüşıö\" \"tests\": [] }"));
    ASSERT_EQ(reader.faults().size(), 1);
    EXPECT_EQ(reader.faults().first().column, 21);
}

TEST(ExerciseReaderTest, FilesThatCannotBeReadAreToldByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ExerciseReader reader;
    EXPECT_FALSE(reader.readFile(dir.filePath(QStringLiteral("yok.vnx"))));
    EXPECT_TRUE(reader.message().endsWith(QStringLiteral("yok.vnx: dosya bulunamadı"))) << reader.message().toStdString();
    EXPECT_FALSE(reader.readFile(dir.path()));
    EXPECT_TRUE(reader.message().endsWith(QStringLiteral(": bir klasör, alıştırma dosyası değil")))
        << reader.message().toStdString();

    QFile file(dir.filePath(QStringLiteral("iyi.vnx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({ "tests": [ { "output": ["Merhaba"] } ] })");
    file.close();
    const std::optional<Exercise> exercise = reader.readFile(file.fileName());
    ASSERT_TRUE(exercise) << reader.message().toStdString();
    EXPECT_EQ(exercise->title, QStringLiteral("iyi"));
    EXPECT_TRUE(reader.faults().isEmpty());
}

} // namespace
