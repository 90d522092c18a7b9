#include "platform/canvas.h"

#include "support/testsupport.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPdfWriter>
#include <QPixmap>
#include <QProcess>
#include <QRawFont>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tessarine;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;

QImage Filled(int width, int height, QRgb color = kWhite)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A background where every pixel differs from its neighbours, so a wrong combination shows.
QImage Noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 91) & 255, ((x ^ y) * 7) & 255));
    return image;
}

QImage Paint(QImage image, const std::function<void(TCanvas&)>& draw)
{
    TCanvas canvas(&image);
    draw(canvas);
    canvas.End();
    return image;
}

bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// Bounding box of the dark pixels, null when there are none.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int CountPixels(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    return count;
}

std::string Row(const QImage& image, int y, int width)
{
    std::string row;
    for (int x = 0; x < width; ++x)
        row += image.pixel(x, y) == kWhite ? '.' : '#';
    return row;
}

// Runs of on and off pixels repeated over length.
std::string Dashes(std::vector<int> runs, int length)
{
    std::string row;
    for (size_t i = 0; int(row.size()) < length; i = (i + 1) % runs.size())
        row += std::string(size_t(runs[i]), i % 2 == 0 ? '#' : '.');
    return row.substr(0, size_t(length));
}

TFontSpec FontOf(const char* face, int height, int width = 0)
{
    TFontSpec font;
    font.Name = QString::fromUtf8(face);
    font.Height = height;
    font.Width = width;
    font.Color = clBlack;
    return font;
}

} // namespace

TEST(CanvasPen, StylesOfOnePixelPens)
{
    const struct
    {
        TPenStyle Style;
        int Width;
        std::string Expected; // the first 60 pixels of a line from x = 0 to 60
    } cases[] = {
        {psSolid, 1, std::string(60, '#')},       {psSolid, 0, std::string(60, '#')},
        {psInsideFrame, 1, std::string(60, '#')}, {psClear, 1, std::string(60, '.')},
        {psDash, 1, Dashes({18, 6}, 60)},         {psDot, 0, Dashes({3, 3}, 60)},
        {psDashDot, 1, Dashes({9, 6, 3, 6}, 60)}, {psDashDotDot, 1, Dashes({9, 3, 3, 3, 3, 3}, 60)},
    };
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(70, 9), [&](TCanvas& canvas) {
            canvas.Pen.Style = c.Style;
            canvas.Pen.Width = c.Width;
            canvas.Line({0, 4}, {60, 4});
        });
        SCOPED_TRACE(testing::Message() << "style " << int(c.Style) << " width " << c.Width);
        EXPECT_EQ(Row(image, 4, 60), c.Expected);
        EXPECT_EQ(Row(image, 3, 60), std::string(60, '.')); // one pixel thick
        EXPECT_EQ(Row(image, 5, 60), std::string(60, '.'));
    }
}

TEST(CanvasPen, WidePensAreSolidWhateverTheStyle)
{
    for (TPenStyle style : {psSolid, psDash, psDot, psDashDot, psDashDotDot, psInsideFrame}) {
        const QImage image = Paint(Filled(70, 15), [&](TCanvas& canvas) {
            canvas.Pen.Style = style;
            canvas.Pen.Width = 3;
            canvas.Line({5, 7}, {60, 7});
        });
        SCOPED_TRACE(int(style));
        EXPECT_EQ(Row(image, 7, 70).substr(5, 55), std::string(55, '#'));
        int thickness = 0;
        for (int y = 0; y < image.height(); ++y)
            thickness += image.pixel(30, y) == kBlack ? 1 : 0;
        EXPECT_EQ(thickness, 3);
    }
}

TEST(CanvasPen, LinesLeaveOutTheirLastPoint)
{
    QPoint penPos;
    const QImage image = Paint(Filled(20, 12), [&](TCanvas& canvas) {
        canvas.MoveTo({2, 2});
        canvas.LineTo({10, 2});
        canvas.LineTo({10, 9});
        canvas.Polyline(QPolygon({QPoint(14, 2), QPoint(14, 9)}));
        penPos = canvas.PenPos();
    });
    EXPECT_EQ(penPos, QPoint(10, 9));
    EXPECT_EQ(image.pixel(2, 2), kBlack);
    EXPECT_EQ(image.pixel(9, 2), kBlack);
    EXPECT_EQ(image.pixel(10, 2), kBlack); // start of the second segment
    EXPECT_EQ(image.pixel(10, 8), kBlack);
    EXPECT_EQ(image.pixel(10, 9), kWhite);
    EXPECT_EQ(image.pixel(14, 8), kBlack);
    EXPECT_EQ(image.pixel(14, 9), kWhite);
}

