#pragma once

#include "ui/editor/ChartScene.h"

#include <QGraphicsView>
#include <QPointer>
#include <QTimer>

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

    // The armed tool's cursor over the surface; the default arrow when no tool is armed.
    void setToolCursor(const QCursor &cursor);

    // The zoom in percent (25 to 400). zoomAt keeps the surface point under viewportPoint
    // where it is; the others keep the top-left corner of the view.
    int zoomPercent() const;
    void setZoomPercent(int percent);
    void zoomAt(double factor, const QPoint &viewportPoint);
    QAction *zoomInAction() const { return m_zoomIn; }
    QAction *zoomOutAction() const { return m_zoomOut; }
    QAction *zoomResetAction() const { return m_zoomReset; }

    // The element of the topmost block at a point of the viewport; -1 over empty surface
    // (lines cannot be clicked).
    qint16 blockAt(const QPoint &viewportPoint) const;
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
    void zoomChanged(int percent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;

private:
    QAction *addZoomAction(const char *name, const QString &text, const QList<QKeySequence> &keys);
    void scheduleFit();
    void updateSelectorArea();
    void pressAt(QMouseEvent *event);
    void scrollAtEdge();
    BlockItem *blockItemAt(const QPoint &viewportPoint) const;

    QGraphicsScene *m_emptyScene;
    QPointer<ChartScene> m_chart;
    QRectF m_selector;
    bool m_selectorVisible = false;
    bool m_holdingBlock = false;
    QPoint m_heldAt; // the pointer in the viewport while a block is held
    QTimer m_edgeScroll;
    bool m_fitScheduled = false;
    double m_zoom = 1;
    QAction *m_zoomIn;
    QAction *m_zoomOut;
    QAction *m_zoomReset;
};
