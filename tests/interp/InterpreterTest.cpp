#include "interp/Interpreter.h"
#include "interp/RunControl.h"
#include "interp/TextRules.h"

#include "interp/ChartBuilder.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <utility>

namespace {

using ChartTest::CaughtError;
using ChartTest::LocaleScope;
using ChartTest::RunHarness;
using ChartTest::Step;

using TestLocales::Turkish;

// What a run of START, one block with result variable R, an OUTPUT "sonra" and END left behind.
struct OneBlockRun {
    QString result;
    QStringList messages;
    QStringList rows;
    bool completed = false;
};

OneBlockRun runOne(const QString &action, const QString &left, const QString &right)
{
    RunHarness h;
    h.chart.chain({{"START"}, {action, left, right, QStringLiteral("R")}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.run();
    EXPECT_TRUE(h.ended());
    return {h.var(QStringLiteral("R")), h.messages, h.rows, h.runtime.run.completedNormally()};
}

std::string describe(const QString &action, const QString &left, const QString &right)
{
    return (action + QLatin1Char(' ') + left + QLatin1Char(' ') + right).toStdString();
}

void expectResult(const QString &action, const QString &left, const QString &right, const QString &expected)
{
    SCOPED_TRACE(describe(action, left, right));
    const OneBlockRun run = runOne(action, left, right);
    EXPECT_EQ(run.result, expected);
    EXPECT_EQ(run.messages, QStringList());
    EXPECT_TRUE(run.completed);
}

// The run ends at the block with the message of an error caught by the tick.
CaughtError expectCaughtError(const QString &action, const QString &left, const QString &right)
{
    SCOPED_TRACE(describe(action, left, right));
    const OneBlockRun run = runOne(action, left, right);
    EXPECT_EQ(run.messages.size(), 1);
    const CaughtError error = ChartTest::parseCaughtError(run.messages.value(0));
    EXPECT_TRUE(error.wellFormed) << run.messages.value(0).toStdString();
    EXPECT_FALSE(error.source.isEmpty());
    EXPECT_FALSE(error.description.isEmpty());
    EXPECT_FALSE(run.completed);
    EXPECT_EQ(run.rows, QStringList()) << "no block runs after the error";
    EXPECT_EQ(run.result, QStringLiteral("<none>"));
    return error;
}

// Which way a condition goes: "E" along EVET, "H" along HAYIR.
QString branch(const QString &code, const QString &left, const QString &right)
{
    RunHarness h;
    ChartTest::ChartBuilder &c = h.chart;
    const QString start = c.add(QStringLiteral("START"));
    const QString test = c.add(code, left, right);
    const QString yes = c.add(QStringLiteral("OUTPUT"), QStringLiteral("E"));
    const QString no = c.add(QStringLiteral("OUTPUT"), QStringLiteral("H"));
    const QString end = c.add(QStringLiteral("STOP"));
    c.link(start, test);
    c.link(test, yes, QStringLiteral("EVET"));
    c.link(test, no, QStringLiteral("HAYIR"));
    c.link(yes, end);
    c.link(no, end);
    h.run();
    if (!h.messages.isEmpty())
        return QStringLiteral("message: ") + h.messages.join(QStringLiteral(" | "));
    return h.rows.join(QLatin1Char(','));
}

class InterpreterTest : public ::testing::Test {
protected:
    LocaleScope locale{QLocale::c()};
};

class TurkishInterpreterTest : public ::testing::Test {
protected:
    LocaleScope locale{Turkish};
};

TEST_F(InterpreterTest, ArithmeticWritesTheGeneralNumberFormat)
{
    expectResult("ADD", "2", "3", "5");
    expectResult("ADD", " 2 ", "-3", "-1");
    expectResult("SUBTRACT", "2", "3.5", "-1.5");
    expectResult("MULTIPLY", "2.5", "4", "10");
    expectResult("DIVIDE", "1", "4", "0.25");
    expectResult("DIVIDE", "2", "3", "0.666666666666667");
    expectResult("POWER", "2", "10", "1024");
    expectResult("POWER", "2", "0.5", "1.4142135623731");
    expectResult("PERCENT", "50", "20", "10");
    expectResult("PERCENT", "3", "5", "0.15");
}

TEST_F(InterpreterTest, IntegerDivisionRoundsHalvesToEvenAndTruncates)
{
    expectResult("DIVINT", "7", "2", "3");
    expectResult("DIVINT", "-7", "2", "-3");
    expectResult("DIVINT", "2.5", "1", "2");
    expectResult("DIVINT", "3.5", "1", "4");
    expectResult("DIVINT", "7", "2.5", "3");
    expectResult("MODULE", "-7", "2", "-1");
    expectResult("MODULE", "7", "-2", "1");
    expectResult("MODULE", "7.5", "3", "2");
    expectResult("DIVINT", "-2147483648", "1", "-2147483648");
}

TEST_F(TurkishInterpreterTest, ArithmeticUsesTheRegionalDecimalSeparator)
{
    expectResult("DIVIDE", "1", "4", "0,25");
    expectResult("DIVINT", "2,5", "1", "2");
    expectResult("ADD", "0,1", "0,2", "0,3");
    expectResult("MULTIPLY", "1,5", "1,5", "2,25");
    expectCaughtError("ADD", "2.5", "1");
}

TEST_F(InterpreterTest, AComputedNumberActsExactlyAsItsText)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"},
                                            {"DIVIDE", "1", "3", "x"},
                                            {"MULTIPLY", "x", "3", "y"},
                                            {"ADD", "0.1", "0.2", "z"},
                                            {"SUBTRACT", "z", "0.3", "w"},
                                            {"IF_EQUAL", "z", "0.3"}});
    const QString yes = h.chart.add("OUTPUT", "eşit");
    const QString no = h.chart.add("OUTPUT", "farklı");
    const QString end = h.chart.add("STOP");
    h.chart.link(tags.back(), yes, "EVET");
    h.chart.link(tags.back(), no, "HAYIR");
    h.chart.link(yes, end);
    h.chart.link(no, end);
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("x"), QStringLiteral("0.333333333333333"));
    // The text "0.333333333333333" times 3, not a third times 3.
    EXPECT_EQ(h.var("y"), QStringLiteral("0.999999999999999"));
    EXPECT_EQ(h.var("z"), QStringLiteral("0.3"));
    EXPECT_EQ(h.var("w"), QStringLiteral("0"));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("eşit")});
}