TEST(CanvasFigures, RectangleEdgesFollowWindows)
{
    const struct
    {
        TPenStyle PenStyle;
        TBrushStyle BrushStyle;
        std::vector<std::pair<QPoint, QRgb>> Probes;
    } cases[] = {
        // Outline on the outermost pixels, right and bottom exclusive, fill inside.
        {psSolid,
         bsSolid,
         {{{2, 3}, kBlack},
          {{11, 9}, kBlack},
          {{11, 3}, kBlack},
          {{2, 9}, kBlack},
          {{12, 9}, kWhite},
          {{11, 10}, kWhite},
          {{1, 3}, kWhite},
          {{6, 6}, kRed}}},
        // Without an outline the fill stops one pixel short of the right and bottom edges.
        {psClear, bsSolid, {{{2, 3}, kRed}, {{10, 8}, kRed}, {{11, 8}, kWhite}, {{10, 9}, kWhite}}},
        {psSolid, bsClear, {{{2, 3}, kBlack}, {{11, 9}, kBlack}, {{6, 6}, kWhite}}},
        {psClear, bsClear, {{{2, 3}, kWhite}, {{6, 6}, kWhite}}},
    };
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(16, 14), [&](TCanvas& canvas) {
            canvas.Pen.Style = c.PenStyle;
            canvas.Brush.Style = c.BrushStyle;
            canvas.Brush.Color = clRed;
            canvas.Rectangle(GdiRect(12, 10, 2, 3)); // corners in either order
        });
        for (const auto& [point, color] : c.Probes) {
            SCOPED_TRACE(testing::Message() << int(c.PenStyle) << "/" << int(c.BrushStyle) << " at "
                                            << point.x() << "," << point.y());
            EXPECT_EQ(image.pixel(point), color);
        }
    }
}

TEST(CanvasFigures, CornersOfRoundRectsAndEllipses)
{
    const struct
    {
        const char* Name;
        std::function<void(TCanvas&)> Draw;
        QRgb Corner;
        QRgb TopMiddle;
    } cases[] = {
        {"square round rect", [](TCanvas& c) { c.RoundRect(GdiRect(0, 0, 41, 31), 0, 0); }, kBlack, kBlack},
        {"rounded", [](TCanvas& c) { c.RoundRect(GdiRect(0, 0, 41, 31), 20, 20); }, kWhite, kBlack},
        {"rectangle", [](TCanvas& c) { c.Rectangle(GdiRect(0, 0, 41, 31)); }, kBlack, kBlack},
        {"ellipse", [](TCanvas& c) { c.Ellipse(GdiRect(0, 0, 41, 31)); }, kWhite, kBlack},
    };
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(41, 31), [&](TCanvas& canvas) {
            canvas.Brush.Color = clRed;
            c.Draw(canvas);
        });
        SCOPED_TRACE(c.Name);
        for (QPoint corner : {QPoint(0, 0), QPoint(40, 0), QPoint(0, 30), QPoint(40, 30)})
            EXPECT_EQ(image.pixel(corner), c.Corner);
        EXPECT_EQ(image.pixel(20, 0), c.TopMiddle);
        EXPECT_EQ(image.pixel(20, 15), kRed);
    }
}

TEST(CanvasFigures, PolygonsFillAlternately)
{
    // A five-pointed star drawn in one stroke: its centre is crossed twice and stays empty.
    QPolygon star;
    for (int k = 0; k < 5; ++k) {
        const double angle = (-90 + k * 144) * M_PI / 180;
        star << QPoint(50 + qRound(40 * std::cos(angle)), 50 + qRound(40 * std::sin(angle)));
    }
    const QImage image = Paint(Filled(100, 100), [&](TCanvas& canvas) {
        canvas.Pen.Style = psClear;
        canvas.Brush.Color = clBlack;
        canvas.Polygon(star);
    });
    EXPECT_EQ(image.pixel(50, 50), kWhite);
    EXPECT_EQ(image.pixel(50, 20), kBlack); // inside the top point
}

TEST(CanvasFigures, PolyBezierFollowsTheCurve)
{
    const QPolygon points({QPoint(10, 50), QPoint(10, 10), QPoint(90, 10), QPoint(90, 50)});
    bool drawn = false;
    const QImage image = Paint(Filled(100, 60), [&](TCanvas& canvas) { drawn = canvas.PolyBezier(points); });
    ASSERT_TRUE(drawn);
    // At t = 1/2 the curve passes (50, 20); the control points themselves stay off it.
    bool nearMiddle = false;
    for (int dy = -1; dy <= 1; ++dy)
        nearMiddle = nearMiddle || image.pixel(50, 20 + dy) == kBlack;
    EXPECT_TRUE(nearMiddle);
    EXPECT_EQ(image.pixel(10, 10), kWhite);
    EXPECT_EQ(image.pixel(50, 10), kWhite);
    EXPECT_EQ(image.pixel(10, 49), kBlack);

    // Anything but 1 + 3n points (n >= 1) is refused.
    for (int count : {0, 1, 3, 5, 6}) {
        QPolygon some;
        for (int i = 0; i < count; ++i)
            some << points[i % 4];
        const QImage untouched =
            Paint(Filled(100, 60), [&](TCanvas& canvas) { EXPECT_FALSE(canvas.PolyBezier(some)); });
        EXPECT_EQ(untouched, Filled(100, 60)) << count << " points";
    }
}

