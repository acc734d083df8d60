#include "EditorFixture.h"

#include <QAccessible>

// A screen reader reads the chart through the surface's accessibility tree.
class AccessibilityTest : public EditorFixture {
protected:
    QAccessibleInterface *surfaceInterface() { return QAccessible::queryAccessibleInterface(surface.get()); }

    // The child of the surface whose name starts with text.
    QAccessibleInterface *childNamed(const QString &text)
    {
        QAccessibleInterface *chart = surfaceInterface();
        for (int i = 0; i < chart->childCount(); ++i) {
            if (chart->child(i)->text(QAccessible::Name).startsWith(text))
                return chart->child(i);
        }
        ADD_FAILURE() << "no child " << text.toStdString();
        return nullptr;
    }
};

TEST_F(AccessibilityTest, BlocksAndLinesAreReadWithWhereTheFlowGoes)
{
    editor->setPlacementDialog([](const BlockTool &tool) -> std::optional<ActionFields> {
        if (tool.word == QLatin1String("JUNCTION"))
            return ActionFields{QStringLiteral("IF_LESS_EQUAL"), QStringLiteral("i"), QStringLiteral("n"), QString()};
        return ActionFields{QStringLiteral("ADD"), QStringLiteral("toplam"), QStringLiteral("i"), QStringLiteral("toplam")};
    });
    cBlock *test = place(QStringLiteral("JUNCTION"), QPointF(100, 20));
    cBlock *sum = place(QStringLiteral("ACTION"), QPointF(20, 200));
    editor->connectSelected();
    cBlock *end = place(QStringLiteral("END"), QPointF(300, 200));
    selectPair(*test, *end);
    editor->connectSelected();

    QAccessibleInterface *chart = surfaceInterface();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->childCount(), 5);

    const QString sumName = QStringLiteral("İşlem bloğu: ") + sum->sCaption().simplified();
    QAccessibleInterface *condition = childNamed(QStringLiteral("Koşul bloğu: "));
    ASSERT_NE(condition, nullptr);
    EXPECT_EQ(condition->role(), QAccessible::Graphic);
    EXPECT_TRUE(condition->text(QAccessible::Name).contains(QStringLiteral("i")));
    EXPECT_EQ(condition->text(QAccessible::Description),
              QStringLiteral("EVET: ") + sumName + QStringLiteral(", HAYIR: Dur bloğu: ") + end->sCaption().simplified());
    EXPECT_EQ(chart->indexOfChild(condition), 0);
    EXPECT_EQ(condition->parent(), chart);
    EXPECT_TRUE(chart->rect().intersects(condition->rect()));

    QAccessibleInterface *yes = childNamed(QStringLiteral("Çizgi (EVET)"));
    ASSERT_NE(yes, nullptr);
    EXPECT_TRUE(yes->text(QAccessible::Description).endsWith(QStringLiteral(" → ") + sumName));
    EXPECT_EQ(childNamed(QStringLiteral("Dur bloğu"))->text(QAccessible::Description), QStringLiteral("Çıkan çizgisi yok"));

    // Selection shows in the state; a deleted block is no longer a child.
    EXPECT_TRUE(childNamed(QStringLiteral("Koşul"))->state().selected == false);
    click(centreOf(*sum));
    EXPECT_TRUE(childNamed(QStringLiteral("İşlem"))->state().selected);
    editor->deleteSelectedBlocks(QStringLiteral("Kes"));
    EXPECT_EQ(chart->childCount(), 3);
}