TEST_F(TurkishInterpreterTest, AComputedNumberActsExactlyAsItsText)
{
    RunHarness h;
    h.chart.chain({{"START"}, {"DIVIDE", "1", "3", "x"}, {"MULTIPLY", "x", "3", "y"}, {"STOP"}});
    h.run();
    EXPECT_EQ(h.var("x"), QStringLiteral("0,333333333333333"));
    EXPECT_EQ(h.var("y"), QStringLiteral("0,999999999999999"));
}

TEST_F(InterpreterTest, OperandsNamingVariablesUseTheirValues)
{
    RunHarness h;
    h.chart.chain({{"START"},
                   {"DEFINITION", "a", "2"},
                   {"DEFINITION", "5", "10"},
                   {"ADD", "A", "5", "r"},
                   {"INPUT", "Sayı", "n"},
                   {"MULTIPLY", "n", "r", "m"},
                   {"STOP"}});
    QTimer::singleShot(0, &h.project, [&] {
        h.runtime.console.processKey('4');
        h.runtime.console.processKey(13);
    });
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("r"), QStringLiteral("12")) << "a variable named 5 stands for its value";
    EXPECT_EQ(h.var("n"), QStringLiteral("4"));
    EXPECT_EQ(h.var("m"), QStringLiteral("48"));
}

TEST_F(InterpreterTest, AVariableCreatedLaterIsSeenByABlockThatRanBefore)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"},
                                            {"DEFINITION", "c", "0"},
                                            {"DEFINITION", "y", "k"},
                                            {"OUTPUT", "", "y"},
                                            {"DEFINITION", "k", "5"},
                                            {"ADD", "c", "1", "c"},
                                            {"IF_LESS", "c", "2"}});
    const QString end = h.chart.add("STOP");
    h.chart.link(tags.back(), tags[2], "EVET");
    h.chart.link(tags.back(), end, "HAYIR");
    h.run();
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("k"), QStringLiteral("5")}));
    EXPECT_TRUE(h.runtime.run.completedNormally());
}

TEST_F(InterpreterTest, AnOperandThatIsNoNumberEndsTheRunWithTheCaughtError)
{
    const CaughtError error = expectCaughtError("ADD", "abc", "1");
    EXPECT_EQ(error.number, 13);
    expectCaughtError("SUBTRACT", "1", "");
    expectCaughtError("MULTIPLY", "\"2\"", "3");
    expectCaughtError("DIVINT", "1,5", "1");
    EXPECT_TRUE(branch("IF_LESS", "a", "1").startsWith(QStringLiteral("message: timerRunner_Timer(). YAKALANAN HATA: \r\n")));
}

