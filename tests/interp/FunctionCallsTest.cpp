#include "interp/CallStack.h"
#include "interp/FunctionCalls.h"
#include "interp/RunControl.h"

#include "interp/ChartBuilder.h"
#include "base/Paths.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;
using ChartTest::ChartFolder;
using ChartTest::LocaleScope;
using ChartTest::RunHarness;

class FunctionCallsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QObject::connect(&h.project, &Project::projectReplaced, &h.project, [this] {
            loads.append(Paths::fileNameOf(h.project.projectPath()));
        });
    }

    // Writes a chart file that is one chain of blocks.
    void write(const QString &fileName, std::initializer_list<ChartTest::Step> steps)
    {
        ASSERT_TRUE(folder.write(fileName, steps)) << fileName.toStdString();
    }
    void write(const QString &fileName, const std::function<void(ChartBuilder &)> &build)
    {
        ASSERT_TRUE(folder.write(fileName, build)) << fileName.toStdString();
    }

    // Loads the main chart file and runs it to its end at delay 0.
    void runMain(const QString &fileName = QStringLiteral("main.vnp"))
    {
        ASSERT_TRUE(h.loadFile(folder.path(fileName)));
        loads.clear();
        h.run();
        EXPECT_TRUE(h.ended());
        EXPECT_FALSE(h.timedOut);
    }

    void writeFactorial() { write(QStringLiteral("fakt.vnp"), ChartTest::buildFactorial); }

    // down(k) calls down(k - 1) until k is 0, with no local variables.
    void writeCountdown()
    {
        write(QStringLiteral("down.vnp"), [](ChartBuilder &c) {
            const QString start = c.add("START");
            const QString test = c.add("IF_EQUAL", "PARAM", "0");
            const QString bottom = c.add("STOP");
            const QString less = c.add("SUBTRACT", "PARAM", "1", "k");
            const QString call = c.add("FUNCTION", "down", "k");
            const QString end = c.add("STOP");
            c.link(start, test);
            c.link(test, bottom, "EVET");
            c.link(test, less, "HAYIR");
            c.link(less, call);
            c.link(call, end);
        });
    }

    LocaleScope locale{QLocale::c()};
    ChartFolder folder;
    RunHarness h;
    QStringList loads; // the file names the drawing was replaced by, in order
};

TEST_F(FunctionCallsTest, ArgumentIsResolvedInTheCallerAndReturnComesBack)
{
    write("kare.vnp", {{"START"}, {"MULTIPLY", "PARAM", "PARAM", "RETURN"}, {"STOP"}});
    write("main.vnp", {{"START"},
                       {"DEFINITION", "a", "5"},
                       {"FUNCTION", "kare", "a", "r"},
                       {"OUTPUT", "r", "r"},
                       {"FUNCTION", "kare", "7", "s"},
                       {"OUTPUT", "s", "s"},
                       {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("r 25"), QStringLiteral("s 49")}));
    EXPECT_TRUE(h.runtime.run.completedNormally());
    EXPECT_EQ(loads, (QStringList{"kare.vnp", "main.vnp", "kare.vnp", "main.vnp"}));
    EXPECT_EQ(h.project.projectPath(), folder.path("main.vnp")) << "the caller's chart is shown again";
    EXPECT_EQ(h.var("PARAM"), QStringLiteral("PARAM"));
    EXPECT_EQ(h.runtime.stack.SP(), 249);
}

TEST_F(FunctionCallsTest, TheCallFrameHoldsParamArgumentResultFileAndReturnBlock)
{
    write("bekle.vnp", {{"START"}, {"INPUT", "?", "x"}, {"STOP"}});
    write("main.vnp", {{"START"},
                       {"DEFINITION", "a", "\"beş\""},
                       {"FUNCTION", "bekle", "a", "sonuc"},
                       {"OUTPUT", "bitti"},
                       {"STOP"}});
    QStringList frame;
    QString param;
    QString shown;
    QTimer::singleShot(0, &h.project, [&] {
        const CallStack &stack = h.runtime.stack;
        for (int row = stack.SP(); row < stack.SP() + 5; ++row)
            frame.append(stack.valueAt(row));
        param = h.var("PARAM");
        shown = Paths::fileNameOf(h.project.projectPath());
        h.runtime.console.processKey(13);
    });
    runMain();
    EXPECT_EQ(frame, (QStringList{"id4", "main.vnp", "sonuc", "\"beş\"", "PAR-OS"}));
    EXPECT_EQ(param, QStringLiteral("\"beş\""));
    EXPECT_EQ(shown, QStringLiteral("bekle.vnp"));
    EXPECT_EQ(h.rows, (QStringList{QStringLiteral("? >"), QStringLiteral("bitti")}));
    EXPECT_EQ(h.var("sonuc"), QString()) << "RETURN was empty";
}

