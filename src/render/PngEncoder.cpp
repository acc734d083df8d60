#include "render/PngEncoder.h"

#include <QImage>
#include <QThread>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <thread>
#include <vector>

namespace {

// Fewer rows than this are not worth a thread of their own.
constexpr int leastBandRows = 512;
// The compressed stream is cut into image-data chunks of this size, as common writers do.
constexpr qsizetype chunkBytes = 1 << 20;
constexpr uchar upFilter = 2;

// One band of rows, deflated as a piece of the picture's zlib stream.
struct Band {
    QByteArray deflated;
    uLong adler = 1; // of the band's filtered rows alone
    qsizetype rawBytes = 0;
    bool ok = false;
};

// A raw deflate stream that grows its output as needed.
class Deflater {
public:
    // Level 3 is the last of zlib's fast levels: level 4 halves the file of a large chart but
    // doubles the time.
    Deflater() { m_ok = deflateInit2(&m_stream, 3, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) == Z_OK; }
    ~Deflater()
    {
        if (m_ok)
            deflateEnd(&m_stream);
    }
    Deflater(const Deflater &) = delete;
    Deflater &operator=(const Deflater &) = delete;

    bool ok() const { return m_ok; }

    bool feed(const uchar *data, qsizetype size, int flush)
    {
        m_stream.next_in = const_cast<Bytef *>(data);
        m_stream.avail_in = uInt(size);
        for (;;) {
            if (m_out.size() - m_used < roomAtLeast)
                m_out.resize(std::max(m_out.size() * 2, m_used + roomAtLeast));
            m_stream.next_out = reinterpret_cast<Bytef *>(m_out.data() + m_used);
            m_stream.avail_out = uInt(m_out.size() - m_used);
            const int result = deflate(&m_stream, flush);
            m_used = m_out.size() - m_stream.avail_out;
            if (result == Z_STREAM_ERROR)
                return false;
            const bool drained = m_stream.avail_out != 0 && m_stream.avail_in == 0;
            if (drained && (flush != Z_FINISH || result == Z_STREAM_END))
                return true;
        }
    }