TEST_F(InterpreterTest, DivisionByZeroEndsTheRunWithTheCaughtError)
{
    EXPECT_EQ(expectCaughtError("DIVIDE", "1", "0").number, 11);
    expectCaughtError("DIVINT", "1", "0");
    expectCaughtError("MODULE", "5", "0");
    expectCaughtError("DIVINT", "1", "0.4"); // rounds to 0
}

TEST_F(InterpreterTest, OverflowAndInvalidPowersEndTheRunWithTheCaughtError)
{
    expectCaughtError("ADD", "1E308", "1E308");
    expectCaughtError("POWER", "-8", "0.5");
    expectCaughtError("POWER", "0", "-1");
    expectCaughtError("DIVINT", "3000000000", "1");
    expectCaughtError("DIVINT", "-2147483648", "-1");
}

TEST_F(InterpreterTest, CaughtErrorMessageHasFourLines)
{
    const OneBlockRun run = runOne("ADD", "x", "1");
    ASSERT_EQ(run.messages.size(), 1);
    const QStringList lines = run.messages[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("timerRunner_Timer(). YAKALANAN HATA: "));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Kaynak: ")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Açıklama: ")));
    EXPECT_EQ(lines[3], QStringLiteral("Hata numarası: 13"));
}

TEST_F(InterpreterTest, JoinStripsOnePairOfQuotesAndJoinsVariableValues)
{
    expectResult("JOIN", "\"Mer\"", "\"haba\"", "Merhaba");
    expectResult("JOIN", "\"\"a\"\"", "b", "\"a\"b");
    expectResult("JOIN", "\"a", "b\"", "\"ab\"");
    expectResult("JOIN", "", "\"\"", "");

    RunHarness h;
    h.chart.chain({{"START"},
                   {"DEFINITION", "ad", "\"Ali\""},
                   {"DEFINITION", "soyad", "\" Veli\""},
                   {"JOIN", "ad", "soyad", "tam"},
                   {"ADD", "2", "3", "n"},
                   {"JOIN", "n", "\"a\"", "na"},
                   {"DEFINITION", "kopya", "tam"},
                   {"JOIN", "tam", "!", "tam"},
                   {"STOP"}});
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("tam"), QStringLiteral("Ali Veli!"));
    EXPECT_EQ(h.var("kopya"), QStringLiteral("Ali Veli")) << "extending a variable leaves its copies alone";
    EXPECT_EQ(h.var("ad"), QStringLiteral("\"Ali\"")) << "the operand itself keeps its quotes";
    EXPECT_EQ(h.var("na"), QStringLiteral("5a"));
}

TEST_F(InterpreterTest, JoinIntoTheSameVariableTenThousandTimes)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"},
                                            {"DEFINITION", "x", "\"\""},
                                            {"DEFINITION", "i", "0"},
                                            {"JOIN", "x", "\"a\"", "x"},
                                            {"ADD", "i", "1", "i"},
                                            {"IF_LESS", "i", "10000"}});
    const QString end = h.chart.add("STOP");
    h.chart.link(tags.back(), tags[3], "EVET");
    h.chart.link(tags.back(), end, "HAYIR");
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("i"), QStringLiteral("10000"));
    const QString x = h.var("x");
    EXPECT_EQ(x.size(), 10000);
    EXPECT_EQ(x, QString(10000, u'a'));
}

