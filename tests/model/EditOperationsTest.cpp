// The edit operations: the editor's rules for each edit, the messages of refused edits, the
// announcements each edit makes, and that undo and redo restore the model and its file exactly.

#include "ChangeRecorder.h"
#include "ModelTestSupport.h"

#include "base/MessageLog.h"
#include "model/EditOperations.h"
#include "model/GroupEdits.h"
#include "project/ProjectFileWriter.h"

using namespace ModelTest;

namespace {

using Outcome = EditRecord::Outcome;

class EditOperationsTest : public Model {
protected:
    // Places a block and returns its element index.
    qint16 place(const char *tool, float x, float y, const ActionFields &fields = {})
    {
        edits.placeBlock(QString::fromLatin1(tool), x, y, fields);
        return ctx.selectedIndex();
    }

    void select(qint16 previous, qint16 selected) { ctx.setSelection(selected, previous); }

    // A small chart: START -> ADD -> condition, with an END beside it.
    void buildChart()
    {
        start = place("START", 10, 10);
        action = place("ACTION", 100, 10, {"ADD", "a", "1", "a"});
        condition = place("JUNCTION", 10, 100, {"IF_LESS", "a", "10", ""});
        end = place("END", 200, 100);
        select(start, action);
        edits.connectSelected();
        select(action, condition);
        edits.connectSelected();
        ctx.setProjectModified(false);
    }

    // Everything the model keeps, elements and counters included, and the file it saves as.
    QString dump() const
    {
        QStringList out;
        for (const auto &b : blocks) {
            const EditRecord::BlockState s = EditReplayer::stateOf(*b, ctx);
            out << QStringLiteral("block %1 %2 [%3|%4|%5] c%6/%7/%8 s%9 '%10' '%11' e%12")
                       .arg(s.tagID, s.zAction, s.zParam[0], s.zParam[1], s.zParam[2])
                       .arg(s.textColor).arg(s.bgColor).arg(s.borderColor).arg(s.shape)
                       .arg(s.captionUp, s.caption).arg(s.element);
        }
        for (const auto &l : lines)
            out << QStringLiteral("line %1>%2 '%3' e%4").arg(l->sFrom(), l->sTo(), l->sCaption()).arg(l->theObjectLine());
        for (qint16 i = 1; i <= ctx.shapeElementCount(); ++i) {
            const ShapeElement &e = ctx.shape(i);
            out << QStringLiteral("shp%1 %2 %3,%4 %5x%6 v%7").arg(i).arg(e.tag).arg(e.left).arg(e.top)
                       .arg(e.width).arg(e.height).arg(e.visible);
        }
        for (qint16 i = 1; i <= ctx.lineElementCount(); ++i) {
            const LineElement &e = ctx.line(i);
            out << QStringLiteral("ln%1 %2,%3-%4,%5 head%6 label'%7'@%8,%9 %10x%11 v%12%13%14")
                       .arg(i).arg(e.x1).arg(e.y1).arg(e.x2).arg(e.y2).arg(e.head.dotLeft)
                       .arg(e.labelText).arg(e.labelLeft).arg(e.labelTop).arg(e.labelWidth)
                       .arg(e.labelHeight).arg(e.visible).arg(e.labelVisible).arg(e.head.visible);
        }
        out << QStringLiteral("selection %1,%2 modified %3")
                   .arg(ctx.selectedIndex()).arg(ctx.previousSelectedIndex()).arg(ctx.projectModified());
        out << QString::fromLatin1(ProjectFileWriter::serialize(blocks, lines).toHex());
        return out.join(u'\n');
    }

