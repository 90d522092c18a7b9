#include "boxshapes.h"

#include <cmath>

namespace tessarine {

std::array<TKWZRectangle::HandleSpot, 8> TKWZRectangle::BoxHandles() const
{
    const QPoint a = Point(0);
    const QPoint b = Point(1);
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

void TKWZRectangle::ApplyBoxResize(QPoint d)
{
    switch (HotHandle) {
    case 1: MovePoint(0, d.x(), d.y()); break;
    case 2: OffsetPointX(1, d.x()); OffsetPointY(0, d.y()); break;
    case 3: MovePoint(1, d.x(), d.y()); break;
    case 4: OffsetPointX(0, d.x()); OffsetPointY(1, d.y()); break;
    case 5: OffsetPointY(0, d.y()); break;
    case 6: OffsetPointX(0, d.x()); break;
    case 7: OffsetPointX(1, d.x()); break;
    case 8: OffsetPointY(1, d.y()); break;
    default: break;
    }
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
