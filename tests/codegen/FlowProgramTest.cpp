// A chart and the charts it calls as the generated program sees them: which calls can happen,
// where a run ends and with what messages.
#include "codegen/ChartFile.h"
#include "codegen/FlowProgram.h"
#include "support/LocaleScope.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FlowProgramTest : public ::testing::Test {
protected:
    LocaleScope locale{QLocale(QLocale::Turkish, QLocale::Turkey)};
    QTemporaryDir dir;
    FlowProgram program;

    // START, the block, STOP; the block's line onward only when `linked`.
    void load(const QString &action, const QString &p1, const QString &p2 = QString(), const QString &p3 = QString(),
              bool linked = true)
    {
        ChartFile chart;
        chart.block("id1", "START").block("id2", action, p1, p2, p3).block("id3", "STOP");
        chart.line("id1", "id2");
        if (linked)
            chart.line("id2", "id3");
        ASSERT_TRUE(chart.save(dir.filePath("main.vnp")));
        QString error;
        ASSERT_TRUE(program.load(dir.filePath("main.vnp"), error)) << error.toStdString();
    }

    const FlowNode &second() const { return program.chart(0).node(program.chart(0).node(0).next[0]); }
};

TEST_F(FlowProgramTest, FindsACalledChartWhateverItsLetterCase)
{
    ChartFile callee;
    callee.block("id1", "START").block("id2", "STOP").line("id1", "id2");
    ASSERT_TRUE(callee.save(dir.filePath("Kare.vnp")));
    load("FUNCTION", "kARE", "3", "r");
    ASSERT_EQ(program.charts().size(), 2u);
    EXPECT_EQ(second().callee, 1);
    EXPECT_EQ(program.chart(1).fileName(), QStringLiteral("Kare.vnp"));
}

struct EndCase {
    const char *action;
    const char *p1;
    bool linked;
    QStringList messages;
};

class RunEndTest : public FlowProgramTest, public ::testing::WithParamInterface<EndCase> {};

// Where the interpreter would end the run, the program ends it with the same messages.
TEST_P(RunEndTest, EndsTheRunWithTheInterpretersMessages)
{
    load(QLatin1String(GetParam().action), QLatin1String(GetParam().p1), QString(), QString(), GetParam().linked);
    const FlowNode &node = second();
    const FlowNode &end = node.kind == FlowNode::Fail ? node : program.chart(0).node(node.next[0]);
    EXPECT_EQ(end.kind, FlowNode::Fail);
    EXPECT_EQ(end.messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, RunEndTest,
    ::testing::Values(EndCase{"FUNCTION", "yok", true, {QStringLiteral("Fonksiyon yüklenemiyor: yok")}},
                      EndCase{"FUNCTION", "yok", false,
                              {QStringLiteral("Nesne: id2 - BAĞLI DEĞİL!"), QStringLiteral("Fonksiyon bağlı değil!")}},
                      EndCase{"OUTPUT", "a", false, {QStringLiteral("Nesne: id2 - BAĞLI DEĞİL!")}},
                      EndCase{"IF_EQUAL", "1", true, {QStringLiteral("Nesne: id2 - EVET ile bağlı değil.")}},
                      EndCase{"TOPLA", "1", true, {QStringLiteral("timerRunner_Timer(). BİLİNMEYEN İŞLEM!: TOPLA")}}),
    [](const ::testing::TestParamInfo<EndCase> &info) {
        return std::string(info.param.action) + (info.param.linked ? "Linked" : "Unlinked") + std::to_string(info.index);
    });

TEST_F(FlowProgramTest, AVariableIsCertainOnlyWhereEveryWayAssignsIt)
{
    ChartFile chart;
    chart.block("id1", "START")
        .block("id2", "INPUT", "a", "a")
        .block("id3", "IF_EQUAL", "a", "1")
        .block("id4", "DEFINITION", "X", "1")
        .block("id5", "OUTPUT", "", "x")
        .block("id6", "STOP");
    chart.line("id1", "id2").line("id2", "id3").line("id3", "id4", "EVET").line("id3", "id5", "HAYIR");
    chart.line("id4", "id5").line("id5", "id6");
    ASSERT_TRUE(chart.save(dir.filePath("main.vnp")));
    QString error;
    ASSERT_TRUE(program.load(dir.filePath("main.vnp"), error));
    const FlowChart &flow = program.chart(0);
    int output = -1;
    int definition = -1;
    for (int i = 0; i < int(flow.nodes().size()); ++i) {
        if (flow.node(i).code == ActionCode::Output)
            output = i;
        if (flow.node(i).code == ActionCode::Definition)
            definition = i;
    }
    EXPECT_EQ(program.operand(0, output, QStringLiteral("x"), true).kind, FlowOperand::MaybeVariable);
    EXPECT_EQ(program.operand(0, output, QStringLiteral("a")).kind, FlowOperand::Variable);
    EXPECT_EQ(program.operand(0, definition, QStringLiteral("yok"), true).kind, FlowOperand::Undefined);
    EXPECT_EQ(program.operand(0, definition, QStringLiteral("2,5")).kind, FlowOperand::Number);
    EXPECT_EQ(program.operand(0, definition, QStringLiteral("2.5")).kind, FlowOperand::Text);
}

} // namespace
