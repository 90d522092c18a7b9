#include "canvas.h"

#include "fontsubstitution.h"
#include "round.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace tessarine {

namespace {

constexpr int32_t kDefaultCellHeight = 16; // 12 points at 96 PPI
constexpr int kReferencePixelSize = 256;
constexpr int kMaxPixelSize = 32767;

// Windows' one-pixel pens, in pixels on and off. Wider pens are always solid there.
QVector<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen ToQPen(const TPen& pen)
{
    if (pen.Style == psClear)
        return QPen(Qt::NoPen);
    const int width = std::max(1, pen.Width); // 0 is one pixel too
    QPen result(ToQColor(pen.Color), width);
    if (width == 1) {
        const QVector<qreal> dashes = DashPattern(pen.Style);
        if (!dashes.isEmpty())
            result.setDashPattern(dashes);
        // A flat cap leaves the end point out, as Windows lines do.
        result.setCapStyle(Qt::FlatCap);
        result.setJoinStyle(Qt::MiterJoin);
    } else {
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
    }
    return result;
}

QBrush ToQBrush(const TBrush& brush)
{
    static constexpr std::array<Qt::BrushStyle, 8> kStyles = {
        Qt::SolidPattern, // bsSolid
        Qt::NoBrush,      // bsClear
        Qt::HorPattern,   // bsHorizontal
        Qt::VerPattern,   // bsVertical
        Qt::FDiagPattern, // bsFDiagonal: down from left to right
        Qt::BDiagPattern, // bsBDiagonal: up from left to right
        Qt::CrossPattern, // bsCross
        Qt::DiagCrossPattern,
    };
    const Qt::BrushStyle style = brush.Style < kStyles.size() ? kStyles[brush.Style] : Qt::SolidPattern;
    if (style == Qt::NoBrush)
        return QBrush();
    return QBrush(ToQColor(brush.Color), style);
}

// Windows' rectangles can be given corner to corner in any order.
QRect Normalized(const QRect& rect)
{
    const int left = std::min(rect.x(), rect.x() + rect.width());
    const int top = std::min(rect.y(), rect.y() + rect.height());
    return QRect(left, top, std::abs(rect.width()), std::abs(rect.height()));
}

// The path through the outermost pixels of rect, so a one-pixel outline covers exactly the
// rectangle's pixels and a fill without outline stops one pixel short of the right and
// bottom edges, as on Windows.
QRectF OutlineRect(const QRect& rect)
{
    const QRect r = Normalized(rect);
    return QRectF(r.x(), r.y(), r.width() - 1, r.height() - 1);
}

// The average character width of the OS/2 table's original definition: lower-case letters
// and the space, weighted by their frequency in English text. For Chinese faces it gives the
// half-width advance, which is what label geometry counts per byte.
qreal AverageCharWidth(const QFontMetricsF& metrics)
{
    static constexpr std::array<std::pair<char, int>, 27> kWeights = {{
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166},
    }};
    qreal sum = 0;
    for (const auto& [letter, weight] : kWeights)
        sum += metrics.horizontalAdvance(QLatin1Char(letter)) * weight;
    return sum / 1000;
}

// Ascent and cell height in pixels: in the Windows face's proportions where we know them, so
// text sits and measures as it did there, otherwise in the stand-in's own.
std::pair<qreal, qreal> AscentAndCell(const QFont& font)
{
    if (const std::optional<TFaceMetrics> metrics = WindowsFaceMetrics(font.family())) {
        const qreal em = font.pixelSize();
        return {em * metrics->Ascent, em * (metrics->Ascent + metrics->Descent)};
    }
    const QFontMetricsF metrics(font);
    return {metrics.ascent(), metrics.ascent() + metrics.descent()};
}

int PixelSizeForHeight(QFont font, int32_t height)
{
    if (height == 0)
        height = kDefaultCellHeight;
    if (height < 0) // the em height, which is what a pixel size is
        return int(std::clamp<int64_t>(-int64_t(height), 1, kMaxPixelSize));
    font.setPixelSize(kReferencePixelSize);
    const qreal cell = AscentAndCell(font).second;
    const qreal size = cell > 0 ? qreal(height) * kReferencePixelSize / cell : qreal(height);
    return std::clamp(Round(size), 1, kMaxPixelSize);
}

