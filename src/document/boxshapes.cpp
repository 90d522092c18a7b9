#include "boxshapes.h"

#include "textfont.h"

#include <algorithm>
#include <cmath>

namespace tessarine {

std::array<TKWZRectangle::HandleSpot, 8> TKWZRectangle::BoxHandles(QPoint a, QPoint b)
{
    const int midX = (a.x() - b.x()) / 2 + b.x();
    const int midY = (a.y() - b.y()) / 2 + b.y();
    return {{{5, {midX, a.y()}},
             {6, {a.x(), midY}},
             {7, {b.x(), midY}},
             {8, {midX, b.y()}},
             {1, a},
             {2, {b.x(), a.y()}},
             {3, b},
             {4, {a.x(), b.y()}}}};
}

int32_t TKWZRectangle::HitHandle(QPoint p)
{
    HotHandle = -1;
    for (const HandleSpot& spot : BoxHandles())
        if (OnHandle(spot.At, p, HandleSize))
            HotHandle = spot.Handle;
    return HotHandle;
}

bool TKWZRectangle::HitBody(QPoint p)
{
    return InRect(NormalRect(Point(0), Point(1)), p);
}

void TKWZRectangle::ApplyBoxRule(int32_t handle, QPoint& a, QPoint& b, QPoint d)
{
    switch (handle) {
    case 1: a += d; break;
    case 2: b.rx() += d.x(); a.ry() += d.y(); break;
    case 3: b += d; break;
    case 4: a.rx() += d.x(); b.ry() += d.y(); break;
    case 5: a.ry() += d.y(); break;
    case 6: a.rx() += d.x(); break;
    case 7: b.rx() += d.x(); break;
    case 8: b.ry() += d.y(); break;
    default: break;
    }
}

void TKWZRectangle::ApplyBoxResize(QPoint d)
{
    if (Points.size() < 2)
        return;
    ApplyBoxRule(HotHandle, Points[0], Points[1], Context().ToStored(d));
}

void TKWZRectangle::ResizeChangeValue(QPoint from, QPoint to)
{
    ApplyBoxResize(to - from);
}

void TKWZRectangle::GetInfo(TObjectInfo& info)
{
    const TCanvasStyle style = StyleOnCanvas();
    info.Kind = kindBox;
    info.BrushStyle = style.Brush.Style;
    info.PenStyle = style.Pen.Style;
    info.PenColor = style.Pen.Color;
    info.BrushColor = style.Brush.Color;
    info.PenWidth = Info.PenWidth;
    info.WordInfo.Text = Info.WordInfo.Text;
    info.Position = Position;
}

QString TKWZRectangle::MeasureText(QPoint from, QPoint to)
{
    const double f = Context().Ratio / Context().Zoom;
    const double h = std::abs(to.x() - from.x()) * f;
    const double v = std::abs(to.y() - from.y()) * f;
    const double ppi = Context().PPI;
    auto fmt = [](double x) { return QString::asprintf("%9.2f", x); };
    switch (Context().TheUNIT) {
    case pixel:
        return "m=" + fmt(h) + " pixel(s)/n=" + fmt(v) + " pixel(s)";
    case mm:
        return "m=" + fmt(h * 25.4 / ppi) + " mm/n=" + fmt(v * 25.4 / ppi) + "mm";
    case inch:
        return "m=" + fmt(h / ppi) + " in/n=" + fmt(v / ppi) + "in";
    }
    return {};
}

void TKWZRectangle::DrawHot()
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    UseHotStyle();
    Canvas->Pen = TPen{clBlack, psSolid, 4, pmNotXor};
    Canvas->Brush = TBrush{clBlack, bsSolid};
    DrawGuides(a, b);
    UseHandleStyle();
    for (const HandleSpot& spot : BoxHandles(a, b))
        DrawHandle(spot.At);
}

void TKWZRectangle::Draw(bool forPrint)
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    const TSurfaceContext& c = Context();
    Position = {c.ScreenToMm(a.x()), c.ScreenToMm(a.y()), c.ScreenToMm(b.x() - a.x()), c.ScreenToMm(b.y() - a.y())};
    ApplyStyle(forPrint);
    const int radius = Round(Info.CornerRadius);
    Canvas->RoundRect(NormalRect(a, b), radius, radius);
}

void TKWZRectangle::Drawing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    UseRubberStyle();
    Canvas->Rectangle(NormalRect(from, to));
}

void TKWZRectangle::Draging(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    const QPoint d = to - from;
    Canvas->FocusRect(NormalRect(Point(0) + d, Point(1) + d));
}

void TKWZRectangle::Sizing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    QPoint a = Point(0);
    QPoint b = Point(1);
    ApplyBoxRule(HotHandle, a, b, to - from);
    Canvas->FocusRect(NormalRect(a, b));
}

void TKWZEllipse::Draw(bool forPrint)
{
    if (!Canvas)
        return;
    ApplyStyle(forPrint);
    Canvas->Ellipse(NormalRect(Point(0), Point(1)));
}

void TKWZEllipse::Drawing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    UseRubberStyle();
    Canvas->Ellipse(NormalRect(from, to));
}

void TKWZLinesText::Draw(bool)
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    Position = {double(a.x()), double(a.y()), double(b.x()), double(b.y())};
    TLogText& w = Info.WordInfo;
    w.X = a.x();
    w.Y = a.y();
    const TSurfaceContext& c = Context();
    Canvas->Font = FontOfText(w, Round(w.Height * c.FontScale * c.Zoom), Round(w.Width * c.FontScale * c.Zoom),
                              Info.Angle * 10);
    Canvas->DrawText(NormalRect(a, b), w.Text, TTextAlignment(std::min<uint32_t>(w.Format, taRight)));
}

void TKWZImage::Draw(bool)
{
    if (!Canvas || Picture.IsEmpty())
        return;
    // Corners are normalised first, so a picture drawn from bottom-right is not mirrored.
    Canvas->StretchDraw(NormalRect(Point(0), Point(1)), Picture.Image(), smHalftone);
}

void TKWZLinesText::GetInfo(TObjectInfo& info)
{
    info.Kind = kindLinesText;
    info.Position = Position;
    info.WordInfo.Text = Info.WordInfo.Text;
    info.Angle = Info.Angle;
}

void TKWZImage::Assign(const TMyShape& source)
{
    TKWZRectangle::Assign(source);
    if (auto* image = dynamic_cast<const TKWZImage*>(&source); image && image != this)
        Picture = image->Picture;
}

void TKWZImage::GetInfo(TObjectInfo& info)
{
    info.Kind = kindImage;
    info.Position = Position;
}

} // namespace tessarine
