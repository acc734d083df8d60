// The shape of exported code: branches and loops where the chart has them, a state machine only
// where its lines allow nothing else.
#include "codegen/CodeExport.h"
#include "codegen/ChartFile.h"
#include "support/LocaleScope.h"

#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StructureTest : public ::testing::Test {
protected:
    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    QTemporaryDir dir;

    QString exportPython(const ChartFile &chart) { return exportAs(chart, CodeExport::Python); }

    QString exportAs(const ChartFile &chart, CodeExport::Language language)
    {
        const QString path = dir.filePath(QStringLiteral("main.vnp"));
        EXPECT_TRUE(chart.save(path));
        EXPECT_TRUE(exporter.exportChart(path, language, QStringLiteral("Program"))) << exporter.error().toStdString();
        return exporter.code();
    }

    CodeExport exporter;
};

// for i = 1..3: for j = 1..2: print i*j
ChartFile nestedLoops()
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "DEFINITION", "i", "1")
        .block("id3", "IF_LESS_EQUAL", "i", "3")
        .block("id4", "DEFINITION", "j", "1")
        .block("id5", "IF_LESS_EQUAL", "j", "2")
        .block("id6", "MULTIPLY", "i", "j", "k")
        .block("id7", "OUTPUT", "", "k")
        .block("id8", "ADD", "j", "1", "j")
        .block("id9", "ADD", "i", "1", "i")
        .block("id10", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4", "EVET").line("id3", "id10", "HAYIR");
    chart.line("id4", "id5").line("id5", "id6", "EVET").line("id5", "id9", "HAYIR").line("id6", "id7");
    chart.line("id7", "id8").line("id8", "id5").line("id9", "id3");
    return chart;
}

TEST_F(StructureTest, NestedCountingLoopsBecomeWhileLoops)
{
    const QString code = exportPython(nestedLoops());
    EXPECT_TRUE(exporter.structured());
    EXPECT_TRUE(code.contains(QStringLiteral("    while num(i) <= 3:\n        j = \"1\"\n        while num(j) <= 2:\n")))
        << code.toStdString();
    EXPECT_FALSE(code.contains(QStringLiteral("state")));
}

TEST_F(StructureTest, ConditionChainsBecomeElif)
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "INPUT", "Not", "n")
        .block("id3", "IF_GREATER_EQUAL", "n", "85")
        .block("id4", "OUTPUT", "pekiyi")
        .block("id5", "IF_GREATER_EQUAL", "n", "50")
        .block("id6", "OUTPUT", "geçti")
        .block("id7", "OUTPUT", "kaldı")
        .block("id8", "INTERSECTION")
        .block("id9", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4", "EVET").line("id3", "id5", "HAYIR");
    chart.line("id5", "id6", "EVET").line("id5", "id7", "HAYIR");
    chart.line("id4", "id8").line("id6", "id8").line("id7", "id8").line("id8", "id9");
    const QString code = exportPython(chart);
    EXPECT_TRUE(exporter.structured());
    EXPECT_TRUE(code.contains(QStringLiteral("    if num(n) >= 85:\n        print(\"pekiyi\")\n"
                                             "    elif num(n) >= 50:\n        print(\"geçti\")\n"
                                             "    else:\n        print(\"kaldı\")\n")))
        << code.toStdString();
}

// The test at the end of the loop: the body runs once before it.
ChartFile countDown()
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "INPUT", "Sayı", "n")
        .block("id3", "OUTPUT", "", "n")
        .block("id4", "SUBTRACT", "n", "1", "n")
        .block("id5", "IF_GREATER", "n", "0")
        .block("id6", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4").line("id4", "id5");
    chart.line("id5", "id3", "EVET").line("id5", "id6", "HAYIR");
    return chart;
}

TEST_F(StructureTest, LoopTestedAtTheEndBreaksAtItsTest)
{
    const QString code = exportPython(countDown());
    EXPECT_TRUE(exporter.structured());
    EXPECT_TRUE(code.contains(QStringLiteral("    while True:\n        print(n)\n        n = fmt(num(n) - 1)\n"
                                             "        if num(n) <= 0:\n            break\n")))
        << code.toStdString();
}

