#pragma once

#include "model/BlockChange.h"
#include "model/LineChange.h"

#include <QGraphicsScene>
#include <QHash>
#include <QTimer>

class BlockItem;
class Block_Collection;
class LineItem;
class Line_Collection;
class MessageLog;
class ModelContext;
class cBlock;
class cLine;

// The flowchart as a graphics scene, in surface pixels: one item per block and per line,
// built from the model's announcements and never by polling it. The drawing surface shows
// it; a picture, a printout or the terminal runner's rendering draws a scene of its own
// (without the surface's selection frame) from the same model:
//
//     ChartScene scene(context, blocks, lines);
//     scene.render(&painter, target, scene.chartBounds());
class ChartScene : public QGraphicsScene {
    Q_OBJECT
public:
    // log, when given, receives the message of a block with an unknown shape code, once per
    // block and code rather than on every repaint.
    ChartScene(ModelContext &context, const Block_Collection &blocks, const Line_Collection &lines,
               MessageLog *log = nullptr, QObject *parent = nullptr);
    ~ChartScene() override;

    BlockItem *blockItem(qint16 element) const { return m_blockItems.value(element); }
    LineItem *lineItem(qint16 element) const { return m_lineItems.value(element); }
    int blockItemCount() const { return int(m_blockItems.size()); }
    int lineItemCount() const { return int(m_lineItems.size()); }

    // A rectangle holding every visible block and line; empty for an empty chart. Moves only
    // widen it; invalidateBounds() makes the next call work out the smallest one again.
    QRectF chartBounds() const;
    void invalidateBounds() { m_boundsDirty = true; }

    // Puts the block above every other block (a pressed block comes to the front).
    void bringToFront(qint16 element);

    // While on (a run is in progress), a replaced model is drawn again at most once per screen
    // frame, however often function calls replace it; otherwise at once.
    void setCoalesceReplacements(bool on);
    bool rebuildPending() const { return m_rebuildTimer.isActive(); }
    // Throws every item away and builds the scene again from the model.
    void rebuild();

Q_SIGNALS:
    void rebuilt();
    // An item appeared, went, moved or changed size: the chart's bounds may differ.
    void chartGeometryChanged();

private:
    void connectModel();
    void onReplaced();
    void addBlock(const cBlock &block);
    void updateBlock(const cBlock &block, BlockChanges what);
    void removeBlockItem(qint16 element);
    void clearBlockItems();
    void updateLine(const cLine &line);
    void removeLineItem(qint16 element);
    void clearLineItems();
    void reportInvalidShape(qint16 element, qint16 shape);
    void geometryChanged();
    void itemChanged(const QGraphicsItem &item);

    ModelContext &m_context;
    const Block_Collection &m_blocks;
    const Line_Collection &m_lines;
    MessageLog *m_log;
    QHash<qint16, BlockItem *> m_blockItems;
    QHash<qint16, LineItem *> m_lineItems;
    QHash<qint16, qint16> m_reportedShape; // element -> unknown code already reported
    QTimer m_rebuildTimer;
    bool m_coalesce = false;
    bool m_rebuilding = false;
    qreal m_topZ = 1;
    mutable QRectF m_bounds;
    mutable bool m_boundsDirty = true;
};
