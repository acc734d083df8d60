#include "interp/Numbers.h"
#include "support/LocaleScope.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using TestLocales::EnglishUS;
using TestLocales::Turkish;

class NumbersTest : public ::testing::Test {
protected:
    void TearDown() override { Numbers::useLocale(m_saved); }

    // What QLocale writes, in the spelling Varnel uses: no grouping, a capital E.
    static QString reference(const QLocale &locale, double value)
    {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(value, 'g', 15).replace(u'e', u'E');
    }

    // True when the value lies exactly halfway between two 15-digit numbers. There the std
    // routines round to even, as printf does, while QLocale rounds away from zero.
    static bool isExactTie(double value)
    {
        char digits[64];
        const auto end = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                       std::chars_format::scientific, 40).ptr;
        const std::string exact(digits, std::find(digits, end, 'e'));
        // "d.ddd…": the 16th significant digit sits at index 16.
        return exact[16] == '5' && exact.find_first_not_of('0', 17) == std::string::npos;
    }

    static std::vector<double> sampleValues()
    {
        std::vector<double> values{0.5, 1.0 / 3, 2.0 / 3, 0.1 + 0.2, 1e15, 1e15 - 1, 123456789012345.0,
                                   999999999999999.0, 1e-4, 1e-5, 0.00012345, 1.5e300, 4.9e-324,
                                   2.2250738585072014e-308, 1.7976931348623157e308, 12345.678};
        std::mt19937_64 generator(42);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> exponent(-25, 25);
        for (int i = 0; i < 3000; ++i) {
            const double v = mantissa(generator) * std::pow(10.0, exponent(generator));
            values.push_back(i % 2 ? -v : v);
            values.push_back(std::round(v)); // whole numbers
        }
        for (int e = -20; e <= 20; ++e)
            values.push_back(std::pow(10.0, e));
        return values;
    }

private:
    QLocale m_saved = Numbers::locale();
};

TEST_F(NumbersTest, FormatMatchesQLocaleGeneralFormat)
{
    for (const QLocale &locale : {QLocale::c(), EnglishUS, Turkish}) {
        Numbers::useLocale(locale);
        for (double value : sampleValues()) {
            if (!isExactTie(value)) {
                ASSERT_EQ(Numbers::format(value), reference(locale, value)) << locale.name().toStdString() << ' ' << value;
            }
        }
    }
}

TEST_F(NumbersTest, ExactTiesRoundToEven)
{
    Numbers::useLocale(EnglishUS);
    ASSERT_TRUE(isExactTie(8023283290563125.0));
    EXPECT_EQ(Numbers::format(8023283290563125.0), "8.02328329056312E+15");
    EXPECT_EQ(Numbers::format(8023283290563135.0), "8.02328329056314E+15");
    EXPECT_EQ(Numbers::format(123456789012344.5), "123456789012344");
    EXPECT_EQ(Numbers::format(-123456789012345.5), "-123456789012346");
}

TEST_F(NumbersTest, FormatSpellings)
{
    Numbers::useLocale(EnglishUS);
    EXPECT_EQ(Numbers::format(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(Numbers::format(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(Numbers::format(1e15), "1E+15");
    EXPECT_EQ(Numbers::format(1e100), "1E+100");
    EXPECT_EQ(Numbers::format(-2.5e-7), "-2.5E-07");
    EXPECT_EQ(Numbers::format(0.0001), "0.0001");
    EXPECT_EQ(Numbers::format(0.00001), "1E-05");
    EXPECT_EQ(Numbers::format(123456789012345.0), "123456789012345");
    EXPECT_EQ(Numbers::format(5.0), "5");
    EXPECT_EQ(Numbers::format(-0.0), "0");
    EXPECT_EQ(Numbers::format(-1e-320 * 1e-10), "0");
    Numbers::useLocale(Turkish);
    EXPECT_EQ(Numbers::format(0.25), "0,25");
    EXPECT_EQ(Numbers::format(-1.5e-20), "-1,5E-20");
    EXPECT_EQ(Numbers::format(1234567.5), "1234567,5");
}

TEST_F(NumbersTest, FormattedTextReadsBackAsQLocaleReadsIt)
{
    for (const QLocale &locale : {QLocale::c(), EnglishUS, Turkish}) {
        Numbers::useLocale(locale);
        for (double value : sampleValues()) {
            const QString text = Numbers::format(value);
            double parsed = 0;
            bool ok = false;
            const double expected = locale.toDouble(text, &ok);
            // Rounded to 15 digits, the largest doubles overflow: neither reads them back.
            ASSERT_EQ(Numbers::parse(text, parsed), ok) << text.toStdString();
            if (ok) {
                ASSERT_EQ(parsed, expected) << text.toStdString();
                ASSERT_EQ(Numbers::format(parsed), text);
            }
        }
    }
}

TEST_F(NumbersTest, ParseAcceptsWhatQLocaleAccepts)
{
    const QStringList englishTexts{"2", " 12.5 ", "\t3\t", "+1.5", "-0.5", ".5", "5.", "1e5", "1E-5",
                                   "-.5e-3", "007", "1.25E+300", "0.000000000000000000001"};
    const QStringList turkishTexts{"12,5", " -0,25", "+3,", ",75", "2,5e3", "1E-05"};
    for (const auto &[locale, texts] : {std::pair{EnglishUS, englishTexts}, std::pair{Turkish, turkishTexts}}) {
        Numbers::useLocale(locale);
        for (const QString &text : texts) {
            double parsed = 0;
            bool ok = false;
            const double expected = locale.toDouble(text, &ok);
            ASSERT_TRUE(ok) << text.toStdString();
            ASSERT_TRUE(Numbers::parse(text, parsed)) << text.toStdString();
            EXPECT_EQ(parsed, expected) << text.toStdString();
        }
    }
}

TEST_F(NumbersTest, ParseRejectsOtherSpellings)
{
    const QStringList common{"", " ", "+", "-", "e5", "1e", "1e+", "--1", "+-1", "1 000", "inf", "-inf",
                             "nan", "Infinity", "0x10", "&H10", "1e400", "1e-400", "12a", "\u0661",
                             "\uFF15", "1e5.5"};
    Numbers::useLocale(EnglishUS);
    double value = 7;
    for (const QString &text : common + QStringList{".", "1,000.5", "1,5", "1.5.5"})
        EXPECT_FALSE(Numbers::parse(text, value)) << text.toStdString();
    Numbers::useLocale(Turkish);
    for (const QString &text : common + QStringList{",", "1.000,5", "1.5", "1,5,5"})
        EXPECT_FALSE(Numbers::parse(text, value)) << text.toStdString();
    EXPECT_EQ(value, 7) << "a failed parse leaves the output alone";
}

TEST_F(NumbersTest, FormatIntIsPlainDecimal)
{
    Numbers::useLocale(Turkish);
    EXPECT_EQ(Numbers::formatInt(-1234567), "-1234567");
    EXPECT_EQ(Numbers::formatInt(std::numeric_limits<qint64>::min()), "-9223372036854775808");
}

} // namespace
