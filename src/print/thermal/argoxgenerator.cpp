#include "argoxgenerator.h"

#include "graphicencoders.h"
#include "nativebarcodes.h"
#include "thermalgraphics.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/lineshapes.h"
#include "document/textshape.h"
#include "platform/round.h"

namespace tessarine {

namespace {

QByteArray Quoted(const QByteArray& text)
{
    return '"' + text + '"';
}

QByteArray At(int32_t x, int32_t y)
{
    return Dec(x) + ',' + Dec(y);
}

} // namespace

void TArgoxGenerator::WriteJobHeader(QByteArray& stream)
{
    const double dpi = m_settings.Dpi;
    stream += "ZT\r\n";
    stream += "q" + Dec(Round(dpi * m_settings.PageWidth / 25.4)) + "\r\n";
    stream += "Q" + Dec(Round(dpi * 2 / 25.4 + dpi * 20 / 25.4)) + ",20\r\n";
    stream += "D" + Dec(m_settings.Hot) + "\r\n";
}

void TArgoxGenerator::WriteSheetTrailer(QByteArray& stream)
{
    stream += m_downloads;
    m_downloads.clear();
    stream += "\r\nN\r\n";
    stream += m_body;
    m_body.clear();
    stream += "P1\r\n";
}

void TArgoxGenerator::WriteJobTrailer(QByteArray& stream)
{
    WriteSheetTrailer(stream);
}

void TArgoxGenerator::WriteDownload(const QByteArray& name, const QImage& oneBit)
{
    const TObjToHex pcx = TPcx2Bit(oneBit, int(m_settings.Dpi)).Encoded();
    m_downloads += "\r\nGK" + Quoted(name) + "\r\nGM" + Quoted(name) + pcx.TotalBytes + "\r\n" + pcx.GraphicData;
}

void TArgoxGenerator::WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream)
{
    Q_UNUSED(stream)
    const TDotConverter dots = Dots(cell);
    DownloadGraphics(dots, copy, [this](const QByteArray& name, const QImage& oneBit) { WriteDownload(name, oneBit); });

    ForEachOfClass<TKWZImage>([&](int index, TKWZImage& image) {
        const QPoint p0 = image.Points.value(0);
        m_body += "GG" + At(dots.X(p0.x()), dots.Y(p0.y())) + ',' + Quoted(PictureName(index, 1)) + "\r\n";
    });
    ForEachOfClass<TKWZText>([&](int index, TKWZText& text) {
        const QPoint p0 = text.Points.value(0);
        m_body += "GG" + At(dots.X(p0.x()), dots.Y(p0.y())) + ',' + Quoted(GraphicName(text, index, copy)) + "\r\n";
    });
    ForEachOfClass<TKWZRectangle>([&](int, TKWZRectangle& box) {
        const QPoint p0 = box.Points.value(0);
        const QPoint p1 = box.Points.value(1);
        const int32_t x = dots.X(p0.x());
        const int32_t y = dots.Y(p0.y());
        // A hairline pen still prints one pixel's worth.
        const int32_t pen = box.Info.PenWidth == 0 ? 1 : Round(box.Info.PenWidth);
        m_body += 'X' + At(x, y) + ',' + Dec(DotLength(pen)) + ',' +
                  At(x + dots.Length(p1.x() - p0.x()), y + dots.Length(p1.y() - p0.y())) + "\r\n";
    });
    ForEachOfClass<TKWZLine>([&](int, TKWZLine& line) {
        const QPoint p0 = line.Points.value(0);
        const QPoint p1 = line.Points.value(1);
        const QByteArray origin = "LO" + At(dots.X(p0.x()), dots.Y(p0.y())) + ',';
        if (p0.y() == p1.y())
            m_body += origin + Dec(dots.Length(p1.x() - p0.x())) + ",5\r\n";
        if (p0.x() == p1.x())
            m_body += origin + "5," + Dec(dots.Length(p1.y() - p0.y())) + "\r\n";
    });
    ForEachOfClass<TShowBarCode>([&](int, TShowBarCode& barcode) { WriteBarcode(dots, barcode); });
}

void TArgoxGenerator::WriteBarcode(const TDotConverter& dots, const TMyShape& shape)
{
    const TBarCodes& bars = shape.Info.BarCode;
    int rotation = 0;
    switch (bars.BarAngle) {
    case 90: rotation = 1; break;
    case 180: rotation = 2; break;
    case 270: rotation = 3; break;
    default: break;
    }
    // An unsupported symbology still gets its command, with empty type and data.
    const TNativeBarcode* native = NativeBarcode(bars.Symbology);
    const QByteArray type = native ? QByteArray(native->ArgoxType) : QByteArray();
    const QByteArray data = native ? NativeBarcodeData(*native, bars) : QByteArray();
    const QByteArray width = Dec(ArgoxBarWidth(bars.WidthLevel));
    const int32_t height = Round(bars.BarHeight * 25.4 / m_settings.ScreenPpi) * Round(m_settings.Dpi / 25.4);
    const QPoint p0 = shape.Points.value(0);
    m_body += 'B' + At(dots.X(p0.x()), dots.Y(p0.y())) + ',' + Dec(rotation) + ',' + type + ',' + width + ',' +
              width + ',' + Dec(height) + ",B," + Quoted(data) + "\r\n";
}

} // namespace tessarine