TEST(CanvasBrush, StylesFillTheirPattern)
{
    const auto rowsUniform = [](const QImage& im) {
        for (int y = 0; y < im.height(); ++y)
            for (int x = 1; x < im.width(); ++x)
                if (im.pixel(x, y) != im.pixel(0, y))
                    return false;
        return true;
    };
    const auto columnsUniform = [](const QImage& im) {
        for (int x = 0; x < im.width(); ++x)
            for (int y = 1; y < im.height(); ++y)
                if (im.pixel(x, y) != im.pixel(x, 0))
                    return false;
        return true;
    };
    // Every painted pixel continues towards (dx, dy).
    const auto continues = [](const QImage& im, int dx, int dy) {
        for (int y = 1; y + 1 < im.height(); ++y)
            for (int x = 1; x + 1 < im.width(); ++x)
                if (im.pixel(x, y) == kRed && im.pixel(x + dx, y + dy) != kRed)
                    return false;
        return true;
    };
    const auto hasFullRow = [](const QImage& im) {
        for (int y = 0; y < im.height(); ++y)
            if (Row(im, y, im.width()) == std::string(size_t(im.width()), '#'))
                return true;
        return false;
    };
    const auto hasFullColumn = [](const QImage& im) {
        for (int x = 0; x < im.width(); ++x) {
            bool full = true;
            for (int y = 0; y < im.height(); ++y)
                full = full && im.pixel(x, y) == kRed;
            if (full)
                return true;
        }
        return false;
    };
    const struct
    {
        TBrushStyle Style;
        bool Background; // some pixels keep the background
        std::function<bool(const QImage&)> Shape;
    } cases[] = {
        {bsSolid, false, [](const QImage&) { return true; }},
        {bsHorizontal, true, [&](const QImage& im) { return rowsUniform(im) && !columnsUniform(im); }},
        {bsVertical, true, [&](const QImage& im) { return columnsUniform(im) && !rowsUniform(im); }},
        {bsFDiagonal, true, [&](const QImage& im) { return continues(im, 1, 1) && !continues(im, 1, -1); }},
        {bsBDiagonal, true, [&](const QImage& im) { return continues(im, 1, -1) && !continues(im, 1, 1); }},
        {bsCross, true, [&](const QImage& im) { return hasFullRow(im) && hasFullColumn(im); }},
        {bsDiagCross, true,
         [&](const QImage& im) { return !hasFullRow(im) && !continues(im, 1, 1) && !continues(im, 1, -1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.Style));
        for (bool figure : {false, true}) {
            const QImage image = Paint(Filled(32, 32), [&](TCanvas& canvas) {
                canvas.Brush.Style = c.Style;
                canvas.Brush.Color = clRed;
                canvas.Pen.Style = psClear;
                if (figure)
                    canvas.Rectangle(GdiRect(0, 0, 33, 33));
                else
                    canvas.FillRect(GdiRect(0, 0, 32, 32));
            });
            const int red = CountPixels(image, kRed);
            EXPECT_GT(red, 0);
            EXPECT_EQ(red + CountPixels(image, kWhite), 32 * 32);
            EXPECT_EQ(red < 32 * 32, c.Background);
            EXPECT_TRUE(c.Shape(image));
        }
    }
    const QImage clear = Paint(Filled(32, 32), [](TCanvas& canvas) {
        canvas.Brush.Style = bsClear;
        canvas.FillRect(GdiRect(0, 0, 32, 32));
        canvas.Ellipse(GdiRect(0, 0, 32, 32));
    });
    EXPECT_EQ(clear.pixel(16, 16), kWhite);
}

TEST(CanvasColors, SystemColorsResolveWhenPainting)
{
    const QImage image = Paint(Filled(20, 10, kRed), [](TCanvas& canvas) {
        canvas.Pen.Color = clWindowText;
        canvas.Brush.Color = TColor(0x80000005u); // window background
        canvas.Rectangle(GdiRect(0, 0, 10, 10));
        canvas.Brush.Color = TColor(0x8000000Du); // highlight
        canvas.FillRect(GdiRect(10, 0, 20, 10));
    });
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
    EXPECT_EQ(image.pixel(15, 5), qRgb(0x0A, 0x24, 0x6A));
}

namespace {

struct TFigure
{
    const char* Name;
    std::function<void(TCanvas&)> Draw;
};

const std::vector<TFigure>& Figures()
{
    static const std::vector<TFigure> figures = {
        {"rectangle", [](TCanvas& c) { c.Rectangle(GdiRect(3, 4, 40, 30)); }},
        {"wide pen rectangle",
         [](TCanvas& c) {
             c.Pen.Width = 5;
             c.Rectangle(GdiRect(6, 5, 44, 33));
         }},
        {"hatched round rect",
         [](TCanvas& c) {
             c.Brush.Style = bsDiagCross;
             c.RoundRect(GdiRect(9, 5, 45, 35), 14, 10);
         }},
        {"hatched polygon",
         [](TCanvas& c) {
             c.Brush.Style = bsFDiagonal;
             c.Pen.Style = psClear;
             c.Polygon(QPolygon({QPoint(13, 7), QPoint(45, 11), QPoint(20, 37)}));
         }},
        {"ellipse", [](TCanvas& c) { c.Ellipse(GdiRect(2, 2, 46, 38)); }},
        {"clear brush ellipse",
         [](TCanvas& c) {
             c.Brush.Style = bsClear;
             c.Ellipse(GdiRect(2, 2, 46, 38));
         }},
        {"polygon",
         [](TCanvas& c) {
             c.Polygon(QPolygon({QPoint(5, 5), QPoint(40, 9), QPoint(20, 35)}));
         }},
        {"polyline",
         [](TCanvas& c) {
             c.Polyline(QPolygon({QPoint(1, 1), QPoint(40, 9), QPoint(20, 35), QPoint(1, 30)}));
         }},
        {"dotted lines",
         [](TCanvas& c) {
             c.Pen.Style = psDot;
             c.Line({0, 20}, {47, 20});
             c.LineTo({47, 39});
         }},
        {"bezier",
         [](TCanvas& c) {
             c.PolyBezier(QPolygon({QPoint(2, 30), QPoint(10, 0), QPoint(30, 50), QPoint(45, 5)}));
         }},
        {"figure partly off the device", [](TCanvas& c) { c.Ellipse(GdiRect(-20, -13, 20, 25)); }},
    };
    return figures;
}

} // namespace

TEST(CanvasPenMode, DrawingTwiceRestoresThePixels)
{
    const QImage background = Noise(48, 40);
    for (TPenMode mode : {pmXor, pmNotXor}) {
        for (const TFigure& figure : Figures()) {
            SCOPED_TRACE(testing::Message() << figure.Name << " mode " << int(mode));
            const auto draw = [&](TCanvas& canvas) {
                canvas.Pen.Color = RGBColor(0x12, 0x34, 0x56);
                canvas.Pen.Mode = mode;
                canvas.Brush.Color = RGBColor(0xC0, 0x80, 0x11);
                figure.Draw(canvas);
            };
            const QImage once = Paint(background, draw);
            EXPECT_NE(once, background);
            EXPECT_EQ(Paint(once, draw), background);
        }
    }
}

TEST(CanvasPenMode, EveryPixelIsCombinedOnce)
{
    // XOR with white on black, and not-XOR with black on white, must give exactly what copying
    // gives: a pixel combined twice (outline over fill) or a shifted hatch would differ.
    const struct
    {
        TPenMode Mode;
        TColor Color;
        QRgb Background;
    } modes[] = {{pmXor, clWhite, kBlack}, {pmNotXor, clBlack, kWhite}};
    for (const auto& m : modes) {
        for (const TFigure& figure : Figures()) {
            SCOPED_TRACE(testing::Message() << figure.Name << " mode " << int(m.Mode));
            const auto draw = [&](TPenMode mode) {
                return [&, mode](TCanvas& canvas) {
                    canvas.Pen.Color = m.Color;
                    canvas.Brush.Color = m.Color;
                    canvas.Pen.Mode = mode;
                    figure.Draw(canvas);
                };
            };
            EXPECT_EQ(Paint(Filled(48, 40, m.Background), draw(m.Mode)),
                      Paint(Filled(48, 40, m.Background), draw(pmCopy)));
        }
    }
}

TEST(CanvasPenMode, CombinesColours)
{
    const QRgb background = qRgb(0xF0, 0x0F, 0xAA);
    const struct
    {
        TPenMode Mode;
        QRgb Expected; // for the colour 12 34 56
    } cases[] = {
        {pmCopy, qRgb(0x12, 0x34, 0x56)},
        {pmXor, qRgb(0x12 ^ 0xF0, 0x34 ^ 0x0F, 0x56 ^ 0xAA)},
        {pmNotXor, qRgb(0xFF & ~(0x12 ^ 0xF0), 0xFF & ~(0x34 ^ 0x0F), 0xFF & ~(0x56 ^ 0xAA))},
    };
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(10, 10, background), [&](TCanvas& canvas) {
            canvas.Pen.Color = RGBColor(0x12, 0x34, 0x56);
            canvas.Pen.Mode = c.Mode;
            canvas.Line({0, 5}, {10, 5});
        });
        EXPECT_EQ(image.pixel(4, 5), c.Expected) << int(c.Mode);
        EXPECT_EQ(image.pixel(4, 4), background) << int(c.Mode);
    }
}

