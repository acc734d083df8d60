#include "ui/editor/DrawingSurface.h"

#include "render/BlockItem.h"
#include "render/ChartScene.h"
#include "render/LineItem.h"
#include "ui/editor/SceneArea.h"
#include "ui/editor/ToolDrag.h"

#include <QAction>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

const double zoomStep = 1.25;
const double chartMargin = 20; // room to grab a block at the far edge of the drawing
// A block held within this many pixels of the view's edge, or beyond it, scrolls the view on
// every tick, faster the farther out it is, so it can be carried past what is on show.
const int edgeZone = 16;
const int edgeTickMs = 30;
const int fastestEdgeStep = 40;
// Screen pixels: how near a line a press selects it, the connect handle's radius, and how far
// the pointer must go before a press on empty surface draws a rubber band.
const double lineReach = 4;
const double handleRadius = 5;
const double bandThreshold = 3;

QColor markColour()
{
    return QColor(0x00, 0x60, 0xE0);
}

double distanceToSegment(const QPointF &p, const QLineF &segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double length2 = d.x() * d.x() + d.y() * d.y();
    const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0);
    return QLineF(p, segment.p1() + d * t).length();
}

double distanceToPath(const QPointF &p, const QPolygonF &path)
{
    double nearest = std::numeric_limits<double>::max();
    for (qsizetype i = 1; i < path.size(); ++i)
        nearest = std::min(nearest, distanceToSegment(p, QLineF(path[i - 1], path[i])));
    return nearest;
}

// The scroll of one tick along one axis for a pointer at `at` in a view from low to high.
int edgeStep(int at, int low, int high)
{
    if (at < low + edgeZone)
        return -std::min(fastestEdgeStep, (low + edgeZone - at) / 2 + 1);
    if (at > high - edgeZone)
        return std::min(fastestEdgeStep, (at - high + edgeZone) / 2 + 1);
    return 0;
}

} // namespace

