#include "myshape.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace tessarine {

TMyShape::TMyShape(const TSurfaceContext* context) : m_context(context) {}

TMyShape::~TMyShape() = default;

void TMyShape::Assign(const TMyShape& source)
{
    if (&source == this)
        return;
    ShapeID = source.ShapeID;
    LayerId = source.LayerId;
    HotHandle = source.HotHandle;
    HandleSize = source.HandleSize;
    Info = source.Info;
    Pen = source.Pen;
    Brush = source.Brush;
    Font.CopyFrom(source.Font);
    GroupPrev = source.GroupPrev;
    GroupNext = source.GroupNext;
    Points = source.Points;
    // Copies land beside their originals: paste relies on this offset.
    for (int i = 0; i < Points.size(); ++i)
        MovePoint(i, 40, 40);
}

void TMyShape::RotateToward(QPoint) {}

void TMyShape::MoveBetween(QPoint from, QPoint to)
{
    MoveBy(to.x() - from.x(), to.y() - from.y());
}

void TMyShape::MoveBy(int32_t dx, int32_t dy)
{
    for (int i = 0; i < Points.size(); ++i)
        MovePoint(i, dx, dy);
}

void TMyShape::ApplyStyle(bool forPrint)
{
    if (!Canvas)
        return;
    if (Info.BrushStyle == bsClear) {
        Canvas->Brush.Style = bsClear;
        if (forPrint)
            Canvas->Brush.Color = clWhite;
    } else {
        Canvas->Brush.Color = Info.BrushColor;
        Canvas->Brush.Style = TBrushStyle(Info.BrushStyle);
    }
    Canvas->Pen.Color = Pen.Color;
    Canvas->Pen.Style = TPenStyle(Info.PenStyle);
    Canvas->Pen.Width = Round(Info.PenWidth);
    Canvas->Pen.Mode = pmCopy;
}

void TMyShape::GetInfo(TObjectInfo&) {}

QString TMyShape::MeasureText(QPoint from, QPoint to)
{
    const double f = Context().Ratio / Context().Zoom;
    const double v = Distance(from, to);
    switch (Context().TheUNIT) {
    case pixel:
        return QString::asprintf("%9.2f", v * f) + QStringLiteral(" pixel(s)");
    case mm:
        return QString::asprintf("%9.2f", v * f * 25.4 / Context().PPI) + QStringLiteral(" mm");
    case inch:
        return QString::asprintf("%9.2f", v * f / Context().PPI) + QStringLiteral(" in");
    }
    return {};
}

QRect TMyShape::InflateForHit(const QRect& r, int32_t d)
{
    return r.adjusted(-d, -d, d, d);
}

void TMyShape::AddPoint(QPoint screen)
{
    Points.append(m_context->ToStored(screen));
}

QPoint TMyShape::Point(int i) const
{
    if (i < 0 || i >= Points.size())
        return {0, 0};
    return m_context->ToScreen(Points[i]);
}

void TMyShape::MovePoint(int i, int32_t dx, int32_t dy)
{
    if (i < 0 || i >= Points.size())
        return;
    Points[i] += m_context->ToStored(QPoint(dx, dy));
}

void TMyShape::SetPointX(int i, int32_t screenX)
{
    if (i >= 0 && i < Points.size())
        Points[i].setX(m_context->ToStored(screenX));
}

void TMyShape::SetPointY(int i, int32_t screenY)
{
    if (i >= 0 && i < Points.size())
        Points[i].setY(m_context->ToStored(screenY));
}

void TMyShape::OffsetPointX(int i, int32_t screenDx)
{
    MovePoint(i, screenDx, 0);
}

void TMyShape::OffsetPointY(int i, int32_t screenDy)
{
    MovePoint(i, 0, screenDy);
}

QPoint TMyShape::MinCorner() const
{
    if (Points.isEmpty())
        return {};
    QPoint m = Points.first();
    for (const QPoint& p : Points)
        m = QPoint(std::min(m.x(), p.x()), std::min(m.y(), p.y()));
    return m;
}

QPoint TMyShape::MaxCorner() const
{
    if (Points.isEmpty())
        return {};
    QPoint m = Points.first();
    for (const QPoint& p : Points)
        m = QPoint(std::max(m.x(), p.x()), std::max(m.y(), p.y()));
    return m;
}

