// Action codes are decoded once when a block's zAction is written; the decoding must know
// every code of the system and nothing that only resembles one.

#include "ModelTestSupport.h"

#include "model/ActionCode.h"
#include "model/cBlock.h"

#include <set>

TEST(ActionCode, EveryCodeHasItsOwnValue)
{
    const char *const codes[] = {
        "START", "STOP", "INPUT", "OUTPUT", "DEFINITION", "ADD", "SUBTRACT", "MULTIPLY", "DIVIDE",
        "DIVINT", "MODULE", "POWER", "PERCENT", "JOIN", "COMP", "SQL", "IF_EQUAL", "IF_NOT_EQUAL",
        "IF_LESS", "IF_LESS_EQUAL", "IF_GREATER", "IF_GREATER_EQUAL", "FUNCTION", "WINDOW",
        "INTERSECTION",
    };
    std::set<ActionCode> seen;
    for (const char *code : codes) {
        SCOPED_TRACE(code);
        const ActionCode decoded = actionCodeOf(QString::fromLatin1(code));
        EXPECT_NE(decoded, ActionCode::Unknown);
        EXPECT_TRUE(seen.insert(decoded).second);
    }
}

TEST(ActionCode, CodesCompareExactly)
{
    for (const char *code : {"start", "Stop", " ADD", "ADD ", "IF_less", "", "END"}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(actionCodeOf(QString::fromLatin1(code)), ActionCode::Unknown);
    }
}

TEST(ActionCode, WritingZActionDecodesIt)
{
    ModelContext context;
    cBlock block(&context);
    EXPECT_EQ(block.actionCode(), ActionCode::Unknown);
    block.setZAction(QStringLiteral("IF_LESS"));
    EXPECT_EQ(block.actionCode(), ActionCode::IfLess);
    block.setZAction(QStringLiteral("if_less"));
    EXPECT_EQ(block.zAction(), QStringLiteral("if_less"));
    EXPECT_EQ(block.actionCode(), ActionCode::Unknown);
}
