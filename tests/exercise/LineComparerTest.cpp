#include "exercise/LineComparer.h"

#include <gtest/gtest.h>

namespace {

struct CompareCase {
    CompareMode mode;
    const char *expected;
    const char *got;
    bool equal;
};

class LineComparerModeTest : public ::testing::TestWithParam<CompareCase> {};

TEST_P(LineComparerModeTest, ComparesOneLine)
{
    const CompareCase &c = GetParam();
    const LineComparer comparer(c.mode, QLocale(QStringLiteral("tr_TR")));
    EXPECT_EQ(comparer.equal(QString::fromUtf8(c.expected), QString::fromUtf8(c.got)), c.equal)
        << LineComparer::nameOf(c.mode).toStdString() << ": \"" << c.expected << "\" / \"" << c.got << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Modes, LineComparerModeTest,
    ::testing::Values(
        CompareCase{CompareMode::Exact, "Toplam = 15", "Toplam = 15", true},
        CompareCase{CompareMode::Exact, "Toplam = 15", "Toplam = 15 ", false},
        CompareCase{CompareMode::Exact, "Toplam = 15", "toplam = 15", false},
        CompareCase{CompareMode::Trim, "Toplam = 15", "  Toplam = 15\t", true},
        CompareCase{CompareMode::Trim, "Toplam = 15", "Toplam  = 15", false},
        CompareCase{CompareMode::Trim, "Toplam = 15", "TOPLAM = 15", false},
        CompareCase{CompareMode::NoCase, "Toplam = 15", " TOPLAM = 15 ", true},
        // Turkish letters pair as Turkish does: I with ı, İ with i.
        CompareCase{CompareMode::NoCase, "ılık İzmir", "ILIK İZMİR", true},
        CompareCase{CompareMode::NoCase, "ilik", "ILIK", false},
        CompareCase{CompareMode::NoCase, "Toplam = 15", "Toplam = 16", false},
        CompareCase{CompareMode::Numbers, "Ortalama = 2.5", "Ortalama = 2,5", true},
        CompareCase{CompareMode::Numbers, "Ortalama = 2,5", " Ortalama = 2.50000000001 ", true},
        CompareCase{CompareMode::Numbers, "x = 0.1", "x = 0,1000001", false},
        CompareCase{CompareMode::Numbers, "Toplam = 5000050000", "Toplam = 5,00005E+09", true},
        CompareCase{CompareMode::Numbers, "Toplam = 5000050000", "Toplam = 5000050001", true},
        CompareCase{CompareMode::Numbers, "Toplam = 5000050000", "Toplam = 5000060000", false},
        CompareCase{CompareMode::Numbers, "-3 ve 4", "-3,0 ve 4.0", true},
        CompareCase{CompareMode::Numbers, "-3 ve 4", "3 ve 4", false},
        CompareCase{CompareMode::Numbers, "5-3", "5 - 3", false},
        CompareCase{CompareMode::Numbers, "a=1 b=2", "a=1 c=2", false},
        CompareCase{CompareMode::Numbers, "a=1 b=2", "a=1 b=2 3", false},
        CompareCase{CompareMode::Numbers, "sonuç: 1e400", "sonuç: 1e400", true},
        CompareCase{CompareMode::Numbers, "sonuç: 1e400", "sonuç: 2e400", false},
        CompareCase{CompareMode::Numbers, "yok", "yok", true}));

TEST(LineComparerTest, FirstDifferenceNamesTheLineAndBothSides)
{
    const LineComparer comparer(CompareMode::Exact, QLocale::c());
    const QStringList expected{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    EXPECT_FALSE(comparer.firstDifference(expected, expected));

    const std::optional<OutputDifference> changed =
        comparer.firstDifference(expected, {QStringLiteral("a"), QStringLiteral("x"), QStringLiteral("y")});
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->line, 2);
    EXPECT_EQ(changed->text(), QStringLiteral("satır 2: beklenen \"b\", gelen \"x\""));

    const std::optional<OutputDifference> shorter = comparer.firstDifference(expected, {QStringLiteral("a")});
    ASSERT_TRUE(shorter);
    EXPECT_EQ(shorter->line, 2);
    EXPECT_FALSE(shorter->got);
    EXPECT_EQ(shorter->text(), QStringLiteral("satır 2: beklenen \"b\", çıktıda satır yok"));

    const std::optional<OutputDifference> longer =
        comparer.firstDifference(expected, expected + QStringList{QStringLiteral("d")});
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->line, 4);
    EXPECT_FALSE(longer->expected);
    EXPECT_EQ(longer->text(), QStringLiteral("satır 4: beklenmeyen satır \"d\""));
}

TEST(LineComparerTest, ModesAreNamedAsTheFileNamesThem)
{
    for (const CompareMode mode : {CompareMode::Exact, CompareMode::Trim, CompareMode::NoCase, CompareMode::Numbers})
        EXPECT_EQ(LineComparer::modeNamed(LineComparer::nameOf(mode)), mode);
    EXPECT_FALSE(LineComparer::modeNamed(QStringLiteral("EXACT")));
    EXPECT_FALSE(LineComparer::modeNamed(QString()));
}

} // namespace