TEST(CanvasPenMode, FocusRectIsDottedAndErasable)
{
    const QImage white =
        Paint(Filled(20, 20), [](TCanvas& canvas) { canvas.FocusRect(GdiRect(2, 2, 12, 10)); });
    EXPECT_EQ(Row(white, 2, 14), "..#.#.#.#.#...");
    EXPECT_EQ(Row(white, 9, 14), "...#.#.#.#.#..");
    EXPECT_EQ(white.pixel(2, 4), kBlack);
    EXPECT_EQ(white.pixel(2, 5), kWhite);
    EXPECT_EQ(white.pixel(6, 6), kWhite);

    const QImage background = Noise(20, 20);
    const auto focus = [](TCanvas& canvas) {
        canvas.Pen.Mode = pmCopy; // ignored: the frame always inverts
        canvas.FocusRect(GdiRect(12, 10, 2, 2));
    };
    const QImage once = Paint(background, focus);
    EXPECT_NE(once, background);
    EXPECT_EQ(Paint(once, focus), background);
}

TEST(CanvasStretch, BlackOnWhiteKeepsThinBarsThatHalftoneLoses)
{
    QImage columnBar = Filled(100, 20);
    for (int y = 0; y < 20; ++y)
        columnBar.setPixel(37, y, kBlack);
    QImage rowBar = Filled(20, 100);
    for (int x = 0; x < 20; ++x)
        rowBar.setPixel(x, 61, kBlack);
    const struct
    {
        const char* Name;
        QImage Source;
        QSize Target;
        TStretchMode Mode;
        bool KeepsBlack;
    } cases[] = {
        {"column, black on white", columnBar, {25, 20}, smBlackOnWhite, true},
        {"column, halftone", columnBar, {25, 20}, smHalftone, false},
        {"row, black on white", rowBar, {20, 10}, smBlackOnWhite, true},
        {"row, halftone", rowBar, {20, 10}, smHalftone, false},
        {"both ways, black on white", columnBar, {7, 3}, smBlackOnWhite, true},
    };
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(c.Target.width() + 4, c.Target.height() + 4), [&](TCanvas& canvas) {
            canvas.StretchDraw(QRect(QPoint(2, 2), c.Target), c.Source, c.Mode);
        });
        SCOPED_TRACE(c.Name);
        int darkest = 255;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        if (c.KeepsBlack) {
            EXPECT_EQ(darkest, 0);
        } else {
            EXPECT_GT(darkest, 128); // averaged to a light grey
            EXPECT_LT(darkest, 255); // but not dropped
        }
        const QRect target(QPoint(2, 2), c.Target);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!target.contains(x, y)) {
                    ASSERT_EQ(image.pixel(x, y), kWhite) << "outside the target at " << x << "," << y;
                }
    }
}

