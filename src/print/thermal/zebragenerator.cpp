#include "zebragenerator.h"

#include "thermalgraphics.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/lineshapes.h"
#include "document/textshape.h"
#include "platform/round.h"

namespace tessarine {

void TZebraGenerator::WriteJobHeader(QByteArray& stream)
{
    stream += "^XA\r^MCY\r^XZ\r^XA\r^LRN^FWN^CFD,24^LH0,0\r^CI0^PRA^PON^PMN\r^XZ\r^XA^MD";
    stream += Dec(m_settings.Hot) + "^PR" + Dec(m_settings.Rate) + "^XZ^XA\r";
}

void TZebraGenerator::WriteSheetTrailer(QByteArray& stream)
{
    stream += "^PQ1,0,1,Y^XZ\r^XA\r";
}

void TZebraGenerator::WriteJobTrailer(QByteArray& stream)
{
    stream += "^PQ1,0,1,Y^XZ\r";
}

void TZebraGenerator::WriteDownload(const QByteArray& name, const TObjToHex& graphic, QByteArray& stream)
{
    stream += "~DGR:IMG" + name + ',' + graphic.TotalBytes + ',' + graphic.BytesPerRow + ',';
    stream += graphic.GraphicData;
}

void TZebraGenerator::WriteRecall(int x, int y, const QByteArray& name, QByteArray& stream)
{
    stream += "^FO" + Dec(x) + ',' + Dec(y) + "^XGImg" + name + ",1,1^FS\r";
}

// Downloads (when downloads is set) or recalls the graphic of every object of class T.
template <typename T, typename Render>
void TZebraGenerator::WriteGraphicPasses(const TThermalCell& cell, int copy, Render&& render, QByteArray& stream,
                                         bool downloads)
{
    const TDotConverter dots = Dots(cell);
    ForEachOfClass<T>([&](int index, T& shape) {
        const QByteArray name = GraphicName(shape, index, copy);
        if (!downloads)
            WriteRecall(dots.X(shape.Points.value(0).x()), dots.Y(shape.Points.value(0).y()), name, stream);
        else if (DownloadsWith(shape, copy))
            WriteDownload(name, ZebraHex(render(shape, dots)), stream);
    });
}

void TZebraGenerator::WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream)
{
    const TDotConverter dots = Dots(cell);
    auto text = [](TKWZText& shape, const TDotConverter& d) { return RenderTextGraphic(shape, d); };
    auto linesText = [](TKWZLinesText& shape, const TDotConverter& d) { return RenderLinesTextGraphic(shape, d); };
    auto barcode = [](TShowBarCode& shape, const TDotConverter& d) { return RenderBarcodeGraphic(shape, d); };

    if (copy == 1) {
        ForEachOfClass<TKWZImage>([&](int index, TKWZImage& image) {
            WriteDownload(PictureName(index, copy), ZebraHex(RenderPictureGraphic(image, dots)), stream);
        });
    }
    WriteGraphicPasses<TKWZText>(cell, copy, text, stream, true);
    WriteGraphicPasses<TKWZLinesText>(cell, copy, linesText, stream, true);
    WriteGraphicPasses<TShowBarCode>(cell, copy, barcode, stream, true);

    ForEachOfClass<TKWZImage>([&](int index, TKWZImage& image) {
        WriteRecall(dots.X(image.Points.value(0).x()), dots.Y(image.Points.value(0).y()), PictureName(index, 1),
                    stream);
    });
    WriteGraphicPasses<TKWZText>(cell, copy, text, stream, false);
    WriteGraphicPasses<TKWZLinesText>(cell, copy, linesText, stream, false);
    WriteGraphicPasses<TShowBarCode>(cell, copy, barcode, stream, false);

    // The pen width is rounded to millimetres and the resolution to dots per millimetre, each
    // on its own, as the printers were set up for.
    const int32_t dotsPerMm = Round(m_settings.Dpi / 25.4);
    ForEachOfClass<TKWZRectangle>([&](int, TKWZRectangle& box) {
        const QPoint p0 = box.Points.value(0);
        const QPoint p1 = box.Points.value(1);
        const int32_t thickness = Round(box.Info.PenWidth * 25.4 / m_settings.ScreenPpi) * dotsPerMm;
        stream += "^FO" + Dec(dots.X(p0.x())) + ',' + Dec(dots.Y(p0.y())) + "^GB" + Dec(dots.Length(p1.x() - p0.x())) +
                  ',' + Dec(dots.Length(p1.y() - p0.y())) + ',' + Dec(thickness) + ",B^FS\r";
    });
    ForEachOfClass<TKWZLine>([&](int, TKWZLine& line) {
        const QPoint p0 = line.Points.value(0);
        const QPoint p1 = line.Points.value(1);
        const QByteArray origin = "^FS^FO" + Dec(dots.X(p0.x())) + ',' + Dec(dots.Y(p0.y())) + "^GB";
        if (p0.y() == p1.y())
            stream += origin + Dec(dots.Length(p1.x() - p0.x())) + ",0,3,B^FS";
        if (p0.x() == p1.x())
            stream += origin + ",0" + Dec(dots.Length(p1.y() - p0.y())) + ",3,B^FS";
    });
}

} // namespace tessarine
