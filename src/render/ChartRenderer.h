#pragma once

#include "render/ChartScene.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

class MessageLog;
class Project;
class QPagedPaintDevice;
class QPainter;
class QSize;

// Draws the whole chart of a project, as the drawing surface shows it but without the selection
// frame, on white with a small margin. Pictures, PDF pages, printouts and the terminal runner's
// rendering all come from here, so they look alike. The chart is drawn from a scene of its own,
// built from the model as it stands.
class ChartRenderer {
public:
    // White space around the chart, in surface pixels.
    static constexpr double margin = 20;
    // Pixels per surface pixel in a PNG picture: sharp when printed or shown on a fine screen.
    static constexpr double pictureScale = 2;
    // The largest picture made, in pixels per side and in all: a larger chart is drawn smaller
    // rather than not at all.
    static constexpr int largestPictureSide = 32000;
    static constexpr qint64 largestPictureArea = 120'000'000;
    static constexpr qsizetype bandBytes = 8 << 20;

    // log, when given, hears of blocks with an unknown shape code.
    explicit ChartRenderer(Project &project, MessageLog *log = nullptr);

    bool isEmpty() const { return m_source.isEmpty(); }
    // Draws the breakpoint dot on the project's blocks whose tags are listed (in any case), as
    // the surface shows it: a picture for a lesson on debugging.
    void markBreakpoints(const Project &project, const QStringList &tags);
    // The chart with its margin, in surface pixels.
    QRectF sourceRect() const { return m_source; }

    // Draws the chart with its margin into target (painter coordinates), on white, scaled to fill
    // it; target should have the proportions of sourceRect().
    void render(QPainter &painter, const QRectF &target);
    // One page of a PDF file or a printer: the chart at its size on screen (96 surface pixels to
    // the inch), smaller where it would not fit, centred across the printable area and at its top.
    // false when the device could not be painted on.
    bool renderPage(QPagedPaintDevice &device);

    // The scale of the PNG picture: pictureScale, or less for a chart too large for it.
    double pngScale() const;
    // The picture files' bytes; empty when the picture could not be made (memory). The PNG
    // picture is drawn in bands of bandRows rows (0: as many as fit in bandBytes), so a large
    // chart never needs the whole picture in memory.
    QByteArray png(int bandRows = 0);
    QByteArray svg(const QString &title);
    QByteArray pdf(const QString &title);

private:
    void renderRows(QPainter &painter, const QSize &size, int firstRow, int rows);

    ChartScene m_scene;
    QRectF m_source;
};
