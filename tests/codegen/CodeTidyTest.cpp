// How structured code is made to read the way a person writes it.
#include "codegen/CodeTidy.h"

#include <gtest/gtest.h>

namespace {

using S = CodeStatement;

S doBlock(int node)
{
    return S::make(S::Do, node);
}

S branch(int node, std::vector<S> body, std::vector<S> orElse = {})
{
    S s = S::make(S::If, node);
    s.body = std::move(body);
    s.orElse = std::move(orElse);
    return s;
}

S loop(std::vector<S> body)
{
    S s = S::make(S::Loop, 0);
    s.body = std::move(body);
    return s;
}

TEST(CodeTidy, LoopTestedFirstBecomesWhileWithTheTestTurned)
{
    std::vector<S> code{loop({branch(1, {doBlock(2), S::make(S::Continue)}), S::make(S::Break)})};
    CodeTidy::tidy(code);
    ASSERT_EQ(code.size(), 1u);
    EXPECT_EQ(code[0].kind, S::While);
    EXPECT_EQ(code[0].node, 1);
    EXPECT_FALSE(code[0].negate);
    ASSERT_EQ(code[0].body.size(), 1u);
    EXPECT_EQ(code[0].body[0].node, 2);
}

TEST(CodeTidy, LoopTestedLastBecomesDoWhile)
{
    std::vector<S> code{loop({doBlock(2), branch(1, {S::make(S::Continue)}), S::make(S::Break)})};
    CodeTidy::tidy(code);
    ASSERT_EQ(code.size(), 1u);
    EXPECT_EQ(code[0].kind, S::DoWhile);
    EXPECT_FALSE(code[0].negate);
}

// A continue in the middle would skip a test at the end: that loop stays as it is.
TEST(CodeTidy, LoopThatContinuesEarlyIsNoDoWhile)
{
    std::vector<S> code{loop({branch(3, {S::make(S::Continue)}), doBlock(2), branch(1, {S::make(S::Break)})})};
    CodeTidy::tidy(code);
    EXPECT_EQ(code[0].kind, S::Loop);
}

TEST(CodeTidy, ElseAfterABranchThatEndsTheChartIsHoisted)
{
    S end = doBlock(5);
    end.ends = true;
    std::vector<S> code{branch(1, {end}, {doBlock(2), doBlock(3)})};
    CodeTidy::tidy(code);
    ASSERT_EQ(code.size(), 3u);
    EXPECT_TRUE(code[0].orElse.empty());
    EXPECT_EQ(code[1].node, 2);
}

TEST(CodeTidy, EmptyThenIsTurnedAround)
{
    std::vector<S> code{branch(1, {}, {doBlock(2)})};
    CodeTidy::tidy(code);
    EXPECT_TRUE(code[0].negate);
    ASSERT_EQ(code[0].body.size(), 1u);
    EXPECT_TRUE(code[0].orElse.empty());
}

TEST(CodeTidy, StateMachinesAreLeftAlone)
{
    S machine = S::make(S::Machine, 1);
    S state = S::make(S::Case, 1);
    state.body.push_back(branch(1, {S::make(S::Jump, 2)}, {S::make(S::Jump, 3)}));
    machine.body.push_back(state);
    std::vector<S> code{machine};
    CodeTidy::tidy(code);
    EXPECT_EQ(code[0].body[0].body[0].orElse.size(), 1u);
}

} // namespace
