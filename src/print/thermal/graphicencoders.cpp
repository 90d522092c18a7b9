#include "graphicencoders.h"

#include "thermalgeometry.h"

#include <QtEndian>

#include <algorithm>
#include <vector>

namespace tessarine {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

int RowBytes(int width)
{
    return (width + 7) / 8;
}

// The source pixels [Begin, End) that land in one target pixel: source pixel k lands in target
// pixel floor((2k + 1) * t / (2s)), as the canvas's black-on-white stretching counts them; a
// target pixel that no source pixel lands in takes the one under its centre.
struct TSpan
{
    int Begin;
    int End;
};

int64_t CeilDiv(int64_t a, int64_t b)
{
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

std::vector<TSpan> Spans(int target, int source)
{
    std::vector<TSpan> spans(size_t(std::max(0, target)));
    const int64_t t = target;
    const int64_t s = source;
    for (int64_t d = 0; d < t; ++d) {
        int64_t begin = CeilDiv(2 * d * s - t, 2 * t);
        int64_t end = CeilDiv(2 * (d + 1) * s - t, 2 * t);
        if (begin >= end) {
            begin = (2 * d + 1) * s / (2 * t);
            end = begin + 1;
        }
        spans[size_t(d)] = {int(std::clamp<int64_t>(begin, 0, s - 1)), int(std::clamp<int64_t>(end, 1, s))};
    }
    return spans;
}

QImage WhiteOneBit(int width, int height)
{
    QImage result(width, height, QImage::Format_Mono);
    if (result.isNull())
        return result;
    result.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    result.fill(1);
    return result;
}

} // namespace

QImage StretchOneBit(const QImage& oneBit, int width, int height)
{
    QImage result = WhiteOneBit(std::max(width, 0), std::max(height, 0));
    if (result.isNull() || oneBit.isNull())
        return result;
    const std::vector<TSpan> columns = Spans(width, oneBit.width());
    const std::vector<TSpan> rows = Spans(height, oneBit.height());
    const int sourceBytes = RowBytes(oneBit.width());
    const int targetBytes = RowBytes(width);
    // The black dots of the source rows that land in one target row, one bit each (1 = black).
    std::vector<uchar> black(static_cast<size_t>(sourceBytes));
    for (int y = 0; y < height; ++y) {
        uchar* out = result.scanLine(y);
        const TSpan& span = rows[size_t(y)];
        // Enlarging repeats source rows: copy the target row made from the same ones.
        if (y > 0 && span.Begin == rows[size_t(y) - 1].Begin && span.End == rows[size_t(y) - 1].End) {
            std::copy_n(result.constScanLine(y - 1), targetBytes, out);
            continue;
        }
        std::fill(black.begin(), black.end(), uchar(0));
        for (int sy = span.Begin; sy < span.End; ++sy) {
            const uchar* row = oneBit.constScanLine(sy);
            for (int b = 0; b < sourceBytes; ++b)
                black[size_t(b)] |= uchar(~row[b]);
        }
        for (int x = 0; x < width; ++x) {
            const TSpan& columnSpan = columns[size_t(x)];
            int sx = columnSpan.Begin;
            while (sx < columnSpan.End && !(black[size_t(sx >> 3)] & (0x80 >> (sx & 7))))
                ++sx;
            if (sx < columnSpan.End)
                out[x >> 3] &= uchar(~(0x80 >> (x & 7)));
        }
    }
    return result;
}

QImage ToOneBit(const QImage& picture)
{
    QImage result = WhiteOneBit(picture.width(), picture.height());
    if (result.isNull())
        return result;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if ((in[x] | 0xFF000000u) != kWhite)
                out[x >> 3] &= uchar(~(0x80 >> (x & 7)));
        }
    }
    return result;
}

TObjToHex ZebraHex(const QImage& oneBit)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const int width = oneBit.isNull() ? 0 : oneBit.width();
    const int height = oneBit.isNull() ? 0 : oneBit.height();
    const int rowBytes = RowBytes(width);
    // The row's bits are padded in front up to whole bytes.
    const int lead = rowBytes * 8 - width;

    TObjToHex hex;
    hex.GraphicData.resize(qsizetype(height) * (rowBytes * 2 + 2) - (height > 0 ? 2 : 0));
    char* out = hex.GraphicData.data();
    for (int y = 0; y < height; ++y) {
        if (y > 0) {
            *out++ = '\r';
            *out++ = '\n';
        }
        // Black is 0 in the picture and 1 in the hex digits; the unused bits at the end are
        // white, so after inverting they are 0 and the shift by lead drops them.
        const uchar* row = oneBit.constScanLine(y);
        unsigned previous = 0;
        for (int byte = 0; byte < rowBytes; ++byte) {
            const unsigned current = uchar(~row[byte]);
            const unsigned value = ((previous << (8 - lead)) | (current >> lead)) & 0xFF;
            previous = current;
            *out++ = kDigits[value >> 4];
            *out++ = kDigits[value & 15];
        }
    }
    const int perRow = height > 0 ? rowBytes : 0;
    hex.BytesPerRow = Dec(perRow);
    if (hex.BytesPerRow.size() < 3)
        hex.BytesPerRow = Pad(perRow, 3);
    const int64_t total = int64_t(height) * perRow;
    hex.TotalBytes = Dec(total);
    if (hex.TotalBytes.size() >= 2 && hex.TotalBytes.size() <= 4)
        hex.TotalBytes = Pad(total, 5);
    return hex;
}

TPcx2Bit::TPcx2Bit(const QImage& oneBit, int dotsPerInch) : m_bitmap(oneBit), m_dpi(dotsPerInch) {}

QByteArray TPcx2Bit::Header() const
{
    QByteArray header(128, '\0');
    auto put16 = [&header](int offset, int value) {
        qToLittleEndian<quint16>(quint16(value), header.data() + offset);
    };
    const int width = m_bitmap.width();
    const int height = m_bitmap.height();
    const int rowBytes = RowBytes(width);
    header[0] = char(0x0A);
    header[1] = 5;
    header[2] = 1;
    header[3] = 1;
    put16(8, width - 1);
    put16(10, height - 1);
    put16(12, m_dpi);
    put16(14, m_dpi);
    header[65] = 1;
    put16(66, rowBytes + (rowBytes & 1));
    put16(68, 1);
    return header;
}

void TPcx2Bit::EncodeRow(const uchar* bytes, int count, QByteArray& out)
{
    int i = 0;
    while (i < count) {
        const uchar value = bytes[i];
        int run = 1;
        while (i + run < count && run < 63 && bytes[i + run] == value)
            ++run;
        if (run > 1 || value >= 0xC0)
            out.append(char(0xC0 + run));
        out.append(char(value));
        i += run;
    }
}

QByteArray TPcx2Bit::File() const
{
    QByteArray file = Header();
    const int rowBytes = RowBytes(m_bitmap.width());
    for (int y = 0; y < m_bitmap.height(); ++y) {
        EncodeRow(m_bitmap.constScanLine(y), rowBytes, file);
        if (rowBytes & 1)
            file.append('\0');
    }
    return file;
}

TObjToHex TPcx2Bit::Encoded() const
{
    TObjToHex encoded;
    encoded.GraphicData = File();
    encoded.TotalBytes = Dec(encoded.GraphicData.size());
    return encoded;
}

} // namespace tessarine
