#include "thermalfixtures.h"

#include "barcode/zxingdecode.h"

#include "print/thermal/thermalgeometry.h"
#include "print/thermal/thermalgraphics.h"

#include "barcode/barcodetypes.h"
#include "document/textshape.h"
#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace test;

int BlackDots(const QImage& oneBit)
{
    int count = 0;
    for (int y = 0; y < oneBit.height(); ++y) {
        for (int x = 0; x < oneBit.width(); ++x)
            count += oneBit.pixelIndex(x, y) == 0 ? 1 : 0;
    }
    return count;
}

// The bounding box of the black dots.
QRect BlackBounds(const QImage& oneBit)
{
    QRect bounds;
    for (int y = 0; y < oneBit.height(); ++y) {
        for (int x = 0; x < oneBit.width(); ++x) {
            if (oneBit.pixelIndex(x, y) == 0)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

const TDotConverter k203(203, 96, {});
const TDotConverter k600(600, 96, {});

TEST(ThermalGraphicsTest, TextTakesExactlyItsExtentAtPrinterSize)
{
    TDesignDocument document;
    const TShapePtr text = AddText(document, {10, 20}, QStringLiteral("Label 12"));
    for (const TDotConverter* dots : {&k203, &k600}) {
        const QImage graphic = RenderTextGraphic(static_cast<const TKWZText&>(*text), *dots);
        TCanvas measure;
        measure.Font.Name = text->Info.WordInfo.FontName;
        measure.Font.Height = dots->Length(24);
        measure.Font.Width = dots->Length(12);
        measure.Font.Weight = 400;
        EXPECT_EQ(graphic.size(), measure.TextExtent(QStringLiteral("Label 12")));
        EXPECT_EQ(graphic.format(), QImage::Format_Mono);
        // Glyphs, not a filled box.
        const int black = BlackDots(graphic);
        EXPECT_GT(black, graphic.width() * graphic.height() / 20);
        EXPECT_LT(black, graphic.width() * graphic.height() / 2);
    }
    // The 600 dpi text is about three times the 203 dpi one.
    const QImage small = RenderTextGraphic(static_cast<const TKWZText&>(*text), k203);
    const QImage large = RenderTextGraphic(static_cast<const TKWZText&>(*text), k600);
    EXPECT_NEAR(double(large.height()) / small.height(), 600.0 / 203, 0.3);
}

TEST(ThermalGraphicsTest, ColouredTextPrintsBlack)
{
    TDesignDocument document;
    const TShapePtr text = AddText(document, {0, 0}, QStringLiteral("H"));
    const int black = BlackDots(RenderTextGraphic(static_cast<const TKWZText&>(*text), k203));
    text->Info.WordInfo.Color = 0x0000FFFF; // yellow
    EXPECT_EQ(BlackDots(RenderTextGraphic(static_cast<const TKWZText&>(*text), k203)), black);
}

TEST(ThermalGraphicsTest, MultiLineTextFillsItsBox)
{
    TDesignDocument document;
    const TShapePtr box = AddShape(document, SpLinesText, {0, 0}, {96, 96});
    box->Info.WordInfo.Text = QStringLiteral("one two three four five six seven eight nine ten");
    box->Info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    box->Info.WordInfo.Height = 16;
    box->Info.WordInfo.Width = 8;
    const QImage graphic = RenderLinesTextGraphic(static_cast<const TKWZLinesText&>(*box), k203);
    // One inch square at 203 dpi.
    EXPECT_EQ(graphic.size(), QSize(203, 203));
    const QRect ink = BlackBounds(graphic);
    // Wrapped: several lines, none wider than the box.
    EXPECT_GT(ink.height(), 3 * k203.Length(16));
    EXPECT_LE(ink.right(), 202);
}

TEST(ThermalGraphicsTest, BarcodeGraphicKeepsItsBars)
{
    TDesignDocument document;
    auto barcode = AddBarcode(document, {10, 20}, {210, 100}, bcCode128B, QStringLiteral("TS-42"));
    const QVector<QPoint> points = barcode->Points;
    const auto position = barcode->BarPosition;
    const QImage graphic = RenderBarcodeGraphic(*barcode, k203);
    EXPECT_EQ(graphic.size(), QSize(k203.Length(200), k203.Length(80)));
    // The object is as it was.
    EXPECT_EQ(barcode->Points, points);
    EXPECT_EQ(barcode->BarPosition, position);
    EXPECT_EQ(barcode->Canvas, document.SurfaceCanvas());
    // Count the bars along a line through the symbol: Code 128 "TS-42" has 1 + 5 + 1 + 1 symbols
    // of three bars each, and a stop pattern with four.
    const int y = graphic.height() / 3;
    int bars = 0;
    for (int x = 0; x < graphic.width(); ++x) {
        const bool black = graphic.pixelIndex(x, y) == 0;
        const bool before = x > 0 && graphic.pixelIndex(x - 1, y) == 0;
        bars += black && !before ? 1 : 0;
    }
    EXPECT_EQ(bars, 3 * 7 + 4);
}

TEST(ThermalGraphicsTest, BarcodeGraphicScans)
{
    TDesignDocument document;
    auto barcode = AddBarcode(document, {10, 20}, {250, 100}, bcCode128B, QStringLiteral("TS-42"));
    for (const TDotConverter* dots : {&k203, &k600}) {
        const QImage graphic = RenderBarcodeGraphic(*barcode, *dots).convertToFormat(QImage::Format_RGB32);
        const test::TDecoded decoded = test::Decode(graphic, ZXing::BarcodeFormat::Code128);
        EXPECT_TRUE(decoded.Valid) << dots->Dpi();
        EXPECT_EQ(decoded.Text, "TS-42");
    }
}

TEST(ThermalGraphicsTest, PictureIsStretchedIntoItsBox)
{
    TDesignDocument document;
    auto image = std::static_pointer_cast<TKWZImage>(AddShape(document, SpImage, {0, 0}, {48, 24}));
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    image->Picture.SetImage(picture);
    const QImage graphic = RenderPictureGraphic(*image, k203);
    EXPECT_EQ(graphic.size(), QSize(k203.Length(48), k203.Length(24)));
    // Left half black, right half white, give or take the smoothing at the seam.
    EXPECT_EQ(graphic.pixelIndex(5, 10), 0);
    EXPECT_EQ(graphic.pixelIndex(graphic.width() - 5, 10), 1);
}

} // namespace
} // namespace tessarine
