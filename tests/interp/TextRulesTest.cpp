#include "interp/TextRules.h"

#include "model/VarnelError.h"

#include <gtest/gtest.h>

namespace {

TEST(TextRulesTest, StripQuotesRemovesOnePairOnly)
{
    EXPECT_EQ(TextRules::stripQuotes(""), "");
    EXPECT_EQ(TextRules::stripQuotes("\"abc\""), "abc");
    EXPECT_EQ(TextRules::stripQuotes("\"\""), "");
    EXPECT_EQ(TextRules::stripQuotes("\"\"x\"\""), "\"x\"");
    EXPECT_EQ(TextRules::stripQuotes("\"abc"), "\"abc");
    EXPECT_EQ(TextRules::stripQuotes(" \"a\" "), " \"a\" ");
    try {
        TextRules::stripQuotes("\"");
        FAIL() << "a lone quote is an invalid argument";
    } catch (const VarnelError &error) {
        EXPECT_EQ(error.number(), VarnelError::InvalidCall);
        EXPECT_EQ(error.source(), "stripQuotes");
    }
}

TEST(TextRulesTest, ListItemsAreTrimmedAndEndAtTheFirstEmptyItem)
{
    EXPECT_EQ(TextRules::listItems("a, b ,c"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(TextRules::listItems("a, ,c"), QStringList({"a"}));
    EXPECT_EQ(TextRules::listItems("a,"), QStringList({"a"}));
    EXPECT_TRUE(TextRules::listItems("").isEmpty());
    EXPECT_TRUE(TextRules::listItems("  ,a").isEmpty());
    EXPECT_EQ(TextRules::listItems("\tx "), QStringList({"\tx"})) << "only spaces are trimmed";
}

} // namespace