    MessageLog log;
    EditOperations edits{ctx, blocks, lines, &log};
    GroupEdits group{ctx, blocks, lines};
    qint16 start = -1, action = -1, condition = -1, end = -1;
};

TEST_F(EditOperationsTest, EveryEditAndItsUndoRestoreTheModelExactly)
{
    buildChart();
    const struct {
        const char *name;
        qint16 previous, selected;
        std::function<EditRecord()> edit;
    } cases[] = {
        {"place START", action, end, [&] { return edits.placeBlock("START", 300, 5); }},
        {"place OUTPUT", -1, -1, [&] { return edits.placeBlock("OUTPUT", 3.5f, 7.25f, {"OUTPUT", "x", "y", ""}); }},
        {"place cancelled", start, end, [&] { return edits.placeBlock("ACTION", 50, 60, {}); }},
        {"place INTERSECTION", start, end, [&] { return edits.placeBlock("INTERSECTION", 5, 5); }},
        {"move", start, end, [&] { return edits.moveBlock(action, 140.5f, 33); }},
        {"width", start, action, [&] { return edits.setSelectedWidth(150); }},
        {"height", start, condition, [&] { return edits.setSelectedHeight(80); }},
        {"fields", start, action, [&] { return edits.setSelectedActionFields({"JOIN", "a", "b", "sonuc"}); }},
        {"colour", start, end, [&] { return edits.setSelectedColour(EditOperations::ColourRole::Border, 255); }},
        {"connect", condition, end, [&] { return edits.connectSelected(); }},
        {"label", start, action, [&] { return edits.labelSelectedLines("toplam"); }},
        {"delete lines", condition, action, [&] { return edits.deleteSelectedLines(); }},
        {"delete block", start, end, [&] { return edits.deleteSelectedBlock(); }},
        {"splice", start, end, [&] { return edits.spliceBlock(2, "OUTPUT", 40, 60, {"OUTPUT", "", "a", ""}); }},
        {"delete one line", start, end, [&] { return edits.deleteLineAt(1); }},
        {"move group", start, end, [&] { return group.moveBlocks({action, condition, end}, 10, -5); }},
        {"delete group", start, action, [&] { return group.deleteBlocks({action, condition}); }},
        {"insert fragment", start, end,
         [&] { return group.insertFragment(group.fragmentOf({start, action, end}), 300, 0); }},
    };
    for (const auto &c : cases) {
        select(c.previous, c.selected);
        const QString before = dump();
        const EditRecord record = c.edit();
        ASSERT_EQ(record.outcome, Outcome::Applied) << c.name;
        const QString after = dump();
        EXPECT_NE(after, before) << c.name;
        edits.undo(record);
        EXPECT_EQ(dump(), before) << c.name;
        edits.redo(record);
        EXPECT_EQ(dump(), after) << c.name;
        edits.undo(record);
        EXPECT_EQ(dump(), before) << c.name;
    }
    EXPECT_EQ(log.text(), QString());
}

TEST_F(EditOperationsTest, UndoingSeveralEditsInReverseOrderRestoresTheStart)
{
    buildChart();
    const QString before = dump();
    QVector<EditRecord> done;
    done << edits.placeBlock("END", 400, 400);
    select(condition, ctx.selectedIndex());
    done << edits.connectSelected();
    done << edits.connectSelected(); // refused: already joined
    select(condition, end);
    done << edits.connectSelected();
    done << edits.labelSelectedLines("x");
    done << edits.deleteSelectedLines();
    select(-1, end);
    done << edits.deleteSelectedBlock();
    const QString after = dump();
    for (auto it = done.crbegin(); it != done.crend(); ++it)
        edits.undo(*it);
    EXPECT_EQ(dump(), before);
    for (const EditRecord &record : done)
        edits.redo(record);
    EXPECT_EQ(dump(), after);
}

TEST_F(EditOperationsTest, PlacingUsesTheToolsSizeShapeAndFields)
{
    const struct {
        const char *tool;
        qint16 shape;
        int width, height;
        ActionFields fields;
        const char *action;
        bool caption;
    } cases[] = {
        {"START", 2, 70, 30, {}, "START", true},
        {"ACTION", 0, 70, 30, {"ADD", "a", "b", "c"}, "ADD", true},
        {"INPUT", 91, 90, 40, {"INPUT", "Sayı?", "n", ""}, "INPUT", true},
        {"OUTPUT", 91, 90, 40, {"OUTPUT", "", "n", ""}, "OUTPUT", true},
        {"JUNCTION", 92, 112, 50, {"IF_EQUAL", "a", "b", ""}, "IF_EQUAL", true},
        {"INTERSECTION", 3, 10, 10, {}, "INTERSECTION", false},
        {"FUNCTION", 93, 90, 40, {"FUNCTION", "SQRT", "4", "k"}, "FUNCTION", true},
        {"WINDOW", 0, 90, 40, {"WINDOW", "", "", ""}, "WINDOW", true},
        {"END", 2, 70, 30, {"IGNORED", "", "", ""}, "STOP", true},
    };
    for (const auto &c : cases) {
        const EditRecord record = edits.placeBlock(QString::fromLatin1(c.tool), 11, 22, c.fields);
        ASSERT_EQ(record.outcome, Outcome::Applied) << c.tool;
        const cBlock *b = edits.blockAt(ctx.selectedIndex());
        ASSERT_NE(b, nullptr) << c.tool;
        EXPECT_EQ(b->Shape(), c.shape) << c.tool;
        EXPECT_GE(b->shapeWidth(), c.width) << c.tool; // a long caption widens the block
        EXPECT_EQ(b->shapeHeight(), c.height) << c.tool;
        EXPECT_EQ(b->zAction(), QString::fromLatin1(c.action)) << c.tool;
        EXPECT_FLOAT_EQ(b->shapeLeft(), 11);
        EXPECT_FLOAT_EQ(b->shapeTop(), 22);
        if (!c.caption) {
            EXPECT_TRUE(b->sCaption().isEmpty()) << c.tool;
        }
    }
    EXPECT_EQ(blocks.item(QStringLiteral("id6"))->shapeWidth(), 10);
}

TEST_F(EditOperationsTest, ACancelledDialogRemovesTheBlockButCountsAsAnEdit)
{
    const qint16 first = place("START", 0, 0);
    ctx.setProjectModified(false);
    const EditRecord record = edits.placeBlock("JUNCTION", 5, 5, {});
    EXPECT_EQ(record.outcome, Outcome::Applied);
    EXPECT_EQ(blocks.Count(), 1);
    EXPECT_EQ(ctx.selectedIndex(), -1);
    EXPECT_EQ(ctx.previousSelectedIndex(), first);
    EXPECT_TRUE(ctx.projectModified());
    EXPECT_EQ(ctx.shape(2).tag, QStringLiteral("id2-DELETED"));
}

TEST_F(EditOperationsTest, NothingHappensWithoutToolOrTracking)
{
    EXPECT_EQ(edits.placeBlock("", 0, 0).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.placeBlock("start", 0, 0).outcome, Outcome::Unchanged);
    ctx.trackCurrentBlock = false;
    EXPECT_EQ(edits.placeBlock("START", 0, 0).outcome, Outcome::Unchanged);
    EXPECT_EQ(blocks.Count(), 0);
    EXPECT_FALSE(ctx.projectModified());
}

TEST_F(EditOperationsTest, ConditionLinesAreYesThenNoAndYesAgainAfterTheYesLineGoes)
{
    buildChart();
    const qint16 a = place("OUTPUT", 0, 300, {"OUTPUT", "a", "", ""});
    const qint16 b = place("OUTPUT", 100, 300, {"OUTPUT", "b", "", ""});
    QStringList captions;
    for (const qint16 target : {end, a, b}) {
        select(condition, target);
        edits.connectSelected();
        captions << lines.item(lines.Count())->sCaption();
    }
    EXPECT_EQ(captions, QStringList({"EVET", "HAYIR", "HAYIR"}));
    select(condition, end);
    edits.deleteSelectedLines();
    select(condition, action);
    edits.deleteSelectedLines(); // the line into the condition, not out of it
    select(condition, start);
    edits.connectSelected();
    EXPECT_EQ(lines.item(lines.Count())->sCaption(), QStringLiteral("EVET"));
    // A block that is not a condition gives its lines no caption.
    EXPECT_EQ(lines.item(1)->sCaption(), QString());
}

TEST_F(EditOperationsTest, RefusedEditsSayWhyAndChangeNothing)
{
    buildChart();
    const QString before = dump();
    const struct {
        const char *name;
        std::function<EditRecord()> edit;
        QString message;
    } cases[] = {
        {"connect one block", [&] { select(-1, start); return edits.connectSelected(); }, "İki nesne seçilmelidir!\r\n"},
        {"connect joined", [&] { select(action, start); return edits.connectSelected(); }, "Zaten bağlı!\r\n"},
        {"connect joined quietly", [&] { select(action, start); return edits.connectSelected(false); }, ""},
        {"label one block", [&] { select(start, -1); return edits.labelSelectedLines("x"); }, "İki nesne seçilmelidir!\r\n"},
        {"delete lines one block", [&] { select(-1, start); return edits.deleteSelectedLines(); },
         "Hangi okun silineceğine karar verilemiyor."},
        {"delete joined block", [&] { select(-1, action); return edits.deleteSelectedBlock(); }, "Bağlı nesneler silinemez."},
    };
    for (const auto &c : cases) {
        log.dismiss();
        errors.clear();
        const EditRecord record = c.edit();
        EXPECT_EQ(record.outcome, Outcome::Refused) << c.name;
        EXPECT_FALSE(record.changedModel()) << c.name;
        // Messages of the edits themselves go to the log; those of the collections to linkError.
        EXPECT_EQ(log.text() + errors.join(QString()), c.message) << c.name;
        EXPECT_EQ(dump().section(u'\n', 0, -3), before.section(u'\n', 0, -3)) << c.name;
    }
}

TEST_F(EditOperationsTest, EditsWithNothingToActOnAreUnchanged)
{
    buildChart();
    select(start, -1);
    EXPECT_EQ(edits.setSelectedWidth(50).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.setSelectedColour(EditOperations::ColourRole::Fill, 1).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.setSelectedActionFields({"STOP", "", "", ""}).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.deleteSelectedBlock().outcome, Outcome::Unchanged);
    select(start, end);
    EXPECT_EQ(edits.labelSelectedLines("x").outcome, Outcome::Unchanged); // no line between them
    EXPECT_EQ(edits.deleteSelectedLines().outcome, Outcome::Unchanged);
    EXPECT_FALSE(ctx.projectModified());
}

TEST_F(EditOperationsTest, DeletingAndLabellingMarkTheProjectModified)
{
    buildChart();
    select(start, action);
    edits.labelSelectedLines("x");
    EXPECT_TRUE(ctx.projectModified());
    ctx.setProjectModified(false);
    edits.deleteSelectedLines();
    EXPECT_TRUE(ctx.projectModified());
    ctx.setProjectModified(false);
    select(-1, end);
    edits.deleteSelectedBlock();
    EXPECT_TRUE(ctx.projectModified());
    EXPECT_EQ(ctx.selectedIndex(), -1);
}

TEST_F(EditOperationsTest, CirclesStayRoundAndSizesStayInRange)
{
    const qint16 circle = place("INTERSECTION", 0, 0);
    select(-1, circle);
    edits.setSelectedWidth(25);
    EXPECT_EQ(edits.blockAt(circle)->shapeHeight(), 25);
    edits.setSelectedHeight(0);
    EXPECT_EQ(edits.blockAt(circle)->shapeWidth(), 1);
    const qint16 oval = place("END", 0, 0);
    select(-1, oval);
    edits.setSelectedWidth(100000);
    EXPECT_EQ(edits.blockAt(oval)->shapeWidth(), 32767);
    EXPECT_EQ(edits.blockAt(oval)->shapeHeight(), 30);
}

TEST_F(EditOperationsTest, PressingSelectsAndKeepsThePreviousBlock)
{
    buildChart();
    select(-1, -1);
    edits.pressBlock(start);
    edits.pressBlock(action);
    edits.pressBlock(action);
    EXPECT_EQ(ctx.selectedIndex(), action);
    EXPECT_EQ(ctx.previousSelectedIndex(), start);
}

TEST_F(EditOperationsTest, TheMovesOfOneDragMergeIntoOneUndo)
{
    buildChart();
    const QString before = dump();
    EditRecord drag = edits.moveBlock(action, 120, 20);
    for (int x = 130; x <= 200; x += 10)
        ASSERT_TRUE(drag.mergeWith(edits.moveBlock(action, float(x), 40)));
    const EditRecord placed = edits.placeBlock("START", 0, 0);
    EXPECT_FALSE(drag.mergeWith(placed));
    edits.undo(placed);
    edits.undo(drag);
    EXPECT_EQ(dump(), before);
}

TEST_F(EditOperationsTest, EachEditAnnouncesItsChangesInOrder)
{
    buildChart();
    ChangeRecorder recorder{ctx, blocks, lines};
    select(condition, end);
    recorder.take();
    edits.connectSelected();
    EXPECT_EQ(recorder.take(), QStringList({"lineAdded id3>id4", "line id3>id4 Caption", "modified 1"}));
    edits.setSelectedColour(EditOperations::ColourRole::Fill, 0);
    EXPECT_EQ(recorder.take(), QStringList({"block id4 Colours"}));
    edits.labelSelectedLines("x");
    EXPECT_EQ(recorder.take(), QStringList({"line id3>id4 Caption"}));
    const EditRecord removed = edits.deleteSelectedLines();
    EXPECT_EQ(recorder.take(), QStringList({"lineRemoved 3"}));
    edits.undo(removed);
    EXPECT_EQ(recorder.take(), QStringList({"lineAdded id3>id4"}));
    edits.redo(removed);
    EXPECT_EQ(recorder.take(), QStringList({"lineRemoved 3"}));
    edits.deleteSelectedBlock();
    EXPECT_EQ(recorder.take(), QStringList({"blockAboutToBeRemoved id4", "blockRemoved id4 4", "selection -1,3"}));
}

TEST_F(EditOperationsTest, BlockEditsAnnounceTheBlockThenItsLines)
{
    buildChart();
    ChangeRecorder recorder{ctx, blocks, lines};
    select(start, end);
    recorder.take();
    edits.placeBlock("START", 300, 300);
    EXPECT_EQ(recorder.take(), QStringList({"modified 1", "blockAdded id5", "selection 5,4", "block id5 Size",
                                            "block id5 Action", "block id5 Caption"}));
    ctx.setProjectModified(false);
    recorder.take();
    edits.moveBlock(start, 400, 400);
    EXPECT_EQ(recorder.take(), QStringList({"block id1 Position", "line id1>id2 Route", "modified 1"}));
    select(start, end);
    recorder.take();
    edits.setSelectedWidth(200);
    EXPECT_EQ(recorder.take(), QStringList({"block id4 Size"}));
    select(start, action);
    recorder.take();
    edits.setSelectedActionFields({"SUBTRACT", "a", "1", "a"});
    EXPECT_EQ(recorder.take(), QStringList({"block id2 Action", "block id2 Caption"}));
}

} // namespace

