#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A picture box: a drawing surface that keeps what is drawn on it (a pixmap the widget shows)
// and can show an image at its top-left corner. Drawing coordinates are pixels.
class GuiPicture : public QWidget {
    Q_OBJECT
public:
    explicit GuiPicture(QWidget *parent = nullptr);

    // An empty path clears the picture; the failure's description, empty on success.
    QString setImage(const QString &path);
    void drawLine(double x1, double y1, double x2, double y2);
    // Invert: the pen inverts the pixels it draws over.
    void setInvertMode(bool invert) { m_invert = invert; }
    bool invertMode() const { return m_invert; }
    const QPixmap &surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureSurface();

    QPixmap m_surface;
    bool m_invert = false;
    // Drawing marks the widget for repainting at most once a frame, not once a line.
    QTimer m_repaint;
};
