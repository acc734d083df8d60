#pragma once

#include "model/ModelContext.h"

#include <QGraphicsItem>
#include <QPolygonF>

// A line as the surface shows it, from the route the model computed: the segment, the two
// strokes and the dot of its head, and its caption label. Lines lie under the blocks, as the
// original's lightweight line elements lay under the block pictures.
class LineItem : public QGraphicsItem {
public:
    enum { Type = UserType + 2 };

    explicit LineItem(qint16 element);

    qint16 element() const { return m_element; }
    const LineElement &route() const { return m_route; }
    void setRoute(const LineElement &route);
    // The points the line runs through, from its source end to its tip.
    static QPolygonF pathOf(const LineElement &route);
    // How often a run took the line, shown near its start while counts are shown; empty: none.
    const QString &countText() const { return m_countText; }
    void setCountText(const QString &text);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void paintShaft(QPainter &painter) const;
    QRectF labelRect() const;
    bool showsLabel() const;
    QRectF countRect() const;
    void updateBounds();

    qint16 m_element;
    LineElement m_route;
    QRectF m_bounds;
    QString m_countText;
};
