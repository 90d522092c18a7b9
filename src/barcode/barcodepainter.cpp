#include "barcodepainter.h"

#include "platform/canvas.h"
#include "platform/round.h"

#include <cmath>

namespace tessarine {

namespace {

constexpr int kFixedBarBottom = 97;

struct TTurn
{
    double Sin;
    double Cos;
};

TTurn TurnOf(double angle)
{
    const double radians = angle / 180.0 * M_PI;
    return {std::sin(radians), std::cos(radians)};
}

// Top and bottom row of an element before turning.
std::pair<int, int> ElementRows(TElementKind kind, const TPaintGeometry& geometry)
{
    const int height = kind == TElementKind::HalfBar ? geometry.Height * 2 / 5 : geometry.Height;
    switch (geometry.BarHeight) {
    case TBarHeightRule::ElementHeight:
        return {0, height};
    case TBarHeightRule::Postal:
        // Tall and short bars stand on one foot line: the short ones are what carries the data.
        return {geometry.Height - height, geometry.Height};
    case TBarHeightRule::Fixed97:
        break;
    }
    return {0, kFixedBarBottom};
}

// At quarter turns every quadrilateral is an upright rectangle; filled with a one-pixel pen of
// the brush's colour it covers exactly the pixels from corner to corner, which a plain fill
// paints many times faster than a stroked polygon.
bool IsUprightRectangle(const QPolygon& q)
{
    return (q[0].x() == q[1].x() && q[2].x() == q[3].x() && q[0].y() == q[3].y() && q[1].y() == q[2].y()) ||
           (q[0].y() == q[1].y() && q[2].y() == q[3].y() && q[0].x() == q[3].x() && q[1].x() == q[2].x());
}

} // namespace

QPoint RotationOffset(double angle, int width, int height)
{
    const auto [s, c] = TurnOf(angle);
    if (s >= 0 && c >= 0)
        return {0, Round(s * width)};
    if (s >= 0)
        return {-Round(c * width), Round(s * width - c * height)};
    if (c >= 0)
        return {-Round(s * height), 0};
    return {-Round(c * width) - Round(s * height), -Round(c * height)};
}

std::vector<TPaintedElement> LayoutPattern(std::string_view pattern, const TWidthTable& widths,
                                           const TPaintGeometry& geometry)
{
    const auto [s, c] = TurnOf(geometry.Angle);
    const QPoint origin = QPoint(geometry.Left, geometry.Top) +
                          RotationOffset(geometry.Angle, PatternWidth(pattern, widths), geometry.Height);
    const auto turn = [&, s = s, c = c](int px, int py) {
        return QPoint(Round(c * px + s * py), Round(-s * px + c * py)) + origin;
    };
    std::vector<TPaintedElement> elements;
    elements.reserve(pattern.size());
    int x = 0;
    for (const char ch : pattern) {
        const TElement element = PatternElement(ch);
        const int w = widths[element.WidthIndex];
        const auto [top, bottom] = ElementRows(element.Kind, geometry);
        TPaintedElement painted;
        painted.Corners =
            QPolygon({turn(x, top), turn(x, bottom), turn(x + w - 1, bottom), turn(x + w - 1, top)});
        painted.Bar = element.Kind != TElementKind::Space;
        elements.push_back(std::move(painted));
        x += w;
    }
    return elements;
}

void PaintElements(TCanvas& canvas, const std::vector<TPaintedElement>& elements, TColor color,
                   TColor colorBar)
{
    for (const TPaintedElement& element : elements) {
        const TColor fill = element.Bar ? colorBar : color;
        canvas.Pen = TPen{fill, psSolid, 1, pmCopy};
        canvas.Brush = TBrush{fill, bsSolid};
        if (IsUprightRectangle(element.Corners))
            canvas.FillRect(element.Corners.boundingRect()); // right and bottom inclusive
        else
            canvas.Polygon(element.Corners);
    }
}

void OpaqueTextOut(TCanvas& canvas, int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QSize extent = canvas.TextExtent(text);
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.FillRect(QRect(QPoint(x, y), extent));
    canvas.TextOut(x, y, text);
}

} // namespace tessarine