TEST_F(StructureTest, LoopTestedAtTheEndIsADoWhileInCAndJava)
{
    const QString c = exportAs(countDown(), CodeExport::C);
    EXPECT_TRUE(c.contains(QStringLiteral("    do {\n        print_line(n);\n        set(&n, fmt(num(n) - 1.0));\n"
                                          "    } while (num(n) > 0.0);\n")))
        << c.toStdString();
    const QString java = exportAs(countDown(), CodeExport::Java);
    EXPECT_TRUE(java.contains(QStringLiteral("        } while (num(n) > 0.0);\n"))) << java.toStdString();
    EXPECT_TRUE(java.contains(QStringLiteral("public class Program {")));
}

// Whether a name is a variable is decided before the run where it can be: always (plain), never
// (the text itself), or only at run time.
TEST_F(StructureTest, OperandsReadAsTheRunWillReadThem)
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "INPUT", "a", "a")
        .block("id3", "IF_EQUAL", "a", "1")
        .block("id4", "DEFINITION", "x", "tanımlı")
        .block("id5", "OUTPUT", "x:", "x")
        .block("id6", "ADD", "a", "5", "b")
        .block("id7", "JOIN", "hiç", "\"!\"", "c")
        .block("id8", "OUTPUT", "", "yok")
        .block("id9", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4", "EVET").line("id3", "id5", "HAYIR");
    chart.line("id4", "id5").line("id5", "id6").line("id6", "id7").line("id7", "id8").line("id8", "id9");
    const QString code = exportPython(chart);
    EXPECT_TRUE(code.contains(QStringLiteral("    print(\"x: \" + get(x, \"x\"))\n"))) << code.toStdString();
    EXPECT_TRUE(code.contains(QStringLiteral("    b = fmt(num(a) + 5)\n")));
    EXPECT_TRUE(code.contains(QStringLiteral("    c = join(\"hiç\", \"!\")\n")));
    EXPECT_TRUE(code.contains(QStringLiteral("    print(undefined(\"yok\"))\n")));
}

TEST_F(StructureTest, EachBlockKnowsTheLineOfItsCode)
{
    ChartFile chart;
    chart.block("id1", "START").block("id2", "OUTPUT", "Merhaba").block("id3", "STOP");
    chart.line("id1", "id2").line("id2", "id3");
    const QStringList lines = exportPython(chart).split(u'\n');
    QHash<QString, int> lineOf;
    for (const auto &[line, tag] : exporter.blockLines())
        lineOf.insert(tag, line);
    ASSERT_TRUE(lineOf.contains(QStringLiteral("id2")));
    EXPECT_EQ(lines.value(lineOf.value(QStringLiteral("id2"))), QStringLiteral("    print(\"Merhaba\")"));
    EXPECT_EQ(lines.value(lineOf.value(QStringLiteral("id1"))), QStringLiteral("    caller_param = PARAM"));
}