TEST_F(InterpreterTest, JoinOfALoneDoubleQuoteEndsTheRunWithTheCaughtError)
{
    expectCaughtError("JOIN", "\"", "a");
    expectCaughtError("JOIN", "a", "\"");

    // The same when the quote is the value of the variable being extended.
    RunHarness h;
    h.chart.chain({{"START"}, {"DEFINITION", "x", "\""}, {"JOIN", "x", "b", "x"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.run();
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_TRUE(ChartTest::parseCaughtError(h.messages[0]).wellFormed);
    EXPECT_EQ(h.var("x"), QStringLiteral("\""));
    EXPECT_EQ(h.rows, QStringList());
}

// A text may not grow past the limit, whichever block would make it: the run ends with the
// out-of-memory error instead of taking the machine's memory.
TEST_F(InterpreterTest, TextsLongerThanTheLimitEndTheRunWithOutOfMemory)
{
    const QString atLimit = QString::number(TextRules::MaxLength);
    const QString belowHalf = QString::number(TextRules::MaxLength / 2 - 1);
    struct Case {
        const char *what;
        std::initializer_list<Step> steps;
    };
    const Case cases[] = {
        {"JOIN into the same variable",
         {{"START"}, {"FUNCTION", "SPACE", atLimit, "x"}, {"JOIN", "x", "a", "x"}, {"OUTPUT", "sonra"}, {"STOP"}}},
        {"JOIN into another variable",
         {{"START"}, {"FUNCTION", "SPACE", atLimit, "x"}, {"JOIN", "b", "x", "y"}, {"OUTPUT", "sonra"}, {"STOP"}}},
        {"JOIN doubling",
         {{"START"}, {"FUNCTION", "SPACE", belowHalf, "x"}, {"JOIN", "x", "x", "x"}, {"JOIN", "x", "x", "x"},
          {"OUTPUT", "sonra"}, {"STOP"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RunHarness h;
        h.chart.chain(c.steps);
        h.run();
        ASSERT_EQ(h.messages.size(), 1);
        const CaughtError error = ChartTest::parseCaughtError(h.messages[0]);
        EXPECT_EQ(error.number, 7);
        EXPECT_EQ(error.description, QStringLiteral("Yetersiz bellek"));
        EXPECT_EQ(error.source, QStringLiteral("timerRunner_Timer"));
        EXPECT_TRUE(h.ended());
        EXPECT_EQ(h.rows, QStringList());
        EXPECT_LE(h.var("x").size(), TextRules::MaxLength);
    }
}

TEST_F(InterpreterTest, AnInputLineLongerThanTheLimitIsOutOfMemory)
{
    RunHarness h;
    h.chart.chain({{"START"}, {"INPUT", "Metin", "t"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.runtime.console.setLineSource(
        [](const QString &) { return std::optional<QString>(QString(TextRules::MaxLength + 1, u'a')); });
    h.run();
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_EQ(ChartTest::parseCaughtError(h.messages[0]).number, 7);
    EXPECT_FALSE(h.hasVar("t"));
    EXPECT_TRUE(h.ended());
}

TEST_F(InterpreterTest, CompComparesTextsWithoutRegardToCase)
{
    expectResult("COMP", "Abc", "aBC", "0");
    expectResult("COMP", "\"Elma\"", "ELMA", "0");
    expectResult("COMP", "a", "b", "-1");
    expectResult("COMP", "b", "A", "1");
    expectResult("COMP", "", "a", "-1");
    expectResult("COMP", "5", "5", "0");
}

TEST_F(TurkishInterpreterTest, CompPairsTurkishCapitalsByTheRegionalSettings)
{
    expectResult("COMP", "ILIK", "ılık", "0");
    expectResult("COMP", "İNCE", "ince", "0");
    EXPECT_NE(runOne("COMP", "INCE", "ince").result, QStringLiteral("0"));
}

TEST_F(InterpreterTest, ConditionsCompareNumbers)
{
    struct Case {
        const char *code;
        const char *left;
        const char *right;
        const char *way;
    };
    const Case cases[] = {
        {"IF_EQUAL", "2", "2", "E"},         {"IF_EQUAL", "2", "2.0", "E"},     {"IF_EQUAL", "2", "3", "H"},
        {"IF_NOT_EQUAL", "2", "3", "E"},     {"IF_NOT_EQUAL", "2", "2", "H"},   {"IF_LESS", "2", "10", "E"},
        {"IF_LESS", "10", "2", "H"},         {"IF_LESS", "2", "2", "H"},        {"IF_GREATER", "10", "9", "E"},
        {"IF_GREATER", "9", "9", "H"},       {"IF_LESS_EQUAL", "9", "9", "E"},  {"IF_LESS_EQUAL", "9.5", "9", "H"},
        {"IF_GREATER_EQUAL", "9", "9", "E"}, {"IF_GREATER_EQUAL", "-1", "0", "H"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(branch(c.code, c.left, c.right), QString::fromUtf8(c.way)) << c.code << ' ' << c.left << ' ' << c.right;
}

TEST_F(InterpreterTest, ConditionLineCaptionsMatchWithoutRegardToCase)
{
    RunHarness h;
    const QString start = h.chart.add("START");
    const QString test = h.chart.add("IF_LESS", "1", "2");
    const QString no = h.chart.add("OUTPUT", "H");
    const QString yes = h.chart.add("OUTPUT", "E");
    const QString end = h.chart.add("STOP");
    h.chart.link(start, test);
    h.chart.link(test, no, "hayır");
    h.chart.link(test, yes, "Evet");
    h.chart.link(no, end);
    h.chart.link(yes, end);
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("E")});
}

TEST_F(InterpreterTest, MissingYesLineReportsAndTheRunEndsAtTheNextTick)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"}, {"IF_EQUAL", "1", "1"}});
    const QString no = h.chart.add("OUTPUT", "H");
    h.chart.link(tags[1], no, "HAYIR");
    h.start(RunControl::DelayMaximum); // ticks are driven by hand below
    h.tick();
    EXPECT_TRUE(h.messages.isEmpty());
    h.tick();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("Nesne: id2 - EVET ile bağlı değil.")});
    EXPECT_TRUE(h.runtime.run.runInProgress()) << "the message alone does not end the run";
    EXPECT_EQ(h.runtime.run.currentBlock(), nullptr);
    h.tick();
    EXPECT_TRUE(h.ended());
    EXPECT_TRUE(h.runtime.run.editingEnabled());
    EXPECT_EQ(h.messages.size(), 1);
    EXPECT_TRUE(h.rows.isEmpty());
}

TEST_F(InterpreterTest, MissingLinesAreReportedWithTheirLabel)
{
    RunHarness noLine;
    noLine.chart.chain({{"START"}, {"IF_LESS", "2", "1"}});
    noLine.run();
    EXPECT_EQ(noLine.messages, QStringList{QStringLiteral("Nesne: id2 - HAYIR ile bağlı değil.")});
    EXPECT_TRUE(noLine.ended());

    RunHarness unlinked;
    unlinked.chart.chain({{"START"}, {"OUTPUT", "son"}});
    unlinked.run();
    EXPECT_EQ(unlinked.messages, QStringList{QStringLiteral("Nesne: id2 - BAĞLI DEĞİL!")});
    EXPECT_EQ(unlinked.rows, QStringList{QStringLiteral("son")});
    EXPECT_FALSE(unlinked.runtime.run.completedNormally());
}

TEST_F(InterpreterTest, ALineToAMissingBlockEndsTheRunAtTheNextTickWithoutAMessage)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"}, {"OUTPUT", "son"}});
    h.chart.link(tags[1], QStringLiteral("id99"));
    h.start(RunControl::DelayMaximum); // ticks by hand
    h.tick();
    h.tick();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("son")});
    EXPECT_TRUE(h.runtime.run.runInProgress());
    EXPECT_EQ(h.runtime.run.currentBlock(), nullptr);
    h.tick();
    EXPECT_TRUE(h.ended());
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_FALSE(h.runtime.run.completedNormally());
}

TEST_F(InterpreterTest, TheFirstMatchingLineInCollectionOrderIsFollowed)
{
    for (const bool firstLineFirst : {true, false}) {
        RunHarness h;
        const QString start = h.chart.add("START");
        const QString fork = h.chart.add("INTERSECTION");
        const QString first = h.chart.add("OUTPUT", "birinci");
        const QString second = h.chart.add("OUTPUT", "ikinci");
        const QString end = h.chart.add("STOP");
        h.chart.link(start, fork);
        if (firstLineFirst) {
            h.chart.link(fork, first, "EVET"); // a caption does not matter without a label
            h.chart.link(fork, second);
        } else {
            h.chart.link(fork, second);
            h.chart.link(fork, first);
        }
        h.chart.link(first, end);
        h.chart.link(second, end);
        h.run();
        EXPECT_EQ(h.rows, QStringList{firstLineFirst ? QStringLiteral("birinci") : QStringLiteral("ikinci")});
    }

    // A condition with three lines follows the first EVET line.
    RunHarness h;
    const QString start = h.chart.add("START");
    const QString test = h.chart.add("IF_EQUAL", "1", "1");
    const QString a = h.chart.add("OUTPUT", "A");
    const QString b = h.chart.add("OUTPUT", "B");
    const QString c = h.chart.add("OUTPUT", "C");
    const QString end = h.chart.add("STOP");
    h.chart.link(start, test);
    h.chart.link(test, a, "HAYIR");
    h.chart.link(test, b, "EVET");
    h.chart.link(test, c, "EVET");
    for (const QString &tag : {a, b, c})
        h.chart.link(tag, end);
    h.run();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("B")});
}

TEST_F(InterpreterTest, EditsBetweenRunsAreFollowed)
{
    RunHarness h;
    const QString start = h.chart.add("START");
    const QString test = h.chart.add("IF_EQUAL", "1", "1");
    const QString a = h.chart.add("OUTPUT", "A");
    const QString b = h.chart.add("OUTPUT", "B");
    const QString end = h.chart.add("STOP");
    h.chart.link(start, test);
    h.chart.link(test, a, "EVET");
    h.chart.link(test, b, "HAYIR");
    h.chart.link(a, end);
    h.chart.link(b, end);
    h.run();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("A")});

    h.project.theLineCollection().AddCaptionToLine(test, a, QStringLiteral("HAYIR"));
    h.project.theLineCollection().AddCaptionToLine(test, b, QStringLiteral("EVET"));
    h.rows.clear();
    h.run();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("B")}) << "captions changed";

    h.chart.block(b)->setZParam1(QStringLiteral("B2"));
    h.chart.block(test)->setZParam2(QStringLiteral("2"));
    h.rows.clear();
    h.run();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("A")}) << "parameters changed";

    // A new block put between START and the condition.
    h.project.theLineCollection().Remove(1);
    const QString inserted = h.chart.add("OUTPUT", "yeni");
    h.chart.link(start, inserted);
    h.chart.link(inserted, test);
    h.rows.clear();
    h.run();
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("yeni"), QStringLiteral("A")}));
    EXPECT_EQ(h.messages, QStringList());
}

