// Lines: adding with and without elements, deleting the lines between two blocks, captions,
// positions, and the per-block list of leaving lines the interpreter follows.

#include "ModelTestSupport.h"

#include "model/cLine.h"

#include <utility>

using namespace ModelTest;

namespace {

class Lines : public Model {
protected:
    void SetUp() override
    {
        for (const char *tag : {"A", "B", "C"})
            add(QString::fromLatin1(tag));
        ctx.setProjectModified(false);
    }

    QStringList outgoingTags(const QString &tag) const
    {
        QStringList out;
        for (const cLine *line : lines.outgoing(tag))
            out << line->sFrom() + u'>' + line->sTo();
        return out;
    }
};

} // namespace

TEST_F(Lines, TrackedLineGetsElementsAndIsRouted)
{
    cLine *first = lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("EVET"));
    cLine *second = lines.AddLine(QStringLiteral("B"), QStringLiteral("C"), QString());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->theObjectLine(), 1);
    EXPECT_EQ(second->theObjectLine(), 2);
    EXPECT_EQ(ctx.lineElementCount(), 2);
    EXPECT_TRUE(ctx.line(1).head.visible);
    EXPECT_TRUE(ctx.line(2).head.visible);
    EXPECT_TRUE(ctx.line(1).visible);
    EXPECT_EQ(ctx.line(1).labelText, QStringLiteral("EVET"));
    EXPECT_TRUE(ctx.line(1).labelVisible);
    EXPECT_FALSE(ctx.line(2).labelVisible);
    EXPECT_EQ(first->sFrom(), QStringLiteral("A"));
    EXPECT_EQ(first->sTo(), QStringLiteral("B"));
    // Joining blocks is the editor's change to record, not the collection's.
    EXPECT_FALSE(ctx.projectModified());
}

TEST_F(Lines, UntrackedLineStoresOnlyItsCaption)
{
    int routed = 0;
    QObject::connect(&lines, &Line_Collection::lineChanged, [&](cLine *) { ++routed; });
    ctx.trackCurrentBlock = false;
    cLine *line = lines.AddLine(QStringLiteral("A"), QStringLiteral("yok"), QStringLiteral("HAYIR"));
    ASSERT_TRUE(line);
    EXPECT_FALSE(line->hasElement());
    EXPECT_EQ(ctx.lineElementCount(), 0);
    EXPECT_EQ(line->sCaption(), QStringLiteral("HAYIR"));
    EXPECT_EQ(routed, 0);
    lines.updateAllLines();
    EXPECT_EQ(routed, 0);
}

TEST_F(Lines, EmptyEndIsRefused)
{
    EXPECT_EQ(lines.AddLine(QString(), QStringLiteral("B"), QString()), nullptr);
    EXPECT_EQ(lines.AddLine(QStringLiteral("A"), QString(), QStringLiteral("EVET")), nullptr);
    EXPECT_EQ(errors, QStringList(2, QStringLiteral("Bağlantı yapılamıyor!!!!")));
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(ctx.lineElementCount(), 0);
}

TEST_F(Lines, PositionOutOfRangeIsAnError)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    EXPECT_EQ(errorNumberOf([&] { lines.item(0); }), VarnelError::SubscriptOutOfRange);
    EXPECT_EQ(errorNumberOf([&] { lines.item(2); }), VarnelError::SubscriptOutOfRange);
    EXPECT_NE(errorNumberOf([&] { lines.Remove(2); }), 0);
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.item(1)->sTo(), QStringLiteral("B"));
}

TEST_F(Lines, DeleteNeedsTwoSelectedBlocks)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    lines.deleteLine(-1, 2);
    lines.deleteLine(1, -1);
    EXPECT_EQ(errors, QStringList(2, QStringLiteral("Hangi okun silineceğine karar verilemiyor.")));
    EXPECT_EQ(lines.Count(), 1);
}

