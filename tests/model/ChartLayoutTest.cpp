#include "ModelTestSupport.h"

#include "base/MessageLog.h"
#include "model/ChartLayout.h"
#include "model/EditOperations.h"
#include "model/EditReplayer.h"
#include "project/Project.h"

#include <QDir>
#include <QLineF>
#include <QRectF>

namespace {

QRectF boxOf(const cBlock &block)
{
    return QRectF(block.shapeLeft(), block.shapeTop(), block.shapeWidth(), block.shapeHeight());
}

struct Snapshot {
    QVector<EditRecord::BlockState> blocks;
    QVector<EditRecord::LineState> lines;
    bool modified = false;

    Snapshot(const ModelContext &context, const Block_Collection &blocks, const Line_Collection &lines)
        : modified(context.projectModified())
    {
        for (const auto &b : blocks)
            this->blocks.append(EditReplayer::stateOf(*b, context));
        for (const auto &l : lines)
            this->lines.append(EditReplayer::stateOf(*l, context));
    }
    bool operator==(const Snapshot &) const = default;
};

} // namespace

namespace {

// Whether the straight line runs through the inside of the box.
bool runsThrough(const QLineF &line, const QRectF &box)
{
    const QRectF inside = box.adjusted(1, 1, -1, -1);
    if (inside.contains(line.p1()) || inside.contains(line.p2()))
        return true;
    const QLineF sides[] = {{inside.topLeft(), inside.topRight()},
                            {inside.topRight(), inside.bottomRight()},
                            {inside.bottomRight(), inside.bottomLeft()},
                            {inside.bottomLeft(), inside.topLeft()}};
    for (const QLineF &side : sides)
        if (line.intersects(side, nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

} // namespace

// Every example laid out: no two blocks overlap, no line runs through a block it does not join,
// each block keeps its size, the chart keeps its top-left corner, and the one record takes it
// all back and does it again exactly.
TEST(ChartLayoutExamples, NoOverlapNoCrossingSameSizesOneExactStep)
{
    const QDir folder(QStringLiteral(VARNEL_SOURCE_DATA "/Examples"));
    const QStringList files = folder.entryList({QStringLiteral("*.vnp")}, QDir::Files);
    ASSERT_GE(files.size(), 10);
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        MessageLog log;
        Project project(&log);
        ASSERT_TRUE(project.load_FILE(folder.filePath(file)));
        ModelContext &context = project.context();
        Block_Collection &blocks = project.theBlockCollection();
        Line_Collection &lines = project.theLineCollection();
        QRectF corner;
        for (const auto &b : blocks)
            corner = corner.isNull() ? boxOf(*b) : corner.united(boxOf(*b));
        const Snapshot before(context, blocks, lines);

        EditOperations operations(context, blocks, lines, &log);
        const EditRecord record = ChartLayout(context, blocks, lines, &log).arrange();
        ASSERT_EQ(record.outcome, EditRecord::Outcome::Applied);
        const Snapshot after(context, blocks, lines);

        QVector<const cBlock *> placed;
        for (const auto &b : blocks)
            placed.append(b.get());
        for (int i = 0; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i]->shapeWidth(), before.blocks[i].shapeElement.width);
            EXPECT_EQ(placed[i]->shapeHeight(), before.blocks[i].shapeElement.height);
            for (int k = i + 1; k < placed.size(); ++k)
                EXPECT_FALSE(boxOf(*placed[i]).intersects(boxOf(*placed[k])))
                    << placed[i]->TagID().toStdString() << " / " << placed[k]->TagID().toStdString();
        }
        for (const auto &line : lines) {
            if (!line->hasElement())
                continue;
            const LineElement &e = context.line(line->theObjectLine());
            for (const cBlock *b : placed) {
                const bool joins = b->TagID().compare(line->sFrom(), Qt::CaseInsensitive) == 0
                    || b->TagID().compare(line->sTo(), Qt::CaseInsensitive) == 0;
                EXPECT_TRUE(joins || !runsThrough(QLineF(e.x1, e.y1, e.x2, e.y2), boxOf(*b)))
                    << line->sFrom().toStdString() << "->" << line->sTo().toStdString() << " through "
                    << b->TagID().toStdString();
            }
        }
        QRectF laidOut;
        for (const auto &b : blocks)
            laidOut = laidOut.isNull() ? boxOf(*b) : laidOut.united(boxOf(*b));
        EXPECT_EQ(laidOut.topLeft(), corner.topLeft());
        EXPECT_TRUE(context.projectModified());

        operations.undo(record);
        EXPECT_TRUE(Snapshot(context, blocks, lines) == before);
        operations.redo(record);
        EXPECT_TRUE(Snapshot(context, blocks, lines) == after);
    }
}

class ChartLayoutRules : public ModelTest::Model {
protected:
    // A block of the given size whose action code is code; tags are given in flow order.
    void block(const QString &tag, int width, int height, const QString &code = QStringLiteral("ASSIGN"))
    {
        cBlock *b = blocks.AddShape(0, tag, 500 + 37 * blocks.Count(), 400 - 23 * blocks.Count());
        b->setShapeSize(width, height);
        b->setZAction(code);
    }
    QPointF centre(const QHash<QString, QPointF> &places, const QString &tag) const
    {
        const cBlock *b = blocks.item(tag);
        return places.value(tag) + QPointF(b->shapeWidth() / 2.0, b->shapeHeight() / 2.0);
    }
    QHash<QString, QPointF> places()
    {
        QString error;
        const auto result = ChartLayout(ctx, blocks, lines, nullptr).places(&error);
        EXPECT_TRUE(result.has_value()) << error.toStdString();
        return result.value_or(QHash<QString, QPointF>());
    }
};