TEST_F(InterpreterTest, UnknownOrEmptyActionEndsTheRun)
{
    for (const QString &code : {QStringLiteral("FOO"), QString(), QStringLiteral("add"), QStringLiteral("Start ")}) {
        RunHarness h;
        h.chart.chain({{"START"}, {code, "1", "2", "R"}, {"OUTPUT", "sonra"}, {"STOP"}});
        h.run();
        EXPECT_EQ(h.messages, QStringList{QStringLiteral("timerRunner_Timer(). BİLİNMEYEN İŞLEM!: ") + code});
        EXPECT_TRUE(h.ended());
        EXPECT_TRUE(h.rows.isEmpty());
        EXPECT_FALSE(h.hasVar("R"));
    }
}

TEST_F(InterpreterTest, DefinitionWithAPointNeedsTheRunTimeWindow)
{
    const QString needsWindow = QStringLiteral("Bu işlem pencerenin\r\naçık olmasını gerektiriyor!");
    for (const auto &[target, source] : {std::pair{"x", "3.5"}, std::pair{"form.Text", "1"}, std::pair{"x", "a.b"}}) {
        RunHarness h;
        h.chart.chain({{"START"}, {"DEFINITION", target, source}, {"OUTPUT", "sonra"}, {"STOP"}});
        h.run();
        EXPECT_EQ(h.messages, QStringList{needsWindow}) << target << " = " << source;
        EXPECT_TRUE(h.ended());
        EXPECT_TRUE(h.rows.isEmpty());
        EXPECT_FALSE(h.hasVar(QString::fromUtf8(target)));
    }
}

