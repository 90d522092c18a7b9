#include "lineshapes.h"

#include <QtMath>

#include <algorithm>
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

void TMyLine::DrawHot()
{
    if (!Canvas)
        return;
    DrawVertexHandles(PointCount());
    DrawGuides(Point(0), Point(1));
}

void TMyLine::DrawSegments(bool forPrint)
{
    ApplyStyle(forPrint);
    Canvas->Polyline(ScreenPolygon());
}

QPolygon TMyLine::ArrowHead(QPoint p, QPoint q, int length, float angle)
{
    const double a = angle;
    const double h = p.y() == q.y() ? M_PI / 2 - a : std::abs(std::atan(double(p.x() - q.x()) / double(p.y() - q.y()))) - a;
    const double g = h + 2 * a;
    // The barbs go back toward q.
    const double sx = p.x() > q.x() ? -1.0 : 1.0;
    const double sy = p.y() > q.y() ? -1.0 : 1.0;
    return QPolygon({p,
                     {Trunc(p.x() + sx * length * std::sin(h)), Trunc(p.y() + sy * length * std::cos(h))},
                     {Trunc(p.x() + sx * length * std::sin(g)), Trunc(p.y() + sy * length * std::cos(g))}});
}

void TMyLine::Draw(bool forPrint)
{
    if (!Canvas || PointCount() < 2)
        return;
    DrawSegments(forPrint);
    const int count = Context().ArrowCount;
    if (count < 1)
        return;
    UseSolidStyle();
    // The head length is kept to eight bits, as the arrow settings store it.
    const int length = Round(Context().ArrowLength * Context().Zoom) & 0xFF;
    const int last = PointCount() - 1;
    Canvas->Polygon(ArrowHead(Point(last), Point(last - 1), length, Context().ArrowAngle));
    if (count >= 2)
        Canvas->Polygon(ArrowHead(Point(0), Point(1), length, Context().ArrowAngle));
}

void TMyLine::Drawing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    UseRubberStyle();
    Canvas->Line(from, to);
}

void TMyLine::Draging(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    UseRubberStyle();
    Canvas->Polyline(ScreenPolygon(to - from));
}

void TMyLine::Sizing(QPoint, QPoint) {}

void TMyLine::RotatingPreview(QPoint p)
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    const QPoint m((a.x() - b.x()) / 2 + b.x(), (a.y() - b.y()) / 2 + b.y());
    const int h = Distance(a, b) / 2;
    UseRubberStyle();
    if (p.x() == m.x()) {
        Canvas->Line(m, {m.x(), m.y() + h});
        return;
    }
    const double t = std::atan2(double(p.y() - m.y()), double(p.x() - m.x()));
    Canvas->Line(m, {Round(m.x() + h * std::cos(t)), Round(m.y() + h * std::sin(t))});
}

void TKWZLine::Draw(bool forPrint)
{
    if (!Canvas || PointCount() < 2)
        return;
    DrawSegments(forPrint);
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

void TMyPolygon::DrawHot()
{
    // The last vertex repeats vertex 0: it gets no handle of its own.
    DrawVertexHandles(PointCount() - 1);
}

void TMyPolygon::Draw(bool forPrint)
{
    if (!Canvas)
        return;
    ApplyStyle(forPrint);
    Canvas->Polygon(ScreenPolygon());
}

void TMyPolygon::Sizing(QPoint from, QPoint to)
{
    const int last = PointCount() - 1;
    if (!Canvas || HotHandle < 0 || HotHandle > last)
        return;
    QPolygon moved = ScreenPolygon();
    const QPoint d = to - from;
    moved[HotHandle] += d;
    // Closed outline: its two ends move together.
    const bool endMoved = HotHandle == 0 || HotHandle == last;
    if (endMoved) {
        moved[0] = Point(0) + d;
        moved[last] = Point(last) + d;
    }
    UseRubberStyle();
    for (int i = 0; i < last; ++i) {
        const bool touches = i == HotHandle || i + 1 == HotHandle || (endMoved && (i == 0 || i + 1 == last));
        if (touches)
            Canvas->Line(moved[i], moved[i + 1]);
    }
}

void TMyPolyBezier::DrawHot()
{
    DrawVertexHandles(PointCount());
}

void TMyPolyBezier::Draw(bool forPrint)
{
    if (!Canvas)
        return;
    ApplyStyle(forPrint);
    Canvas->PolyBezier(ScreenPolygon());
}

void TMyPolyBezier::Drawing(QPoint, QPoint to)
{
    if (!Canvas)
        return;
    // The segment being drawn: the last three vertices and the mouse, padded with the mouse
    // while fewer than four points exist.
    QPolygon segment;
    for (int i = std::max(0, PointCount() - 3); i < PointCount(); ++i)
        segment.append(Point(i));
    while (segment.size() < 4)
        segment.append(to);
    UseRubberStyle();
    Canvas->PolyBezier(segment);
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
