#include "thermalgraphics.h"

#include "graphicencoders.h"
#include "thermalgeometry.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/textfont.h"
#include "document/textshape.h"
#include "platform/canvas.h"
#include "platform/gbk.h"

#include <algorithm>

namespace tessarine {

namespace {

QImage WhitePicture(int width, int height)
{
    QImage picture(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (!picture.isNull())
        picture.fill(Qt::white);
    return picture;
}

// The object's font at printer size, drawing black.
TFontSpec PrinterFont(const TLogText& text, const TDotConverter& dots)
{
    TFontSpec font = FontOfText(text, dots.Length(text.Height), dots.Length(text.Width), 0);
    font.Color = clBlack;
    return font;
}

int BoxWidth(const TMyShape& shape, const TDotConverter& dots)
{
    return dots.Length(shape.Points.value(1).x() - shape.Points.value(0).x());
}

int BoxHeight(const TMyShape& shape, const TDotConverter& dots)
{
    return dots.Length(shape.Points.value(1).y() - shape.Points.value(0).y());
}

// Restores an object's vertices and canvas when the drawing is done, however it ends.
class TShapeStateGuard
{
public:
    explicit TShapeStateGuard(TMyShape& shape) : m_shape(shape), m_points(shape.Points), m_canvas(shape.Canvas) {}
    ~TShapeStateGuard()
    {
        m_shape.Points = m_points;
        m_shape.Canvas = m_canvas;
    }
    TShapeStateGuard(const TShapeStateGuard&) = delete;
    TShapeStateGuard& operator=(const TShapeStateGuard&) = delete;

private:
    TMyShape& m_shape;
    QVector<QPoint> m_points;
    TCanvas* m_canvas;
};

} // namespace

QImage RenderTextGraphic(const TKWZText& text, const TDotConverter& dots)
{
    TCanvas canvas;
    canvas.Font = PrinterFont(text.Info.WordInfo, dots);
    const QSize extent = canvas.TextExtent(text.Info.WordInfo.Text);
    QImage picture = WhitePicture(extent.width(), extent.height());
    if (picture.isNull())
        return ToOneBit(picture);
    canvas.Begin(&picture);
    canvas.TextOut(0, 0, text.Info.WordInfo.Text);
    canvas.End();
    return ToOneBit(picture);
}

QImage RenderLinesTextGraphic(const TKWZLinesText& text, const TDotConverter& dots)
{
    const int width = BoxWidth(text, dots);
    const int height = BoxHeight(text, dots);
    QImage picture = WhitePicture(width, height);
    if (!picture.isNull()) {
        TCanvas canvas(&picture);
        canvas.Font = PrinterFont(text.Info.WordInfo, dots);
        const auto alignment = TTextAlignment(std::min<uint32_t>(text.Info.WordInfo.Format, taRight));
        canvas.DrawText(GdiRect(0, 0, width, height), text.Info.WordInfo.Text, alignment);
    }
    return ToOneBit(picture);
}

QImage RenderPictureGraphic(const TKWZImage& image, const TDotConverter& dots)
{
    const int width = BoxWidth(image, dots);
    const int height = BoxHeight(image, dots);
    QImage picture = WhitePicture(width, height);
    if (!picture.isNull() && !image.Picture.IsEmpty()) {
        TCanvas canvas(&picture);
        canvas.StretchDraw(GdiRect(0, 0, width, height), image.Picture.Image(), smHalftone);
    }
    return ToOneBit(picture);
}

QImage RenderBarcodeGraphic(TShowBarCode& barcode, const TDotConverter& dots)
{
    const TBarCodes& bars = barcode.Info.BarCode;
    TCanvas measure;
    measure.Font = PrinterFont(barcode.Info.WordInfo, dots);
    const int characters = gbk::ByteLength(bars.Data);
    const int margin = characters > 0 ? measure.TextExtent(bars.Data).width() / characters : 0;

    const QPoint p0 = barcode.Points.value(0);
    const QPoint p1 = barcode.Points.value(1);
    QImage scratch = WhitePicture(p1.x() - p0.x() + margin, p1.y() - p0.y() + margin);
    const int width = std::max(BoxWidth(barcode, dots), 0);
    const int height = std::max(BoxHeight(barcode, dots), 0);
    if (scratch.isNull())
        return StretchOneBit(QImage(), width, height);
    {
        TCanvas canvas(&scratch);
        TShapeStateGuard guard(barcode);
        const auto lastPainted = barcode.BarPosition;
        barcode.Canvas = &canvas;
        // Screen positions, so the symbol fills the scratch picture whatever the zoom.
        barcode.SetPointX(0, margin);
        barcode.SetPointY(0, 0);
        barcode.SetPointX(1, scratch.width());
        barcode.SetPointY(1, scratch.height() - margin);
        barcode.Draw(true);
        barcode.BarPosition = lastPainted;
    }
    // Black-on-white stretching, done on the one-bit picture: the same dots, far fewer pixels.
    return StretchOneBit(ToOneBit(scratch), width, height);
}

} // namespace tessarine
