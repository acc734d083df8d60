#include "EditorFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

// What the surface has actually painted, read back from its window rather than painted afresh:
// a frame left behind by an earlier paint shows here, while a fresh grab would hide it.
class SelectionFrameTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        a = place(QStringLiteral("START"), {40, 40});
        b = place(QStringLiteral("END"), {200, 40});
        c = place(QStringLiteral("END"), {40, 200});
        ASSERT_TRUE(a && b && c);
        // Kept as they are now: a block deleted later is no longer there to ask.
        for (const cBlock *block : {a, b, c})
            areas.append({block->TagID(), frameArea(*block)});
    }

    static void letPaint()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    QImage painted() const
    {
        letPaint();
        return QGuiApplication::primaryScreen()->grabWindow(surface->winId()).toImage();
    }

    // The block's frame area in the window's pixels, with a little room either side.
    QRect frameArea(const cBlock &block) const
    {
        const QRect inViewport = surface->mapFromScene(ChartEditor::selectorFrame(block)).boundingRect();
        return inViewport.translated(surface->viewport()->pos()).adjusted(-3, -3, 3, 3);
    }

    // The blocks around which some frame is painted, and whether a frame is painted anywhere else.
    QStringList framed(bool *elsewhere) const
    {
        const QImage image = painted();
        QStringList tags;
        for (const auto &[tag, area] : areas) {
            if (countFramePixels(image, [&area](QPoint p) { return area.contains(p); }) > 0)
                tags << tag;
        }
        *elsewhere = countFramePixels(image, [this](QPoint p) {
                         return std::none_of(areas.begin(), areas.end(),
                                             [p](const auto &each) { return each.second.contains(p); });
                     }) > 0;
        return tags;
    }

    template<typename Where>
    static int countFramePixels(const QImage &image, Where where)
    {
        const QRgb frameColour = qRgb(0x00, 0x60, 0xE0);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (frameColour & 0xFFFFFF) && where(QPoint(x, y));
        return count;
    }

    void expectFramed(const QStringList &tags)
    {
        bool elsewhere = true;
        EXPECT_EQ(framed(&elsewhere), tags);
        EXPECT_FALSE(elsewhere);
    }

    QList<std::pair<QString, QRect>> areas;
    cBlock *a = nullptr;
    cBlock *b = nullptr;
    cBlock *c = nullptr;
};

TEST_F(SelectionFrameTest, ClickingBlocksInTurnLeavesOneFrame)
{
    expectFramed({c->TagID()});
    for (const cBlock *block : {a, b, c, a}) {
        click(centreOf(*block));
        expectFramed({block->TagID()});
    }
}

TEST_F(SelectionFrameTest, ADeletedBlockLeavesNoFrame)
{
    click(centreOf(*b));
    letPaint();
    editor->deleteSelectedBlock();
    expectFramed({});
}

TEST_F(SelectionFrameTest, ConnectingLeavesOneFrameOnTheSecondBlock)
{
    selectPair(*a, *b);
    editor->connectSelected();
    expectFramed({b->TagID()});
    selectPair(*b, *c);
    editor->connectSelected();
    expectFramed({c->TagID()});
}