TEST_F(ChartLayoutRules, TheMainPathRunsStraightDown)
{
    const QStringList chain = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    block(chain[0], 70, 30, QStringLiteral("START"));
    block(chain[1], 90, 40);
    block(chain[2], 10, 10);
    block(chain[3], 70, 30, QStringLiteral("STOP"));
    // Stored out of flow order: the order of the lines in the file does not decide the places.
    lines.AddLine(chain[2], chain[3], QString());
    lines.AddLine(chain[0], chain[1], QString());
    lines.AddLine(chain[1], chain[2], QString());
    const QHash<QString, QPointF> p = places();
    for (int i = 1; i < chain.size(); ++i) {
        EXPECT_DOUBLE_EQ(centre(p, chain[i]).x(), centre(p, chain[0]).x()) << i;
        EXPECT_GE(p.value(chain[i]).y(), p.value(chain[i - 1]).y() + blocks.item(chain[i - 1])->shapeHeight() +
                                                GraphvizLayout::RankGap - 1)
            << i;
    }
}

// A condition's EVET branch goes to the left of its HAYIR branch, whichever line came first and
// however the captions are written; both lie below the condition.
TEST_F(ChartLayoutRules, EvetBranchLeftOfHayir)
{
    const struct {
        const char *first;
        const char *second;
    } cases[] = {{"EVET", "HAYIR"}, {"HAYIR", "EVET"}, {"hayır", "evet"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first);
        blocks.clear();
        lines.clear();
        block(QStringLiteral("s"), 70, 30, QStringLiteral("START"));
        block(QStringLiteral("if"), 112, 50, QStringLiteral("IF_LESS"));
        block(QStringLiteral("one"), 90, 40);
        block(QStringLiteral("two"), 90, 40);
        lines.AddLine(QStringLiteral("s"), QStringLiteral("if"), QString());
        const bool evetFirst = QString::fromUtf8(c.first).toUpper() == QStringLiteral("EVET");
        lines.AddLine(QStringLiteral("if"), evetFirst ? QStringLiteral("one") : QStringLiteral("two"),
                      QString::fromUtf8(c.first));
        lines.AddLine(QStringLiteral("if"), evetFirst ? QStringLiteral("two") : QStringLiteral("one"),
                      QString::fromUtf8(c.second));
        const QHash<QString, QPointF> p = places();
        EXPECT_LT(centre(p, QStringLiteral("one")).x(), centre(p, QStringLiteral("two")).x());
        EXPECT_EQ(p.value(QStringLiteral("one")).y(), p.value(QStringLiteral("two")).y());
        EXPECT_GT(p.value(QStringLiteral("one")).y(), p.value(QStringLiteral("if")).y());
    }
}

// A line back to a loop's start does not push the start below the loop's body, even when the
// loop's start comes last in the collection.
TEST_F(ChartLayoutRules, LoopBackLinesGoUp)
{
    block(QStringLiteral("body"), 90, 40);
    block(QStringLiteral("s"), 70, 30, QStringLiteral("START"));
    block(QStringLiteral("head"), 10, 10, QStringLiteral("INTERSECTION"));
    block(QStringLiteral("test"), 112, 50, QStringLiteral("IF_LESS"));
    block(QStringLiteral("end"), 70, 30, QStringLiteral("STOP"));
    lines.AddLine(QStringLiteral("s"), QStringLiteral("head"), QString());
    lines.AddLine(QStringLiteral("head"), QStringLiteral("test"), QString());
    lines.AddLine(QStringLiteral("test"), QStringLiteral("body"), QStringLiteral("EVET"));
    lines.AddLine(QStringLiteral("test"), QStringLiteral("end"), QStringLiteral("HAYIR"));
    lines.AddLine(QStringLiteral("body"), QStringLiteral("head"), QString());
    const QHash<QString, QPointF> p = places();
    EXPECT_LT(p.value(QStringLiteral("s")).y(), p.value(QStringLiteral("head")).y());
    EXPECT_LT(p.value(QStringLiteral("head")).y(), p.value(QStringLiteral("test")).y());
    EXPECT_LT(p.value(QStringLiteral("test")).y(), p.value(QStringLiteral("body")).y());
}

TEST_F(ChartLayoutRules, NothingToDoLeavesNoStep)
{
    EXPECT_EQ(ChartLayout(ctx, blocks, lines, nullptr).arrange().outcome, EditRecord::Outcome::Unchanged);
    block(QStringLiteral("s"), 70, 30, QStringLiteral("START"));
    block(QStringLiteral("e"), 70, 30, QStringLiteral("STOP"));
    lines.AddLine(QStringLiteral("s"), QStringLiteral("e"), QString());
    EXPECT_TRUE(ChartLayout(ctx, blocks, lines, nullptr).arrange().changedModel());
    const EditRecord again = ChartLayout(ctx, blocks, lines, nullptr).arrange();
    EXPECT_FALSE(again.changedModel());
}