TEST_F(StructureTest, CalledChartBecomesAFunctionWithItsFrame)
{
    ChartFile callee;
    callee.block("id1", "START", "x").block("id2", "MULTIPLY", "PARAM", "2", "x").block("id3", "DEFINITION", "RETURN", "x")
        .block("id4", "STOP");
    callee.line("id1", "id2").line("id2", "id3").line("id3", "id4");
    ASSERT_TRUE(callee.save(dir.filePath("ikikat.vnp")));
    ChartFile chart;
    chart.block("id1", "START").block("id2", "FUNCTION", "ikikat", "21", "sonuc").block("id3", "OUTPUT", "", "sonuc")
        .block("id4", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4");
    const QString code = exportPython(chart);
    EXPECT_TRUE(exporter.structured());
    EXPECT_TRUE(code.contains(QStringLiteral("def ikikat(argument):")));
    EXPECT_TRUE(code.contains(QStringLiteral("    sonuc = ikikat(\"21\")\n")));
    EXPECT_TRUE(code.contains(QStringLiteral("    saved_x = value(x, \"x\")\n")));
    EXPECT_TRUE(code.contains(QStringLiteral("    x = saved_x\n    leave(1)\n    PARAM = caller_param\n    return RETURN\n")))
        << code.toStdString();
}

// A line into the middle of a loop: the loop has two entries and no if/while can say that.
TEST_F(StructureTest, JumpIntoALoopFallsBackToAStateMachine)
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "INPUT", "a", "a")
        .block("id3", "IF_EQUAL", "a", "0")
        .block("id4", "OUTPUT", "üst")
        .block("id5", "OUTPUT", "alt")
        .block("id6", "SUBTRACT", "a", "1", "a")
        .block("id7", "IF_GREATER", "a", "0")
        .block("id8", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4", "EVET").line("id3", "id5", "HAYIR");
    chart.line("id4", "id5").line("id5", "id6").line("id6", "id7").line("id7", "id4", "EVET").line("id7", "id8", "HAYIR");
    const QString code = exportPython(chart);
    EXPECT_FALSE(exporter.structured());
    // Only the part with the loop runs as states; what comes before and after stays plain code.
    EXPECT_TRUE(code.contains(QStringLiteral("    a = input_line(\"a\")\n    # Buradaki bir çizgi")))
        << code.toStdString();
    EXPECT_TRUE(code.contains(QStringLiteral("    state = ")));
    EXPECT_TRUE(code.contains(QStringLiteral("    while state != -1:\n")));
    // A state's jump is an assignment in Python: the branch keeps its else.
    EXPECT_TRUE(code.contains(QStringLiteral("            if num(a) == 0:\n                state = 3\n"
                                             "            else:\n                state = 4\n")));
}

// Leaving two loops at once has no if/while form either: the whole chart runs as states.
TEST_F(StructureTest, LeavingTwoLoopsAtOnceMakesTheChartAStateMachine)
{
    ASSERT_TRUE(exporter.exportChart(QStringLiteral(VARNEL_TEST_DATA "/../codegen/charts/two-loops/main.vnp"),
                                     CodeExport::Python));
    const QString &code = exporter.code();
    EXPECT_FALSE(exporter.structured());
    EXPECT_TRUE(code.contains(QStringLiteral("    # Bu şemanın çizgileri if/while ile yazılamıyor"))) << code.toStdString();
    EXPECT_TRUE(code.contains(QStringLiteral("    while True:\n")));
}

TEST_F(StructureTest, WindowBlockIsRefusedByName)
{
    ChartFile chart;
    chart.block("id1", "START").block("id7", "WINDOW").block("id3", "STOP");
    chart.line("id1", "id7").line("id7", "id3");
    const QString path = dir.filePath("main.vnp");
    ASSERT_TRUE(chart.save(path));
    EXPECT_FALSE(exporter.exportChart(path, CodeExport::Python));
    EXPECT_TRUE(exporter.error().contains(QStringLiteral("Nesne: id7 - PENCERE bloğu"))) << exporter.error().toStdString();
}

TEST_F(StructureTest, WindowObjectStatementInACalledChartIsRefusedByName)
{
    ChartFile callee;
    callee.block("id1", "START").block("id2", "DEFINITION", "Form1.Caption", "\"Merhaba\"").block("id3", "STOP");
    callee.line("id1", "id2").line("id2", "id3");
    ASSERT_TRUE(callee.save(dir.filePath("pencere.vnp")));
    ChartFile chart;
    chart.block("id1", "START").block("id2", "FUNCTION", "pencere").block("id3", "STOP");
    chart.line("id1", "id2").line("id2", "id3");
    const QString path = dir.filePath("main.vnp");
    ASSERT_TRUE(chart.save(path));
    EXPECT_FALSE(exporter.exportChart(path, CodeExport::Python));
    EXPECT_TRUE(exporter.error().startsWith(QStringLiteral("pencere.vnp: Nesne: id2 - pencere nesnesi")))
        << exporter.error().toStdString();
}

} // namespace
