#include "EditorFixture.h"

class ConnectingTest : public EditorFixture {
protected:
    cBlock *condition(const QPointF &at)
    {
        editor->setPlacementDialog([](const BlockTool &) -> std::optional<ActionFields> {
            return ActionFields{QStringLiteral("IF_EQUAL"), QStringLiteral("x"), QStringLiteral("1"), QString()};
        });
        return place(QStringLiteral("JUNCTION"), at);
    }
};

TEST_F(ConnectingTest, ConditionLinesAreLabelledYesThenNo)
{
    cBlock *test = condition(QPointF(100, 20));
    cBlock *yes = place(QStringLiteral("END"), QPointF(20, 200));
    cBlock *no = place(QStringLiteral("END"), QPointF(300, 200));
    selectPair(*test, *yes);
    editor->connectSelected();
    selectPair(*test, *no);
    editor->connectSelected();
    ASSERT_EQ(lines().Count(), 2);
    EXPECT_EQ(lines().item(1)->sCaption(), QStringLiteral("EVET"));
    EXPECT_EQ(lines().item(2)->sCaption(), QStringLiteral("HAYIR"));
    for (int p = 1; p <= 2; ++p) {
        const LineItem *item = itemOf(*lines().item(p));
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->route().labelVisible);
        EXPECT_EQ(item->route().labelText, lines().item(p)->sCaption());
    }
    EXPECT_TRUE(context().projectModified());
}

TEST_F(ConnectingTest, RefusalsGoToTheMessageWindowAndChangeNothing)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    editor->connectSelected(); // one block only
    EXPECT_TRUE(log.text().contains(QStringLiteral("İki nesne seçilmelidir!")));
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    editor->connectSelected();
    selectPair(*b, *a);
    const auto before = snapshot();
    const int steps = editor->undoStack().count();
    editor->connectSelected(); // b to a, while a to b exists
    EXPECT_TRUE(log.text().contains(QStringLiteral("Zaten bağlı!")));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(editor->undoStack().count(), steps);
}

TEST_F(ConnectingTest, AConnectedBlockCannotBeDeletedUntilItsLinesAre)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    editor->connectSelected();
    const QString tag = b->TagID();
    editor->deleteSelectedBlock();
    EXPECT_TRUE(log.text().contains(QStringLiteral("Bağlı nesneler silinemez.")));
    EXPECT_NE(blocks().item(tag), nullptr);
    editor->deleteSelectedLines();
    EXPECT_EQ(lines().Count(), 0);
    EXPECT_EQ(editor->scene().lineItemCount(), 0);
    editor->deleteSelectedBlock();
    EXPECT_EQ(blocks().item(tag), nullptr);
    EXPECT_FALSE(surface->selectorVisible());
    expectSceneMatchesModel();
    editor->connectSelected(); // nothing selected now
    EXPECT_EQ(log.text().count(QStringLiteral("İki nesne seçilmelidir!")), 1);
    ASSERT_NE(a, nullptr);
}

TEST_F(ConnectingTest, DeletingLinesWithoutAPairIsReported)
{
    place(QStringLiteral("START"), QPointF(20, 20));
    editor->deleteSelectedLines();
    EXPECT_TRUE(log.text().contains(QStringLiteral("Hangi okun silineceğine karar verilemiyor.")));
}

TEST_F(ConnectingTest, LabellingAsksForTheCaptionAndACancelClearsIt)
{
    cBlock *a = place(QStringLiteral("START"), QPointF(20, 20));
    cBlock *b = place(QStringLiteral("END"), QPointF(20, 200));
    editor->connectSelected();
    QString answer = QStringLiteral("sonra");
    int asked = 0;
    editor->setCaptionPrompt([&] {
        ++asked;
        return answer;
    });
    editor->labelSelectedLines();
    EXPECT_EQ(lines().item(1)->sCaption(), QStringLiteral("sonra"));
    EXPECT_EQ(itemOf(*lines().item(1))->route().labelText, QStringLiteral("sonra"));
    answer.clear();
    selectPair(*b, *a); // either direction
    editor->labelSelectedLines();
    EXPECT_EQ(lines().item(1)->sCaption(), QString());
    EXPECT_EQ(asked, 2);

    editor->deleteSelectedLines();
    editor->deleteSelectedBlock();
    editor->labelSelectedLines(); // no pair: refused without asking
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(log.text().contains(QStringLiteral("İki nesne seçilmelidir!")));
}
