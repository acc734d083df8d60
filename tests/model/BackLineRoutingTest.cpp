// Lines back up to a block above (a loop closed without a connector): routed with square corners
// around the side of the blocks between, never across one; straight where a straight line is
// already upright and clear.

#include "ModelTestSupport.h"

#include "model/LineRouter.h"
#include "model/cLine.h"

#include <QLineF>
#include <QRectF>

using namespace ModelTest;

namespace {

struct Place {
    const char *tag;
    float left, top, width, height;
};

struct Join {
    const char *from, *to;
};

class BackLines : public Model {
protected:
    void build(std::initializer_list<Place> places, std::initializer_list<Join> joins)
    {
        for (const Place &p : places) {
            cBlock *b = add(QString::fromLatin1(p.tag));
            b->setShapePosition(p.left, p.top);
            b->setShapeSize(p.width, p.height);
        }
        for (const Join &j : joins)
            lines.AddLine(QString::fromLatin1(j.from), QString::fromLatin1(j.to), QString());
        lines.updateAllLines();
    }

    const LineElement &route(const QString &from, const QString &to)
    {
        for (const auto &line : lines) {
            if (line->sFrom() == from && line->sTo() == to)
                return ctx.line(line->theObjectLine());
        }
        ADD_FAILURE() << "no line " << from.toStdString() << '>' << to.toStdString();
        static const LineElement none;
        return none;
    }

    static QVector<QLineF> legsOf(const LineElement &e)
    {
        QVector<QPointF> points{QPointF(e.x1, e.y1)};
        for (const LinePoint &p : e.bends)
            points.append(QPointF(p.x, p.y));
        points.append(QPointF(e.x2, e.y2));
        QVector<QLineF> legs;
        for (qsizetype i = 1; i < points.size(); ++i)
            legs.append(QLineF(points[i - 1], points[i]));
        return legs;
    }

    QRectF boxOf(const cBlock &b) const
    {
        return QRectF(b.shapeLeft(), b.shapeTop(), b.shapeWidth(), b.shapeHeight());
    }

