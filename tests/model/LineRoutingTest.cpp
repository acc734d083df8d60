// Routing through the collections: new lines are routed, a moved block re-routes only its own
// lines, listeners hear of lines that moved, and lines without both blocks are left alone.

#include "ModelTestSupport.h"

#include "model/cLine.h"

using namespace ModelTest;

namespace {

class Routing : public Model {
protected:
    void SetUp() override
    {
        place(QStringLiteral("A"), 0, 0);
        place(QStringLiteral("B"), 100, 0);
        place(QStringLiteral("C"), 0, 100);
        place(QStringLiteral("D"), 100, 100);
        QObject::connect(&lines, &Line_Collection::lineChanged, [this](cLine *line) {
            moved << line->sFrom() + u'>' + line->sTo();
        });
    }

    void place(const QString &tag, float left, float top)
    {
        cBlock *b = add(tag);
        b->setShapeLeft(left);
        b->setShapeTop(top);
        b->setShapeWidth(70);
        b->setShapeHeight(30);
    }

    void moveBy(const QString &tag, float dx, float dy)
    {
        cBlock *b = blocks.item(tag);
        b->setShapeLeft(b->shapeLeft() + dx);
        b->setShapeTop(b->shapeTop() + dy);
    }

    QStringList moved;
};

TEST_F(Routing, NewLineIsRoutedBetweenItsBlocks)
{
    cLine *line = lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("EVET"));
    const LineElement &e = ctx.line(line->theObjectLine());
    EXPECT_FLOAT_EQ(e.x1, 70);
    EXPECT_FLOAT_EQ(e.y1, 15);
    EXPECT_FLOAT_EQ(e.x2, 100);
    EXPECT_FLOAT_EQ(e.y2, 15);
    EXPECT_TRUE(e.head.visible);
    EXPECT_FLOAT_EQ(e.labelLeft, 85 - e.labelWidth / 2);
    EXPECT_GT(e.labelWidth, 0);
    // A new line is announced as added, not as moved.
    EXPECT_TRUE(moved.isEmpty());
}

TEST_F(Routing, MovedBlockReroutesOnlyItsOwnLines)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    lines.AddLine(QStringLiteral("C"), QStringLiteral("D"), QString());
    lines.AddLine(QStringLiteral("D"), QStringLiteral("A"), QString());
    lines.AddLine(QStringLiteral("A"), QStringLiteral("A"), QString());
    const LineElement abBefore = ctx.line(1);

    moveBy(QStringLiteral("A"), 0, 40);
    moveBy(QStringLiteral("D"), 5, 0);
    lines.updateConntectedLines(QStringLiteral("D"));
    EXPECT_EQ(moved, (QStringList{"C>D", "D>A"}));
    EXPECT_EQ(ctx.line(1).y1, abBefore.y1); // A moved, but only D's lines were routed
    EXPECT_FLOAT_EQ(ctx.line(2).x2, 105);

    moved.clear();
    lines.updateAllLines();
    EXPECT_EQ(moved, (QStringList{"A>B", "A>A"}));
}

TEST_F(Routing, LineWithAMissingBlockStaysWhereItIs)
{
    cLine *line = lines.AddLine(QStringLiteral("A"), QStringLiteral("yok"), QString());
    ASSERT_TRUE(line);
    EXPECT_FALSE(ctx.line(1).head.visible);
    lines.updateAllLines();
    EXPECT_TRUE(moved.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(Routing, RenamedBlockIsFoundByItsNewTag)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("E"), QString());
    blocks.item(QStringLiteral("D"))->setTagID(QStringLiteral("E"));
    lines.updateConntectedLines(QStringLiteral("E"));
    EXPECT_EQ(moved, QStringList{"A>E"});
    EXPECT_FLOAT_EQ(ctx.line(1).x2, 100);
    EXPECT_FLOAT_EQ(ctx.line(1).y2, 115);
}

TEST_F(Routing, UntrackedModelRoutesNothing)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    ctx.trackCurrentBlock = false;
    moveBy(QStringLiteral("B"), 50, 50);
    lines.updateConntectedLines(QStringLiteral("B"));
    lines.updateAllLines();
    EXPECT_TRUE(moved.isEmpty());
}

TEST_F(Routing, DeletedLineHidesItsHeadToo)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("EVET"));
    lines.deleteLine(elementOf(QStringLiteral("A")), elementOf(QStringLiteral("B")));
    const LineElement &e = ctx.line(1);
    EXPECT_FALSE(e.visible);
    EXPECT_FALSE(e.head.visible);
    EXPECT_FALSE(e.labelVisible);
}

} // namespace

namespace {

// Blocks as lines see them: a tag names an element, nothing more.
class ElementTable : public BlockElements {
public:
    QHash<QString, qint16> elements;
    qint16 elementOfTag(const QString &tag) const override { return elements.value(tag, -1); }
};

} // namespace

// The lines need no block collection: whatever says which element a tag stands for routes them.
TEST(RoutingAlone, LinesFollowTheElementsTheirTagsStandFor)
{
    const struct {
        const char *from, *to;
        float x1, y1, x2, y2; // all 0: not routed
    } cases[] = {
        {"A", "B", 70, 15, 100, 15},
        {"B", "A", 100, 15, 70, 15},
        {"A", "yok", 0, 0, 0, 0},
        {"a", "B", 0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        ModelContext ctx;
        Line_Collection lines(&ctx);
        ElementTable table;
        for (const auto &[tag, left] : {std::pair{"A", 0.0f}, std::pair{"B", 100.0f}}) {
            const qint16 element = ctx.newShapeElement();
            ctx.shape(element) = {QString(), left, 0, 70, 30, true};
            table.elements.insert(QString::fromLatin1(tag), element);
        }
        lines.attachBlocks(&table);
        const cLine *line = lines.AddLine(QString::fromLatin1(c.from), QString::fromLatin1(c.to), QString());
        ASSERT_TRUE(line) << c.from << '>' << c.to;
        const LineElement &e = ctx.line(line->theObjectLine());
        EXPECT_EQ(QList<float>({e.x1, e.y1, e.x2, e.y2}), QList<float>({c.x1, c.y1, c.x2, c.y2}))
            << c.from << '>' << c.to;
    }
}
