#include "ui/codegen/CodeView.h"

#include "interp/ChartBuilder.h"
#include "project/ProjectFileWriter.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

using ChartTest::ChartBuilder;

// A chart of three blocks in the editor, its Python in the view.
class CodeViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.setTrackCurrentBlock(true);
        tags = ChartBuilder(project).chain({{"START"}, {"INPUT", "Sayı", "x"}, {"OUTPUT", "Sayı", "x"}, {"STOP"}});
        view.setChartSource([this] {
            ++asked;
            return EditedChart{QStringLiteral("/ders/ana.vnp"),
                               ProjectFileWriter::serialize(project.theBlockCollection(), project.theLineCollection())};
        });
        view.resize(500, 400);
        view.refresh();
        asked = 0;
    }

    // The last line that holds the text: the chart's code comes after the runtime.
    int lineWith(const QString &text) const
    {
        for (QTextBlock b = view.text()->document()->lastBlock(); b.isValid(); b = b.previous()) {
            if (b.text().contains(text))
                return b.blockNumber();
        }
        return -1;
    }

    MessageLog log;
    Project project{&log};
    QStringList tags;
    CodeView view;
    int asked = 0;
};

TEST_F(CodeViewTest, EditsInARowMakeTheCodeOnceAfterTheLast)
{
    ChartBuilder(project).block(tags[2])->setZParam1(QStringLiteral("Çıktı"));
    for (int i = 0; i < 5; ++i)
        view.chartEdited();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(lineWith(QStringLiteral("Çıktı")), -1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked == 1; }, 10000));
    EXPECT_NE(lineWith(QStringLiteral("Çıktı")), -1);
}

TEST_F(CodeViewTest, MarksTheLinesOfTheBlockOfTheChartOnShowOnly)
{
    const int output = lineWith(QStringLiteral("print("));
    ASSERT_NE(output, -1);
    view.markBlock(QStringLiteral("/ders/ana.vnp"), tags[2]);
    ASSERT_EQ(view.text()->extraSelections().size(), 1);
    EXPECT_EQ(view.text()->extraSelections().front().cursor.blockNumber(), output);
    EXPECT_EQ(view.linesOf(tags[2]), qMakePair(output, output));

    // During a call the run is in another chart, whose blocks have tags of their own.
    view.markBlock(QStringLiteral("/ders/kare.vnp"), tags[2]);
    EXPECT_TRUE(view.text()->extraSelections().isEmpty());
    view.markBlock(QStringLiteral("/ders/ana.vnp"), QString());
    EXPECT_TRUE(view.text()->extraSelections().isEmpty());
}

TEST_F(CodeViewTest, AClickOnALineAsksForItsBlock)
{
    QSignalSpy clicked(&view, &CodeView::blockClicked);
    view.show();
    const QTextBlock line = view.text()->document()->findBlockByNumber(lineWith(QStringLiteral("print(")));
    view.text()->setTextCursor(QTextCursor(line));
    view.text()->ensureCursorVisible();
    const QPoint at = view.text()->cursorRect(QTextCursor(line)).center();
    QTest::mouseClick(view.text()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked.front().front().toString(), tags[2]);

    // The runtime at the top comes from no block.
    view.text()->verticalScrollBar()->setValue(0);
    const QTextCursor top(view.text()->document()->begin());
    QTest::mouseClick(view.text()->viewport(), Qt::LeftButton, {}, view.text()->cursorRect(top).center());
    EXPECT_EQ(clicked.size(), 1);
}

} // namespace
