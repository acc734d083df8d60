// Recent-entry lists keep unique texts in the order they first arrived and start with the
// built-in function names.

#include "model/RecentList.h"

#include <gtest/gtest.h>

TEST(RecentList, AddsNewTextsAtTheEndOnce)
{
    RecentList list;
    for (const char *text : {"x", "y", "x", "X", "", "y", " x"})
        list.add(QString::fromLatin1(text));
    EXPECT_EQ(list.items(), (QStringList{"x", "y", "X", " x"}));
}

TEST(RecentList, StartsWithTheBuiltInFunctionsInOrder)
{
    const QStringList names = RecentList::withBuiltInFunctions().items();
    ASSERT_EQ(names.size(), 43);
    EXPECT_EQ(names.first(), QStringLiteral("E"));
    EXPECT_EQ(names.mid(1, 3), (QStringList{"Pi", "Abs", "Asc"}));
    EXPECT_EQ(names.mid(20, 2), (QStringList{"Factorial", "Len"}));
    EXPECT_EQ(names.mid(28, 3), (QStringList{"Date", "Time", "Now"}));
    EXPECT_EQ(names.last(), QStringLiteral("FileDialog"));
    EXPECT_EQ(names.indexOf(QStringLiteral("ExtractFileName")), 41);
}

TEST(RecentList, BuiltInNamesAreNotAddedTwice)
{
    RecentList list = RecentList::withBuiltInFunctions();
    list.add(QStringLiteral("Sin"));
    list.add(QStringLiteral("sin"));
    list.add(QStringLiteral("Topla"));
    EXPECT_EQ(list.items().size(), 45);
    EXPECT_EQ(list.items().mid(43), (QStringList{"sin", "Topla"}));
}
