// The edit command picks a dialog, or a message, by the exact action code of the selected block.

#include "model/EditDispatch.h"

#include <gtest/gtest.h>

using Dialog = EditDispatch::Dialog;

TEST(EditDispatch, NoSelectionIsReported)
{
    const EditDispatch d = EditDispatch::forSelection(false, QStringLiteral("ADD"));
    EXPECT_EQ(d.dialog, Dialog::None);
    EXPECT_EQ(d.message.turkish(), QStringLiteral("Nesne seçilmemiş!"));
}

TEST(EditDispatch, EachEditableCodeOpensItsDialog)
{
    const struct {
        const char *code;
        Dialog dialog;
    } cases[] = {
        {"START", Dialog::General},         {"DEFINITION", Dialog::Action},
        {"ADD", Dialog::Action},            {"SUBTRACT", Dialog::Action},
        {"MULTIPLY", Dialog::Action},       {"DIVIDE", Dialog::Action},
        {"DIVINT", Dialog::Action},         {"MODULE", Dialog::Action},
        {"POWER", Dialog::Action},          {"PERCENT", Dialog::Action},
        {"JOIN", Dialog::Action},           {"COMP", Dialog::Action},
        {"SQL", Dialog::Action},            {"INPUT", Dialog::Input},
        {"OUTPUT", Dialog::Output},         {"IF_EQUAL", Dialog::Condition},
        {"IF_NOT_EQUAL", Dialog::Condition}, {"IF_LESS", Dialog::Condition},
        {"IF_LESS_EQUAL", Dialog::Condition}, {"IF_GREATER", Dialog::Condition},
        {"IF_GREATER_EQUAL", Dialog::Condition}, {"FUNCTION", Dialog::Function},
        {"WINDOW", Dialog::Window},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        const EditDispatch d = EditDispatch::forSelection(true, QString::fromLatin1(c.code));
        EXPECT_EQ(d.dialog, c.dialog);
        EXPECT_TRUE(d.message.isEmpty());
    }
}

TEST(EditDispatch, RefusedCodesGiveTheirMessage)
{
    const struct {
        const char *code;
        const char *message;
    } cases[] = {
        {"INTERSECTION", "INTERSECTION düzenlenemez!"},
        {"STOP", "STOP düzenlenemez!"},
        {"", "Bu fonksiyon için henüz düzenleme desteği yok: . üzgünüz"},
        {"add", "Bu fonksiyon için henüz düzenleme desteği yok: add. üzgünüz"},
        {"Start", "Bu fonksiyon için henüz düzenleme desteği yok: Start. üzgünüz"},
        {"FOO BAR", "Bu fonksiyon için henüz düzenleme desteği yok: FOO BAR. üzgünüz"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        const EditDispatch d = EditDispatch::forSelection(true, QString::fromUtf8(c.code));
        EXPECT_EQ(d.dialog, Dialog::None);
        EXPECT_EQ(d.message.turkish(), QString::fromUtf8(c.message));
    }
}
