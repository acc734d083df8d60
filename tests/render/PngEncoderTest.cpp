#include "render/PngEncoder.h"

#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

namespace {

struct Chunk {
    QByteArray type;
    QByteArray data;
};

// Splits a PNG file into chunks, failing the test on a bad signature, length or checksum.
QList<Chunk> chunksOf(const QByteArray &png)
{
    QList<Chunk> chunks;
    EXPECT_TRUE(png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)));
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        const QByteArray typed = png.mid(at + 4, 4 + qsizetype(length));
        const quint32 crc = qFromBigEndian<quint32>(png.constData() + at + 8 + length);
        EXPECT_EQ(crc, quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))))
            << typed.left(4).toStdString();
        chunks.append({typed.left(4), typed.mid(4)});
        at += 12 + qsizetype(length);
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// The image data inflated by zlib itself, which checks the stream's own checksum.
QByteArray inflated(const QList<Chunk> &chunks, qsizetype expected)
{
    QByteArray stream;
    for (const Chunk &chunk : chunks) {
        if (chunk.type == "IDAT")
            stream += chunk.data;
    }
    QByteArray raw(expected, '\0');
    uLongf size = uLongf(expected);
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef *>(raw.data()), &size,
                         reinterpret_cast<const Bytef *>(stream.constData()), uLong(stream.size())),
              Z_OK);
    EXPECT_EQ(qsizetype(size), expected);
    return raw;
}

QImage painted(QSize size, QImage::Format format, const std::function<QRgb(int, int)> &colour)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, colour(x, y));
    }
    return image.convertToFormat(format);
}

QRgb noise(int, int)
{
    return QRandomGenerator::global()->generate() | 0xFF000000u;
}

// Mostly white, with bands of colour and repeated rows, as a chart picture is.
QRgb chartLike(int x, int y)
{
    if ((y / 7) % 5 == 0)
        return qRgb(255, 255, 255);
    if (x % 97 < 3)
        return qRgb(0, 0, 0);
    return qRgb((x * 7) & 0xFF, (y * 3) & 0xFF, 200);
}

// Colour the same on every row pair, alpha not: the alpha is dropped, the colour kept as it is.
QRgb halfTransparent(int x, int y)
{
    return qRgba(x & 0xFF, 40, 90, (y % 2) ? 0x80 : 0xFF);
}

QRgb opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
}

struct Case {
    const char *name;
    QSize size;
    QImage::Format format;
    QRgb (*colour)(int, int);
    int threads;
};

} // namespace

TEST(PngEncoderTest, EveryPictureDecodesToTheSamePixels)
{
    const Case cases[] = {
        {"one pixel", {1, 1}, QImage::Format_RGB32, chartLike, 0},
        {"odd width", {3, 5}, QImage::Format_RGB32, noise, 0},
        {"noise past one chunk", {700, 700}, QImage::Format_RGB32, noise, 1},
        {"bands joined", {301, 1600}, QImage::Format_RGB32, chartLike, 3},
        {"bands of noise", {50, 1100}, QImage::Format_RGB32, noise, 2},
        {"alpha dropped", {260, 1030}, QImage::Format_ARGB32, halfTransparent, 2},
        {"converted first", {33, 40}, QImage::Format_RGB888, chartLike, 0},
        {"grey", {17, 9}, QImage::Format_Grayscale8, noise, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage source = painted(c.size, c.format, c.colour);
        const QByteArray png = PngEncoder::encode(source, c.threads);
        ASSERT_FALSE(png.isEmpty());

        const QList<Chunk> chunks = chunksOf(png);
        ASSERT_GE(chunks.size(), 3);
        EXPECT_EQ(chunks.front().type, "IHDR");
        EXPECT_EQ(chunks.back().type, "IEND");
        const qsizetype rowBytes = 1 + 3 * qsizetype(c.size.width());
        inflated(chunks, rowBytes * c.size.height());

        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(png, "PNG"));
        ASSERT_EQ(decoded.size(), c.size);
        const QImage expected = source.format() == QImage::Format_ARGB32
                                    ? source
                                    : source.convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < c.size.height(); ++y) {
            for (int x = 0; x < c.size.width(); ++x)
                wrong += opaque(decoded.pixel(x, y)) != opaque(expected.pixel(x, y));
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PngEncoderTest, TheResolutionIsKept)
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(7559);
    image.setDotsPerMeterY(7559);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(PngEncoder::encode(image), "PNG"));
    EXPECT_EQ(decoded.dotsPerMeterX(), 7559);
    EXPECT_EQ(decoded.dotsPerMeterY(), 7559);
}

// A picture drawn band by band is the same picture: each band's first row is filtered against
// the last row of the band before, and the bands join into one stream.
TEST(PngEncoderTest, APictureDrawnInBandsIsTheSamePicture)
{
    const struct {
        const char *name;
        QSize size;
        QRgb (*colour)(int, int);
        int bandRows;
    } cases[] = {
        {"one row per band", {40, 30}, chartLike, 1},
        {"uneven last band", {301, 1000}, chartLike, 7},
        {"noise", {60, 700}, noise, 64},
        {"one band", {20, 10}, chartLike, 512},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage source = painted(c.size, QImage::Format_RGB32, c.colour);
        int bandsDrawn = 0;
        const QByteArray png = PngEncoder::encodeInBands(c.size, 3780, [&](QImage &band, int firstRow) {
            EXPECT_EQ(band.width(), c.size.width());
            EXPECT_EQ(band.height(), std::min(c.bandRows, c.size.height() - firstRow));
            band = source.copy(0, firstRow, band.width(), band.height());
            ++bandsDrawn;
            return true;
        }, c.bandRows);
        EXPECT_EQ(bandsDrawn, (c.size.height() + c.bandRows - 1) / c.bandRows);
        QImage decoded;
        ASSERT_TRUE(decoded.loadFromData(png, "PNG"));
        ASSERT_EQ(decoded.size(), c.size);
        EXPECT_EQ(decoded.dotsPerMeterX(), 3780);
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), source);
    }
}

TEST(PngEncoderTest, ABandThatCannotBeDrawnGivesNoPicture)
{
    const QByteArray png = PngEncoder::encodeInBands(QSize(10, 100), 0, [](QImage &, int firstRow) {
        return firstRow < 50;
    }, 10);
    EXPECT_TRUE(png.isEmpty());
}
