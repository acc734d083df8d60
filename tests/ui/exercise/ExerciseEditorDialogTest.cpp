#include "ui/exercise/ExerciseEditorDialog.h"

#include "exercise/ExerciseReader.h"
#include "interp/ChartBuilder.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartFolder;

class ExerciseEditorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        exercise.title = QStringLiteral("Yarısı");
        exercise.text = QStringLiteral("Bir sayı okuyun, **yarısını** yazdırın.");
        exercise.seconds = 3;
        exercise.tests = {{QStringLiteral("beş"), {QStringLiteral("5")}, {QStringLiteral("?")}, false, false, CompareMode::Numbers},
                          {QStringLiteral("döküm"), {QStringLiteral("4")}, {QStringLiteral("?")}, true, true, CompareMode::Trim},
                          {QStringLiteral("iki girdi"), {QStringLiteral("1"), QStringLiteral("2")}, {}, false, false, CompareMode::Exact}};
        dialog.setExercise(exercise, QString());
    }

    ChartFolder folder;
    Exercise exercise;
    ExerciseEditorDialog dialog;
};

TEST_F(ExerciseEditorDialogTest, TheTableHoldsEveryTestAsItCame)
{
    ASSERT_EQ(dialog.testTable()->rowCount(), 3);
    EXPECT_EQ(dialog.testTable()->item(2, ExerciseEditorDialog::Input)->text(), QStringLiteral("1\n2"));
    EXPECT_EQ(dialog.testTable()->item(1, ExerciseEditorDialog::Hidden)->checkState(), Qt::Checked);
    const Exercise back = dialog.exercise();
    ASSERT_EQ(back.tests.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.tests[i].name, exercise.tests[i].name);
        EXPECT_EQ(back.tests[i].input, exercise.tests[i].input);
        EXPECT_EQ(back.tests[i].expected, exercise.tests[i].expected);
        EXPECT_EQ(back.tests[i].hidden, exercise.tests[i].hidden);
        EXPECT_EQ(back.tests[i].wholeTranscript, exercise.tests[i].wholeTranscript);
        EXPECT_EQ(back.tests[i].compare, exercise.tests[i].compare);
    }
    EXPECT_EQ(back.seconds, 3);
    EXPECT_EQ(back.title, exercise.title);
}

TEST_F(ExerciseEditorDialogTest, FillsTheExpectedLinesFromTheReferenceSolution)
{
    ASSERT_TRUE(folder.write(QStringLiteral("çözüm.vnp"),
                             {{"START"}, {"INPUT", "Sayı", "x"}, {"DIVIDE", "x", "2", "y"}, {"OUTPUT", "Yarısı", "y"}, {"STOP"}}));
    const QStringList problems = dialog.fillFromReference(folder.path(QStringLiteral("çözüm.vnp")));
    EXPECT_TRUE(problems.isEmpty()) << problems.join(u'\n').toStdString();
    EXPECT_EQ(dialog.testTable()->item(0, ExerciseEditorDialog::Expected)->text(), QStringLiteral("Yarısı 2,5"));
    EXPECT_EQ(dialog.testTable()->item(1, ExerciseEditorDialog::Expected)->text(), QStringLiteral("Sayı >4\nYarısı 2"));
    EXPECT_EQ(dialog.testTable()->item(2, ExerciseEditorDialog::Expected)->text(), QStringLiteral("Yarısı 0,5"));
}

TEST_F(ExerciseEditorDialogTest, SavesOnlyWhatTheReaderTakes)
{
    const QString path = folder.path(QStringLiteral("yarı.vnx"));
    dialog.testTable()->item(2, ExerciseEditorDialog::Name)->setText(QStringLiteral("beş"));
    QString failure;
    EXPECT_FALSE(dialog.saveTo(path, failure));
    EXPECT_TRUE(failure.contains(QStringLiteral("aynı adda iki test"))) << failure.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));

    dialog.testTable()->item(2, ExerciseEditorDialog::Name)->setText(QStringLiteral("üç"));
    ASSERT_TRUE(dialog.saveTo(path, failure)) << failure.toStdString();
    EXPECT_EQ(dialog.path(), path);
    ExerciseReader reader;
    const std::optional<Exercise> read = reader.readFile(path);
    ASSERT_TRUE(read) << reader.message().toStdString();
    EXPECT_EQ(read->tests[2].name, QStringLiteral("üç"));
    EXPECT_EQ(read->tests[0].compare, CompareMode::Numbers);
}

} // namespace
