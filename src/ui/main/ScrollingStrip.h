#pragma once

#include <QScrollArea>

// A row or a column of controls that scrolls along itself when the window has no room for all
// of it, so the main window can be made as small as a small screen needs while every control
// stays within reach. With room enough it looks and sizes exactly like the controls alone.
class ScrollingStrip : public QScrollArea {
    Q_OBJECT
public:
    ScrollingStrip(QWidget *controls, Qt::Orientation orientation, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // The room the scroll bar takes across the strip while it shows.
    int barExtent() const;

    Qt::Orientation m_orientation;
};