TEST(CanvasStretch, EnlargingRepeatsPixelsAndNegativeSizesMirror)
{
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? kBlack : kWhite);
    const QImage big = Paint(Filled(12, 12, kRed), [&](TCanvas& canvas) {
        canvas.StretchDraw(GdiRect(0, 0, 12, 12), checker, smBlackOnWhite);
    });
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(big.pixel(x, y), checker.pixel(x / 3, y / 3)) << x << "," << y;

    QImage line = Filled(10, 1);
    line.setPixel(0, 0, kBlack);
    for (TStretchMode mode : {smHalftone, smBlackOnWhite}) {
        const QImage mirrored = Paint(
            Filled(10, 1), [&](TCanvas& canvas) { canvas.StretchDraw(QRect(10, 0, -10, 1), line, mode); });
        EXPECT_EQ(Row(mirrored, 0, 10), ".........#") << int(mode);
    }
}

TEST(CanvasStretch, OnlyThePartOnTheDeviceIsComputed)
{
    QImage halves = Filled(2, 1);
    halves.setPixel(0, 0, kBlack);
    // A target 200 pixels wide starting 50 pixels left of the device: its middle is at x = 50.
    const QImage image = Paint(Filled(100, 4, kRed), [&](TCanvas& canvas) {
        canvas.StretchDraw(QRect(-50, 0, 200, 4), halves, smBlackOnWhite);
    });
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(49, 3), kBlack);
    EXPECT_EQ(image.pixel(50, 0), kWhite);
    EXPECT_EQ(image.pixel(99, 3), kWhite);
}

TEST(CanvasFonts, WindowsFacesResolveToInstalledFacesOfTheirKind)
{
    // No explicit registration: making a font must see to it.
    const QStringList installed = QFontDatabase::families();
    enum TKind
    {
        kChinese,
        kProportional,
        kFixed
    };
    const struct
    {
        const char* Face;
        TKind Kind;
    } cases[] = {
        {"宋体", kChinese},        {"新宋体", kChinese},      {"黑体", kChinese},
        {"楷体_GB2312", kChinese}, {"仿宋_GB2312", kChinese}, {"微软雅黑", kChinese},
        {"SimSun", kChinese},      {"Arial", kProportional},  {"Times New Roman", kProportional},
        {"Tahoma", kProportional}, {"Courier New", kFixed},   {"Lucida Console", kFixed},
    };
    for (const auto& c : cases) {
        const QFont font = ToQFont(FontOf(c.Face, 20));
        const QFontInfo info(font);
        SCOPED_TRACE(testing::Message() << c.Face << " -> " << info.family().toStdString());
        EXPECT_TRUE(installed.contains(info.family()));
        EXPECT_NE(info.family(), QString::fromUtf8(c.Face));
        const QRawFont raw = QRawFont::fromFont(font);
        EXPECT_EQ(raw.supportsCharacter(QChar(0x4E2D)), c.Kind == kChinese); // 中
        if (c.Kind != kChinese) {
            EXPECT_EQ(info.fixedPitch(), c.Kind == kFixed);
        }
    }
}

TEST(CanvasFonts, ChineseTextRendersRealGlyphs)
{
    const auto render = [](const QString& text) {
        return Paint(Filled(120, 60), [&](TCanvas& canvas) {
            canvas.Font = FontOf("宋体", 40);
            canvas.TextOut(10, 8, text);
        });
    };
    const QImage zhong = render(QStringLiteral("中"));
    const QImage guo = render(QStringLiteral("国"));
    const QRect ink = InkBounds(zhong);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.height(), 25);
    EXPECT_NE(zhong, guo); // missing glyphs would both be the same box
    // 中 is symmetric about its vertical stroke; a box or a Latin fallback glyph is not.
    int strokeColumns = 0;
    for (int x = ink.left(); x <= ink.right(); ++x)
        strokeColumns += IsInk(zhong.pixel(x, ink.top())) ? 1 : 0;
    EXPECT_LE(strokeColumns, 6);
}

TEST(CanvasFonts, HeightIsTheCellHeight)
{
    TCanvas canvas;
    for (const char* face : {"宋体", "黑体", "Arial", "Courier New"}) {
        for (int height : {12, 16, 25, 40, 97}) {
            canvas.Font = FontOf(face, height);
            EXPECT_NEAR(canvas.TextExtent(QStringLiteral("Ag中")).height(), height, 1)
                << face << " " << height;
        }
    }
    // A negative height is the em height; the cell is as tall as the Windows face had it.
    const struct
    {
        const char* Face;
        int Cell;
    } emCases[] = {{"宋体", 100}, {"黑体", 100}, {"微软雅黑", 132}, {"Arial", 112}, {"Courier New", 113}};
    for (const auto& c : emCases) {
        canvas.Font = FontOf(c.Face, -100);
        EXPECT_EQ(canvas.TextExtent(QStringLiteral("Ag")).height(), c.Cell) << c.Face;
    }
}

