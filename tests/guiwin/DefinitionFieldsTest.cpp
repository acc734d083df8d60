#include "guiwin/DefinitionFields.h"
#include "guiwin/TwipsScale.h"

#include <gtest/gtest.h>

using namespace DefinitionFields;

TEST(DefinitionFields, NextFieldTakesOneFieldOrNothing)
{
    struct Case {
        QString text;
        QString field;
        QString rest;
    } cases[] = {
        {"a|b|", "a", "b|"},
        {"|b|", "", "b|"},
        {"last", "", "last"}, // a final field without its separator is not read
        {"", "", ""},
        {"x||", "x", "|"},
    };
    for (Case c : cases) {
        QString text = c.text;
        EXPECT_EQ(nextField(text), c.field) << c.text.toStdString();
        EXPECT_EQ(text, c.rest) << c.text.toStdString();
    }
}

TEST(DefinitionFields, NumberIsTheLeadingDecimalNumber)
{
    struct Case {
        QString text;
        double value;
    } cases[] = {
        {"12.6abc", 12.6}, {"2.5", 2.5}, {"", 0}, {"abc", 0}, {"  \t42", 42}, {"-7", -7},
        {"1 2", 12}, {".5", 0.5}, {"3,5", 3}, {"1e3", 1000}, {"2e", 2}, {"-", 0}, {"+.", 0},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(number(c.text), c.value) << c.text.toStdString();
}

TEST(DefinitionFields, ToInt16RoundsHalvesToEvenAndStaysInRange)
{
    struct Case {
        double value;
        int expected;
    } cases[] = {
        {12.6, 13}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.49, 0}, {40000, 32767}, {-40000, -32768},
    };
    for (const Case &c : cases)
        EXPECT_EQ(toInt16(c.value), c.expected) << c.value;
}

TEST(TwipsScale, FollowsTheLogicalDpi)
{
    const TwipsScale normal(96, 96);
    EXPECT_DOUBLE_EQ(normal.twipsPerPixelX(), 15);
    EXPECT_EQ(normal.toPixelsX(240), 16);
    EXPECT_EQ(normal.toPixelsY(1215), 81);
    EXPECT_EQ(normal.toTwipsX(16), 240);
    const TwipsScale doubled(192, 192);
    EXPECT_DOUBLE_EQ(doubled.twipsPerPixelY(), 7.5);
    EXPECT_EQ(doubled.toPixelsX(240), 32);
    EXPECT_EQ(doubled.toPixelsY(4365), 582);
    EXPECT_EQ(doubled.toTwipsY(1), 8); // 7.5, halves to even
    EXPECT_EQ(doubled.toTwipsX(3), 22); // 22.5
}