TEST_F(InterpreterTest, DefinitionWithAPointGoesToTheLoadedWindowUnchanged)
{
    RunHarness h;
    h.host.windowIsLoaded = true;
    h.chart.chain({{"START"}, {"DEFINITION", "txtAd.Text", "\"Ali\""}, {"DEFINITION", "x", "lbl.Caption"},
                   {"OUTPUT", "sonra"}, {"STOP"}});
    h.run();
    EXPECT_EQ(h.host.objectDefinitions, (QStringList{"txtAd.Text = \"Ali\"", "x = lbl.Caption"}));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("sonra")});
    EXPECT_TRUE(h.runtime.run.completedNormally());

    // A failed assignment ends the run; the window reports why.
    RunHarness failing;
    failing.host.windowIsLoaded = true;
    failing.host.objectDefinitionAnswer = false;
    failing.chart.chain({{"START"}, {"DEFINITION", "a.b", "1"}, {"OUTPUT", "sonra"}, {"STOP"}});
    failing.run();
    EXPECT_TRUE(failing.ended());
    EXPECT_EQ(failing.messages, QStringList());
    EXPECT_TRUE(failing.rows.isEmpty());
}

TEST_F(InterpreterTest, AWindowBlockStopsTheTicksAndTheRunWaitsForTheWindow)
{
    RunHarness h;
    h.host.openWindowAnswer = true;
    h.chart.chain({{"START"}, {"WINDOW", "boyut", "nesneler", "olaylar"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.run();
    EXPECT_EQ(h.host.windowsOpened, QStringList{QStringLiteral("id2")});
    EXPECT_TRUE(h.runtime.run.runInProgress()) << "the window drives the run from here";
    EXPECT_FALSE(h.runtime.run.timerEnabled());
    ASSERT_NE(h.runtime.run.currentBlock(), nullptr);
    EXPECT_EQ(h.runtime.run.currentBlock()->TagID(), QStringLiteral("id2"));
    EXPECT_TRUE(h.rows.isEmpty());
    h.runtime.run.cmdStop_MouseDown();

    // A host that cannot show windows ends the run (with its own message).
    RunHarness noWindows;
    noWindows.chart.chain({{"START"}, {"WINDOW"}, {"OUTPUT", "sonra"}, {"STOP"}});
    noWindows.run();
    EXPECT_TRUE(noWindows.ended());
    EXPECT_EQ(noWindows.host.windowsOpened, QStringList{QStringLiteral("id2")});
    EXPECT_TRUE(noWindows.rows.isEmpty());
}

TEST_F(InterpreterTest, DefinitionCopiesTheSourceUnchanged)
{
    RunHarness h;
    h.chart.chain({{"START"},
                   {"DEFINITION", "s", "\"Merhaba\""},
                   {"DEFINITION", "d", "\"3.5\""},
                   {"DEFINITION", "t", "s"},
                   {"DEFINITION", "n", " 42 "},
                   {"DEFINITION", "e", "\"\""},
                   {"STOP"}});
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("s"), QStringLiteral("\"Merhaba\""));
    EXPECT_EQ(h.var("d"), QStringLiteral("\"3.5\""));
    EXPECT_EQ(h.var("t"), QStringLiteral("\"Merhaba\""));
    EXPECT_EQ(h.var("n"), QStringLiteral(" 42 "));
    EXPECT_EQ(h.var("e"), QStringLiteral("\"\""));
}

TEST_F(InterpreterTest, OutputPrintsTheTextTheValueOrBoth)
{
    RunHarness h;
    h.chart.chain({{"START"},
                   {"DEFINITION", "x", "5"},
                   {"OUTPUT", "Sonuç", "x"},
                   {"OUTPUT", "", "X"},
                   {"OUTPUT", "x"},
                   {"OUTPUT"},
                   {"OUTPUT", "", "yok"},
                   {"STOP"}});
    h.run();
    EXPECT_EQ(h.events, (QStringList{QStringLiteral("row: Sonuç 5"), QStringLiteral("row: 5"),
                                     QStringLiteral("row: x"), QStringLiteral("row: "),
                                     QStringLiteral("msg: Değişken: yok - tanımlanmamış!"),
                                     QStringLiteral("row: 0")}));
    EXPECT_TRUE(h.runtime.run.completedNormally()) << "an undefined variable is no error";
    ASSERT_FALSE(h.host.consoleShown.isEmpty());
    EXPECT_FALSE(h.host.consoleShown.first()) << "the first output brings the console forward";
}

TEST_F(InterpreterTest, InputStoresTheTypedText)
{
    RunHarness h;
    h.chart.chain({{"START"}, {"INPUT", "Adınız", "ad"}, {"OUTPUT", "Merhaba", "ad"}, {"STOP"}});
    QTimer::singleShot(0, &h.project, [&] {
        for (const QChar c : QStringLiteral(" \"Çağrı\" "))
            h.runtime.console.processKey(c.unicode());
        h.runtime.console.processKey(13);
    });
    h.run();
    EXPECT_EQ(h.var("ad"), QStringLiteral(" \"Çağrı\" "));
    ASSERT_FALSE(h.host.consoleShown.isEmpty());
    EXPECT_TRUE(h.host.consoleShown.first()) << "INPUT restores and shows the console";
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("Adınız > \"Çağrı\" "), QStringLiteral("Merhaba  \"Çağrı\" ")}));
}

