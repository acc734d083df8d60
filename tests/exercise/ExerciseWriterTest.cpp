#include "exercise/ExerciseWriter.h"

#include "exercise/ExerciseReader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ExerciseTest test(const QString &name, const QStringList &input, const QStringList &expected, CompareMode compare,
                  bool hidden, bool transcript)
{
    ExerciseTest t;
    t.name = name;
    t.input = input;
    t.expected = expected;
    t.compare = compare;
    t.hidden = hidden;
    t.wholeTranscript = transcript;
    return t;
}

void expectSame(const Exercise &a, const Exercise &b)
{
    EXPECT_EQ(a.title, b.title);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.locale, b.locale);
    EXPECT_EQ(a.maxBlocks, b.maxBlocks);
    EXPECT_EQ(a.seconds, b.seconds);
    ASSERT_EQ(a.tests.size(), b.tests.size());
    for (qsizetype i = 0; i < a.tests.size(); ++i) {
        EXPECT_EQ(a.tests[i].name, b.tests[i].name) << i;
        EXPECT_EQ(a.tests[i].input, b.tests[i].input) << i;
        EXPECT_EQ(a.tests[i].expected, b.tests[i].expected) << i;
        EXPECT_EQ(a.tests[i].compare, b.tests[i].compare) << i;
        EXPECT_EQ(a.tests[i].hidden, b.tests[i].hidden) << i;
        EXPECT_EQ(a.tests[i].wholeTranscript, b.tests[i].wholeTranscript) << i;
    }
}

// Whatever the editor writes, the reader takes back as it was: every compare mode, hidden
// tests, whole transcripts, texts that need escaping, limits given and left at their defaults.
TEST(ExerciseWriterTest, TheReaderTakesBackWhatIsWritten)
{
    Exercise full;
    full.title = QStringLiteral("Toplam \"n\"");
    full.text = QStringLiteral("n sayısını okuyun.\n\n* `Toplam = 15` gibi\\ yazdırın.");
    full.locale = QStringLiteral("en_US");
    full.maxBlocks = 5000;
    full.seconds = 2.5;
    full.tests = {test(QStringLiteral("küçük"), {QStringLiteral("5")}, {QStringLiteral("Toplam = 15")}, CompareMode::Exact, false, false),
                  test(QStringLiteral("kırp"), {}, {QStringLiteral("  a  ")}, CompareMode::Trim, true, false),
                  test(QStringLiteral("harf"), {QStringLiteral("x"), QStringLiteral("y")}, {QStringLiteral("A")}, CompareMode::NoCase, false, false),
                  test(QStringLiteral("sayı"), {QStringLiteral("2,5")}, {QStringLiteral("5.0")}, CompareMode::Numbers, true, false),
                  test(QStringLiteral("döküm"), {QStringLiteral("3")}, {QStringLiteral("Sayı >3"), QStringLiteral("6")}, CompareMode::Exact, false, true)};
    Exercise defaults;
    defaults.title = QStringLiteral("Boş");
    defaults.tests = {test(QStringLiteral("tek"), {}, {}, CompareMode::Exact, false, false)};

    for (const Exercise &exercise : {full, defaults}) {
        ExerciseReader reader;
        const std::optional<Exercise> back = reader.parse(ExerciseWriter::toJson(exercise), QStringLiteral("a.vnx"));
        ASSERT_TRUE(back) << reader.message().toStdString() << ExerciseWriter::toJson(exercise).toStdString();
        expectSame(*back, exercise);
    }
    EXPECT_FALSE(ExerciseWriter::toJson(defaults).contains("seconds"));
    EXPECT_FALSE(ExerciseWriter::toJson(defaults).contains("\"compare\""));
}

TEST(ExerciseWriterTest, AFileThatCannotBeWrittenIsToldAndTheOldOneStays)
{
    QTemporaryDir dir;
    Exercise exercise;
    exercise.tests = {test(QStringLiteral("tek"), {}, {}, CompareMode::Exact, false, false)};
    QString failure;
    EXPECT_FALSE(ExerciseWriter::writeFile(dir.filePath(QStringLiteral("yok/a.vnx")), exercise, failure));
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Alıştırma kaydedilemedi: "))) << failure.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