int StretchForWidth(QFont font, int32_t width)
{
    const qreal natural = AverageCharWidth(QFontMetricsF(font));
    if (natural <= 0)
        return 100;
    int stretch = std::clamp(Round(100.0 * width / natural), 1, 4000);
    // Qt may pick a condensed or expanded member of the family for that stretch, whose own
    // widths differ; correct once by what the stretch actually gives.
    font.setStretch(stretch);
    const qreal reached = AverageCharWidth(QFontMetricsF(font));
    if (reached > 0)
        stretch = std::clamp(Round(stretch * width / reached), 1, 4000);
    return stretch;
}

Qt::Alignment ToQtAlignment(TTextAlignment alignment)
{
    switch (alignment) {
    case taCenter:
        return Qt::AlignHCenter;
    case taRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

// The source pixels that belong to each target pixel from first on: those whose centres
// land in it. When enlarging none may, and the one under the target pixel's centre is used.
struct TSpan
{
    int Begin;
    int End;
};

int64_t CeilDiv(int64_t numerator, int64_t denominator)
{
    return numerator >= 0 ? (numerator + denominator - 1) / denominator : -(-numerator / denominator);
}

std::vector<TSpan> SourceSpans(int targetLength, int sourceLength, int first, int count)
{
    const int64_t t = targetLength;
    const int64_t s = sourceLength;
    std::vector<TSpan> spans(size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i) {
        const int64_t d = first + i;
        // Source pixel k lands in target pixel floor((2k + 1) * t / (2s)).
        int64_t begin = CeilDiv(2 * d * s - t, 2 * t);
        int64_t end = CeilDiv(2 * (d + 1) * s - t, 2 * t);
        if (begin >= end) {
            begin = (2 * d + 1) * s / (2 * t);
            end = begin + 1;
        }
        spans[size_t(i)] = {int(std::clamp<int64_t>(begin, 0, s - 1)), int(std::clamp<int64_t>(end, 1, s))};
    }
    return spans;
}

// Darkness as the pixel would show on white paper.
int GrayOnWhite(QRgb pixel)
{
    return 255 - qAlpha(pixel) * (255 - qGray(pixel)) / 255;
}

// Not-XOR with a colour is XOR with its complement.
void InvertPaintedPixels(QImage& layer)
{
    for (int y = 0; y < layer.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                line[x] ^= 0x00FFFFFFu;
        }
    }
}

} // namespace

QFont ToQFont(const TFontSpec& description)
{
    // Every path that paints text needs the Windows face names mapped, whoever started it.
    static const bool registered = (RegisterFontSubstitutions(), true);
    Q_UNUSED(registered);

    QFont font(description.Name);
    font.setWeight(QFont::Weight(std::clamp(description.Weight == 0 ? 400 : description.Weight, 1, 1000)));
    font.setItalic(description.Italic);
    font.setUnderline(description.Underline);
    font.setStrikeOut(description.StrikeOut);
    // Windows text output does not kern, and measured widths must add up character by character.
    font.setKerning(false);
    font.setPixelSize(PixelSizeForHeight(font, description.Height));
    if (description.Width > 0)
        font.setStretch(StretchForWidth(font, description.Width));
    return font;
}

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QPaintDevice* device)
{
    Begin(device);
}

TCanvas::TCanvas(const TCanvas& other)
    : Pen(other.Pen), Brush(other.Brush), Font(other.Font), m_penPos(other.m_penPos)
{}

TCanvas& TCanvas::operator=(const TCanvas& other)
{
    Pen = other.Pen;
    Brush = other.Brush;
    Font = other.Font;
    m_penPos = other.m_penPos;
    return *this;
}

TCanvas::~TCanvas()
{
    End();
}

