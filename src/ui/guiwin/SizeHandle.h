#pragma once

#include <QWidget>

// One of the eight resize handles around the designer's selected object: a small white square
// with a thin black border and the sizing cursor of its place (0 top left, clockwise to 7 left
// middle). Mouse positions are reported in the handle's own pixels.
class SizeHandle : public QWidget {
    Q_OBJECT
public:
    SizeHandle(int index, QWidget *parent);

    int index() const { return m_index; }
    static Qt::CursorShape cursorFor(int index);

Q_SIGNALS:
    void pressed(int index, QPoint pos);
    void moved(int index, QPoint pos);
    void released(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
};