int32_t TMyShape::Distance(QPoint a, QPoint b)
{
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    return Round(std::sqrt(dx * dx + dy * dy));
}

QRect TMyShape::NormalRect(QPoint a, QPoint b)
{
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int right = std::max(a.x(), b.x());
    const int bottom = std::max(a.y(), b.y());
    // QRect's right() is inclusive; store the exclusive edges through width and height.
    return QRect(left, top, right - left, bottom - top);
}

bool TMyShape::InRect(const QRect& r, QPoint p)
{
    return p.x() >= r.left() && p.x() < r.left() + r.width() && p.y() >= r.top() && p.y() < r.top() + r.height();
}

TMyShape::TCanvasStyle TMyShape::StyleOnCanvas()
{
    if (Canvas)
        return {Canvas->Pen, Canvas->Brush};
    TCanvas scratch;
    Canvas = &scratch;
    ApplyStyle(false);
    Canvas = nullptr;
    return {scratch.Pen, scratch.Brush};
}

bool TMyShape::OnHandle(QPoint h, QPoint p, int32_t halfSize) const
{
    return p.x() >= h.x() - halfSize && p.x() < h.x() + halfSize && p.y() >= h.y() - halfSize &&
           p.y() < h.y() + halfSize;
}

} // namespace tessarine

namespace tessarine {

void TMyShape::RotatingPreview(QPoint) {}

void TMyShape::DrawGuides(QPoint a, QPoint b)
{
    if (!Canvas)
        return;
    Canvas->Brush.Style = bsClear;
    Canvas->Pen = GuidePen;
    Canvas->Line({a.x(), 0}, {a.x(), a.y()});
    Canvas->Line({b.x(), 0}, {b.x(), a.y()});
    Canvas->Line({0, a.y()}, {a.x(), a.y()});
    Canvas->Line({0, b.y()}, {a.x(), b.y()});
}

void TMyShape::UseRubberStyle()
{
    Canvas->Brush.Style = bsClear;
    Canvas->Pen = TPen{clWhite, psSolid, Pen.Width, pmXor};
}

void TMyShape::UseHotStyle()
{
    Canvas->Pen = TPen{Context().ColorOfHot, psSolid, Pen.Width, pmNotXor};
    Canvas->Brush = TBrush{Context().ColorOfHot, bsSolid};
}

void TMyShape::UseHandleStyle()
{
    Canvas->Pen = TPen{clBlack, psSolid, 2, pmNotXor};
    Canvas->Brush.Style = bsClear;
}

void TMyShape::UseVertexHandleStyle()
{
    Canvas->Pen.Color = clBlack;
    Canvas->Pen.Style = psSolid;
    Canvas->Pen.Mode = pmNotXor;
    Canvas->Brush = TBrush{clBlack, bsSolid};
}

void TMyShape::UseSolidStyle()
{
    Canvas->Font.Name = Font.Name;
    Canvas->Font.CharSet = Font.Charset;
    Canvas->Font.Color = Font.Color;
    Canvas->Pen = TPen{Pen.Color, Pen.Style, Pen.Width, pmCopy};
    Canvas->Brush = TBrush{Pen.Color, bsSolid};
}

void TMyShape::DrawHandle(QPoint at)
{
    Canvas->Rectangle(GdiRect(at.x() - 2, at.y() - 2, at.x() + 2, at.y() + 2));
}

void TMyShape::DrawVertexHandle(QPoint at)
{
    Canvas->Rectangle(GdiRect(at.x() - HandleSize, at.y() - HandleSize, at.x() + HandleSize, at.y() + HandleSize));
}

void TMyShape::DrawVertexHandles(int count)
{
    if (!Canvas)
        return;
    UseHotStyle();
    UseVertexHandleStyle();
    for (int i = 0; i < count; ++i)
        DrawVertexHandle(Point(i));
}

QPolygon TMyShape::ScreenPolygon(QPoint offset) const
{
    QPolygon polygon;
    polygon.reserve(Points.size());
    for (int i = 0; i < Points.size(); ++i)
        polygon.append(Point(i) + offset);
    return polygon;
}

} // namespace tessarine