bool TCanvas::Begin(QPaintDevice* device)
{
    End();
    if (!device)
        return false;
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device))
        return false;
    // Figures are aliased: XOR erasing and one-bit printing need whole pixels.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter = std::move(painter);
    return true;
}

void TCanvas::End()
{
    if (!m_painter)
        return;
    m_painter->end();
    m_painter.reset();
}

bool TCanvas::IsActive() const
{
    return m_painter != nullptr;
}

QPaintDevice* TCanvas::Device() const
{
    return m_painter ? m_painter->device() : nullptr;
}

void TCanvas::Rectangle(const QRect& rect)
{
    QPainterPath path;
    path.addRect(OutlineRect(rect));
    DrawFigure(path, true);
}

void TCanvas::RoundRect(const QRect& rect, int ellipseWidth, int ellipseHeight)
{
    QPainterPath path;
    path.addRoundedRect(OutlineRect(rect), std::max(0, ellipseWidth) / 2.0, std::max(0, ellipseHeight) / 2.0);
    DrawFigure(path, true);
}

void TCanvas::Ellipse(const QRect& rect)
{
    QPainterPath path;
    path.addEllipse(OutlineRect(rect));
    DrawFigure(path, true);
}

void TCanvas::Polygon(const QPolygon& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    DrawFigure(path, true);
}

void TCanvas::Polyline(const QPolygon& points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    DrawFigure(path, false);
}

bool TCanvas::PolyBezier(const QPolygon& points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return false;
    QPainterPath path(points[0]);
    for (int i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    DrawFigure(path, false);
    return true;
}

void TCanvas::MoveTo(QPoint point)
{
    m_penPos = point;
}

void TCanvas::LineTo(QPoint point)
{
    QPainterPath path(m_penPos);
    path.lineTo(point);
    DrawFigure(path, false);
    m_penPos = point;
}

void TCanvas::Line(QPoint from, QPoint to)
{
    MoveTo(from);
    LineTo(to);
}

void TCanvas::FocusRect(const QRect& rect)
{
    const QRect r = Normalized(rect);
    if (!m_painter || r.isEmpty())
        return;
    // Every other pixel of the one-pixel frame, checkerboard fashion.
    QPolygon dots;
    const auto addDot = [&dots](int x, int y) {
        if (((x + y) & 1) == 0)
            dots.append(QPoint(x, y));
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        addDot(x, r.top());
        if (r.height() > 1)
            addDot(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        addDot(r.left(), y);
        if (r.width() > 1)
            addDot(r.right(), y);
    }
    const bool inverting = CanCombinePixels();
    const auto paint = [&dots, inverting](QPainter& painter) {
        painter.setPen(QPen(inverting ? Qt::white : Qt::black, 1));
        painter.drawPoints(dots);
    };
    if (inverting)
        XorThroughLayer(r, paint, false);
    else
        paint(*m_painter);
}

void TCanvas::FillRect(const QRect& rect)
{
    const QBrush brush = ToQBrush(Brush);
    if (!m_painter || brush.style() == Qt::NoBrush)
        return;
    m_painter->fillRect(Normalized(rect), brush);
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (!m_painter || text.isEmpty())
        return;
    const TFontCache& font = CurrentFont();
    m_painter->save();
    m_painter->setFont(font.Font);
    m_painter->setPen(ToQColor(Font.Color));
    m_painter->translate(x, y);
    if (Font.Escapement != 0)
        m_painter->rotate(-Font.Escapement / 10.0); // Qt turns clockwise on a y-down device
    m_painter->drawText(QPointF(0, font.Ascent), text);
    m_painter->restore();
}

QSize TCanvas::TextExtent(const QString& text) const
{
    const TFontCache& font = CurrentFont();
    const QFontMetricsF metrics =
        m_painter ? QFontMetricsF(font.Font, m_painter->device()) : QFontMetricsF(font.Font);
    return QSize(Round(metrics.horizontalAdvance(text)), Round(font.CellHeight));
}

void TCanvas::DrawText(const QRect& rect, const QString& text, TTextAlignment alignment)
{
    if (!m_painter || text.isEmpty())
        return;
    const QRect area = Normalized(rect);
    const TFontCache& font = CurrentFont();
    // "\r\n" and "\n" end lines.
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    lines.remove(QLatin1Char('\r'));
    QTextOption option(ToQtAlignment(alignment));
    option.setWrapMode(QTextOption::WordWrap);
    option.setTabStopDistance(8 * AverageCharWidth(QFontMetricsF(font.Font, m_painter->device())));
    QTextLayout layout(lines, font.Font, m_painter->device());
    layout.setTextOption(option);
    layout.beginLayout();
    // Lines follow each other one cell apart, whatever the stand-in face's own spacing.
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition(QPointF(0, top + font.Ascent - line.ascent()));
        top += font.CellHeight;
    }
    layout.endLayout();
    m_painter->save();
    m_painter->setClipRect(area, Qt::IntersectClip);
    m_painter->setPen(ToQColor(Font.Color));
    layout.draw(m_painter.get(), area.topLeft());
    m_painter->restore();
}

void TCanvas::StretchDraw(const QRect& dest, const QImage& image, TStretchMode mode)
{
    if (!m_painter || image.isNull() || dest.width() == 0 || dest.height() == 0)
        return;
    QImage source = image.mirrored(dest.width() < 0, dest.height() < 0);
    if (source.devicePixelRatio() != 1.0)
        source.setDevicePixelRatio(1.0);
    const QRect target = Normalized(dest);
    if (mode == smBlackOnWhite)
        DrawDarkestStretch(target, source);
    else
        DrawSmoothStretch(target, source);
}

void TCanvas::DrawFigure(const QPainterPath& path, bool filled)
{
    if (!m_painter)
        return;
    const QPen pen = ToQPen(Pen);
    const QBrush brush = filled ? ToQBrush(Brush) : QBrush();
    if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)
        return;
    const auto paint = [&](QPainter& painter) {
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawPath(path);
    };
    if (Pen.Mode == pmCopy || !CanCombinePixels()) {
        paint(*m_painter);
        return;
    }
    const int margin = pen.width() + 2;
    const QRect bounds = path.controlPointRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    XorThroughLayer(bounds, paint, Pen.Mode == pmNotXor);
}

