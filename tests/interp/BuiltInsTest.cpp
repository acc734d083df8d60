#include "interp/BuiltIns.h"

#include "interp/ConsoleScreen.h"
#include "interp/Numbers.h"
#include "interp/RunHost.h"
#include "interp/TextRules.h"
#include "interp/VariableStore.h"
#include "model/VarnelError.h"
#include "base/MessageLog.h"
#include "support/LocaleScope.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <set>

namespace {

using TestLocales::EnglishUS;
using TestLocales::Turkish;

// Records the console and file dialogs the built-ins ask for.
class DialogHost : public RunHost {
public:
    void showConsole(bool restore) override { consoleShown.push_back(restore); }
    QString fileDialog(const QString &folder, const QString &filter, const QString &defaultExtension) override
    {
        dialogs.push_back({folder, filter, defaultExtension});
        if (failDialog)
            throw std::runtime_error("no dialog");
        return chosenPath;
    }

    std::vector<bool> consoleShown;
    std::vector<QStringList> dialogs;
    QString chosenPath;
    bool failDialog = false;
};

struct Result {
    const char *name;
    const char *argument;
    const char *expected;
};

struct Failure {
    const char *name;
    const char *argument;
    int number;
    const char *source;
};

class BuiltInsTest : public ::testing::Test {
protected:
    BuiltInsTest() { Numbers::useLocale(Turkish); }
    ~BuiltInsTest() override { Numbers::useLocale(m_savedLocale); }

    // The result variable's text after the call.
    QString call(const QString &name, const QString &argument = QString())
    {
        EXPECT_TRUE(builtIns.callBuiltIn(name, argument, QStringLiteral("R"))) << name.toStdString();
        const int column = vars.findVar(QStringLiteral("R"));
        return column == -1 ? QStringLiteral("<none>") : vars.valueAt(column).text();
    }

    void expectResults(std::initializer_list<Result> cases)
    {
        for (const Result &c : cases)
            EXPECT_EQ(call(QString::fromUtf8(c.name), QString::fromUtf8(c.argument)).toStdString(), c.expected)
                << c.name << '(' << c.argument << ')';
    }

    // The error number a call raises, 0 when none.
    int errorOf(const QString &name, const QString &argument, QString *source = nullptr)
    {
        try {
            builtIns.callBuiltIn(name, argument, QStringLiteral("R"));
        } catch (const VarnelError &error) {
            if (source)
                *source = error.source();
            return error.number();
        }
        return 0;
    }

    void expectFailures(std::initializer_list<Failure> cases)
    {
        for (const Failure &c : cases) {
            QString source;
            EXPECT_EQ(errorOf(QString::fromUtf8(c.name), QString::fromUtf8(c.argument), &source), c.number)
                << c.name << '(' << c.argument << ')';
            EXPECT_EQ(source.toStdString(), c.source);
        }
    }