    QByteArray take()
    {
        m_out.truncate(m_used);
        return std::move(m_out);
    }

private:
    static constexpr qsizetype roomAtLeast = 64 * 1024;
    z_stream m_stream{};
    QByteArray m_out;
    qsizetype m_used = 0;
    bool m_ok = false;
};

void toRgb(const uchar *line, int width, uchar *out)
{
    const QRgb *pixels = reinterpret_cast<const QRgb *>(line);
    for (int x = 0; x < width; ++x, out += 3) {
        out[0] = uchar(qRed(pixels[x]));
        out[1] = uchar(qGreen(pixels[x]));
        out[2] = uchar(qBlue(pixels[x]));
    }
}

// Rows first..end-1, each "Up"-filtered against the row above it: rowAbove (an RGB32 row) for
// the first, none (zeros) at the top of the picture. The last band finishes the stream; the
// others end on a byte boundary so the pieces join into one stream.
Band compressBand(const QImage &image, int first, int end, bool last, const uchar *rowAbove)
{
    Band band;
    Deflater deflater;
    if (!deflater.ok())
        return band;
    const int width = image.width();
    const qsizetype rowBytes = 1 + 3 * qsizetype(width);
    std::vector<uchar> unchanged(size_t(rowBytes), 0);
    unchanged[0] = upFilter;
    const uLong unchangedAdler = adler32(1, unchanged.data(), uInt(rowBytes));
    std::vector<uchar> above(size_t(3 * width), 0);
    std::vector<uchar> current(above.size());
    std::vector<uchar> filtered(unchanged);
    if (rowAbove)
        toRgb(rowAbove, width, above.data());
    const size_t lineBytes = size_t(width) * sizeof(QRgb);
    for (int y = first; y < end; ++y) {
        const uchar *line = image.constScanLine(y);
        const uchar *data = unchanged.data();
        const uchar *previous = y > first ? image.constScanLine(y - 1) : rowAbove;
        if (previous && std::memcmp(line, previous, lineBytes) == 0) {
            band.adler = adler32_combine(band.adler, unchangedAdler, rowBytes);
        } else {
            toRgb(line, width, current.data());
            for (size_t i = 0; i < current.size(); ++i)
                filtered[i + 1] = uchar(current[i] - above[i]);
            above.swap(current);
            data = filtered.data();
            band.adler = adler32(band.adler, data, uInt(rowBytes));
        }
        const int flush = y + 1 < end ? Z_NO_FLUSH : (last ? Z_FINISH : Z_SYNC_FLUSH);
        if (!deflater.feed(data, rowBytes, flush))
            return band;
    }
    band.rawBytes = rowBytes * (end - first);
    band.deflated = deflater.take();
    band.ok = true;
    return band;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void appendChunk(QByteArray &png, const char *type, const char *data, qsizetype size)
{
    appendBigEndian(png, quint32(size));
    const qsizetype start = png.size();
    png.append(type, 4);
    png.append(data, size);
    const auto *typed = reinterpret_cast<const Bytef *>(png.constData() + start);
    appendBigEndian(png, quint32(crc32(0, typed, uInt(4 + size))));
}

QByteArray header(const QSize &size)
{
    QByteArray data;
    appendBigEndian(data, quint32(size.width()));
    appendBigEndian(data, quint32(size.height()));
    // 8 bits per sample, RGB, deflate, adaptive filtering, no interlace.
    data.append("\x08\x02\x00\x00\x00", 5);
    return data;
}

QByteArray physicalSize(int dotsPerMeterX, int dotsPerMeterY)
{
    QByteArray data;
    appendBigEndian(data, quint32(dotsPerMeterX));
    appendBigEndian(data, quint32(dotsPerMeterY));
    data.append('\x01'); // the unit is the metre
    return data;
}

std::vector<Band> compressBands(const QImage &image, int threads)
{
    const int height = image.height();
    const int most = threads > 0 ? threads : QThread::idealThreadCount();
    const int count = std::clamp(height / leastBandRows, 1, std::max(1, most));
    std::vector<Band> bands(static_cast<size_t>(count));
    auto work = [&](int i) {
        try {
            const int first = height * i / count;
            const uchar *above = first > 0 ? image.constScanLine(first - 1) : nullptr;
            bands[size_t(i)] = compressBand(image, first, height * (i + 1) / count, i + 1 == count, above);
        } catch (const std::exception &) {
            bands[size_t(i)].ok = false;
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int i = 1; i < count; ++i)
            workers.emplace_back(work, i);
        work(0);
    }
    return bands;
}

QByteArray zlibStream(const std::vector<Band> &bands)
{
    qsizetype size = 6;
    for (const Band &band : bands)
        size += band.deflated.size();
    QByteArray stream;
    stream.reserve(size);
    stream.append("\x78\x5e", 2); // deflate with a 32 KiB window, fast compression
    uLong adler = bands.front().adler;
    for (size_t i = 0; i < bands.size(); ++i) {
        stream.append(bands[i].deflated);
        if (i > 0)
            adler = adler32_combine(adler, bands[i].adler, bands[i].rawBytes);
    }
    appendBigEndian(stream, quint32(adler));
    return stream;
}

bool allOk(const std::vector<Band> &bands)
{
    return std::all_of(bands.begin(), bands.end(), [](const Band &band) { return band.ok; });
}

QByteArray assemble(const std::vector<Band> &bands, const QSize &size, int dotsPerMeterX, int dotsPerMeterY)
{
    const QByteArray stream = zlibStream(bands);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(stream.size() + stream.size() / chunkBytes * 12 + 128);
    const QByteArray ihdr = header(size);
    appendChunk(png, "IHDR", ihdr.constData(), ihdr.size());
    if (dotsPerMeterX > 0 && dotsPerMeterY > 0) {
        const QByteArray phys = physicalSize(dotsPerMeterX, dotsPerMeterY);
        appendChunk(png, "pHYs", phys.constData(), phys.size());
    }
    for (qsizetype at = 0; at < stream.size(); at += chunkBytes)
        appendChunk(png, "IDAT", stream.constData() + at, std::min(chunkBytes, stream.size() - at));
    appendChunk(png, "IEND", "", 0);
    return png;
}

} // namespace

QByteArray PngEncoder::encode(const QImage &source, int threads)
{
    const bool direct = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32;
    const QImage image = direct ? source : source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {};
    try {
        const std::vector<Band> bands = compressBands(image, threads);
        if (!allOk(bands))
            return {};
        return assemble(bands, image.size(), image.dotsPerMeterX(), image.dotsPerMeterY());
    } catch (const std::exception &) {
        return {};
    }
}

// Each band is compressed on a thread of its own while the next one is drawn; the last row of
// the band before is kept apart, as the row its first row is filtered against.
QByteArray PngEncoder::encodeInBands(const QSize &size, int dotsPerMeter, const BandPainter &paint, int bandRows)
{
    if (size.isEmpty() || bandRows < 1)
        return {};
    try {
        std::vector<Band> bands(size_t((size.height() + bandRows - 1) / bandRows));
        std::vector<uchar> rowAbove;
        std::jthread compressing;
        for (int first = 0, i = 0; first < size.height(); first += bandRows, ++i) {
            QImage band(size.width(), std::min(bandRows, size.height() - first), QImage::Format_RGB32);
            if (band.isNull() || !paint(band, first))
                return {};
            if (compressing.joinable())
                compressing.join();
            std::vector<uchar> above = rowAbove;
            const uchar *last = band.constScanLine(band.height() - 1);
            rowAbove.assign(last, last + size_t(band.bytesPerLine()));
            const bool lastBand = first + band.height() == size.height();
            compressing = std::jthread([&bands, i, band, above = std::move(above), lastBand] {
                try {
                    bands[size_t(i)] = compressBand(band, 0, band.height(), lastBand, above.empty() ? nullptr : above.data());
                } catch (const std::exception &) {
                    bands[size_t(i)].ok = false;
                }
            });
        }
        compressing.join();
        if (!allOk(bands))
            return {};
        return assemble(bands, size, dotsPerMeter, dotsPerMeter);
    } catch (const std::exception &) {
        return {};
    }
}
