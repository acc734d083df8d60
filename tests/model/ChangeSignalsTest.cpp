// The model announces its own changes: which signal arrives, with what, and in which order.

#include "ChangeRecorder.h"
#include "ModelTestSupport.h"
#include "model/LineOwner.h"

#include <functional>

using namespace ModelTest;

namespace {

class ChangeSignals : public Model {
protected:
    ChangeRecorder recorder{ctx, blocks, lines};
};

TEST_F(ChangeSignals, AddShapeAnnouncesTheFlagTheBlockAndThenTheSelection)
{
    add(QStringLiteral("id1"));
    EXPECT_EQ(recorder.take(), QStringList({"modified 1", "blockAdded id1", "selection 1,-1"}));
    add(QStringLiteral("id2"));
    // The flag was already set: only the block and the selection.
    EXPECT_EQ(recorder.take(), QStringList({"blockAdded id2", "selection 2,1"}));
}

TEST_F(ChangeSignals, EachSetterAnnouncesWhatItChangedOnce)
{
    cBlock *b = add(QStringLiteral("id1"));
    recorder.take();
    const struct {
        std::function<void()> set;
        const char *announced;
    } cases[] = {
        {[&] { b->setZAction(QStringLiteral("ADD")); }, "block id1 Action"},
        {[&] { b->setZParam2(QStringLiteral("x")); }, "block id1 Params"},
        {[&] { b->setSCaption(QStringLiteral("a")); }, "block id1 Caption"},
        {[&] { b->setSCaptionUp(QStringLiteral("b")); }, "block id1 Caption"},
        {[&] { b->setBGColor(255); }, "block id1 Colours"},
        {[&] { b->setTextColor(255); }, "block id1 Colours"},
        {[&] { b->setBorderColor(255); }, "block id1 Colours"},
        {[&] { b->setShapePosition(1, 2); }, "block id1 Position"},
        {[&] { b->setShapeLeft(7); }, "block id1 Position"},
        {[&] { b->setShapeSize(30, 40); }, "block id1 Size"},
        {[&] { b->setShapeHeight(41); }, "block id1 Size"},
        {[&] { b->setVisible(false); }, "block id1 Visibility"},
        {[&] { b->setShape(92); }, "block id1 Shape"},
        {[&] { b->setTagID(QStringLiteral("idX")); }, "block idX Tag"},
    };
    for (const auto &c : cases) {
        c.set();
        EXPECT_EQ(recorder.take(), QStringList{QString::fromLatin1(c.announced)}) << c.announced;
        c.set(); // the same value again changes nothing
        EXPECT_EQ(recorder.take(), QStringList()) << c.announced;
    }
}

TEST_F(ChangeSignals, ABlockOutsideTheCollectionAnnouncesNothing)
{
    add(QStringLiteral("id1"));
    std::unique_ptr<cBlock> taken = blocks.take(1);
    recorder.take();
    taken->setZAction(QStringLiteral("STOP"));
    taken->setShapeSize(5, 5);
    EXPECT_EQ(recorder.take(), QStringList());
}

TEST_F(ChangeSignals, TakeAndInsertKeepPositionsAndAnnounceBoth)
{
    add(QStringLiteral("id1"));
    add(QStringLiteral("id2"));
    add(QStringLiteral("id3"));
    recorder.take();
    std::unique_ptr<cBlock> middle = blocks.take(2);
    EXPECT_EQ(recorder.take(), QStringList({"blockAboutToBeRemoved id2", "blockRemoved id2 2"}));
    blocks.insert(2, std::move(middle));
    EXPECT_EQ(recorder.take(), QStringList({"blockAdded id2"}));
    EXPECT_EQ(blocks.item(2)->TagID(), QStringLiteral("id2"));
    EXPECT_EQ(blocks.positionOf(blocks.item(QStringLiteral("id3"))), 3);
}

TEST_F(ChangeSignals, LinesAnnounceAddingRemovingAndTheirFields)
{
    add(QStringLiteral("id1"));
    add(QStringLiteral("id2"));
    recorder.take();
    cLine *line = lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QStringLiteral("EVET"));
    EXPECT_EQ(recorder.take(), QStringList({"lineAdded id1>id2"}));
    line->setSCaption(QStringLiteral("HAYIR"));
    line->setSTo(QStringLiteral("id1"));
    EXPECT_EQ(recorder.take(), QStringList({"line id1>id2 Caption", "line id1>id1 Ends"}));
    lines.Remove(1);
    EXPECT_EQ(recorder.take(), QStringList({"lineRemoved 1"}));
}

// Whatever holds a line hears of its changes; the line needs nothing else of it.
class LineOwnerStub : public LineOwner {
public:
    void announceChanged(cLine *line, LineChanges what) override
    {
        heard << line->sFrom() + u'>' + line->sTo() + (what.testFlag(LineChange::Ends) ? " Ends" : " Caption");
    }
    QStringList heard;
};

TEST_F(ChangeSignals, ALineAnnouncesEachRealChangeToWhateverHoldsIt)
{
    cLine line(&ctx);
    line.setSFrom(QStringLiteral("id1")); // no owner yet: nobody to tell, and nothing fails
    LineOwnerStub owner;
    line.setOwner(&owner);
    const struct {
        std::function<void()> set;
        QStringList heard;
    } cases[] = {
        {[&] { line.setSFrom(QStringLiteral("id1")); }, {}},
        {[&] { line.setSFrom(QStringLiteral("id2")); }, {"id2> Ends"}},
        {[&] { line.setSTo(QStringLiteral("id3")); }, {"id2>id3 Ends"}},
        {[&] { line.setSTo(QStringLiteral("id3")); }, {}},
        {[&] { line.setSCaption(QStringLiteral("EVET")); }, {"id2>id3 Caption"}},
        {[&] { line.setCaptionCentred(QStringLiteral("HAYIR")); }, {"id2>id3 Caption"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        cases[i].set();
        EXPECT_EQ(owner.heard, cases[i].heard) << "case " << i;
        owner.heard.clear();
    }
    EXPECT_EQ(line.sCaption(), QStringLiteral("HAYIR"));
}

TEST_F(ChangeSignals, AReplacementIsOneBracketWithNothingInside)
{
    add(QStringLiteral("id1"));
    recorder.take();
    ctx.beginReplace();
    ctx.beginReplace(); // nested: still one bracket
    ctx.setSelection(-1, -1);
    ctx.setProjectModified(false);
    cBlock *b = add(QStringLiteral("id2"));
    b->setZAction(QStringLiteral("STOP"));
    lines.AddLine(QStringLiteral("id1"), QStringLiteral("id2"), QString());
    lines.Remove(1);
    blocks.Remove(QStringLiteral("id1"));
    ctx.endReplace();
    EXPECT_EQ(recorder.log, QStringList({"aboutToReplace"}));
    ctx.endReplace();
    EXPECT_EQ(recorder.take(), QStringList({"aboutToReplace", "replaced"}));
    b->setZAction(QStringLiteral("START"));
    EXPECT_EQ(recorder.take(), QStringList({"block id2 Action"}));
}

TEST_F(ChangeSignals, SelectionAndFlagAnnounceOnlyRealChanges)
{
    ctx.setSelection(3, 2);
    ctx.setSelection(3, 2);
    ctx.setProjectModified(true);
    ctx.setProjectModified(true);
    ctx.setProjectModified(false);
    EXPECT_EQ(recorder.take(), QStringList({"selection 3,2", "modified 1", "modified 0"}));
}

} // namespace
