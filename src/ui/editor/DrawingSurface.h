#pragma once

#include "render/ChartScene.h"

#include <QGraphicsView>
#include <QPointer>
#include <QPolygonF>
#include <QTimer>
#include <QVector>
#include <optional>

class BlockItem;
class QAction;

// The main window's client area on which the flowchart is drawn: a view of the chart's scene
// in surface pixels (origin at the top-left corner), with the selection frame drawn over it.
// The surface turns mouse gestures into signals for the editor and scrolls and zooms; it
// never changes the model. Zooming only changes the view: positions stay surface pixels.
class DrawingSurface : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int minimumZoom = 25;
    static constexpr int maximumZoom = 400;

    explicit DrawingSurface(QWidget *parent = nullptr);

    QGraphicsScene *surfaceScene() const { return scene(); }
    // Shows the chart (null: an empty surface).
    void setChartScene(ChartScene *chart);
    ChartScene *chartScene() const { return m_chart; }

    // The selection frame shp_Selector, in surface coordinates. It is drawn by the surface,
    // not by the chart, so a picture of the chart never shows it.
    void showSelector(const QRectF &frame);
    void hideSelector();
    bool selectorVisible() const { return m_selectorVisible; }
    QRectF selectorRect() const { return m_selector; }

    // Sizes the scrollable area to the visible area and everything drawn, wherever it lies,
    // so every block stays reachable however far it was dragged.
    void fitSceneToContents();

    // The armed tool's cursor over the surface; the default arrow when no tool is armed. While a
    // tool is armed, the line under the pointer is lit: a press there puts the block into it.
    void setToolCursor(const QCursor &cursor);
    // The line a block placed at the pointer would go into (an armed tool's hover, or a tool
    // dragged over the surface); -1 for none.
    qint16 targetLine() const { return m_targetLine; }

    // The zoom in percent (25 to 400). zoomAt keeps the surface point under viewportPoint
    // where it is; the others keep the top-left corner of the view.
    int zoomPercent() const;
    void setZoomPercent(int percent);
    void zoomAt(double factor, const QPoint &viewportPoint);
    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *zoomResetAction() const { return m_zoomReset; }

    // The element of the topmost block at a point of the viewport; -1 over empty surface.
    qint16 blockAt(const QPoint &viewportPoint) const;
    // The element of the line passing within a few screen pixels of a surface point; -1 for none.
    qint16 lineAt(const QPointF &surfacePoint) const;

    // Frames around the other blocks of a multi-selection, and the selected line drawn wide
    // over the chart; like the selection frame, neither is part of the chart's picture.
    void setGroupFrames(const QVector<QRectF> &frames);
    const QVector<QRectF> &groupFrames() const { return m_groupFrames; }
    void setLineHighlight(const std::optional<QPolygonF> &line);
    bool lineHighlighted() const { return m_lineHighlight.has_value(); }

    // Where a line dragged out of the block starts, in surface coordinates: the middle of its
    // bottom edge, where the flow leaves it; its connect handle is drawn just below.
    static QPointF handlePoint(const QRectF &block);
    QPointF handleCentre(const QRectF &block) const;
    // The block whose handle shows (the one under the pointer); -1 for none.
    qint16 handleBlock() const { return m_handleBlock; }
    // Ends a rubber band begun by a press that placed a block instead.
    void cancelBand() { m_band.reset(); }
    QPointF toSurface(const QPointF &viewportPoint) const;

Q_SIGNALS:
    // A press on empty surface, in surface coordinates: where an armed tool places its block.
    void emptySurfacePressed(const QPointF &point, Qt::MouseButton button);
    // A press on a block, with the point inside its element where the button went down.
    void blockPressed(qint16 element, const QPointF &offset);
    // The pointer moved, in surface coordinates, while a block was held.
    void blockDragged(const QPointF &point);
    // The button that held a block came up.
    void blockReleased();
    void blockDoubleClicked(qint16 element);
    // A press with Ctrl held on a block: it joins or leaves the selection, and is not dragged.
    void blockToggled(qint16 element);
    // A rubber band drawn from empty surface was let go (add: Ctrl was held).
    void bandSelected(const QRectF &surfaceRect, bool add);
    // A line dragged out of a block's handle was let go over another block.
    void connectDragged(qint16 from, qint16 to);
    // A tool dragged from the tool column was dropped at a surface point: a block of it goes there
    // as a press with the tool armed would place it.
    void toolDropped(const QString &toolWord, const QPointF &point);
    void zoomChanged(int percent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QAction *addZoomAction(const char *name, const QString &text, const QList<QKeySequence> &keys);
    void scheduleFit();
    void updateSelectorArea();
    void pressAt(QMouseEvent *event);
    void scrollAtEdge();
    BlockItem *blockItemAt(const QPoint &viewportPoint) const;
    bool pressHandle(const QPointF &point);
    void hoverAt(const QPoint &viewportPoint);
    void setHandleBlock(qint16 element);
    QRectF handleRect() const;
    void finishBand(QMouseEvent *event);
    void finishConnectDrag(const QPoint &viewportPoint);
    void drawGroupMarks(QPainter &painter) const;
    void drawLit(QPainter &painter, const QPolygonF &path) const;
    void setTargetLine(qint16 element);
    void aimAt(const QPoint &viewportPoint);

    QGraphicsScene *m_emptyScene;
    QPointer<ChartScene> m_chart;
    QRectF m_selector;
    bool m_selectorVisible = false;
    bool m_holdingBlock = false;
    QPoint m_heldAt; // the pointer in the viewport while a block is held
    QVector<QRectF> m_groupFrames;
    std::optional<QPolygonF> m_lineHighlight;
    bool m_toolArmed = false;
    qint16 m_targetLine = -1;
    std::optional<QRectF> m_band; // surface coordinates, from the press to the pointer
    qint16 m_handleBlock = -1;
    qint16 m_connectFrom = -1; // a line being dragged out of this block's handle
    QPointF m_connectTo;
    QTimer m_edgeScroll;
    bool m_fitScheduled = false;
    double m_zoom = 1;
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    QAction *m_zoomReset;
};
