#pragma once

#include <QByteArray>

#include <functional>

class QImage;
class QSize;

// Writes an opaque picture as PNG bytes, fast enough for a chart of thousands of blocks at twice
// its size: Qt's own writer spends most of a second per hundred megabytes choosing row filters at
// its default compression. Here every row takes the "Up" filter (a row equal to the one above
// becomes zeros, and charts are mostly such rows), deflate runs at a fast level, and the rows are
// compressed in bands on all processors as independent pieces of one zlib stream. A large chart's
// picture comes out about twice the size of Qt's, in a quarter of the time.
class PngEncoder {
public:
    // Any alpha is dropped. The image's dots per metre go into the file, so it prints at the
    // intended size. threads caps the bands compressed at once (0: one per processor); a band
    // has at least 512 rows. Empty on failure (memory).
    static QByteArray encode(const QImage &image, int threads = 0);

    // Draws rows firstRow.. of the picture into band (RGB32, as wide as the picture, bandRows
    // high or less at the bottom); false gives up the picture.
    using BandPainter = std::function<bool(QImage &band, int firstRow)>;
    // A picture too large to hold at once: drawn and compressed one band of rows at a time, so
    // that at most two bands are in memory, whatever the picture's size. Empty on failure.
    static QByteArray encodeInBands(const QSize &size, int dotsPerMeter, const BandPainter &paint, int bandRows);
};
