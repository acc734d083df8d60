#include "render/ChartScene.h"

#include "base/MessageLog.h"
#include "model/BlockShape.h"
#include "model/Block_Collection.h"
#include "model/Line_Collection.h"
#include "render/BlockItem.h"
#include "render/LineItem.h"

ChartScene::ChartScene(ModelContext &context, const Block_Collection &blocks, const Line_Collection &lines,
                       MessageLog *log, QObject *parent)
    : QGraphicsScene(parent),
      m_context(context),
      m_blocks(blocks),
      m_lines(lines),
      m_log(log)
{
    setBackgroundBrush(Qt::white);
    m_rebuildTimer.setSingleShot(true);
    m_rebuildTimer.setInterval(16);
    connect(&m_rebuildTimer, &QTimer::timeout, this, &ChartScene::rebuild);
    connectModel();
    rebuild();
}

ChartScene::~ChartScene()
{
    clearBlockItems();
    clearLineItems();
}

void ChartScene::connectModel()
{
    connect(&m_context, &ModelContext::replaced, this, &ChartScene::onReplaced);
    connect(&m_blocks, &Block_Collection::blockAdded, this, [this](cBlock *block) {
        if (!rebuildPending())
            addBlock(*block);
    });
    connect(&m_blocks, &Block_Collection::blockChanged, this, [this](cBlock *block, BlockChanges what) {
        if (!rebuildPending())
            updateBlock(*block, what);
    });
    connect(&m_blocks, &Block_Collection::blockRemoved, this,
            [this](const QString &, qint16 element) { removeBlockItem(element); });
    connect(&m_blocks, &Block_Collection::cleared, this, &ChartScene::clearBlockItems);
    connect(&m_lines, &Line_Collection::lineAdded, this, [this](cLine *line) {
        if (!rebuildPending())
            updateLine(*line);
    });
    connect(&m_lines, &Line_Collection::lineChanged, this, [this](cLine *line, LineChanges) {
        if (!rebuildPending())
            updateLine(*line);
    });
    connect(&m_lines, &Line_Collection::lineRemoved, this, &ChartScene::removeLineItem);
    connect(&m_lines, &Line_Collection::cleared, this, &ChartScene::clearLineItems);
}

void ChartScene::setCoalesceReplacements(bool on)
{
    m_coalesce = on;
    if (!on && rebuildPending())
        rebuild();
}

void ChartScene::onReplaced()
{
    if (!m_coalesce) {
        rebuild();
        return;
    }
    if (!rebuildPending())
        m_rebuildTimer.start();
}

void ChartScene::rebuild()
{
    m_rebuildTimer.stop();
    clearBlockItems();
    clearLineItems();
    m_reportedShape.clear();
    m_topZ = 1;
    m_rebuilding = true;
    for (const auto &block : m_blocks)
        addBlock(*block);
    for (const auto &line : m_lines)
        updateLine(*line);
    m_rebuilding = false;
    geometryChanged();
    Q_EMIT rebuilt();
}

void ChartScene::addBlock(const cBlock &block)
{
    if (!block.hasElement() || !m_context.hasShape(block.theObjectShape()))
        return;
    updateBlock(block, BlockChange::Shape);
}

void ChartScene::updateBlock(const cBlock &block, BlockChanges what)
{
    const qint16 element = block.theObjectShape();
    if (!block.hasElement() || !m_context.hasShape(element))
        return;
    BlockItem *item = m_blockItems.value(element);
    if (!item) {
        item = new BlockItem(element);
        m_blockItems.insert(element, item);
        addItem(item);
    }
    const ShapeElement &shape = m_context.shape(element);
    item->setLook(BlockItem::lookOf(block, m_context));
    item->setPos(shape.left, shape.top);
    item->setVisible(shape.visible);
    if (what & BlockChange::Shape)
        reportInvalidShape(element, block.Shape());
    if (what & (BlockChange::Position | BlockChange::Size | BlockChange::Visibility | BlockChange::Shape))
        itemChanged(*item);
}

void ChartScene::reportInvalidShape(qint16 element, qint16 shape)
{
    const MessageText message = BlockShape::invalidShapeMessage(shape);
    if (message.isEmpty()) {
        m_reportedShape.remove(element);
        return;
    }
    if (!m_log || m_reportedShape.value(element, 0) == shape)
        return;
    m_reportedShape.insert(element, shape);
    m_log->mBox(message);
}

void ChartScene::removeBlockItem(qint16 element)
{
    delete m_blockItems.take(element);
    m_reportedShape.remove(element);
    geometryChanged();
}

void ChartScene::clearBlockItems()
{
    qDeleteAll(m_blockItems);
    m_blockItems.clear();
    geometryChanged();
}

void ChartScene::updateLine(const cLine &line)
{
    const qint16 element = line.theObjectLine();
    if (!line.hasElement() || !m_context.hasLine(element))
        return;
    LineItem *item = m_lineItems.value(element);
    if (!item) {
        item = new LineItem(element);
        m_lineItems.insert(element, item);
        addItem(item);
    }
    item->setRoute(m_context.line(element));
    itemChanged(*item);
}

void ChartScene::removeLineItem(qint16 element)
{
    delete m_lineItems.take(element);
    geometryChanged();
}

void ChartScene::clearLineItems()
{
    qDeleteAll(m_lineItems);
    m_lineItems.clear();
    geometryChanged();
}

void ChartScene::bringToFront(qint16 element)
{
    if (BlockItem *item = m_blockItems.value(element))
        item->setZValue(++m_topZ);
}

void ChartScene::itemChanged(const QGraphicsItem &item)
{
    // While the bounds are known they only grow here (a dragged block, a new line): working
    // them out anew over every item on each move of a drag would cost a pass over the chart.
    if (!m_boundsDirty && item.isVisible())
        m_bounds |= item.sceneBoundingRect();
    else
        m_boundsDirty = true;
    if (!m_rebuilding)
        Q_EMIT chartGeometryChanged();
}

void ChartScene::geometryChanged()
{
    m_boundsDirty = true;
    if (!m_rebuilding)
        Q_EMIT chartGeometryChanged();
}

QRectF ChartScene::chartBounds() const
{
    if (!m_boundsDirty)
        return m_bounds;
    QRectF bounds;
    for (const BlockItem *item : m_blockItems)
        if (item->isVisible())
            bounds |= item->sceneBoundingRect();
    for (const LineItem *item : m_lineItems)
        if (item->isVisible())
            bounds |= item->sceneBoundingRect();
    m_bounds = bounds;
    m_boundsDirty = false;
    return bounds;
}