    QLocale m_savedLocale = Numbers::locale();
    MessageLog log;
    VariableStore vars{&log};
    ConsoleScreen console;
    DialogHost host;
    QString projectFolder;
    BuiltIns builtIns{vars, console, host, [this] { return projectFolder; }};
};

TEST_F(BuiltInsTest, NamesAreUpperCasedAndArgumentsResolved)
{
    vars.setVar("word", "\"abc\"");
    expectResults({
        {"len", "\"hello\"", "5"},     // the quotes are not counted
        {"Len", "word", "3"},          // a variable's value, then its quotes removed
        {"LEN", "\"\"\"\"", "2"},      // one pair only
        {"ısdate", "x", "False"},      // standard case mapping: dotless i becomes I
        {"pI", "\"", "3,14159265358979"}, // no argument taken, none resolved
        {"e", "not a number", "2,71828182845905"},
    });
    for (const QString &name : BuiltIns::namesWithoutArgument())
        EXPECT_EQ(errorOf(name, "\""), 0) << name.toStdString();
    Numbers::useLocale(EnglishUS);
    EXPECT_EQ(call("Pi"), "3.14159265358979");
}

TEST_F(BuiltInsTest, EmptyUnknownAndResultlessCalls)
{
    vars.setVar("R", "old");
    EXPECT_EQ(call("", "\""), "") << "the empty name is handled, with an empty result";
    EXPECT_TRUE(builtIns.callBuiltIn("SQR", "4", ""));
    EXPECT_FALSE(builtIns.callBuiltIn("MYFLOW", "\"", "X"));
    EXPECT_FALSE(builtIns.callBuiltIn(" PI", "", "X"));
    EXPECT_EQ(vars.findVar("X"), -1);
    EXPECT_EQ(vars.columnCount(), 3) << "header, RETURN and R only";
}

TEST_F(BuiltInsTest, KnowsAllFunctions)
{
    const QStringList names = QStringLiteral(
        "CLEAR,E,PI,ASC,CHR,HEX,OCT,ISDATE,ISNUMERIC,LTRIM,RTRIM,FACTORIAL,ABS,ATN,COS,EXP,INT,LN,LOG,RND,"
        "SGN,SIN,SQR,TAN,LEN,TRIM,LCASE,UCASE,SPACE,ROUND,DATE,TIME,NOW,YEAR,MONTH,DAY,HOUR,MINUTE,"
        "SECOND,WEEKDAY,FIX,FILEDIALOG,EXTRACTFILENAME").split(u',');
    EXPECT_EQ(names.size(), 43);
    for (const QString &name : names)
        EXPECT_TRUE(BuiltIns::isBuiltIn(name)) << name.toStdString();
    EXPECT_FALSE(BuiltIns::isBuiltIn("pi")) << "callers pass the upper-cased name";
    EXPECT_EQ(BuiltIns::namesWithoutArgument(), QStringList({"E", "PI", "DATE", "TIME", "NOW", "CLEAR"}));
}

TEST_F(BuiltInsTest, Numbers)
{
    expectResults({
        {"ABS", "-2,5", "2,5"},         {"SQR", "2", "1,4142135623731"}, {"LOG", "1000", "3"},
        {"ATN", "1", "0,785398163397448"}, {"INT", "-2,5", "-3"},        {"FIX", "-2,5", "-2"},
        {"FIX", "-0,5", "0"},           {"SGN", "-7", "-1"},             {"SGN", "1E-300", "1"},
        {"ROUND", "2,5", "2"},          {"ROUND", "3,5", "4"},           {"ROUND", "-2,5", "-2"},
        {"ROUND", "1E+20", "1E+20"},    {"FACTORIAL", "0", "1"},         {"FACTORIAL", "-3", "1"},
        {"FACTORIAL", "4,5", "24"},     {"FACTORIAL", "170", "7,25741561530799E+306"},
        {"HEX", "255", "FF"},           {"HEX", "-1", "FFFFFFFF"},       {"HEX", "2,5", "2"},
        {"HEX", "-2147483648", "80000000"}, {"OCT", "8", "10"},          {"OCT", "-1", "37777777777"},
    });
}

TEST_F(BuiltInsTest, RunTimeErrors)
{
    expectFailures({
        {"SQR", "-1", VarnelError::InvalidCall, "SQR"},
        {"LN", "0", VarnelError::InvalidCall, "LN"},
        {"LOG", "-5", VarnelError::InvalidCall, "LOG"},
        {"EXP", "1000", VarnelError::Overflow, "EXP"},
        {"ABS", "abc", VarnelError::TypeMismatch, "ABS"},
        {"COS", "", VarnelError::TypeMismatch, "COS"},
        {"SIN", "1.5", VarnelError::TypeMismatch, "SIN"}, // not the regional separator
        {"LEN", "\"", VarnelError::InvalidCall, "stripQuotes"},
        {"FACTORIAL", "171", VarnelError::Overflow, "FACTORIAL"},
        {"FACTORIAL", "40000", VarnelError::Overflow, "FACTORIAL"},
        {"HEX", "2147483648", VarnelError::Overflow, "HEX"},
        {"ASC", "", VarnelError::InvalidCall, "ASC"},
        {"CHR", "256", VarnelError::InvalidCall, "CHR"},
        {"CHR", "-1", VarnelError::InvalidCall, "CHR"},
        {"CHR", "1E+10", VarnelError::Overflow, "CHR"},
        {"SPACE", "-1", VarnelError::InvalidCall, "SPACE"},
        {"SPACE", "1E+9", 7, "SPACE"}, // out of memory rather than gigabytes of spaces
        {"RND", "x", VarnelError::TypeMismatch, "RND"},
        {"YEAR", "31.02.2025", VarnelError::TypeMismatch, "YEAR"},
        {"HOUR", "", VarnelError::TypeMismatch, "HOUR"},
    });
}

TEST_F(BuiltInsTest, SpaceMakesTextsUpToTheLimitOfEveryText)
{
    QString source;
    EXPECT_EQ(errorOf("SPACE", QString::number(TextRules::MaxLength)), 0);
    EXPECT_EQ(vars.getVar("R").size(), TextRules::MaxLength);
    EXPECT_EQ(errorOf("SPACE", QString::number(TextRules::MaxLength + 1), &source), 7);
    EXPECT_EQ(source, QStringLiteral("SPACE"));
}

TEST_F(BuiltInsTest, Texts)
{
    expectResults({
        {"UCASE", "istanbul ılık", "İSTANBUL ILIK"}, {"LCASE", "IŞIK İZMİR", "ışık izmir"},
        {"TRIM", "  a b  ", "a b"},   {"LTRIM", "\" a \"", "a "}, {"RTRIM", "\" a \"", " a"},
        {"TRIM", "\t a\t", "\t a\t"}, {"LEN", "ağaç", "4"},       {"LEN", "a\U0001F600", "2"},
        {"SPACE", "3", "   "},        {"ASC", "İstanbul", "221"}, {"ASC", "€", "128"},
        {"ASC", "中", "63"}, // a character the code page lacks reads as "?"
        {"CHR", "253", "ı"},          {"CHR", "65,5", "B"},       {"CHR", "66,5", "B"},
        {"EXTRACTFILENAME", "/home/ali/a.vnp", "a.vnp"}, {"EXTRACTFILENAME", "C:\\Resim\\b.gif", "b.gif"},
        {"EXTRACTFILENAME", "c.gif", "c.gif"},
        {"ISNUMERIC", " -3,5 ", "True"}, {"ISNUMERIC", "12.5", "False"}, {"ISNUMERIC", "", "False"},
    });
}

TEST_F(BuiltInsTest, ChrAndAscFollowWindows1254)
{
    QStringDecoder decoder("windows-1254");
    for (int code = 0; code < 256; ++code) {
        const QString character = call("CHR", Numbers::formatInt(code));
        if (code != '"') {
            ASSERT_EQ(call("ASC", character), Numbers::formatInt(code));
        }
        if (decoder.isValid()) {
            const char byte = char(code);
            ASSERT_EQ(character, decoder.decode(QByteArrayView(&byte, 1))) << code;
        }
    }
}

TEST_F(BuiltInsTest, Dates)
{
    expectResults({
        {"WEEKDAY", "5.01.2025", "7"}, {"WEEKDAY", "6.1.2025", "1"}, {"WEEKDAY", "2025-01-05", "7"},
        {"YEAR", "25.12.2024 14:30:15", "2024"}, {"MONTH", "25.12.2024 14:30:15", "12"},
        {"DAY", "25.12.2024 14:30:15", "25"},    {"HOUR", "25.12.2024 14:30:15", "14"},
        {"MINUTE", "25.12.2024 14:30:15", "30"}, {"SECOND", "25.12.2024 14:30:15", "15"},
        {"HOUR", "\"9:05\"", "9"},   {"HOUR", "5.01.2025", "0"},
        {"YEAR", "14:30", "1899"}, // a time alone falls on the first serial day
        {"YEAR", "5.1.25", "2025"},  {"YEAR", "5.1.45", "1945"},
        {"ISDATE", " 5.01.2025 23:59 ", "True"}, {"ISDATE", "29.02.2023", "False"},
        {"ISDATE", "25:00", "False"}, {"ISDATE", "12", "False"},
    });
    Numbers::useLocale(EnglishUS);
    expectResults({
        {"DAY", "1/5/2025", "5"}, {"YEAR", "1/5/25", "2025"}, {"HOUR", "1/5/2025 2:30 PM", "14"},
        {"SECOND", "2:30:09 PM", "9"}, {"ISDATE", "5.01.2025", "False"},
    });
}

// The clock moves, so each check accepts the day before and after the calls.
TEST_F(BuiltInsTest, ClockTextsReadBack)
{
    for (const QLocale &locale : {Turkish, EnglishUS, QLocale(QLocale::German, QLocale::Germany)}) {
        Numbers::useLocale(locale);
        const QDate before = QDate::currentDate();
        const QString date = call("DATE");
        const QString now = call("NOW");
        const QString time = call("TIME");
        const QDate after = QDate::currentDate();
        EXPECT_TRUE(date.endsWith(QString::number(before.year())) || before != after) << "four-digit year";
        for (const QString &text : {date, now}) {
            const int day = call("DAY", text).toInt();
            EXPECT_TRUE(day == before.day() || day == after.day()) << text.toStdString();
        }
        EXPECT_TRUE(now.startsWith(date + u' ') || before != after) << now.toStdString();
        EXPECT_EQ(call("YEAR", time), "1899") << time.toStdString();
    }
}

TEST_F(BuiltInsTest, RandomNumbersRepeatEveryStart)
{
    std::set<QString> seen;
    QStringList first;
    for (int i = 0; i < 600; ++i) {
        first.append(call("RND", "6"));
        seen.insert(first.back());
    }
    EXPECT_EQ(seen, (std::set<QString>{"1", "2", "3", "4", "5", "6"}));
    BuiltIns another(vars, console, host, [] { return QString(); });
    for (const QString &expected : first) {
        ASSERT_TRUE(another.callBuiltIn("RND", "6", "R"));
        ASSERT_EQ(vars.getVar("R"), expected);
    }
    EXPECT_EQ(call("RND", "1"), "1");
}

TEST_F(BuiltInsTest, ClearShowsAndClearsTheConsole)
{
    console.printLine("merhaba");
    EXPECT_EQ(call("CLEAR", "ignored"), "");
    EXPECT_EQ(host.consoleShown, std::vector<bool>{false});
    EXPECT_EQ(console.line(0), "");
    EXPECT_EQ(console.currentLine(), 0);
}

TEST_F(BuiltInsTest, FileDialog)
{
    projectFolder = "/home/ali/odev/";
    host.chosenPath = "/home/ali/odev/kedi.gif";
    EXPECT_EQ(call("FILEDIALOG", "\"gif, bmp\""), "/home/ali/odev/kedi.gif");
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0], QStringList({"/home/ali/odev/", "gif, bmp files|*.gif;*.bmp", "gif"}));

    projectFolder.clear();
    host.chosenPath.clear();
    EXPECT_EQ(call("FILEDIALOG", ""), "") << "cancelled";
    EXPECT_EQ(host.dialogs[1], QStringList({QCoreApplication::applicationDirPath(), "", "gif"}));

    host.failDialog = true;
    EXPECT_EQ(call("FILEDIALOG", "png"), "") << "a dialog that fails gives the empty text";

    EXPECT_EQ(BuiltIns::buildFileFilter(" png "), "png files|*.png");
    EXPECT_EQ(BuiltIns::buildFileFilter("gif, ,bmp"), "gif files|*.gif");
    EXPECT_EQ(BuiltIns::buildFileFilter(",gif"), "");
}

} // namespace
