#include "ui/guiwin/SizeHandle.h"

#include <QMouseEvent>
#include <QPainter>

SizeHandle::SizeHandle(int index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setCursor(cursorFor(index));
    setObjectName(QStringLiteral("pSel%1").arg(index));
    hide();
}

Qt::CursorShape SizeHandle::cursorFor(int index)
{
    static const Qt::CursorShape shapes[8] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                              Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                              Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    return shapes[index & 7];
}

void SizeHandle::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SizeHandle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT pressed(m_index, event->position().toPoint());
}

void SizeHandle::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        Q_EMIT moved(m_index, event->position().toPoint());
}

void SizeHandle::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT released(m_index);
}