TEST(CanvasFonts, StandInsDrawGlyphsAsLargeAsTheWindowsFace)
{
    // The Windows faces' cells are one em high for 宋体 and 黑体 and 1.32 em for 微软雅黑; the
    // stand-ins' cells differ (Noto Sans CJK: 1.45 em), yet a 中 must keep its designed size.
    const struct
    {
        const char* Face;
        double Em;
    } cases[] = {{"宋体", 60}, {"黑体", 60}, {"楷体_GB2312", 60}, {"微软雅黑", 60 / 1.32}};
    for (const auto& c : cases) {
        const QImage image = Paint(Filled(100, 100), [&](TCanvas& canvas) {
            canvas.Font = FontOf(c.Face, 60);
            canvas.TextOut(10, 10, QStringLiteral("中"));
        });
        const QRect ink = InkBounds(image);
        SCOPED_TRACE(c.Face);
        EXPECT_GT(ink.height(), 0.8 * c.Em);
        EXPECT_LE(ink.height(), c.Em);
        EXPECT_TRUE(QRect(10, 10, 100, 60).contains(ink)); // inside the cell
    }
}

TEST(CanvasFonts, WidthIsTheAverageCharacterWidth)
{
    // 宋体's Latin letters are half as wide as its cell is high, its Chinese ones as wide:
    // boxes that allot Width per GBK byte fit the text exactly.
    const struct
    {
        int Width;
        const char* Text;
        int Expected;
    } cases[] = {
        {0, "abcd", 80}, {10, "abcd", 40}, {30, "abcd", 120}, {10, "中文", 40}, {25, "中文ab", 150},
    };
    TCanvas canvas;
    for (const auto& c : cases) {
        canvas.Font = FontOf("宋体", 40, c.Width);
        EXPECT_NEAR(canvas.TextExtent(QString::fromUtf8(c.Text)).width(), c.Expected, 1)
            << c.Width << " " << c.Text;
    }
    // Advances add up character by character: no kerning between A and V.
    canvas.Font = FontOf("Arial", 30);
    EXPECT_NEAR(canvas.TextExtent(QStringLiteral("AV").repeated(10)).width(),
                canvas.TextExtent(QStringLiteral("A").repeated(10)).width() +
                    canvas.TextExtent(QStringLiteral("V").repeated(10)).width(),
                1);
    // Proportional faces stretch the same way.
    canvas.Font = FontOf("Arial", 30, 10);
    const int narrow = canvas.TextExtent(QStringLiteral("Label 123")).width();
    canvas.Font.Width = 20;
    EXPECT_NEAR(canvas.TextExtent(QStringLiteral("Label 123")).width(), 2 * narrow, 2 * narrow / 50 + 1);
}

TEST(CanvasFonts, DrawnTextIsAsWideAsMeasured)
{
    const QString text = QStringLiteral("中文 Label");
    QSize extent;
    const QImage image = Paint(Filled(400, 60), [&](TCanvas& canvas) {
        canvas.Font = FontOf("宋体", 40, 15);
        extent = canvas.TextExtent(text);
        canvas.TextOut(5, 5, text);
    });
    const QRect ink = InkBounds(image);
    EXPECT_NEAR(ink.right(), 5 + extent.width(), 4);
    EXPECT_GT(ink.right(), 5 + extent.width() * 9 / 10);
}

TEST(CanvasFonts, EscapementTurnsTextAboutItsOrigin)
{
    const QString text = QStringLiteral("中文标签");
    const int x = 150;
    const int y = 150;
    TCanvas measure;
    measure.Font = FontOf("宋体", 30);
    const QSize e = measure.TextExtent(text);
    const struct
    {
        int Escapement;
        QRect Expected; // where the turned cell lies
    } cases[] = {
        {0, QRect(x, y, e.width(), e.height())},
        {900, QRect(x, y - e.width(), e.height(), e.width())}, // reads bottom to top
        {1800, QRect(x - e.width(), y - e.height(), e.width(), e.height())},
        {2700, QRect(x - e.height(), y, e.height(), e.width())},
    };
    for (const auto& c : cases) {
        const auto render = [&](const QString& s) {
            return Paint(Filled(300, 300), [&](TCanvas& canvas) {
                canvas.Font = measure.Font;
                canvas.Font.Escapement = c.Escapement;
                canvas.TextOut(x, y, s);
            });
        };
        const QRect ink = InkBounds(render(text));
        SCOPED_TRACE(c.Escapement);
        ASSERT_FALSE(ink.isNull());
        EXPECT_TRUE(c.Expected.adjusted(-1, -1, 1, 1).contains(ink));
        const bool upright = c.Escapement % 1800 == 0;
        EXPECT_EQ(ink.width() > ink.height(), upright);
        EXPECT_GT(upright ? ink.width() : ink.height(), e.width() * 8 / 10);
        // The first character sits at the origin end.
        const QRect first = InkBounds(render(text.left(1)));
        const QPoint origin(x, y);
        const QPoint far = c.Expected.center() * 2 - origin;
        EXPECT_LT((first.center() - origin).manhattanLength(), (first.center() - far).manhattanLength());
    }
}

