#include "ui/support/MainWindowFixture.h"

#include "render/BlockPainter.h"
#include "ui/editor/DrawingSurface.h"
#include "ui/main/ToolColumn.h"

#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QSet>

class ToolColumnTest : public MainWindowFixture {};

// Each tool shows its name under its icon, whole, and its tool tip names it and says what its
// block does; a screen reader hears the same.
TEST_F(ToolColumnTest, NineToolsInOrderWithTheirNamesAndTips)
{
    const QStringList names = {QStringLiteral("Başla"), QStringLiteral("İşlem"), QStringLiteral("Giriş"),
                               QStringLiteral("Çıkış"), QStringLiteral("Şartlı Dallanma"), QStringLiteral("Bağlantı"),
                               QStringLiteral("Fonksiyon"), QStringLiteral("Pencere"), QStringLiteral("Dur")};
    const QList<QToolButton *> buttons = window->fraToolBar1()->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 9);
    QSet<QString> descriptions;
    for (int i = 0; i < 9; ++i) {
        QToolButton *button = buttons[i];
        EXPECT_EQ(button->text(), names[i]);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_LE(button->fontMetrics().horizontalAdvance(names[i]), button->width() - 6) << i;
        EXPECT_EQ(button->size(), buttons[0]->size());
        const QStringList tip = button->toolTip().split(u'\n');
        ASSERT_EQ(tip.size(), 2) << i;
        EXPECT_EQ(tip[0], names[i]);
        EXPECT_EQ(button->accessibleName(), names[i]);
        EXPECT_EQ(button->accessibleDescription(), tip[1]);
        descriptions.insert(tip[1]);
    }
    EXPECT_EQ(descriptions.size(), 9);
}

TEST_F(ToolColumnTest, ArmingSetsTheCursorAndTheBackgroundDisarms)
{
    ToolColumn *tools = window->fraToolBar1();
    window->show();
    QTest::mouseClick(tools->button(QStringLiteral("JUNCTION")), Qt::LeftButton);
    EXPECT_EQ(tools->armedWord(), QStringLiteral("JUNCTION"));
    EXPECT_EQ(window->surface()->viewport()->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(tools, Qt::LeftButton, {}, QPoint(2, tools->height() - 2));
    EXPECT_TRUE(tools->armedWord().isEmpty());
    EXPECT_EQ(window->surface()->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ToolColumnTest, ToolsDoNothingWhileBlocksAreNotTracked)
{
    controls().chk_LOAD_GUI->setChecked(false);
    EXPECT_FALSE(window->project().trackCurrentBlock());
    QTest::mouseClick(window->fraToolBar1()->button(QStringLiteral("START")), Qt::LeftButton);
    EXPECT_TRUE(window->fraToolBar1()->armedWord().isEmpty());
}

TEST(BlockPainter, ShapesFillThenOutline)
{
    const struct {
        qint16 shape;
        QPoint inside;
        QPoint outside;
    } cases[] = {
        {BlockPainter::Rectangle, {2, 2}, {-1, -1}},
        {BlockPainter::Oval, {50, 15}, {1, 1}},
        {BlockPainter::Circle, {50, 15}, {0, 0}},
        {BlockPainter::Parallelogram, {50, 15}, {2, 2}},
        {BlockPainter::Diamond, {50, 15}, {5, 3}},
        {BlockPainter::Function, {50, 15}, {1, 2}},
    };
    for (const auto &c : cases) {
        QImage image(100, 30, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_TRUE(BlockPainter::paint(painter, c.shape, QRectF(0, 0, 99, 29), Qt::yellow, Qt::black));
        painter.end();
        EXPECT_EQ(image.pixelColor(c.inside), QColor(Qt::yellow)) << c.shape;
        if (image.rect().contains(c.outside)) {
            EXPECT_EQ(image.pixelColor(c.outside), QColor(Qt::white)) << c.shape;
        }
    }
    QImage image(10, 10, QImage::Format_ARGB32);
    QPainter painter(&image);
    EXPECT_FALSE(BlockPainter::paint(painter, 7, QRectF(0, 0, 9, 9), Qt::yellow, Qt::black));
}

TEST(BlockPainter, StoredColoursAreBlueGreenRed)
{
    EXPECT_EQ(BlockPainter::colorOf(0x00FF8040), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(BlockPainter::colorOf(16777215), QColor(Qt::white));
}