TEST_F(EditOperationsTest, ABlockSplicedIntoALineTakesItsPlaceBetweenBothEnds)
{
    buildChart();
    select(condition, end);
    edits.connectSelected(); // condition -> end, "EVET"
    const struct {
        const char *name;
        int position;
        const char *tool;
        ActionFields fields;
        const char *firstCaption, *secondCaption;
    } cases[] = {
        {"plain line", 1, "OUTPUT", {"OUTPUT", "", "a", ""}, "", ""},
        {"captioned line keeps it on the first part", 3, "END", {}, "EVET", ""},
        {"a condition's own line out is its EVET", 2, "JUNCTION", {"IF_EQUAL", "a", "1", ""}, "", "EVET"},
    };
    for (const auto &c : cases) {
        const QString from = lines.item(c.position)->sFrom();
        const QString to = lines.item(c.position)->sTo();
        const int count = lines.Count();
        const EditRecord record = edits.spliceBlock(c.position, c.tool, 50, 50, c.fields);
        ASSERT_EQ(record.outcome, Outcome::Applied) << c.name;
        const QString made = edits.blockAt(ctx.selectedIndex())->TagID();
        ASSERT_EQ(lines.Count(), count + 1) << c.name;
        EXPECT_EQ(lines.item(c.position)->sFrom(), from) << c.name;
        EXPECT_EQ(lines.item(c.position)->sTo(), made) << c.name;
        EXPECT_EQ(lines.item(c.position)->sCaption(), QString::fromUtf8(c.firstCaption)) << c.name;
        EXPECT_EQ(lines.item(count + 1)->sFrom(), made) << c.name;
        EXPECT_EQ(lines.item(count + 1)->sTo(), to) << c.name;
        EXPECT_EQ(lines.item(count + 1)->sCaption(), QString::fromUtf8(c.secondCaption)) << c.name;
        edits.undo(record);
    }
}

