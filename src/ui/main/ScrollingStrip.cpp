#include "ui/main/ScrollingStrip.h"

#include <QScrollBar>

#include <algorithm>

namespace {

// Along the strip it may shrink to this, about two controls' worth.
const int shortest = 64;

} // namespace

ScrollingStrip::ScrollingStrip(QWidget *controls, Qt::Orientation orientation, QWidget *parent)
    : QScrollArea(parent), m_orientation(orientation)
{
    setObjectName(controls->objectName() + QStringLiteral("Strip"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(controls);
    viewport()->setAutoFillBackground(false);
    controls->setAutoFillBackground(false);
    const bool row = orientation == Qt::Horizontal;
    setHorizontalScrollBarPolicy(row ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(row ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    // The bar showing or going away changes how much room the strip needs across.
    QScrollBar *bar = row ? horizontalScrollBar() : verticalScrollBar();
    connect(bar, &QScrollBar::rangeChanged, this, [this] { updateGeometry(); });
}

int ScrollingStrip::barExtent() const
{
    const QScrollBar *bar = m_orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    if (bar->maximum() <= bar->minimum())
        return 0;
    return m_orientation == Qt::Horizontal ? bar->sizeHint().height() : bar->sizeHint().width();
}

QSize ScrollingStrip::sizeHint() const
{
    const QSize controls = widget()->sizeHint();
    return m_orientation == Qt::Horizontal ? controls + QSize(0, barExtent()) : controls + QSize(barExtent(), 0);
}

QSize ScrollingStrip::minimumSizeHint() const
{
    const QSize controls = widget()->minimumSizeHint();
    if (m_orientation == Qt::Horizontal)
        return {std::min(controls.width(), shortest), controls.height() + barExtent()};
    return {controls.width() + barExtent(), std::min(controls.height(), shortest)};
}