TEST(CanvasFonts, StylesAndColour)
{
    const auto render = [](const std::function<void(TFontSpec&)>& style) {
        return Paint(Filled(200, 50), [&](TCanvas& canvas) {
            canvas.Font = FontOf("Arial", 40);
            style(canvas.Font);
            canvas.TextOut(5, 5, QStringLiteral("iiiiiiii"));
        });
    };
    // The longest horizontal run of ink and the row it is on.
    const auto longestRun = [](const QImage& image) {
        std::pair<int, int> best{0, -1};
        for (int y = 0; y < image.height(); ++y) {
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                run = IsInk(image.pixel(x, y)) ? run + 1 : 0;
                if (run > best.first)
                    best = {run, y};
            }
        }
        return best;
    };
    const QImage plain = render([](TFontSpec&) {});
    const QRect plainInk = InkBounds(plain);
    EXPECT_LT(longestRun(plain).first, plainInk.width() / 3);

    const auto underlined = longestRun(render([](TFontSpec& f) { f.Underline = true; }));
    EXPECT_GT(underlined.first, plainInk.width() * 8 / 10);
    EXPECT_GT(underlined.second, 5 + 40 * 3 / 4 - 8);

    const auto struck = longestRun(render([](TFontSpec& f) { f.StrikeOut = true; }));
    EXPECT_GT(struck.first, plainInk.width() * 8 / 10);
    EXPECT_GT(struck.second, 5 + 40 / 4);
    EXPECT_LT(struck.second, 5 + 40 * 3 / 4);

    const auto inkCount = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += IsInk(image.pixel(x, y)) ? 1 : 0;
        return count;
    };
    EXPECT_GT(inkCount(render([](TFontSpec& f) { f.Weight = 900; })), inkCount(plain) * 12 / 10);

    const QImage red = render([](TFontSpec& f) { f.Color = clRed; });
    EXPECT_GT(CountPixels(red, kRed), 20);
    EXPECT_EQ(CountPixels(plain, kRed), 0);
}

TEST(CanvasText, WordBreakingAlignedText)
{
    const QRect box = GdiRect(10, 10, 130, 190);
    const auto render = [&](const QString& text, TTextAlignment alignment) {
        return Paint(Filled(200, 200), [&](TCanvas& canvas) {
            canvas.Font = FontOf("Arial", 20);
            canvas.DrawText(box, text, alignment);
        });
    };
    // Wrapped between words, never outside the box, even a word too long for it.
    const QImage wrapped = render(QStringLiteral("alpha beta gamma delta epsilon WWWWWWWWWWWWW"), taLeft);
    const QRect ink = InkBounds(wrapped);
    EXPECT_TRUE(box.contains(ink));
    EXPECT_GT(ink.height(), 3 * 20);
    EXPECT_NEAR(ink.right(), box.right(), 1); // the long word is cut at the edge

    const struct
    {
        TTextAlignment Alignment;
        std::function<int(const QRect&)> Offset; // distance from where the line belongs
    } alignments[] = {
        {taLeft, [&](const QRect& r) { return r.left() - box.left(); }},
        {taCenter, [&](const QRect& r) { return std::abs(r.center().x() - box.center().x()); }},
        {taRight, [&](const QRect& r) { return box.right() - r.right(); }},
    };
    for (const auto& a : alignments) {
        const QRect line = InkBounds(render(QStringLiteral("Hello"), a.Alignment));
        EXPECT_GE(a.Offset(line), -1) << int(a.Alignment);
        EXPECT_LE(a.Offset(line), 4) << int(a.Alignment);
    }
}

TEST(CanvasText, LineEndsAndTabs)
{
    const auto render = [](const QString& text) {
        return Paint(Filled(300, 100), [&](TCanvas& canvas) {
            canvas.Font = FontOf("Courier New", 20);
            canvas.DrawText(GdiRect(0, 0, 300, 100), text, taLeft);
        });
    };
    TCanvas measure;
    measure.Font = FontOf("Courier New", 20);
    const int charWidth = measure.TextExtent(QStringLiteral("x")).width();
    // Tabs stop every eight average characters.
    const struct
    {
        const char* Text;
        int Before; // characters before the tab
    } cases[] = {{"\tX", 0}, {"abc\tX", 3}, {"abcdefg\tX", 7}};
    for (const auto& c : cases) {
        const QImage image = render(QString::fromLatin1(c.Text));
        const int stop = 8 * charWidth;
        const int gapStart = c.Before * charWidth + 2;
        EXPECT_TRUE(InkBounds(image.copy(gapStart, 0, stop - 2 - gapStart, 100)).isNull()) << c.Text;
        const QRect x = InkBounds(image.copy(stop - 2, 0, 300, 100));
        ASSERT_FALSE(x.isNull()) << c.Text;
        EXPECT_LE(x.left(), charWidth) << c.Text;
    }
    // Lines are one cell apart, whatever the stand-in's own line spacing.
    for (const char* face : {"宋体", "黑体", "Arial"}) {
        const auto inkHeight = [face](const char* text) {
            return InkBounds(Paint(Filled(100, 200),
                                   [&](TCanvas& canvas) {
                                       canvas.Font = FontOf(face, 30);
                                       canvas.DrawText(GdiRect(0, 0, 100, 200), QString::fromLatin1(text),
                                                       taLeft);
                                   }))
                .height();
        };
        EXPECT_NEAR(inkHeight("H\nH\nH") - inkHeight("H"), 2 * 30, 1) << face;
    }
    // "\r\n" breaks the line once.
    const QImage twoLines = render(QStringLiteral("A\r\nB"));
    const QRect all = InkBounds(twoLines);
    EXPECT_GT(all.height(), 20 + 10);
    EXPECT_LT(all.height(), 2 * 20 + 5);
    EXPECT_LT(all.width(), 2 * charWidth);
}

TEST(CanvasDevice, WithoutADeviceOnlyStateChanges)
{
    TCanvas canvas;
    EXPECT_FALSE(canvas.IsActive());
    EXPECT_EQ(canvas.Device(), nullptr);
    canvas.Rectangle(GdiRect(0, 0, 10, 10));
    canvas.TextOut(0, 0, QStringLiteral("x"));
    canvas.StretchDraw(GdiRect(0, 0, 10, 10), Filled(2, 2), smBlackOnWhite);
    canvas.Line({1, 2}, {30, 40});
    EXPECT_EQ(canvas.PenPos(), QPoint(30, 40));
    canvas.Font = FontOf("宋体", 20);
    EXPECT_GT(canvas.TextExtent(QStringLiteral("中")).width(), 10);
}

