#pragma once

#include "base/MessageLog.h"
#include "model/cBlock.h"
#include "model/cLine.h"
#include "project/Project.h"
#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "render/LineItem.h"
#include "ui/editor/ChartEditor.h"
#include "ui/editor/DrawingSurface.h"

#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>

// A drawing surface with its editor over a project of its own, shown at a fixed size, and the
// gestures a user makes on it, in surface coordinates.
class EditorFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        project = std::make_unique<Project>(&log);
        surface = std::make_unique<DrawingSurface>();
        surface->resize(800, 600);
        surface->show();
        editor = std::make_unique<ChartEditor>(*project, *surface);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(surface.get()));
    }
    void TearDown() override
    {
        editor.reset();
        surface.reset();
        project.reset();
    }

    ModelContext &context() { return project->context(); }
    Block_Collection &blocks() { return project->theBlockCollection(); }
    Line_Collection &lines() { return project->theLineCollection(); }

    QPoint viewportPoint(const QPointF &surfacePoint) const
    {
        return surface->viewportTransform().map(surfacePoint).toPoint();
    }
    void press(const QPointF &at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(surface->viewport(), button, {}, viewportPoint(at));
    }
    void moveTo(const QPointF &at) { moveInViewport(viewportPoint(at)); }
    void moveInViewport(const QPoint &at)
    {
        QMouseEvent move(QEvent::MouseMove, at, surface->viewport()->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(surface->viewport(), &move);
    }
    void release(const QPointF &at)
    {
        QTest::mouseRelease(surface->viewport(), Qt::LeftButton, {}, viewportPoint(at));
    }
    void click(const QPointF &at)
    {
        press(at);
        release(at);
    }
    void drag(const QPointF &from, const QPointF &to, int steps = 4)
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            moveTo(from + (to - from) * (double(i) / steps));
        release(to);
    }

    // Places a block with the tool at a surface point, as a press with the tool armed does.
    cBlock *place(const QString &word, const QPointF &at)
    {
        connectPlacement(word);
        press(at);
        release(at);
        QObject::disconnect(placement);
        return editor->operations().blockAt(context().selectedIndex());
    }
    void connectPlacement(const QString &word)
    {
        QObject::disconnect(placement);
        placement = QObject::connect(surface.get(), &DrawingSurface::emptySurfacePressed,
                                     [this, word](const QPointF &point) { editor->placeBlock(word, point); });
    }
    static QPointF centreOf(const cBlock &block)
    {
        return QPointF(block.shapeLeft() + block.shapeWidth() / 2.0, block.shapeTop() + block.shapeHeight() / 2.0);
    }

    // Clicks two blocks one after the other (the pair the line commands use).
    void selectPair(const cBlock &first, const cBlock &second)
    {
        click(centreOf(first));
        click(centreOf(second));
    }

    BlockItem *itemOf(const cBlock &block) { return editor->scene().blockItem(block.theObjectShape()); }
    LineItem *itemOf(const cLine &line) { return editor->scene().lineItem(line.theObjectLine()); }

    // Everything of the drawing a user can see or save, in collection order.
    QStringList snapshot()
    {
        QStringList out;
        for (const auto &block : blocks()) {
            out << QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8").arg(block->TagID(), block->zAction())
                       .arg(block->shapeLeft()).arg(block->shapeTop())
                       .arg(block->shapeWidth()).arg(block->shapeHeight()).arg(block->sCaption())
                       .arg(block->BGColor());
        }
        for (const auto &line : lines())
            out << QStringLiteral("%1>%2 %3").arg(line->sFrom(), line->sTo(), line->sCaption());
        return out;
    }

    // The scene shows exactly the model's blocks and lines, where the model puts them.
    void expectSceneMatchesModel()
    {
        int shownBlocks = 0;
        for (const auto &block : blocks()) {
            const BlockItem *item = itemOf(*block);
            ASSERT_NE(item, nullptr) << block->TagID().toStdString();
            EXPECT_EQ(item->pos(), QPointF(block->shapeLeft(), block->shapeTop()));
            EXPECT_EQ(item->look().caption, block->sCaption());
            ++shownBlocks;
        }
        EXPECT_EQ(editor->scene().blockItemCount(), shownBlocks);
        for (const auto &line : lines()) {
            const LineItem *item = itemOf(*line);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->route(), context().line(line->theObjectLine()));
        }
        EXPECT_EQ(editor->scene().lineItemCount(), lines().Count());
    }

    MessageLog log;
    std::unique_ptr<Project> project;
    std::unique_ptr<DrawingSurface> surface;
    std::unique_ptr<ChartEditor> editor;
    QMetaObject::Connection placement;
};