// The figure is painted once onto a transparent layer and the layer XORed onto the device, so
// every pixel is combined exactly once, however outline and fill overlap.
void TCanvas::XorThroughLayer(const QRect& bounds, const std::function<void(QPainter&)>& paint, bool inverted)
{
    const QRect area = bounds & DeviceRect();
    if (area.isEmpty())
        return;
    const qreal ratio = m_painter->device()->devicePixelRatio();
    QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        // Hatch patterns follow the translation, so they line up with those drawn directly.
        painter.translate(-area.topLeft());
        paint(painter);
    }
    if (inverted)
        InvertPaintedPixels(layer);
    m_painter->save();
    m_painter->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter->drawImage(area.topLeft(), layer);
    m_painter->restore();
}

bool TCanvas::CanCombinePixels() const
{
    const QPaintEngine* engine = m_painter->paintEngine();
    return engine && engine->hasFeature(QPaintEngine::RasterOpModes);
}

QRect TCanvas::DeviceRect() const
{
    const QPaintDevice* device = m_painter->device();
    const qreal ratio = device->devicePixelRatio();
    return QRect(0, 0, qCeil(device->width() / ratio), qCeil(device->height() / ratio));
}

const TCanvas::TFontCache& TCanvas::CurrentFont() const
{
    if (!m_font.Valid || m_font.Description != Font) {
        m_font.Font = ToQFont(Font);
        std::tie(m_font.Ascent, m_font.CellHeight) = AscentAndCell(m_font.Font);
        m_font.Description = Font;
        m_font.Valid = true;
    }
    return m_font;
}

