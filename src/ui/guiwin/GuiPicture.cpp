#include "ui/guiwin/GuiPicture.h"

#include <QImageReader>
#include <QPainter>

GuiPicture::GuiPicture(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    m_repaint.setSingleShot(true);
    m_repaint.setInterval(16);
    connect(&m_repaint, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

// The surface grows with the widget and keeps what was drawn; it never shrinks, so shrinking
// and growing again loses nothing.
void GuiPicture::ensureSurface()
{
    const qreal ratio = devicePixelRatioF();
    const QSize needed = size().expandedTo(m_surface.deviceIndependentSize().toSize()) * ratio;
    if (!m_surface.isNull() && m_surface.size() == needed && m_surface.devicePixelRatio() == ratio)
        return;
    QPixmap grown(needed.expandedTo(QSize(1, 1)));
    grown.setDevicePixelRatio(ratio);
    grown.fill(palette().color(QPalette::Window));
    if (!m_surface.isNull()) {
        QPainter painter(&grown);
        painter.drawPixmap(0, 0, m_surface);
    }
    m_surface = grown;
}

QString GuiPicture::setImage(const QString &path)
{
    QImage image;
    if (!path.isEmpty()) {
        QImageReader reader(path);
        image = reader.read();
        if (image.isNull())
            return reader.errorString();
    }
    m_surface = QPixmap();
    ensureSurface();
    if (!image.isNull()) {
        QPainter painter(&m_surface);
        painter.drawImage(0, 0, image);
    }
    update();
    return QString();
}

void GuiPicture::drawLine(double x1, double y1, double x2, double y2)
{
    ensureSurface();
    QPainter painter(&m_surface);
    if (m_invert) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
    }
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    if (!m_repaint.isActive())
        m_repaint.start();
}

void GuiPicture::paintEvent(QPaintEvent *)
{
    ensureSurface();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_surface);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void GuiPicture::resizeEvent(QResizeEvent *event)
{
    ensureSurface();
    QWidget::resizeEvent(event);
}