TEST_F(EditOperationsTest, ACancelledSpliceOrOneOffTheLinesChangesNothing)
{
    buildChart();
    const QString before = dump();
    EXPECT_EQ(edits.spliceBlock(1, "ACTION", 0, 0, {}).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.spliceBlock(0, "END", 0, 0).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.spliceBlock(3, "END", 0, 0).outcome, Outcome::Unchanged);
    EXPECT_EQ(edits.deleteLineAt(3).outcome, Outcome::Unchanged);
    EXPECT_EQ(dump(), before);
}

TEST_F(EditOperationsTest, AGroupGoesWithAllItsLinesAndLeavesTheSelectionPair)
{
    buildChart();
    select(start, action);
    const EditRecord record = group.deleteBlocks({action, end});
    ASSERT_EQ(record.outcome, Outcome::Applied);
    EXPECT_EQ(blocks.Count(), 2);
    EXPECT_EQ(lines.Count(), 0); // start -> action and action -> condition both touched it
    EXPECT_EQ(ctx.selectedIndex(), -1);
    EXPECT_EQ(ctx.previousSelectedIndex(), start);
    EXPECT_TRUE(ctx.projectModified());
    EXPECT_EQ(log.text(), QString());
}

TEST_F(EditOperationsTest, AFragmentComesInUnderNewTagsWithOnlyItsInnerLines)
{
    buildChart();
    const ChartFragment fragment = group.fragmentOf({action, condition});
    ASSERT_EQ(fragment.blocks.size(), 2);
    ASSERT_EQ(fragment.lines.size(), 1); // start -> action leads out of it
    QVector<qint16> added;
    const EditRecord record = group.insertFragment(fragment, 0, 200, &added);
    ASSERT_EQ(record.outcome, Outcome::Applied);
    ASSERT_EQ(added.size(), 2);
    const cBlock *copy = edits.blockAt(added[0]);
    const cBlock *original = edits.blockAt(action);
    EXPECT_NE(copy->TagID(), original->TagID());
    EXPECT_EQ(copy->zAction(), original->zAction());
    EXPECT_EQ(copy->sCaption(), original->sCaption());
    EXPECT_FLOAT_EQ(copy->shapeTop(), original->shapeTop() + 200);
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.item(3)->sFrom(), copy->TagID());
    EXPECT_EQ(lines.item(3)->sTo(), edits.blockAt(added[1])->TagID());
    EXPECT_EQ(ctx.selectedIndex(), added[1]);
}

TEST_F(EditOperationsTest, TheMovesOfOneGroupDragMergeIntoOneStep)
{
    buildChart();
    const QString before = dump();
    EditRecord first = group.moveBlocks({action, condition}, 5, 5);
    const EditRecord second = group.moveBlocks({action, condition}, 5, 5);
    ASSERT_TRUE(first.mergeWith(second));
    EXPECT_FLOAT_EQ(edits.blockAt(action)->shapeLeft(), 110);
    edits.undo(first);
    EXPECT_EQ(dump(), before);
}
