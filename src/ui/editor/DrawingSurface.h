#pragma once

#include <QGraphicsView>

class QGraphicsRectItem;
class QGraphicsScene;

// The main window's client area on which the flowchart is drawn. It holds the scene in surface
// pixels (origin at the top-left corner) and the selection frame; block and line items and the
// editing gestures are added on this class.
class DrawingSurface : public QGraphicsView {
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget *parent = nullptr);

    QGraphicsScene *surfaceScene() const { return m_scene; }

    // The selection frame shp_Selector, in surface coordinates.
    void showSelector(const QRectF &frame);
    void hideSelector();
    bool selectorVisible() const;
    QRectF selectorRect() const;

    // Sizes the scene to the visible area and everything shown on it.
    void fitSceneToContents();

    // The armed tool's cursor over the surface; the default arrow when no tool is armed.
    void setToolCursor(const QCursor &cursor);

Q_SIGNALS:
    // A press on empty surface, in surface coordinates: where an armed tool places its block.
    void emptySurfacePressed(const QPointF &point, Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QGraphicsScene *m_scene;
    QGraphicsRectItem *m_selector;
};