TEST(CanvasDevice, CopiesTakeTheStateButNotTheDevice)
{
    QImage image = Filled(20, 20);
    TCanvas canvas(&image);
    ASSERT_TRUE(canvas.IsActive());
    canvas.Pen.Color = clRed;
    canvas.Pen.Width = 3;
    canvas.Brush.Style = bsCross;
    canvas.Font.Height = 33;
    canvas.MoveTo({4, 5});

    const TCanvas copy = canvas;
    EXPECT_FALSE(copy.IsActive());
    EXPECT_EQ(copy.Pen, canvas.Pen);
    EXPECT_EQ(copy.Brush, canvas.Brush);
    EXPECT_EQ(copy.Font, canvas.Font);
    EXPECT_EQ(copy.PenPos(), QPoint(4, 5));

    QImage other = Filled(20, 20);
    TCanvas assigned(&other);
    assigned = canvas;
    EXPECT_EQ(assigned.Device(), &other); // assignment keeps its own device
    EXPECT_EQ(assigned.Pen, canvas.Pen);
    assigned.LineTo({15, 5});
    assigned.End();
    EXPECT_EQ(other.pixel(10, 5), kRed);

    canvas.LineTo({15, 5});
    canvas.End();
    EXPECT_EQ(image.pixel(10, 5), kRed);
    canvas.Line({0, 15}, {20, 15}); // ended: nothing more reaches the image
    EXPECT_EQ(image.pixel(10, 15), kWhite);
    ASSERT_TRUE(canvas.Begin(&image));
    canvas.Line({0, 15}, {20, 15});
    canvas.End();
    EXPECT_EQ(image.pixel(10, 15), kRed);
}

TEST(CanvasDevice, PaintsImagesOfEveryDepth)
{
    // Thermal printing paints one-bit bitmaps; screens and previews 32-bit ones.
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_Mono,
                                  QImage::Format_Grayscale8}) {
        SCOPED_TRACE(int(format));
        QImage image = Filled(40, 20).convertToFormat(format);
        {
            TCanvas canvas(&image);
            ASSERT_TRUE(canvas.IsActive());
            canvas.Brush.Color = clBlack;
            canvas.Rectangle(GdiRect(2, 2, 10, 10));
        }
        EXPECT_EQ(image.pixel(5, 5), kBlack);
        EXPECT_EQ(image.pixel(1, 1), kWhite);
        const QImage before = image;
        for (int pass = 0; pass < 2; ++pass) {
            TCanvas canvas(&image);
            canvas.Pen.Mode = pmXor;
            canvas.Pen.Color = clWhite;
            canvas.Brush.Style = bsBDiagonal;
            canvas.Brush.Color = clWhite;
            canvas.Ellipse(GdiRect(4, 2, 38, 18));
            canvas.End();
            EXPECT_EQ(image == before, pass == 1);
        }
    }
}

TEST(CanvasDevice, PixmapsCombinePixelsToo)
{
    QPixmap pixmap = QPixmap::fromImage(Noise(40, 30));
    const QImage before = pixmap.toImage();
    for (int pass = 0; pass < 2; ++pass) {
        TCanvas canvas(&pixmap);
        canvas.Pen.Mode = pmNotXor;
        canvas.Brush.Style = bsFDiagonal;
        canvas.Ellipse(GdiRect(3, 3, 37, 27));
        canvas.End();
        EXPECT_EQ(pixmap.toImage() == before, pass == 1);
    }
}

TEST(CanvasDevice, PrintsToPdf)
{
    const QString dir = test::TempDir();
    const QString pdf = dir + QStringLiteral("/canvas.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        TCanvas canvas;
        ASSERT_TRUE(canvas.Begin(&writer));
        canvas.Brush.Color = clBlack;
        canvas.Pen.Mode = pmXor; // a printer cannot combine pixels: drawn as copied
        canvas.Rectangle(GdiRect(100, 100, 400, 200));
        canvas.Font = FontOf("宋体", 60);
        canvas.TextOut(100, 300, QStringLiteral("标签打印"));
        canvas.End();
    }
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-f"), QStringLiteral("1"),
                  QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-png"), pdf,
                  dir + QStringLiteral("/page")});
    if (!render.waitForStarted())
        GTEST_SKIP() << "pdftoppm is not installed";
    ASSERT_TRUE(render.waitForFinished(60000));
    const QImage page(dir + QStringLiteral("/page-1.png"));
    ASSERT_FALSE(page.isNull());
    // The writer's origin is inside its page margins; find the rectangle and place the text by it.
    const QRect firstInk = InkBounds(page);
    ASSERT_FALSE(firstInk.isNull());
    const QRect box = InkBounds(page.copy(0, 0, page.width(), firstInk.top() + 150));
    EXPECT_NEAR(box.width(), 300, 3);
    EXPECT_NEAR(box.height(), 100, 3);
    const QRect text = InkBounds(page.copy(box.left(), box.top() + 190, 600, 90));
    ASSERT_FALSE(text.isNull());
    EXPECT_GT(text.width(), 4 * 40);

    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    if (fonts.waitForStarted() && fonts.waitForFinished(60000)) {
        const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
        EXPECT_TRUE(list.contains(QStringLiteral("UMing")) || list.contains(QStringLiteral("CJK")))
            << list.toStdString();
    }
}