    // Every leg of the line is upright or level and runs through no block but the two it joins
    // (touching an edge is not running through).
    void expectSquareAndClear(const QString &from, const QString &to)
    {
        SCOPED_TRACE((from + u'>' + to).toStdString());
        for (const QLineF &leg : legsOf(route(from, to))) {
            EXPECT_TRUE(leg.dx() == 0 || leg.dy() == 0) << "askew leg";
            const QRectF swept = QRectF(leg.p1(), leg.p2()).normalized();
            for (const auto &block : blocks) {
                if (block->TagID() == from || block->TagID() == to)
                    continue;
                const QRectF b = boxOf(*block);
                const bool through = swept.right() > b.left() && swept.left() < b.right()
                    && swept.bottom() > b.top() && swept.top() < b.bottom();
                EXPECT_FALSE(through) << "through " << block->TagID().toStdString();
            }
        }
    }
};

// A while loop with its body straight below the condition: the last action goes back up past the
// first, which a straight line would cut through.
TEST_F(BackLines, ALoopBodyStraightBelowGoesBackAroundTheSide)
{
    build({{"S", 100, 0, 70, 30}, {"C", 80, 80, 110, 50}, {"B1", 100, 180, 70, 30}, {"B2", 100, 260, 70, 30},
           {"E", 300, 90, 70, 30}},
          {{"S", "C"}, {"C", "B1"}, {"B1", "B2"}, {"B2", "C"}, {"C", "E"}});
    const LineElement &back = route(QStringLiteral("B2"), QStringLiteral("C"));
    EXPECT_EQ(back.bends.size(), 2);
    expectSquareAndClear(QStringLiteral("B2"), QStringLiteral("C"));
    // Straight below: around the left, where the exit on the right is not in the way.
    EXPECT_LT(back.bends.first().x, 80);
    // The head points into the condition's side along the last leg.
    EXPECT_FLOAT_EQ(back.x2, 80);
    EXPECT_FLOAT_EQ(back.y2, 105);
    EXPECT_LT(back.head.up.x2, back.x2);
    EXPECT_LT(back.head.down.x2, back.x2);
}

// The body sits to the right of the condition and a block stands left of it: the way back goes
// around the right, past the body, instead of across the chart.
TEST_F(BackLines, ALoopBodyBesideGoesBackAroundTheNearSide)
{
    build({{"C", 100, 100, 110, 50}, {"B1", 300, 180, 70, 30}, {"B2", 280, 260, 110, 30}, {"L", 0, 240, 70, 60}},
          {{"C", "B1"}, {"B1", "B2"}, {"B2", "C"}, {"C", "L"}});
    const LineElement &back = route(QStringLiteral("B2"), QStringLiteral("C"));
    ASSERT_EQ(back.bends.size(), 2);
    expectSquareAndClear(QStringLiteral("B2"), QStringLiteral("C"));
    EXPECT_GT(back.bends.first().x, 390);
}

TEST_F(BackLines, AStraightLineUpThatIsUprightAndClearStaysStraight)
{
    // Two connectors one above the other (a lane of connectors), and one askew.
    build({{"K1", 20, 100, 15, 15}, {"K2", 20, 400, 15, 15}, {"K3", 200, 400, 15, 15}},
          {{"K2", "K1"}, {"K3", "K1"}});
    EXPECT_TRUE(route(QStringLiteral("K2"), QStringLiteral("K1")).bends.isEmpty());
    EXPECT_EQ(route(QStringLiteral("K3"), QStringLiteral("K1")).bends.size(), 2);
    expectSquareAndClear(QStringLiteral("K3"), QStringLiteral("K1"));
}

// A block moved into the way of a line back up, or out of it, turns it around or straight again
// once the back lines are routed; the caption follows to the middle of its lane.
TEST_F(BackLines, ABlockInTheWayTurnsTheLineAroundAndItsCaptionRidesTheLane)
{
    build({{"C", 100, 100, 70, 30}, {"B", 100, 300, 70, 30}, {"X", 400, 200, 70, 30}}, {{"B", "C"}});
    lines.item(1)->setCaptionCentred(QStringLiteral("EVET"));
    EXPECT_TRUE(route(QStringLiteral("B"), QStringLiteral("C")).bends.isEmpty());

    blocks.item(QStringLiteral("X"))->setShapePosition(110, 200);
    lines.updateBackLines();
    const LineElement &around = route(QStringLiteral("B"), QStringLiteral("C"));
    ASSERT_EQ(around.bends.size(), 2);
    expectSquareAndClear(QStringLiteral("B"), QStringLiteral("C"));
    const LinePoint middle = LineRouter::middle(around);
    EXPECT_FLOAT_EQ(middle.x, around.bends.first().x);
    EXPECT_FLOAT_EQ(around.labelLeft + around.labelWidth / 2, middle.x);
    EXPECT_FLOAT_EQ(around.labelTop + around.labelHeight / 2, middle.y);

    blocks.item(QStringLiteral("X"))->setShapePosition(400, 200);
    lines.updateBackLines();
    EXPECT_TRUE(route(QStringLiteral("B"), QStringLiteral("C")).bends.isEmpty());
}

// Two loops one inside the other, both closed straight up below their conditions: the outer way
// back runs round the inner one's lane instead of on top of it, and stays there when routed again.
TEST_F(BackLines, AnOuterLoopGoesBackOutsideTheInnerLoopsLane)
{
    build({{"C1", 80, 80, 110, 50}, {"C2", 80, 180, 110, 50}, {"B1", 100, 280, 70, 30}, {"B2", 100, 360, 70, 30},
           {"B3", 100, 440, 70, 30}, {"E", 300, 90, 70, 30}},
          {{"C1", "C2"}, {"B3", "C1"}, {"C2", "B1"}, {"B1", "B2"}, {"B2", "C2"}, {"C2", "B3"}, {"C1", "E"}});
    // Routed once in file order, the outer line came first; the back lines are then put in order.
    lines.updateBackLines();
    const LineElement &inner = route(QStringLiteral("B2"), QStringLiteral("C2"));
    const LineElement &outer = route(QStringLiteral("B3"), QStringLiteral("C1"));
    ASSERT_EQ(inner.bends.size(), 2);
    ASSERT_EQ(outer.bends.size(), 2);
    const float outerLane = outer.bends.first().x;
    EXPECT_LE(outerLane, inner.bends.first().x - LineRouter::laneGap);
    expectSquareAndClear(QStringLiteral("B2"), QStringLiteral("C2"));
    expectSquareAndClear(QStringLiteral("B3"), QStringLiteral("C1"));
    lines.updateBackLines();
    EXPECT_FLOAT_EQ(route(QStringLiteral("B3"), QStringLiteral("C1")).bends.first().x, outerLane);
}

// A route that is already in place moves nothing, bends included.
TEST(BackLineRouter, RoutingAgainMovesNothing)
{
    ModelContext context;
    LineElement e;
    const LineRouter::Box from{300, 300, 70, 30};
    const LineRouter::Box to{100, 100, 70, 30};
    ASSERT_TRUE(LineRouter::route(e, from, to));
    EXPECT_EQ(e.bends.size(), 2);
    EXPECT_FALSE(LineRouter::route(e, from, to));
    // Going down again, the line is straight once more.
    ASSERT_TRUE(LineRouter::route(e, to, from));
    EXPECT_TRUE(e.bends.isEmpty());
}

} // namespace