TEST_F(FunctionCallsTest, ATextNamingNoVariableIsPassedAsWritten)
{
    write("yanki.vnp", {{"START"}, {"DEFINITION", "RETURN", "PARAM"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "yanki", "\"iki kelime\"", "r"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("r"), QStringLiteral("\"iki kelime\""));
}

TEST_F(FunctionCallsTest, AChartThatNeverSetsReturnPassesItsEarlierValue)
{
    write("bos.vnp", {{"START"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"DEFINITION", "RETURN", "9"}, {"FUNCTION", "bos", "", "r"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("r"), QStringLiteral("9"));
}

TEST_F(FunctionCallsTest, AnEmptyResultVariableDiscardsTheResult)
{
    write("kare.vnp", {{"START"}, {"MULTIPLY", "PARAM", "PARAM", "RETURN"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "kare", "3", ""}, {"OUTPUT", "", "RETURN"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("9")});
    EXPECT_EQ(h.varNames(), (QStringList{"RETURN", "PARAM", "RET-OS"}));
    EXPECT_EQ(h.runtime.vars.valueAt(0).text(), QString()) << "nothing is written under the empty name";
}

TEST_F(FunctionCallsTest, ExecutionContinuesAfterTheFunctionBlock)
{
    write("yaz.vnp", {{"START"}, {"OUTPUT", "içeride"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"OUTPUT", "önce"}, {"FUNCTION", "yaz"}, {"OUTPUT", "sonra"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, (QStringList{"önce", "içeride", "sonra"}));
    EXPECT_TRUE(h.runtime.run.completedNormally());
}

TEST_F(FunctionCallsTest, AChartFileChangedOnDiskBetweenTwoCallsIsReadAgain)
{
    write("f.vnp", {{"START"}, {"OUTPUT", "bir"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "f"}, {"INPUT", "?", "x"}, {"FUNCTION", "f"},
                       {"FUNCTION", "f"}, {"STOP"}});
    // Settled files: an unchanged chart is shown again unread.
    QThread::msleep(100);
    QTimer::singleShot(0, &h.project, [&] {
        write("f.vnp", {{"START"}, {"OUTPUT", "iki"}, {"STOP"}});
        h.runtime.console.processKey(13);
    });
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, (QStringList{"bir", "? >", "iki", "iki"}));
    EXPECT_EQ(loads, (QStringList{"f.vnp", "main.vnp", "f.vnp", "main.vnp", "f.vnp", "main.vnp"}));
}

TEST_F(FunctionCallsTest, RecursiveFactorialWithALocalVariable)
{
    writeFactorial();
    write("main.vnp", {{"START"},
                       {"DEFINITION", "n", "ana"},
                       {"FUNCTION", "fakt", "5", "sonuc"},
                       {"OUTPUT", "", "sonuc"},
                       {"FUNCTION", "fakt", "1", "bir"},
                       {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("120")});
    EXPECT_EQ(h.var("bir"), QStringLiteral("1"));
    EXPECT_EQ(h.var("n"), QStringLiteral("ana")) << "the local is restored for the caller";
    EXPECT_TRUE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.runtime.stack.SP(), 249);
}

TEST_F(FunctionCallsTest, LocalsAreRestoredInTheirOwnPlacesUpToTheFirstEmptyItem)
{
    write("f.vnp", {{"START", " a , b,,c"},
                    {"DEFINITION", "a", "10"},
                    {"DEFINITION", "b", "20"},
                    {"DEFINITION", "c", "30"},
                    {"DEFINITION", "yeni", "40"},
                    {"STOP"}});
    write("main.vnp", {{"START"},
                       {"DEFINITION", "a", "1"},
                       {"DEFINITION", "b", "2"},
                       {"DEFINITION", "c", "3"},
                       {"FUNCTION", "f"},
                       {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.var("a"), QStringLiteral("1"));
    EXPECT_EQ(h.var("b"), QStringLiteral("2"));
    EXPECT_EQ(h.var("c"), QStringLiteral("30")) << "c comes after an empty item and is no local";
    EXPECT_EQ(h.var("yeni"), QStringLiteral("40"));
}

TEST_F(FunctionCallsTest, ALocalThatIsNoVariableYetComesBackAsItsName)
{
    write("f.vnp", {{"START", "t"}, {"DEFINITION", "t", "5"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "f"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.var("t"), QStringLiteral("t"));
}

TEST_F(FunctionCallsTest, FortyEightNestedCallsFitOnTheStack)
{
    writeCountdown();
    write("main.vnp", {{"START"}, {"FUNCTION", "down", "47"}, {"OUTPUT", "bitti"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("bitti")});
    EXPECT_TRUE(h.runtime.run.completedNormally());
    // 48 calls and 47 returns load down.vnp; the last return loads main.vnp.
    EXPECT_EQ(loads.count(QStringLiteral("down.vnp")), 95);
    EXPECT_EQ(loads.count(QStringLiteral("main.vnp")), 1);
    EXPECT_EQ(h.runtime.stack.SP(), 249);
}

TEST_F(FunctionCallsTest, TheFortyNinthNestedCallOverflowsTheStack)
{
    writeCountdown();
    write("main.vnp", {{"START"}, {"FUNCTION", "down", "48"}, {"OUTPUT", "bitti"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("YIĞIN TAŞMASI!")});
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_FALSE(h.runtime.run.completedNormally());
    EXPECT_EQ(loads.count(QStringLiteral("down.vnp")), 48);
}

TEST_F(FunctionCallsTest, SelfRecursionWithoutLocalsEndsCleanlyWhenTheStackIsFull)
{
    write("rec.vnp", {{"START"}, {"OUTPUT", "seviye"}, {"FUNCTION", "rec"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "rec"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("YIĞIN TAŞMASI!")});
    EXPECT_EQ(h.rows.size(), 48);
    // The 49th call could not push its return block: its file is not loaded again.
    EXPECT_EQ(loads, QStringList(48, QStringLiteral("rec.vnp")));
    EXPECT_LT(h.runtime.stack.SP(), 0);
    EXPECT_EQ(h.runtime.run.currentBlock(), nullptr);
    EXPECT_FALSE(h.runtime.run.completedNormally());
    EXPECT_TRUE(h.runtime.run.editingEnabled());
    EXPECT_TRUE(h.runtime.run.runEnabled());
    EXPECT_FALSE(h.runtime.run.timerEnabled());

    // The next run starts from a cleared stack.
    runMain();
    EXPECT_EQ(h.messages.size(), 2);
    EXPECT_EQ(h.rows.size(), 96);
}

TEST_F(FunctionCallsTest, OverflowWhileSavingLocalsEndsTheRunBeforeTheChartGoesOn)
{
    // Each level takes five frame entries and two locals: the 35th level's START cannot save
    // its second local.
    write("rec.vnp", {{"START", "a, b"}, {"OUTPUT", "seviye"}, {"FUNCTION", "rec"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "rec"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("YIĞIN TAŞMASI!")});
    EXPECT_EQ(loads.size(), 35);
    EXPECT_EQ(h.rows.size(), 34);
    EXPECT_FALSE(h.runtime.run.completedNormally());
}

TEST_F(FunctionCallsTest, CallingAFileThatIsNoChartEndsTheRun)
{
    QFile file(folder.path("bozuk.vnp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("bu bir akış şeması değil\r\n");
    file.close();
    write("main.vnp", {{"START"}, {"FUNCTION", "bozuk"}, {"OUTPUT", "sonra"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, (QStringList{"Bu Bir Flow Chart Dosyası Değil!", "Fonksiyon yüklenemiyor: bozuk"}));
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_FALSE(h.runtime.run.completedNormally());
}

TEST_F(FunctionCallsTest, CallingAMissingFileEndsTheRun)
{
    write("main.vnp", {{"START"}, {"FUNCTION", "yok", "1", "r"}, {"OUTPUT", "sonra"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("Fonksiyon yüklenemiyor: yok")});
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_TRUE(loads.isEmpty());
    EXPECT_EQ(h.project.projectPath(), folder.path("main.vnp"));
    EXPECT_FALSE(h.hasVar("r"));
    EXPECT_EQ(h.runtime.stack.SP(), 239) << "the stack is not unwound after a failure";
}

TEST_F(FunctionCallsTest, AFunctionBlockWithoutALineEndsTheRunBeforeLoading)
{
    write("kare.vnp", {{"START"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "kare", "2", "r"}});
    runMain();
    EXPECT_EQ(h.messages, (QStringList{"Nesne: id2 - BAĞLI DEĞİL!", "Fonksiyon bağlı değil!"}));
    EXPECT_TRUE(loads.isEmpty());
    EXPECT_FALSE(h.runtime.run.completedNormally());
}

TEST_F(FunctionCallsTest, AFileNameInAnotherLetterCaseIsFound)
{
    write("alt.vnp", {{"START"}, {"OUTPUT", "küçük harfli"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "Alt"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("küçük harfli")});
    EXPECT_TRUE(h.runtime.run.completedNormally());

    // The exact name wins when both exist.
    write("Alt.vnp", {{"START"}, {"OUTPUT", "tam ad"}, {"STOP"}});
    h.rows.clear();
    runMain();
    EXPECT_EQ(h.rows, QStringList{QStringLiteral("tam ad")});
}

TEST_F(FunctionCallsTest, ACalledChartWithoutStartEndsTheRunAtTheNextTick)
{
    write("basiz.vnp", {{"OUTPUT", "başsız"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "basiz"}, {"STOP"}});
    runMain();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral("Nesne: START - bulunamadı!")});
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_FALSE(h.runtime.run.completedNormally());
}

TEST_F(FunctionCallsTest, StartWithFewerThanThreeEntriesOnTheStackReportsAndGoesOn)
{
    h.chart.chain({{"START"}, {"OUTPUT", "", "PARAM"}, {"STOP"}});
    h.start(RunControl::DelayMaximum); // ticks by hand
    for (int i = 0; i < 3; ++i)
        h.runtime.stack.POP();
    ASSERT_EQ(h.runtime.stack.SP(), 247);
    h.tick();
    EXPECT_EQ(h.messages,
              QStringList{QStringLiteral("Yanlış fonksiyon çağrısı - parametreler yığından okunamıyor.")});
    EXPECT_TRUE(h.runtime.run.runInProgress());
    ASSERT_NE(h.runtime.run.currentBlock(), nullptr);
    EXPECT_EQ(h.runtime.run.currentBlock()->TagID(), QStringLiteral("id2"));
    EXPECT_FALSE(h.hasVar("PARAM"));
    h.runtime.run.cmdStop_MouseDown();

    // With exactly three, PARAM takes the never-used last row.
    RunHarness three;
    three.chart.chain({{"START"}, {"OUTPUT", "", "PARAM"}, {"STOP"}});
    three.start(RunControl::DelayMaximum);
    three.runtime.stack.POP();
    three.runtime.stack.POP();
    three.tick();
    EXPECT_EQ(three.messages, QStringList());
    EXPECT_EQ(three.var("PARAM"), QStringLiteral("?"));
    three.runtime.run.cmdStop_MouseDown();
}

TEST_F(FunctionCallsTest, ReturningToADeletedBlockReportsTheWrongIp)
{
    write("bos.vnp", {{"START"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "bos"}, {"STOP"}});
    ASSERT_TRUE(h.loadFile(folder.path("main.vnp")));
    // An unsaved edit puts a block after the call; the file on disk does not have it.
    h.project.theLineCollection().Remove(2);
    const QString added = h.chart.add("OUTPUT", "eklendi");
    h.chart.link("id2", added);
    h.chart.link(added, "id3");
    ASSERT_EQ(added, QStringLiteral("id4"));
    h.run();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral(
                              "Çağıran fonksiyona dönülemiyor\r\nYığın dönüş için yanlış IP bilgisi içeriyor: id4")});
    EXPECT_TRUE(h.ended());
    EXPECT_TRUE(h.rows.isEmpty());
    EXPECT_FALSE(h.runtime.run.completedNormally());
    EXPECT_EQ(h.host.confirmations, 1);
}

TEST_F(FunctionCallsTest, ReturningToAFileThatIsGoneReportsTheWrongCs)
{
    write("bos.vnp", {{"START"}, {"STOP"}});
    h.chart.chain({{"START"}, {"FUNCTION", "bos"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.project.setProjectPath(folder.path("gitti.vnp"));
    h.project.setProjectFolder(folder.folder());
    h.run();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral(
                              "Çağıran fonksiyona dönülemiyor\r\nYığın dönüş için yanlış CS bilgisi içeriyor: gitti.vnp")});
    EXPECT_TRUE(h.ended());
    EXPECT_TRUE(h.rows.isEmpty());
}

TEST_F(FunctionCallsTest, AnUntitledCallerIsNotReloadedFromItsFolder)
{
    write("bos.vnp", {{"START"}, {"STOP"}});
    h.chart.chain({{"START"}, {"FUNCTION", "bos"}, {"OUTPUT", "sonra"}, {"STOP"}});
    h.project.setProjectFolder(folder.folder());
    h.run();
    EXPECT_EQ(h.messages, QStringList{QStringLiteral(
                              "Çağıran fonksiyona dönülemiyor\r\nYığın dönüş için yanlış CS bilgisi içeriyor: ")});
    EXPECT_TRUE(h.ended());
    EXPECT_EQ(Paths::fileNameOf(h.project.projectPath()), QStringLiteral("bos.vnp"));
}

// What a FUNCTION block calls is decided once per version of the block.
TEST_F(FunctionCallsTest, AnEditedFunctionBlockCallsWhatItNamesNow)
{
    write("kare.vnp", {{"START"}, {"MULTIPLY", "PARAM", "PARAM", "RETURN"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "kare", "-3", "r"}, {"OUTPUT", "", "r"}, {"STOP"}});
    QThread::msleep(100); // settled: the caller comes back as the same blocks
    ASSERT_TRUE(h.loadFile(folder.path("main.vnp")));
    const struct {
        const char *name;
        const char *shown;
    } cases[] = {{"kare", "9"}, {"ABS", "3"}, {"kare", "9"}};
    for (const auto &c : cases) {
        h.project.theBlockCollection().item(QStringLiteral("id2"))->setZParam1(QString::fromUtf8(c.name));
        h.rows.clear();
        h.run();
        EXPECT_EQ(h.messages, QStringList()) << c.name;
        EXPECT_EQ(h.rows, QStringList{QString::fromUtf8(c.shown)}) << c.name;
    }
}

// Called charts are looked up in the folder of the chart on show, whichever was run before.
TEST_F(FunctionCallsTest, ChartsAreCalledFromTheFolderOfTheRunningChart)
{
    ChartFolder other;
    ASSERT_TRUE(other.isValid());
    write("f.vnp", {{"START"}, {"OUTPUT", "burada"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "f"}, {"STOP"}});
    ASSERT_TRUE(other.write("f.vnp", {{"START"}, {"OUTPUT", "orada"}, {"STOP"}}));
    ASSERT_TRUE(other.write("main.vnp", {{"START"}, {"FUNCTION", "f"}, {"STOP"}}));
    runMain();
    ASSERT_TRUE(h.loadFile(other.path("main.vnp")));
    h.run();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(h.rows, (QStringList{"burada", "orada"}));
}

// A chart in a subfolder calls charts of its own folder and returns to its caller in the
// caller's folder, even where the called chart's folder holds a file of the caller's name. The
// stack shows file names only.
TEST_F(FunctionCallsTest, ACallIntoAnotherFolderReturnsToTheCallersFolder)
{
    ASSERT_TRUE(QDir(folder.folder()).mkdir(QStringLiteral("alt")));
    write("alt/ic.vnp", {{"START"}, {"FUNCTION", "bekle", "PARAM"}, {"OUTPUT", "ic"}, {"STOP"}});
    write("alt/bekle.vnp", {{"START"}, {"INPUT", "?", "x"}, {"STOP"}});
    write("alt/main.vnp", {{"START"}, {"OUTPUT", "yanlış"}, {"OUTPUT", "yanlış"}, {"STOP"}});
    write("main.vnp", {{"START"}, {"FUNCTION", "alt/ic", "1"}, {"OUTPUT", "ana"}, {"STOP"}});
    QStringList callers;
    QTimer::singleShot(0, &h.project, [&] {
        const CallStack &stack = h.runtime.stack;
        callers << stack.valueAt(stack.SP() + 1) << stack.valueAt(stack.SP() + 6);
        h.runtime.console.processKey(13);
    });
    runMain();
    EXPECT_EQ(h.messages, QStringList());
    EXPECT_EQ(callers, (QStringList{"ic.vnp", "main.vnp"}));
    EXPECT_EQ(h.rows, (QStringList{"? >", "ic", "ana"}));
    EXPECT_EQ(h.project.projectPath(), folder.path("main.vnp"));
}

TEST(FunctionCallsPathTest, ChartPathPrefersTheExactNameThenAnyLetterCase)
{
    ChartFolder folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(folder.write("alt.vnp", {{"START"}, {"STOP"}}));
    EXPECT_EQ(FunctionCalls::chartPath(folder.folder(), "alt.vnp"), folder.path("alt.vnp"));
    EXPECT_EQ(FunctionCalls::chartPath(folder.folder(), "ALT.VNP"), folder.path("alt.vnp"));
    EXPECT_EQ(FunctionCalls::chartPath(folder.folder(), "yok.vnp"), folder.path("yok.vnp"));
}

} // namespace
