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

    // What the debugger shows on the block: a breakpoint's red dot in its top-left corner and,
    // while counts are shown, how often it ran; a block that never ran is dimmed.
    struct DebugMark {
        bool breakpoint = false;
        qint64 count = -1; // -1: no count shown

        friend bool operator==(const DebugMark &, const DebugMark &) = default;
    };

    explicit BlockItem(qint16 element);

    static Look lookOf(const cBlock &block, const ModelContext &context);

    qint16 element() const { return m_element; }
    const Look &look() const { return m_look; }
    void setLook(const Look &look);
    const DebugMark &debugMark() const { return m_mark; }
    void setDebugMark(const DebugMark &mark);
    // The corner a click toggles the breakpoint in, in the item's coordinates.
    static QRectF breakpointCorner() { return QRectF(0, 0, 12, 12); }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void paintShape(QPainter &painter) const;
    void paintCaptions(QPainter &painter) const;
    void paintDebugMark(QPainter &painter) const;

    qint16 m_element;
    Look m_look;
    // Worked out when the look changes, not on every repaint.
    BlockShape::Outline m_outline;
    QVector<BlockCaption::Line> m_lines;
    QVector<QRectF> m_lineRects;
    bool m_captionsOverflow = false;
    DebugMark m_mark;
};
