#include "lineshapes.h"

#include <cmath>
#include <cstdlib>

namespace tessarine {

namespace {

// The vertex whose handle (vertex +- halfSize) contains p; the last match wins.
int32_t HitVertex(const TMyShape& shape, QPoint p, int32_t halfSize)
{
    int32_t hit = -1;
    for (int i = 0; i < shape.PointCount(); ++i) {
        const QPoint v = shape.Point(i);
        if (p.x() >= v.x() - halfSize && p.x() < v.x() + halfSize && p.y() >= v.y() - halfSize &&
            p.y() < v.y() + halfSize)
            hit = i;
    }
    return hit;
}

bool HitSegments(const TMyShape& shape, QPoint p)
{
    constexpr int kTolerance = 4;
    for (int i = 0; i + 1 < shape.PointCount(); ++i) {
        const QPoint a = shape.Point(i);
        const QPoint b = shape.Point(i + 1);
        if (a.x() == b.x()) {
            const QRect band = TMyShape::NormalRect({a.x() - kTolerance, a.y()}, {a.x() + kTolerance, b.y()});
            if (TMyShape::InRect(band, p))
                return true;
            continue;
        }
        const double slope = double(b.y() - a.y()) / double(b.x() - a.x());
        const double yOnLine = slope * (p.x() - a.x()) + a.y();
        const QRect box = TMyShape::NormalRect(a, b).adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance);
        if (std::abs(p.y() - yOnLine) <= kTolerance && TMyShape::InRect(box, p))
            return true;
    }
    return false;
}

} // namespace

int32_t TMyLine::HitHandle(QPoint p)
{
    HotHandle = HitVertex(*this, p, HandleSize + 6);
    return HotHandle;
}

bool TMyLine::HitBody(QPoint p)
{
    return HitSegments(*this, p);
}

std::pair<QPoint, QPoint> TMyLine::RotatedEnds(QPoint a, QPoint b, QPoint p)
{
    const QPoint m((a.x() - b.x()) / 2 + b.x(), (a.y() - b.y()) / 2 + b.y());
    const int h = Distance(a, b) / 2;
    if (p.x() == m.x())
        return {{m.x(), m.y() + h}, {m.x(), m.y() - h}};
    const double t = -std::atan(double(p.y() - m.y()) / double(p.x() - m.x()));
    return {{Round(m.x() + h * std::cos(t)), Round(m.y() + h * std::sin(t))},
            {Round(m.x() - h * std::cos(t)), Round(m.y() - h * std::sin(t))}};
}

void TMyLine::RotateToward(QPoint p)
{
    if (Points.size() < 2)
        return;
    const auto [first, second] = RotatedEnds(Point(0), Point(1), p);
    Points[0] = Context().ToStored(first);
    Points[1] = Context().ToStored(second);
}

void TMyLine::ResizeChangeValue(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    MovePoint(HotHandle, d.x(), d.y());
}

void TKWZLine::GetInfo(TObjectInfo& info)
{
    const TCanvasStyle style = StyleOnCanvas();
    info.Kind = kindLine;
    info.BrushStyle = style.Brush.Style;
    info.PenStyle = style.Pen.Style;
    info.PenColor = style.Pen.Color;
    info.BrushColor = style.Brush.Color;
    info.PenWidth = Info.PenWidth;
}

void TMyPolygon::ResizeChangeValue(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    const int last = PointCount() - 1;
    MovePoint(HotHandle, d.x(), d.y());
    // The outline is stored closed: its two ends move together.
    if (last > 0 && HotHandle == 0)
        MovePoint(last, d.x(), d.y());
    else if (last > 0 && HotHandle == last)
        MovePoint(0, d.x(), d.y());
}

int32_t TMyPolyBezier::HitHandle(QPoint p)
{
    HotHandle = HitVertex(*this, p, HandleSize + 6);
    return HotHandle;
}

bool TMyPolyBezier::HitBody(QPoint p)
{
    return HitSegments(*this, p);
}

void TMyPolyBezier::ResizeChangeValue(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    MovePoint(HotHandle, d.x(), d.y());
}

} // namespace tessarine
