#pragma once

#include <QByteArray>

class QImage;

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
};
