#pragma once

#include "gdistyle.h"

#include <QFont>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QImage;
class QPaintDevice;
class QPainter;
class QPainterPath;

namespace tessarine {

// A logical font as label objects describe one, in device pixels.
struct TFontSpec
{
    QString Name = QStringLiteral("宋体");
    uint8_t CharSet = 1; // kept for the files; glyph fallback picks CJK faces by itself
    // Cell height (ascent + descent); negative values give the em height instead, 0 the
    // 12-point default.
    int32_t Height = 0;
    // Average character width; the glyphs are stretched horizontally to reach it. 0 keeps the
    // face's natural width.
    int32_t Width = 0;
    int32_t Weight = 400; // 1..1000, 0 means normal
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    // Tenths of a degree, counter-clockwise, turning the text about its top-left origin.
    int32_t Escapement = 0;
    TColor Color = clWindowText;

    bool operator==(const TFontSpec& o) const
    {
        return Name == o.Name && CharSet == o.CharSet && Height == o.Height && Width == o.Width &&
               Weight == o.Weight && Italic == o.Italic && Underline == o.Underline &&
               StrikeOut == o.StrikeOut && Escapement == o.Escapement && Color == o.Color;
    }
    bool operator!=(const TFontSpec& o) const { return !(*this == o); }
};

// How StretchDraw resamples a picture.
enum TStretchMode : uint8_t
{
    smHalftone,     // smooth: averages what it shrinks
    smBlackOnWhite, // each target pixel takes the darkest source pixel that lands in it
};

// Line alignment of DrawText; the ordinals are the ones label files store.
enum TTextAlignment : uint8_t
{
    taLeft = 0,
    taCenter = 1,
    taRight = 2,
};

// The rectangle with the given edges, right and bottom exclusive: the pixels a fill covers.
inline QRect GdiRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// The QFont that paints a font description (substitutions for Windows face names included).
QFont ToQFont(const TFontSpec& description);

// Where label objects paint: screen bitmaps, previews, printers and thermal bitmaps alike.
// Objects set Pen, Brush and Font directly and read them back; every drawing call uses their
// current values. Rectangles are QRects whose width and height are right - left and
// bottom - top, so right and bottom edges are exclusive as on Windows (see GdiRect).
// Without a device the canvas keeps its state and measures text, and drawing does nothing.
// Copies take the state (pen, brush, font, pen position) but never the device.
class TCanvas
{
public:
    TCanvas();
    explicit TCanvas(QPaintDevice* device);
    TCanvas(const TCanvas& other);
    TCanvas& operator=(const TCanvas& other);
    ~TCanvas();

    TPen Pen;
    TBrush Brush;
    TFontSpec Font;

    // Starts painting on device (ending any earlier device); false if it cannot be painted on.
    bool Begin(QPaintDevice* device);
    void End();
    bool IsActive() const;
    QPaintDevice* Device() const;

    // Outlined with Pen and filled with Brush. Pen.Mode applies to both.
    void Rectangle(const QRect& rect);
    void RoundRect(const QRect& rect, int ellipseWidth, int ellipseHeight);
    void Ellipse(const QRect& rect);
    void Polygon(const QPolygon& points); // alternate (even-odd) filling

    // Outlined with Pen only. Lines leave out their last point, so joined segments and
    // XOR drawing do not paint a pixel twice.
    void Polyline(const QPolygon& points);
    bool PolyBezier(const QPolygon& points); // start point, then three points per segment
    void MoveTo(QPoint point);
    void LineTo(QPoint point);
    void Line(QPoint from, QPoint to);
    QPoint PenPos() const { return m_penPos; }

    // Inverts a dotted frame; drawing it again removes it.
    void FocusRect(const QRect& rect);
    // Brush only, always copied.
    void FillRect(const QRect& rect);

    // Text in Font and Font.Color on a transparent background, top-left of the cell at (x, y).
    void TextOut(int x, int y, const QString& text);
    // Width along the baseline and cell height, whatever the escapement.
    QSize TextExtent(const QString& text) const;
    // Lines broken between words, tabs expanded every eight average characters, clipped
    // to rect. The escapement is not applied.
    void DrawText(const QRect& rect, const QString& text, TTextAlignment alignment);

    // A negative width or height mirrors the picture.
    void StretchDraw(const QRect& dest, const QImage& image, TStretchMode mode);

private:
    // The QFont made from Font, remade when Font changes.
    struct TFontCache
    {
        TFontSpec Description; // what Font was made from
        QFont Font;
        qreal Ascent = 0;
        qreal CellHeight = 0;
        bool Valid = false;
    };

    void DrawFigure(const QPainterPath& path, bool filled);
    void XorThroughLayer(const QRect& bounds, const std::function<void(QPainter&)>& paint, bool inverted);
    bool CanCombinePixels() const;
    QRect DeviceRect() const;
    const TFontCache& CurrentFont() const;
    void DrawSmoothStretch(const QRect& target, const QImage& source);
    void DrawDarkestStretch(const QRect& target, const QImage& source);

    std::unique_ptr<QPainter> m_painter;
    QPoint m_penPos;
    mutable TFontCache m_font;
};

} // namespace tessarine
