#include "guiwin/JavaNames.h"

#include <gtest/gtest.h>

namespace {

TEST(JavaNames, NamesThatAreNotIdentifiersBecomeOnes)
{
    const struct {
        QString name;
        QString identifier;
    } cases[] = {
        {"b1", "b1"},
        {"çıkışDüğmesi", "çıkışDüğmesi"},
        {"_x", "_x"},
        {"a b", "a_b"},
        {"1b", "_1b"},
        {"", "nesne"},
        {"_", "__"},
        {"class", "class_"},
        {"null", "null_"},
        {"pMain", "pMain_"},
        {"System", "System_"},
        {"b$", "b_"},
        {"a.b", "a_b"},
        {"b1; static { Runtime.getRuntime().exec(\"rm\"); } JButton b2",
         "b1__static___Runtime_getRuntime___exec__rm______JButton_b2"},
        {"b1\r\n}\r\nclass X {", "b1_____class_X__"},
        {"ab\\u0022", "ab_u0022"},
        {QString::fromUtf16(u"a😀"), "a__"},
        {QString::fromUtf16(u"x\u200Bz"), "x_z"},
        {QString::fromUtf16(u"αβ"), "__"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(JavaNames::identifiers({c.name}), QStringList{c.identifier}) << c.name.toStdString();
        EXPECT_TRUE(JavaNames::isIdentifier(c.identifier)) << c.identifier.toStdString();
        EXPECT_FALSE(JavaNames::isReserved(c.identifier)) << c.identifier.toStdString();
    }
}

TEST(JavaNames, NamesThatMeetAreKeptApart)
{
    // A name that is fine keeps itself even when a changed one before it would come out alike.
    EXPECT_EQ(JavaNames::identifiers({"a b", "a_b", "a b", "a_b_2"}),
              (QStringList{"a_b_3", "a_b", "a_b_4", "a_b_2"}));
    // Duplicates from a hand-edited file; Java tells letter case apart, so b1 and B1 may stay.
    EXPECT_EQ(JavaNames::identifiers({"b1", "b1", "B1"}), (QStringList{"b1", "b1_2", "B1"}));
    EXPECT_EQ(JavaNames::identifiers({"", "", "nesne"}), (QStringList{"nesne_2", "nesne_3", "nesne"}));
}

} // namespace
