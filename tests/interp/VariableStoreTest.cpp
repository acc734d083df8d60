#include "interp/Numbers.h"
#include "interp/Value.h"
#include "interp/VariableStore.h"
#include "base/MessageLog.h"

#include "interp/ChartBuilder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using TestLocales::EnglishUS;
using TestLocales::Turkish;

using ChartTest::LocaleScope;

class VariableStoreTest : public ::testing::Test {
protected:
    LocaleScope locale{EnglishUS};
    MessageLog log;
    VariableStore vars{&log};
};

TEST_F(VariableStoreTest, ClearedStoreHoldsOnlyAnEmptyReturn)
{
    auto expectCleared = [this] {
        ASSERT_EQ(vars.columnCount(), 2);
        EXPECT_EQ(vars.nameAt(0), QString());
        EXPECT_EQ(vars.nameAt(1), QStringLiteral("RETURN"));
        EXPECT_EQ(vars.getVar(QStringLiteral("RETURN")), QString());
        EXPECT_EQ(vars.getVar(QStringLiteral("return")), QString());
        EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("Toplam")), QStringLiteral("Toplam"));
        EXPECT_EQ(log.text(), QString());
    };
    expectCleared();

    vars.setVar(QStringLiteral("a"), QStringLiteral("1"));
    vars.setVar(QStringLiteral("RETURN"), QStringLiteral("9"));
    vars.setVar(QString(), QStringLiteral("header"));
    vars.clearVars();
    expectCleared();
    EXPECT_EQ(vars.getVar(QString()), QString()) << "the header cell is cleared too";
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("a")), QStringLiteral("a"));
}

TEST_F(VariableStoreTest, NamesIgnoreCaseAndKeepTheSpellingThatCreatedThem)
{
    vars.setVar(QStringLiteral("Toplam"), QStringLiteral("5"));
    EXPECT_EQ(vars.getVar(QStringLiteral("TOPLAM")), QStringLiteral("5"));
    vars.setVar(QStringLiteral("toplam"), QStringLiteral("6"));
    ASSERT_EQ(vars.columnCount(), 3);
    EXPECT_EQ(vars.nameAt(2), QStringLiteral("Toplam"));
    EXPECT_EQ(vars.getVar(QStringLiteral("tOPLAM")), QStringLiteral("6"));

    // Nothing is trimmed: a name with blanks is a name of its own.
    vars.setVar(QStringLiteral(" Toplam "), QStringLiteral("7"));
    EXPECT_EQ(vars.columnCount(), 4);
    EXPECT_EQ(vars.getVar(QStringLiteral("Toplam")), QStringLiteral("6"));
    EXPECT_EQ(log.text(), QString());
}

TEST(VariableStoreLocaleTest, TurkishDottedAndDotlessLettersPairByTheRegionalSettings)
{
    LocaleScope locale(Turkish);
    MessageLog log;
    VariableStore vars(&log);

    vars.setVar(QStringLiteral("ılık"), QStringLiteral("1"));
    vars.setVar(QStringLiteral("İnce"), QStringLiteral("2"));
    EXPECT_EQ(vars.getVar(QStringLiteral("ILIK")), QStringLiteral("1"));
    EXPECT_EQ(vars.getVar(QStringLiteral("ince")), QStringLiteral("2"));
    EXPECT_EQ(vars.getVar(QStringLiteral("İNCE")), QStringLiteral("2"));
    // In Turkish the capital of i is İ and the capital of ı is I: these are other names.
    EXPECT_EQ(vars.findVar(QStringLiteral("ilik")), -1);
    EXPECT_EQ(vars.findVar(QStringLiteral("INCE")), -1);
    EXPECT_EQ(log.text(), QString());
    EXPECT_EQ(vars.columnCount(), 4);
}

TEST(VariableStoreLocaleTest, EnglishSettingsPairPlainIAndDottedLettersAsUsual)
{
    LocaleScope locale(EnglishUS);
    MessageLog log;
    VariableStore vars(&log);

    vars.setVar(QStringLiteral("Index"), QStringLiteral("3"));
    EXPECT_EQ(vars.getVar(QStringLiteral("INDEX")), QStringLiteral("3"));
    EXPECT_EQ(vars.getVar(QStringLiteral("index")), QStringLiteral("3"));
    EXPECT_EQ(log.text(), QString());
}

TEST_F(VariableStoreTest, EmptyNameFindsTheHeaderColumn)
{
    EXPECT_EQ(vars.findVar(QString()), 0);
    EXPECT_EQ(vars.getVar(QString()), QString());
    EXPECT_EQ(log.text(), QString()) << "the header column is found, so nothing is undefined";

    vars.setVar(QString(), QStringLiteral("h"));
    EXPECT_EQ(vars.columnCount(), 2) << "no column is added for the empty name";
    EXPECT_EQ(vars.nameAt(0), QString());
    EXPECT_EQ(vars.getVar(QString()), QStringLiteral("h"));
    EXPECT_EQ(vars.ifVarGetValue(QString()), QStringLiteral("h"));
}