TEST_F(InterpreterTest, StoppingWhileInputWaitsStoresNothing)
{
    RunHarness h;
    h.chart.chain({{"START"}, {"INPUT", "Sayı", "n"}, {"OUTPUT", "sonra"}, {"STOP"}});
    bool waiting = false;
    QTimer::singleShot(0, &h.project, [&] {
        waiting = h.runtime.console.inputPending();
        h.runtime.console.processKey('4');
        h.runtime.run.cmdStop_MouseDown();
    });
    h.run();
    EXPECT_TRUE(waiting);
    EXPECT_TRUE(h.ended());
    EXPECT_FALSE(h.hasVar("n"));
    EXPECT_FALSE(h.runtime.console.inputPending());
    EXPECT_TRUE(h.runtime.run.editingEnabled());
    EXPECT_TRUE(h.runtime.run.runEnabled());
    EXPECT_FALSE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("Sayı >4")});
    EXPECT_TRUE(h.messages.isEmpty());
}

TEST_F(InterpreterTest, EndOfTheMainChartLeavesRetOsAndParam)
{
    RunHarness h;
    h.chart.chain({{"START"}, {"OUTPUT", "", "PARAM"}, {"DEFINITION", "RETURN", "7"}, {"STOP"}});
    h.run();
    EXPECT_TRUE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("PAR-OS")}) << "the main chart's argument is the bottom frame's";
    EXPECT_EQ(h.var("RET-OS"), QStringLiteral("7"));
    EXPECT_EQ(h.var("PARAM"), QStringLiteral("PARAM"));
    EXPECT_EQ(h.varNames(), (QStringList{QStringLiteral("RETURN"), QStringLiteral("PARAM"), QStringLiteral("RET-OS")}));

    RunHarness plain;
    plain.chart.chain({{"START"}, {"STOP"}});
    plain.run();
    EXPECT_TRUE(plain.runtime.run.completedNormally());
    EXPECT_EQ(plain.var("RET-OS"), QString());
    EXPECT_EQ(plain.var("PARAM"), QStringLiteral("PARAM"));
}