void TCanvas::DrawSmoothStretch(const QRect& target, const QImage& source)
{
    if (target.width() <= source.width() && target.height() <= source.height()) {
        // Shrinking averages every source pixel into the result, as halftoning does.
        m_painter->drawImage(target.topLeft(),
                             source.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        return;
    }
    m_painter->save();
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter->drawImage(target, source);
    m_painter->restore();
}

void TCanvas::DrawDarkestStretch(const QRect& target, const QImage& source)
{
    // Only the part on the device is computed: zoomed-in pictures can be far larger.
    const QRect visible = target & DeviceRect();
    if (visible.isEmpty())
        return;
    const QImage pixels = source.convertToFormat(QImage::Format_ARGB32);
    const std::vector<TSpan> columns =
        SourceSpans(target.width(), pixels.width(), visible.left() - target.left(), visible.width());
    const std::vector<TSpan> rows =
        SourceSpans(target.height(), pixels.height(), visible.top() - target.top(), visible.height());
    const int sourceWidth = pixels.width();
    const int resultWidth = visible.width();
    const int resultHeight = visible.height();
    QImage result(visible.size(), QImage::Format_ARGB32);
    // Each target row first takes, per source column, the darkest pixel of its row span (the
    // upper one on a tie); a target pixel then takes the darkest of those over its column span
    // (the left one on a tie). Rows that reduce to the same source line give the same line.
    std::vector<QRgb> reduced(static_cast<size_t>(sourceWidth));
    std::vector<QRgb> previous;
    std::vector<int> reducedGray(static_cast<size_t>(sourceWidth));
    // Black bars on white also go into a one-bit mask, made line by line as the lines are.
    QImage mask(visible.size(), QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const size_t maskBytes = size_t(mask.bytesPerLine());
    bool blackAndWhite = true;
    for (int y = 0; y < resultHeight; ++y) {
        const TSpan& span = rows[size_t(y)];
        const QRgb* first = reinterpret_cast<const QRgb*>(pixels.constScanLine(span.Begin));
        std::copy(first, first + sourceWidth, reduced.begin());
        for (int x = 0; x < sourceWidth; ++x)
            reducedGray[size_t(x)] = GrayOnWhite(reduced[size_t(x)]);
        for (int r = span.Begin + 1; r < span.End; ++r) {
            const QRgb* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(r));
            for (int x = 0; x < sourceWidth; ++x) {
                const int gray = GrayOnWhite(line[x]);
                if (gray < reducedGray[size_t(x)]) {
                    reducedGray[size_t(x)] = gray;
                    reduced[size_t(x)] = line[x];
                }
            }
        }
        QRgb* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        if (y > 0 && reduced == previous) {
            std::memcpy(out, result.constScanLine(y - 1), size_t(resultWidth) * sizeof(QRgb));
            if (blackAndWhite)
                std::memcpy(mask.scanLine(y), mask.constScanLine(y - 1), maskBytes);
            continue;
        }
        for (int x = 0; x < resultWidth; ++x) {
            const TSpan& c = columns[size_t(x)];
            int best = c.Begin;
            for (int column = c.Begin + 1; column < c.End; ++column)
                if (reducedGray[size_t(column)] < reducedGray[size_t(best)])
                    best = column;
            out[x] = reduced[size_t(best)];
        }
        if (blackAndWhite) {
            uchar* bits = mask.scanLine(y);
            std::memset(bits, 0, maskBytes);
            for (int x = 0; x < resultWidth && blackAndWhite; ++x) {
                if (out[x] == 0xFFFFFFFFu)
                    bits[x >> 3] |= uchar(0x80 >> (x & 7));
                else
                    blackAndWhite = out[x] == 0xFF000000u;
            }
        }
        previous = reduced;
    }
    if (blackAndWhite && m_painter->paintEngine()->type() == QPaintEngine::Pdf) {
        // A PDF takes a one-bit picture as a mask painted in the pen's colour: black bars on a
        // white ground, kept lossless and a bit per dot instead of a JPEG.
        m_painter->save();
        m_painter->fillRect(QRect(visible.topLeft(), result.size()), Qt::white);
        m_painter->setPen(Qt::black);
        m_painter->drawImage(visible.topLeft(), mask);
        m_painter->restore();
    } else {
        m_painter->drawImage(visible.topLeft(), result);
    }
}

} // namespace tessarine
