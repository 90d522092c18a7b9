#include "datamaxgenerator.h"

#include "graphicencoders.h"
#include "nativebarcodes.h"
#include "thermalgraphics.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/lineshapes.h"
#include "document/textshape.h"

namespace tessarine {

namespace {

constexpr char kSoh = '\x01';
constexpr char kStx = '\x02';

// The start of a placement record at half-dot position (x, y).
QByteArray Placement(const char* kind, int32_t halfX, int32_t halfY)
{
    return kind + Pad(halfY, 4) + Pad(halfX, 4);
}

} // namespace

void TDatamaxGenerator::WriteJobHeader(QByteArray& stream)
{
    for (const char* command : {"n", "c0000", "RN", "f000", "V0", "O0214", "M0500"})
        stream += kStx + QByteArray(command) + "\r\n";
}

void TDatamaxGenerator::WriteSheet(const QByteArray& format, QByteArray& stream)
{
    stream += m_downloads;
    m_downloads.clear();
    stream += kStx;
    stream += "L\r\n" + format + "\r\nD11\r\nPE\r\nH" + Pad(m_settings.Hot, 2) + "\r\n";
    stream += m_body;
    m_body.clear();
    stream += "^01\r\nE\r\n";
}

void TDatamaxGenerator::WriteSheetTrailer(QByteArray& stream)
{
    WriteSheet("A1", stream);
}

void TDatamaxGenerator::WriteJobTrailer(QByteArray& stream)
{
    WriteSheet("A2", stream);
}

void TDatamaxGenerator::WriteDownload(const QByteArray& name, const QImage& oneBit)
{
    m_downloads += kSoh;
    m_downloads += "D\r";
    m_downloads += kStx;
    m_downloads += "ICB" + name + "\r\n" + TPcx2Bit(oneBit, int(m_settings.Dpi)).File() + '\r';
}

void TDatamaxGenerator::WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream)
{
    Q_UNUSED(stream)
    const TDotConverter dots = Dots(cell);
    DownloadGraphics(dots, copy, [this](const QByteArray& name, const QImage& oneBit) { WriteDownload(name, oneBit); });

    ForEachOfClass<TKWZImage>([&](int index, TKWZImage& image) {
        const QPoint p0 = image.Points.value(0);
        m_body += Placement("1Y11000", dots.HalfX(p0.x()), dots.HalfY(p0.y())) + PictureName(index, 1) + "\r\n";
    });
    ForEachOfClass<TKWZText>([&](int index, TKWZText& text) {
        const QPoint p0 = text.Points.value(0);
        m_body += Placement("1Y11000", dots.HalfX(p0.x()), dots.HalfY(p0.y())) + GraphicName(text, index, copy) +
                  "\r\n";
    });
    ForEachOfClass<TKWZRectangle>([&](int, TKWZRectangle& box) {
        const QPoint p0 = box.Points.value(0);
        const QPoint p1 = box.Points.value(1);
        const QByteArray thickness = Pad(DotLength(box.Info.PenWidth), 2);
        m_body += Placement("1X00000", dots.HalfX(p0.x()), dots.HalfY(p0.y())) + 'b' +
                  Pad(dots.HalfLength(p1.x() - p0.x()), 4) + Pad(dots.HalfLength(p1.y() - p0.y()), 4) + "00" +
                  thickness + "00" + thickness + "\r\n";
    });
    ForEachOfClass<TKWZLine>([&](int, TKWZLine& line) {
        const QPoint p0 = line.Points.value(0);
        const QPoint p1 = line.Points.value(1);
        const QByteArray origin = Placement("1X00000", dots.HalfX(p0.x()), dots.HalfY(p0.y()));
        if (p0.y() == p1.y())
            m_body += origin + 'L' + Pad(dots.Length(p1.x() - p0.x()), 3) + "010\r\n";
        if (p0.x() == p1.x())
            m_body += origin + "L010" + Pad(dots.Length(p1.y() - p0.y()), 3) + "\r\n";
    });
    ForEachOfClass<TShowBarCode>([&](int, TShowBarCode& barcode) { WriteBarcode(dots, barcode); });
}

void TDatamaxGenerator::WriteBarcode(const TDotConverter& dots, const TMyShape& shape)
{
    const TBarCodes& bars = shape.Info.BarCode;
    const TNativeBarcode* native = NativeBarcode(bars.Symbology);
    if (!native)
        return;
    const char* rotation = "1";
    switch (bars.BarAngle) {
    case 90: rotation = "4"; break;
    case 180: rotation = "3"; break;
    case 270: rotation = "2"; break;
    default: break;
    }
    const QPoint p0 = shape.Points.value(0);
    m_body += rotation + QByteArray(native->DatamaxType) + '1' + Dec(DatamaxBarWidth(bars.WidthLevel, dots.Dpi())) +
              Pad(bars.BarHeight, 3) + Pad(dots.HalfY(p0.y()), 4) + Pad(dots.HalfX(p0.x()), 4) +
              NativeBarcodeData(*native, bars) + "\r\n";
}

} // namespace tessarine
