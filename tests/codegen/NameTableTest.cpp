// Identifiers of generated programs: the student's names kept where the language allows them.
#include "codegen/NameTable.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    NameTable::Letters letters;
    const char16_t *spelling;
    const char *identifier;
};

class NameTableTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameTableTest, MakesAValidIdentifier)
{
    NameTable table(GetParam().letters);
    EXPECT_EQ(table.add(QStringLiteral("key"), QString::fromUtf16(GetParam().spelling)).toStdString(),
              GetParam().identifier);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, NameTableTest,
    ::testing::Values(NameCase{NameTable::AnyLetters, u"sayı", "sayı"},
                      NameCase{NameTable::AsciiLetters, u"sayı", "sayi"},
                      NameCase{NameTable::AsciiLetters, u"ÇĞİÖŞÜçğıöşü", "CGIOSUcgiosu"},
                      NameCase{NameTable::AnyLetters, u"ad soyad", "ad_soyad"},
                      NameCase{NameTable::AnyLetters, u"2. sayı", "v2__sayı"},
                      NameCase{NameTable::AnyLetters, u"", "adsiz"},
                      NameCase{NameTable::AsciiLetters, u"π", "_"}),
    [](const ::testing::TestParamInfo<NameCase> &info) { return "case" + std::to_string(info.index); });

TEST(NameTable, KeepsTwoNamesThatWouldMeetApart)
{
    NameTable table(NameTable::AsciiLetters);
    EXPECT_EQ(table.add(QStringLiteral("sayı"), QStringLiteral("sayı")), QStringLiteral("sayi"));
    EXPECT_EQ(table.add(QStringLiteral("sayi"), QStringLiteral("sayi")), QStringLiteral("sayi_2"));
    // The same key gives the same identifier again.
    EXPECT_EQ(table.add(QStringLiteral("sayı"), QStringLiteral("SAYI")), QStringLiteral("sayi"));
}

TEST(NameTable, NeverTakesAReservedWord)
{
    NameTable table(NameTable::AnyLetters);
    table.reserve(QStringLiteral("while"));
    EXPECT_EQ(table.add(QStringLiteral("while"), QStringLiteral("while")), QStringLiteral("while_2"));
    EXPECT_EQ(table.fresh(QStringLiteral("while")), QStringLiteral("while_3"));
}

} // namespace
