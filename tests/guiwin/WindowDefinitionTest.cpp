#include "guiwin/WindowDefinition.h"

#include <gtest/gtest.h>

namespace {
GuiObjectRecord button()
{
    return {"BUTTON", "b1", "OK", 240, 360, 1215, 495, "kaydet", ""};
}
}

TEST(WindowDefinition, ReadsTheThreeParameters)
{
    const WindowDefinition d = WindowDefinition::fromParams("4800|3000|", "BUTTON|b1|OK|240|360|1215|495|kaydet||",
                                                            "hazirla||");
    EXPECT_EQ(d.width, 4800);
    EXPECT_EQ(d.height, 3000);
    ASSERT_EQ(d.objects.size(), 1);
    EXPECT_EQ(d.objects[0], button());
    EXPECT_EQ(d.onLoad, "hazirla");
    EXPECT_EQ(d.onResize, "");
}

TEST(WindowDefinition, ObjectRecordsAsTable)
{
    struct Case {
        const char *name;
        QString records;
        QList<GuiObjectRecord> expected;
    } cases[] = {
        {"empty", "", {}},
        {"first field empty", "|b1|OK|", {}},
        {"closing separator missing",
         "TBOX|t|x|1|2|3|4|f|g",
         {{"TBOX", "t", "x", 1, 2, 3, 4, "f", ""}}},
        {"numbers by the number rule",
         "PIC|p|text|12.6abc|2.5||-3|||",
         {{"PIC", "p", "text", 13, 2, 0, -3, "", ""}}},
        {"ends early", "TAREA|a|", {{"TAREA", "a", "", 0, 0, 0, 0, "", ""}}},
        {"unknown kind keeps its place",
         "KNOB|k|t|1|1|1|1|||BUTTON|b1|OK|240|360|1215|495|kaydet||",
         {{"KNOB", "k", "t", 1, 1, 1, 1, "", ""}, button()}},
        {"text with CR LF", "TAREA|a|x\r\ny|0|0|0|0|||", {{"TAREA", "a", "x\r\ny", 0, 0, 0, 0, "", ""}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WindowDefinition::parseObjects(c.records), c.expected) << c.name;
}

TEST(WindowDefinition, WritesRecordsSkippingDeletedObjects)
{
    WindowDefinition d;
    d.width = 4365;
    d.height = 3585;
    d.objects = {button(), {"TAREA", "<DELETED>", "x", 1, 2, 3, 4, "", ""}, {"PIC", "p", "", -5, 0, 10, 20, "", "sag"}};
    d.onResize = "boyut";
    EXPECT_EQ(d.sizeRecord(), "4365|3585|");
    EXPECT_EQ(d.objectRecords(), "BUTTON|b1|OK|240|360|1215|495|kaydet||PIC|p||-5|0|10|20||sag|");
    EXPECT_EQ(d.eventRecord(), "|boyut|");
}

TEST(WindowDefinition, WrittenRecordsReadBackUnchanged)
{
    WindowDefinition d;
    d.width = 100;
    d.height = 200;
    d.objects = {button(), {"TBOX", "ş", "çğ", 0, -1, 32767, -32768, "a", "b"}};
    d.onLoad = "yukle";
    EXPECT_EQ(WindowDefinition::fromParams(d.sizeRecord(), d.objectRecords(), d.eventRecord()), d);
}