TEST_F(VariableStoreTest, UndefinedVariableReadsAsZeroAfterAMessage)
{
    EXPECT_EQ(vars.getVar(QStringLiteral("x")), QStringLiteral("0"));
    EXPECT_EQ(log.text(), QStringLiteral("Değişken: x - tanımlanmamış!\r\n"));
    EXPECT_TRUE(log.messageBoxShown());
    EXPECT_EQ(vars.getVar(QStringLiteral("Sayı 2")), QStringLiteral("0"));
    EXPECT_EQ(log.text(), QStringLiteral("Değişken: x - tanımlanmamış!\r\nDeğişken: Sayı 2 - tanımlanmamış!\r\n"));
    EXPECT_EQ(vars.columnCount(), 2) << "reading does not create the variable";
}

TEST_F(VariableStoreTest, OperandIsTheVariableWhenOneIsNamedElseTheTextItself)
{
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("5")), QStringLiteral("5"));
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("\"a b\"")), QStringLiteral("\"a b\""));
    vars.setVar(QStringLiteral("5"), QStringLiteral("beş"));
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("5")), QStringLiteral("beş"));
    vars.setVar(QStringLiteral("x"), QStringLiteral("1"));
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral("X")), QStringLiteral("1"));
    EXPECT_EQ(vars.ifVarGetValue(QStringLiteral(" x")), QStringLiteral(" x"));
    EXPECT_EQ(log.text(), QString()) << "ifVarGetValue never reports anything";
}

TEST_F(VariableStoreTest, ValuesAreStoredAndReturnedExactly)
{
    const QStringList values{QStringLiteral("  iki  boşluk  "), QStringLiteral("\"tırnak\""),
                             QStringLiteral("\""), QStringLiteral("a \"b\" c"),
                             QStringLiteral("satır\r\nsatır"), QString(), QStringLiteral("0,5"),
                             QStringLiteral(" 12 ")};
    for (int i = 0; i < values.size(); ++i) {
        const QString name = QStringLiteral("v") + QString::number(i);
        vars.setVar(name, values[i]);
        EXPECT_EQ(vars.getVar(name), values[i]);
        EXPECT_EQ(vars.ifVarGetValue(name), values[i]);
    }
    EXPECT_EQ(log.text(), QString());
}

// Values: a number computed by arithmetic keeps its double beside a text that is written only
// when read. Whatever is kept, the program must see exactly what the text would give.
TEST(ValueTest, ComputedNumbersReadBackInTheGeneralFormat)
{
    LocaleScope locale(EnglishUS);
    EXPECT_EQ(Value::fromNumber(1.0 / 3).text(), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Value::fromNumber(0.1 + 0.2).text(), QStringLiteral("0.3"));
    EXPECT_EQ(Value::fromNumber(5).text(), QStringLiteral("5"));
    EXPECT_EQ(Value::fromNumber(-0.0).text(), QStringLiteral("0"));
    EXPECT_EQ(Value::fromNumber(-12).text(), QStringLiteral("-12"));
    EXPECT_EQ(Value::fromNumber(999999999999999.0).text(), QStringLiteral("999999999999999"));
    EXPECT_EQ(Value::fromNumber(1e15).text(), QStringLiteral("1E+15"));
    EXPECT_EQ(Value::fromNumber(1234567890123456.0).text(), QStringLiteral("1.23456789012346E+15"));

    LocaleScope turkish(Turkish);
    EXPECT_EQ(Value::fromNumber(2.5).text(), QStringLiteral("2,5"));
    EXPECT_EQ(Value::fromNumber(1.0 / 3).text(), QStringLiteral("0,333333333333333"));
}

TEST(ValueTest, TheKeptNumberIsWhatTheTextReadsAs)
{
    LocaleScope locale(EnglishUS);
    for (const double number : {1.0 / 3, 0.1 + 0.2, 2.0 / 3 * 1e20, 1234567890123456.0, 1e15, 7.0, -0.5,
                                12345.678901234567}) {
        const Value value = Value::fromNumber(number);
        double kept = 0;
        ASSERT_TRUE(value.toNumber(kept)) << number;
        double reread = 0;
        ASSERT_TRUE(Numbers::parse(value.text(), reread)) << value.text().toStdString();
        EXPECT_EQ(kept, reread) << value.text().toStdString();
    }
    double kept = 0;
    ASSERT_TRUE(Value::fromNumber(0.1 + 0.2).toNumber(kept));
    EXPECT_EQ(kept, 0.3);
}

TEST(ValueTest, TextIsReadAsANumberOnlyWhenItIsOne)
{
    LocaleScope locale(EnglishUS);
    double number = -1;
    EXPECT_TRUE(Value(QStringLiteral(" 12 ")).toNumber(number));
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(Value(QString()).toNumber(number));
    EXPECT_FALSE(Value(QStringLiteral("abc")).toNumber(number));
    EXPECT_FALSE(Value(QStringLiteral("\"5\"")).toNumber(number));
    EXPECT_FALSE(Value().toNumber(number));
}

TEST(ValueTest, AppendingTextDropsTheKeptNumber)
{
    LocaleScope locale(EnglishUS);
    Value computed = Value::fromNumber(5);
    computed.appendText(QStringLiteral("0"));
    EXPECT_EQ(computed.text(), QStringLiteral("50"));
    double number = 0;
    ASSERT_TRUE(computed.toNumber(number));
    EXPECT_EQ(number, 50);

    Value read(QStringLiteral("1"));
    ASSERT_TRUE(read.toNumber(number));
    read.appendText(QStringLiteral("a"));
    EXPECT_FALSE(read.toNumber(number));
    EXPECT_EQ(read.text(), QStringLiteral("1a"));
}

} // namespace