TEST_F(InterpreterTest, SqlShowsItsNoticeAndTheRunGoesOn)
{
    RunHarness h;
    QStringList notices;
    QObject::connect(&h.log, &MessageLog::modalShown, &h.project,
                     [&](const QString &text, const QString &) { notices.append(text); });
    h.chart.chain({{"START"}, {"SQL"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.run();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(
        QStringLiteral("SQL artık desteklenmiyor! Üzgünüz! Sorularınız için e-posta adresi: ")));
    EXPECT_TRUE(notices[0].endsWith(QLatin1Char('!')));
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("sonra")});
    EXPECT_TRUE(h.runtime.run.completedNormally());
}

TEST_F(InterpreterTest, TheBlockLimitEndsAnEndlessLoop)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"}, {"ADD", "0", "1", "i"}});
    h.chart.link(tags[1], tags[1]);
    h.runtime.interpreter.setBlockLimit(1000);
    h.run();
    EXPECT_TRUE(h.ended());
    EXPECT_FALSE(h.timedOut);
    EXPECT_FALSE(h.runtime.run.completedNormally());
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_FALSE(h.messages[0].isEmpty());

    // Each run is counted afresh.
    h.run();
    EXPECT_TRUE(h.ended());
    EXPECT_EQ(h.messages.size(), 2);
}

TEST_F(InterpreterTest, AFreshRunAfterAFailedOneStartsClean)
{
    RunHarness h;
    const QStringList tags = h.chart.chain({{"START"},
                                            {"DEFINITION", "eski", "1"},
                                            {"OUTPUT", "ilk"},
                                            {"ADD", "q", "1", "r"},
                                            {"STOP"}});
    h.run();
    ASSERT_EQ(h.messages.size(), 1);
    EXPECT_FALSE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.runtime.stack.SP(), 244) << "a failure leaves the stack as it was";

    h.chart.block(tags[1])->setZParam1(QStringLiteral("yeni"));
    h.chart.block(tags[3])->setZParam1(QStringLiteral("1"));
    h.run();
    EXPECT_EQ(h.messages.size(), 1) << "no new message";
    EXPECT_TRUE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.varNames(), (QStringList{QStringLiteral("RETURN"), QStringLiteral("PARAM"), QStringLiteral("yeni"),
                                         QStringLiteral("r"), QStringLiteral("RET-OS")}));
    EXPECT_EQ(h.var("r"), QStringLiteral("2"));
    EXPECT_EQ(h.runtime.console.line(0), QStringLiteral("ilk"));
    EXPECT_EQ(h.runtime.console.currentLine(), 1);
    EXPECT_EQ(h.runtime.stack.SP(), 249);
}

} // namespace