TEST_F(Lines, DeleteTakesBothDirectionsWhicheverBlockComesFirst)
{
    const std::pair<qint16, qint16> orders[] = {{1, 2}, {2, 1}};
    for (const auto &[first, second] : orders) {
        SCOPED_TRACE(testing::Message() << first << "," << second);
        lines.clear();
        lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("EVET"));
        lines.AddLine(QStringLiteral("A"), QStringLiteral("C"), QString());
        lines.AddLine(QStringLiteral("B"), QStringLiteral("A"), QString());
        lines.AddLine(QStringLiteral("C"), QStringLiteral("B"), QString());
        lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
        const qint16 joined[] = {qint16(ctx.lineElementCount() - 4), qint16(ctx.lineElementCount() - 2),
                                 ctx.lineElementCount()};

        lines.deleteLine(first, second);
        EXPECT_TRUE(errors.isEmpty());
        EXPECT_EQ(lineTags(), (QStringList{"A>C", "C>B"}));
        for (qint16 element : joined) {
            EXPECT_FALSE(ctx.line(element).visible);
            EXPECT_FALSE(ctx.line(element).labelVisible);
        }
    }
}

TEST_F(Lines, CaptionGoesOnBothDirectionsWithTheLabelCentred)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    lines.AddLine(QStringLiteral("B"), QStringLiteral("C"), QString());
    lines.AddLine(QStringLiteral("B"), QStringLiteral("A"), QString());
    LineElement &e = ctx.line(3);
    e.x1 = 100;
    e.y1 = 40;
    e.x2 = 20;
    e.y2 = 200;

    lines.AddCaptionToLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("HAYIR"));
    // The label is as large as its text in the stand-in measure: 5 cells of 7 by 14.
    EXPECT_FLOAT_EQ(e.labelWidth, 35);
    EXPECT_FLOAT_EQ(e.labelHeight, 14);
    EXPECT_EQ(lines.item(1)->sCaption(), QStringLiteral("HAYIR"));
    EXPECT_EQ(lines.item(2)->sCaption(), QString());
    EXPECT_EQ(lines.item(3)->sCaption(), QStringLiteral("HAYIR"));
    EXPECT_EQ(e.labelText, QStringLiteral("HAYIR"));
    EXPECT_TRUE(e.labelVisible);
    EXPECT_FLOAT_EQ(e.labelLeft, 60 - 17.5f);
    EXPECT_FLOAT_EQ(e.labelTop, 120 - 7);
    EXPECT_FALSE(ctx.line(2).labelVisible);
}

TEST_F(Lines, CaptionLabelFollowsTheTextWhileTracked)
{
    cLine *line = lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    const LineElement &e = ctx.line(line->theObjectLine());
    line->setSCaption(QStringLiteral("EVET"));
    EXPECT_EQ(e.labelText, QStringLiteral("EVET"));
    EXPECT_TRUE(e.labelVisible);
    line->setSCaption(QString());
    EXPECT_EQ(e.labelText, QString());
    EXPECT_FALSE(e.labelVisible);

    ctx.trackCurrentBlock = false;
    line->setSCaption(QStringLiteral("HAYIR"));
    EXPECT_EQ(line->sCaption(), QStringLiteral("HAYIR"));
    EXPECT_FALSE(e.labelVisible);
}

TEST_F(Lines, OutgoingListsStayInStepWithTheCollection)
{
    EXPECT_TRUE(lines.outgoing(QStringLiteral("A")).isEmpty());
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("EVET"));
    lines.AddLine(QStringLiteral("B"), QStringLiteral("C"), QString());
    EXPECT_EQ(outgoingTags(QStringLiteral("A")), QStringList{"A>B"});

    lines.AddLine(QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("HAYIR"));
    EXPECT_EQ(outgoingTags(QStringLiteral("A")), (QStringList{"A>B", "A>C"}));

    lines.Remove(1);
    EXPECT_EQ(outgoingTags(QStringLiteral("A")), QStringList{"A>C"});

    lines.item(1)->setSFrom(QStringLiteral("A"));
    EXPECT_EQ(outgoingTags(QStringLiteral("A")), (QStringList{"A>C", "A>C"}));
    EXPECT_TRUE(outgoingTags(QStringLiteral("B")).isEmpty());

    lines.deleteLine(1, 3);
    EXPECT_TRUE(outgoingTags(QStringLiteral("A")).isEmpty());

    lines.AddLine(QStringLiteral("C"), QStringLiteral("A"), QString());
    EXPECT_EQ(outgoingTags(QStringLiteral("C")), QStringList{"C>A"});
    lines.clear();
    EXPECT_TRUE(lines.outgoing(QStringLiteral("C")).isEmpty());
}

TEST_F(Lines, OutgoingIsExactAboutTags)
{
    lines.AddLine(QStringLiteral("A"), QStringLiteral("B"), QString());
    EXPECT_TRUE(lines.outgoing(QStringLiteral("a")).isEmpty());
}
