// The scrollable area of the surface settles at once wherever a block is placed, moved or
// resized, at any zoom: the scroll bars that the area brings must not change the area again.

#include "EditorFixture.h"

#include <QScrollBar>

namespace {

// Counts the size changes of the surface's viewport (each scroll bar turning on or off is one).
// Past any number a settling area could need, it takes the scroll bars away: a surface caught
// in a loop of bars turning each other on and off then stops, and the test fails instead of
// hanging.
class ResizeCounter : public QObject {
public:
    explicit ResizeCounter(DrawingSurface &surface) : m_surface(surface) { surface.viewport()->installEventFilter(this); }
    ~ResizeCounter() override
    {
        m_surface.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_surface.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    int count = 0;
    bool runaway = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Resize || ++count < 100 || runaway)
            return false;
        runaway = true;
        m_surface.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_surface.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return false;
    }

private:
    DrawingSurface &m_surface;
};

class SceneSettlingTest : public EditorFixture {
protected:
    // Lets the event loop run in bounded passes until one pass changes neither the scene rect
    // nor the viewport; false when it keeps changing.
    bool settles()
    {
        ResizeCounter resizes(*surface);
        for (int pass = 0; pass < 30 && !resizes.runaway; ++pass) {
            const QRectF area = surface->sceneRect();
            resizes.count = 0;
            QCoreApplication::processEvents();
            if (pass > 0 && resizes.count == 0 && surface->sceneRect() == area)
                return true;
        }
        return false;
    }

    // The scroll bars a user sees agree with the area: one shows exactly where the area is
    // larger than the view.
    void expectBarsMatchArea(const std::string &where)
    {
        const QRectF shown = surface->viewportTransform().mapRect(surface->sceneRect());
        const QSize view = surface->viewport()->size();
        EXPECT_EQ(surface->horizontalScrollBar()->isVisible(), shown.width() > view.width() + 0.5) << where;
        EXPECT_EQ(surface->verticalScrollBar()->isVisible(), shown.height() > view.height() + 0.5) << where;
    }

    // Viewport points near every edge and corner of the view.
    QList<QPoint> edgePoints() const
    {
        const QSize view = surface->maximumViewportSize();
        const int right = view.width() - 1;
        const int bottom = view.height() - 1;
        return {QPoint(200, 13), QPoint(13, 200), QPoint(5, 5),           QPoint(200, bottom - 13),
                QPoint(right - 13, 200), QPoint(right - 13, bottom - 13), QPoint(right - 5, 5),
                QPoint(5, bottom - 5),   QPoint(200, 1),                  QPoint(1, 1)};
    }
};

const int zooms[] = {25, 64, 100, 125, 175, 400};

std::string describe(int zoom, const QPoint &at)
{
    return "zoom " + std::to_string(zoom) + "% at " + std::to_string(at.x()) + "," + std::to_string(at.y());
}

} // namespace

TEST_F(SceneSettlingTest, ABlockPlacedNearAnyEdgeSettlesAtOnce)
{
    for (const int zoom : zooms) {
        for (const QPoint &at : edgePoints()) {
            surface->setZoomPercent(100);
            surface->horizontalScrollBar()->setValue(0);
            surface->verticalScrollBar()->setValue(0);
            ASSERT_TRUE(settles());
            surface->setZoomPercent(zoom);
            ASSERT_TRUE(settles());
            const QPointF point = surface->toSurface(at);
            connectPlacement(QStringLiteral("START"));
            QTest::mousePress(surface->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(surface->viewport(), Qt::LeftButton, {}, at);
            const std::string where = describe(zoom, at);
            ASSERT_TRUE(settles()) << where;
            const cBlock *block = editor->operations().blockAt(context().selectedIndex());
            ASSERT_NE(block, nullptr) << where;
            EXPECT_NEAR(block->shapeLeft(), point.x(), 1) << where; // whole pixels are kept
            EXPECT_NEAR(block->shapeTop(), point.y(), 1) << where;
            EXPECT_TRUE(surface->sceneRect().contains(itemOf(*block)->sceneBoundingRect())) << where;
            expectBarsMatchArea(where);
            editor->undo(); // an empty drawing for the next case
        }
    }
}

// Only what lies past the top or left edge of the surface makes room there: a block near
// the edge keeps the view where it is, with no scroll bar for the margin alone.
TEST_F(SceneSettlingTest, TheMarginNeverReachesPastTheOrigin)
{
    place(QStringLiteral("START"), QPointF(40, 13));
    ASSERT_TRUE(settles());
    EXPECT_EQ(surface->sceneRect().topLeft(), QPointF(0, 0));
    EXPECT_FALSE(surface->verticalScrollBar()->isVisible());
    EXPECT_FALSE(surface->horizontalScrollBar()->isVisible());

    cBlock *block = place(QStringLiteral("END"), QPointF(200, 200));
    editor->apply(QStringLiteral("Taşı"),
                  [block](EditOperations &o) { return o.moveBlock(block->theObjectShape(), -30, -40); });
    ASSERT_TRUE(settles());
    EXPECT_EQ(surface->sceneRect().topLeft(), QPointF(-50, -60)); // the block and its margin
}

TEST_F(SceneSettlingTest, ABlockMovedOrResizedToAnyEdgeSettlesAtOnce)
{
    for (const int zoom : zooms) {
        surface->setZoomPercent(100);
        ASSERT_TRUE(settles());
        cBlock *block = place(QStringLiteral("START"), QPointF(150, 150));
        surface->setZoomPercent(zoom);
        ASSERT_TRUE(settles());
        const qint16 element = block->theObjectShape();
        for (const QPoint &at : edgePoints()) {
            const QPointF point = surface->toSurface(at);
            editor->apply(QStringLiteral("Taşı"), [element, point](EditOperations &o) {
                return o.moveBlock(element, float(point.x()), float(point.y()));
            });
            const std::string where = describe(zoom, at);
            ASSERT_TRUE(settles()) << "moved, " << where;
            expectBarsMatchArea("moved, " + where);
            for (const int size : {1, 40, 400}) {
                editor->apply(QStringLiteral("Boyut"), [size](EditOperations &o) { return o.setSelectedWidth(size); });
                editor->apply(QStringLiteral("Boyut"), [size](EditOperations &o) { return o.setSelectedHeight(size); });
                ASSERT_TRUE(settles()) << "resized to " << size << ", " << where;
                EXPECT_TRUE(surface->sceneRect().contains(itemOf(*block)->sceneBoundingRect())) << where;
                expectBarsMatchArea("resized, " + where);
            }
        }
        editor->deleteSelectedBlock();
    }
}
