#pragma once

#include "model/BlockCaption.h"
#include "model/BlockShape.h"

#include <QColor>
#include <QGraphicsItem>
#include <QVector>
#include <QString>
#include <QtGlobal>

class ModelContext;
class cBlock;

// A block as the surface shows it: its shape filled and outlined, its captions centred. The
// item keeps a copy of what it draws, so a model being replaced under it never leaves it
// pointing at a block that has gone.
class BlockItem : public QGraphicsItem {
public:
    enum { Type = UserType + 1 };

    struct Look {
        qint16 shape = 0;
        QColor fill;
        QColor border;
        QColor text;
        QString captionUp;
        QString caption;
        double width = 0;
        double height = 0;

        friend bool operator==(const Look &, const Look &) = default;
    };

    explicit BlockItem(qint16 element);

    static Look lookOf(const cBlock &block, const ModelContext &context);

    qint16 element() const { return m_element; }
    const Look &look() const { return m_look; }
    void setLook(const Look &look);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void paintShape(QPainter &painter) const;
    void paintCaptions(QPainter &painter) const;

    qint16 m_element;
    Look m_look;
    // Worked out when the look changes, not on every repaint.
    BlockShape::Outline m_outline;
    QVector<BlockCaption::Line> m_lines;
    QVector<QRectF> m_lineRects;
    bool m_captionsOverflow = false;
};