DrawingSurface::DrawingSurface(QWidget *parent)
    : QGraphicsView(parent),
      m_emptyScene(new QGraphicsScene(this))
{
    setObjectName(QStringLiteral("drawingSurface"));
    setScene(m_emptyScene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHint(QPainter::Antialiasing);
    setOptimizationFlag(QGraphicsView::DontSavePainterState); // every item restores what it sets
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    setBackgroundBrush(palette().base());
    setFocusPolicy(Qt::NoFocus); // typed keys go on to the main window and the console
    setMinimumSize(200, 150);
    viewport()->setMouseTracking(true); // the connect handle follows the pointer
    setAcceptDrops(true);               // tools dragged from the tool column
    m_zoomIn = addZoomAction("mnuZoomIn", tr("Yakınlaştır"),
                             {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_zoomOut = addZoomAction("mnuZoomOut", tr("Uzaklaştır"), {QKeySequence::ZoomOut});
    m_zoomReset = addZoomAction("mnuZoomReset", tr("Gerçek Boyut"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    connect(m_zoomIn, &QAction::triggered, this, [this] { zoomAt(zoomStep, QPoint(0, 0)); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { zoomAt(1 / zoomStep, QPoint(0, 0)); });
    connect(m_zoomReset, &QAction::triggered, this, [this] { setZoomPercent(100); });
    m_edgeScroll.setInterval(edgeTickMs);
    connect(&m_edgeScroll, &QTimer::timeout, this, &DrawingSurface::scrollAtEdge);
    fitSceneToContents();
}

QAction *DrawingSurface::addZoomAction(const char *name, const QString &text, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void DrawingSurface::setChartScene(ChartScene *chart)
{
    if (m_chart)
        disconnect(m_chart, nullptr, this, nullptr);
    m_chart = chart;
    setScene(chart ? static_cast<QGraphicsScene *>(chart) : m_emptyScene);
    if (chart)
        connect(chart, &ChartScene::chartGeometryChanged, this, &DrawingSurface::scheduleFit);
    fitSceneToContents();
}

void DrawingSurface::showSelector(const QRectF &frame)
{
    if (m_selectorVisible && frame == m_selector)
        return;
    // The old place is repainted without the frame, the new one with it.
    hideSelector();
    m_selector = frame;
    m_selectorVisible = true;
    updateSelectorArea();
    scheduleFit();
}

void DrawingSurface::hideSelector()
{
    if (!m_selectorVisible)
        return;
    updateSelectorArea();
    m_selectorVisible = false;
}

void DrawingSurface::updateSelectorArea()
{
    viewport()->update(mapFromScene(m_selector).boundingRect().adjusted(-2, -2, 2, 2));
}

void DrawingSurface::drawForeground(QPainter *painter, const QRectF &)
{
    painter->save();
    drawGroupMarks(*painter);
    if (m_selectorVisible) {
        QPen pen(markColour(), 1, Qt::DashLine);
        pen.setCosmetic(true);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_selector);
    }
    painter->restore();
}

void DrawingSurface::drawGroupMarks(QPainter &painter) const
{
    QPen dashed(markColour(), 1, Qt::DashLine);
    dashed.setCosmetic(true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(dashed);
    for (const QRectF &frame : m_groupFrames)
        painter.drawRect(frame);
    if (m_lineHighlight)
        drawLit(painter, *m_lineHighlight);
    if (const LineItem *target = m_chart ? m_chart->lineItem(m_targetLine) : nullptr)
        drawLit(painter, LineItem::pathOf(target->route()));
    if (m_band) {
        QColor fill = markColour();
        fill.setAlpha(30);
        painter.setPen(dashed);
        painter.setBrush(fill);
        painter.drawRect(m_band->normalized());
    }
    if (m_connectFrom != -1 && m_chart && m_chart->blockItem(m_connectFrom)) {
        painter.setPen(dashed);
        painter.drawLine(handlePoint(m_chart->blockItem(m_connectFrom)->sceneBoundingRect()), m_connectTo);
    }
    if (m_handleBlock != -1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(markColour());
        painter.drawEllipse(handleRect());
    }
}

// A line drawn wide and see-through over the chart: the selected line, or the one a new block
// would go into.
void DrawingSurface::drawLit(QPainter &painter, const QPolygonF &path) const
{
    QColor wide = markColour();
    wide.setAlpha(110);
    QPen pen(wide, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(path);
}

void DrawingSurface::setGroupFrames(const QVector<QRectF> &frames)
{
    if (frames == m_groupFrames)
        return;
    m_groupFrames = frames;
    viewport()->update();
}

void DrawingSurface::setLineHighlight(const std::optional<QPolygonF> &line)
{
    if (line == m_lineHighlight)
        return;
    m_lineHighlight = line;
    viewport()->update();
}

QPointF DrawingSurface::handlePoint(const QRectF &block)
{
    return QPointF(block.center().x(), block.bottom());
}

// The handle hangs just below the block, so a press anywhere on the block still drags it.
QPointF DrawingSurface::handleCentre(const QRectF &block) const
{
    const double r = handleRadius / m_zoom;
    return handlePoint(block) + QPointF(0, r + 1 / m_zoom);
}

QRectF DrawingSurface::handleRect() const
{
    const BlockItem *item = m_chart ? m_chart->blockItem(m_handleBlock) : nullptr;
    if (!item)
        return QRectF();
    const double r = handleRadius / m_zoom;
    return QRectF(handleCentre(item->sceneBoundingRect()) - QPointF(r, r), QSizeF(2 * r, 2 * r));
}

void DrawingSurface::setHandleBlock(qint16 element)
{
    if (element == m_handleBlock)
        return;
    m_handleBlock = element;
    viewport()->update();
}

void DrawingSurface::hoverAt(const QPoint &viewportPoint)
{
    // Below the block the handle sticks out of it; the pointer there still keeps it.
    if (handleRect().contains(toSurface(viewportPoint)))
        return;
    setHandleBlock(blockAt(viewportPoint));
}

void DrawingSurface::leaveEvent(QEvent *event)
{
    setHandleBlock(-1);
    setTargetLine(-1);
    QGraphicsView::leaveEvent(event);
}

bool DrawingSurface::pressHandle(const QPointF &point)
{
    if (m_handleBlock == -1 || !handleRect().contains(point))
        return false;
    m_connectFrom = m_handleBlock;
    m_connectTo = point;
    viewport()->update();
    return true;
}

void DrawingSurface::finishConnectDrag(const QPoint &viewportPoint)
{
    const qint16 from = std::exchange(m_connectFrom, qint16(-1));
    viewport()->update();
    const qint16 to = blockAt(viewportPoint);
    if (to != -1 && to != from)
        Q_EMIT connectDragged(from, to);
}

void DrawingSurface::finishBand(QMouseEvent *event)
{
    const QRectF band = m_band->normalized();
    m_band.reset();
    viewport()->update();
    const double least = bandThreshold / m_zoom;
    if (band.width() >= least || band.height() >= least)
        Q_EMIT bandSelected(band, event->modifiers().testFlag(Qt::ControlModifier));
}

qint16 DrawingSurface::lineAt(const QPointF &surfacePoint) const
{
    const double reach = lineReach / m_zoom;
    const QRectF around(surfacePoint - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach));
    qint16 nearest = -1;
    double best = reach;
    for (const QGraphicsItem *item : scene()->items(around)) {
        if (item->type() != LineItem::Type || !item->isVisible())
            continue;
        const double distance = distanceToPath(surfacePoint, LineItem::pathOf(static_cast<const LineItem *>(item)->route()));
        if (distance <= best) {
            best = distance;
            nearest = static_cast<const LineItem *>(item)->element();
        }
    }
    return nearest;
}

void DrawingSurface::scheduleFit()
{
    if (m_fitScheduled)
        return;
    m_fitScheduled = true;
    QTimer::singleShot(0, this, [this] {
        if (m_fitScheduled)
            fitSceneToContents();
    });
}

void DrawingSurface::fitSceneToContents()
{
    m_fitScheduled = false;
    QRectF drawn;
    if (m_chart)
        drawn = m_chart->chartBounds();
    QRectF wanted = drawn.isEmpty() ? QRectF() : drawn.adjusted(-chartMargin, -chartMargin, chartMargin, chartMargin);
    if (m_selectorVisible)
        wanted |= m_selector;
    int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (style()->styleHint(QStyle::SH_ScrollView_FrameOnlyAroundContents, nullptr, this))
        barExtent += 2 * frameWidth();
    const QRectF area = SceneArea::fit(drawn, wanted, {maximumViewportSize(), barExtent, m_zoom});
    if (area != sceneRect())
        setSceneRect(area);
}

void DrawingSurface::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    fitSceneToContents();
}

void DrawingSurface::setToolCursor(const QCursor &cursor)
{
    viewport()->setCursor(cursor);
    // Every tool's cursor is a picture of its block; the default arrow means none is armed.
    m_toolArmed = cursor.shape() == Qt::BitmapCursor;
    if (!m_toolArmed)
        setTargetLine(-1);
}

void DrawingSurface::setTargetLine(qint16 element)
{
    if (element == m_targetLine)
        return;
    m_targetLine = element;
    viewport()->update();
}

// The line a block placed at this point of the viewport would go into is lit.
void DrawingSurface::aimAt(const QPoint &viewportPoint)
{
    setTargetLine(lineAt(toSurface(viewportPoint)));
}

void DrawingSurface::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void DrawingSurface::dragMoveEvent(QDragMoveEvent *event)
{
    if (ToolDrag::toolWord(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    aimAt(event->position().toPoint());
}

void DrawingSurface::dragLeaveEvent(QDragLeaveEvent *event)
{
    setTargetLine(-1);
    event->accept();
}

void DrawingSurface::dropEvent(QDropEvent *event)
{
    setTargetLine(-1);
    const QString word = ToolDrag::toolWord(event->mimeData());
    if (word.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT toolDropped(word, toSurface(event->position()));
}

int DrawingSurface::zoomPercent() const
{
    return int(std::lround(m_zoom * 100));
}

void DrawingSurface::setZoomPercent(int percent)
{
    zoomAt(double(percent) / (m_zoom * 100), QPoint(0, 0));
}

void DrawingSurface::zoomAt(double factor, const QPoint &viewportPoint)
{
    const double zoom = std::clamp(m_zoom * factor, minimumZoom / 100.0, maximumZoom / 100.0);
    if (zoom == m_zoom)
        return;
    const QPointF anchor = toSurface(viewportPoint);
    m_zoom = zoom;
    setTransform(QTransform::fromScale(zoom, zoom));
    fitSceneToContents();
    const QPointF moved = viewportTransform().map(anchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + int(std::lround(moved.x() - viewportPoint.x())));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + int(std::lround(moved.y() - viewportPoint.y())));
    Q_EMIT zoomChanged(zoomPercent());
}

QPointF DrawingSurface::toSurface(const QPointF &viewportPoint) const
{
    return viewportTransform().inverted().map(viewportPoint);
}

BlockItem *DrawingSurface::blockItemAt(const QPoint &viewportPoint) const
{
    for (QGraphicsItem *item : items(viewportPoint)) {
        if (item->type() == BlockItem::Type && item->isVisible())
            return static_cast<BlockItem *>(item);
    }
    return nullptr;
}

qint16 DrawingSurface::blockAt(const QPoint &viewportPoint) const
{
    const BlockItem *item = blockItemAt(viewportPoint);
    return item ? item->element() : qint16(-1);
}

void DrawingSurface::pressAt(QMouseEvent *event)
{
    const QPointF point = toSurface(event->position());
    const bool left = event->button() == Qt::LeftButton;
    if (left && pressHandle(point))
        return;
    const BlockItem *item = blockItemAt(event->position().toPoint());
    if (!item) {
        if (left)
            m_band = QRectF(point, point);
        Q_EMIT emptySurfacePressed(point, event->button());
        return;
    }
    if (event->modifiers().testFlag(Qt::ControlModifier)) {
        Q_EMIT blockToggled(item->element());
        return;
    }
    m_holdingBlock = true;
    setHandleBlock(-1);
    Q_EMIT blockPressed(item->element(), item->mapFromScene(point));
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    if (m_holdingBlock || m_band || m_connectFrom != -1)
        return; // a second button while the first is busy
    pressAt(event);
    event->accept();
}

void DrawingSurface::mouseMoveEvent(QMouseEvent *event)
{
    if (m_connectFrom != -1 || m_band) {
        const QPointF point = toSurface(event->position());
        if (m_band)
            m_band->setBottomRight(point);
        else
            m_connectTo = point;
        viewport()->update();
        return;
    }
    if (!m_holdingBlock) {
        hoverAt(event->position().toPoint());
        if (m_toolArmed)
            aimAt(event->position().toPoint());
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    m_heldAt = event->position().toPoint();
    const QPointF point = toSurface(event->position());
    Q_EMIT blockDragged(point);
    // Dragged past the edge, the surface grows and scrolls along.
    fitSceneToContents();
    ensureVisible(QRectF(point, QSizeF(1, 1)), 0, 0);
    if (!m_edgeScroll.isActive())
        m_edgeScroll.start();
}

// The pointer may stay still near the edge: the view keeps scrolling and the block follows.
void DrawingSurface::scrollAtEdge()
{
    const QRect area = viewport()->rect();
    QScrollBar *across = horizontalScrollBar();
    QScrollBar *down = verticalScrollBar();
    const QPoint before(across->value(), down->value());
    across->setValue(before.x() + edgeStep(m_heldAt.x(), area.left(), area.right()));
    down->setValue(before.y() + edgeStep(m_heldAt.y(), area.top(), area.bottom()));
    if (QPoint(across->value(), down->value()) == before)
        return;
    Q_EMIT blockDragged(toSurface(m_heldAt));
    fitSceneToContents();
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    if (m_connectFrom != -1) {
        finishConnectDrag(event->position().toPoint());
        return;
    }
    if (m_band) {
        finishBand(event);
        return;
    }
    if (!m_holdingBlock)
        return;
    m_holdingBlock = false;
    m_edgeScroll.stop();
    Q_EMIT blockReleased();
    if (m_chart)
        m_chart->invalidateBounds(); // the drag may have left room that is no longer needed
    scheduleFit();
}

void DrawingSurface::mouseDoubleClickEvent(QMouseEvent *event)
{
    const qint16 element = blockAt(event->position().toPoint());
    if (element == -1) {
        pressAt(event); // a quick second press on empty surface is still a press
        return;
    }
    m_holdingBlock = true;
    Q_EMIT blockDoubleClicked(element);
}

void DrawingSurface::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomAt(std::pow(zoomStep, steps), event->position().toPoint());
    event->accept();
}
