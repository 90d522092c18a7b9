// TBarCode: properties and change events, widths, extents and the painting stage.
#include "barcode/barcode.h"
#include "barcode/barcodepainter.h"
#include "barcode/symbologies.h"

#include "platform/canvas.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace tessarine;

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Counts OnChange.
struct TChangeCounter
{
    int Count = 0;
    void Attach(TBarCode& barcode)
    {
        barcode.OnChange = [this] { ++Count; };
    }
};

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}

QImage Draw(TBarCode& barcode, int width, int height)
{
    QImage image = Blank(width, height);
    TCanvas canvas(&image);
    barcode.DrawBarcode(canvas);
    canvas.End();
    return image;
}

// The column as "#" for dark and "." for light pixels.
std::string Column(const QImage& image, int x)
{
    std::string s;
    for (int y = 0; y < image.height(); ++y)
        s += qGray(image.pixel(x, y)) < 128 ? '#' : '.';
    return s;
}

std::string Row(const QImage& image, int y)
{
    std::string s;
    for (int x = 0; x < image.width(); ++x)
        s += qGray(image.pixel(x, y)) < 128 ? '#' : '.';
    return s;
}

// The row a pattern should paint at Modul m: one character per pixel.
std::string ExpectedRow(const std::string& pattern, const TWidthTable& widths, int totalWidth)
{
    std::string s;
    for (const char c : pattern) {
        const TElement e = PatternElement(c);
        s.append(size_t(widths[e.WidthIndex]), e.Kind == TElementKind::Space ? '.' : '#');
    }
    s.resize(size_t(totalWidth), '.');
    return s;
}

// ------------------------------------------------------------------------------------------
// Properties

TEST(BarCodeProperties, Defaults)
{
    TBarCode b;
    EXPECT_EQ(b.Height(), 0);
    EXPECT_EQ(b.Text(), QString());
    EXPECT_EQ(b.Top(), 0);
    EXPECT_EQ(b.Left(), 0);
    EXPECT_EQ(b.Modul(), 1);
    EXPECT_EQ(b.Ratio(), 2.0);
    EXPECT_EQ(b.Typ(), bcCodeEAN13);
    EXPECT_FALSE(b.Checksum());
    EXPECT_EQ(b.CheckSumMethod(), csmModulo10);
    EXPECT_EQ(b.Angle(), 0.0);
    EXPECT_EQ(b.ShowText(), bcoNone);
    EXPECT_EQ(b.Color(), TColor(16777215));
    EXPECT_EQ(b.ColorBar(), TColor(0));
    EXPECT_FALSE(b.OnChange);
}

struct TSetterCase
{
    const char* Name;
    std::function<void(TBarCode&)> SetNew;  // a value different from the default
    std::function<void(TBarCode&)> SetSame; // the default again
    bool Notifies;
};

TEST(BarCodeProperties, SettersRaiseOnChangeOnlyForARealChange)
{
    const TSetterCase cases[] = {
        {"Height", [](TBarCode& b) { b.SetHeight(50); }, [](TBarCode& b) { b.SetHeight(0); }, true},
        {"Text", [](TBarCode& b) { b.SetText("1"); }, [](TBarCode& b) { b.SetText(QString()); }, true},
        {"Top", [](TBarCode& b) { b.SetTop(3); }, [](TBarCode& b) { b.SetTop(0); }, true},
        {"Left", [](TBarCode& b) { b.SetLeft(3); }, [](TBarCode& b) { b.SetLeft(0); }, true},
        {"Ratio", [](TBarCode& b) { b.SetRatio(2.5); }, [](TBarCode& b) { b.SetRatio(2.0); }, true},
        {"Typ", [](TBarCode& b) { b.SetTyp(bcCode39); }, [](TBarCode& b) { b.SetTyp(bcCodeEAN13); }, true},
        {"Checksum", [](TBarCode& b) { b.SetChecksum(true); }, [](TBarCode& b) { b.SetChecksum(false); },
         true},
        {"Angle", [](TBarCode& b) { b.SetAngle(90); }, [](TBarCode& b) { b.SetAngle(0); }, true},
        {"ShowText", [](TBarCode& b) { b.SetShowText(bcoBoth); }, [](TBarCode& b) { b.SetShowText(bcoNone); },
         true},
        {"CheckSumMethod", [](TBarCode& b) { b.SetCheckSumMethod(csmNone); },
         [](TBarCode& b) { b.SetCheckSumMethod(csmModulo10); }, false},
        {"Color", [](TBarCode& b) { b.SetColor(clRed); }, [](TBarCode& b) { b.SetColor(clWhite); }, false},
        {"ColorBar", [](TBarCode& b) { b.SetColorBar(clBlue); }, [](TBarCode& b) { b.SetColorBar(clBlack); },
         false},
    };
    for (const TSetterCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBarCode b;
        TChangeCounter counter;
        counter.Attach(b);
        c.SetSame(b);
        EXPECT_EQ(counter.Count, 0);
        c.SetNew(b);
        EXPECT_EQ(counter.Count, c.Notifies ? 1 : 0);
        c.SetNew(b);
        EXPECT_EQ(counter.Count, c.Notifies ? 1 : 0);
    }
}

TEST(BarCodeProperties, ModulAccepts1To49AndAlwaysNotifies)
{
    TBarCode b;
    TChangeCounter counter;
    counter.Attach(b);
    b.SetModul(1); // unchanged, still an event
    EXPECT_EQ(counter.Count, 1);
    for (const int rejected : {0, 50, -1, 1000}) {
        b.SetModul(rejected);
        EXPECT_EQ(b.Modul(), 1);
    }
    EXPECT_EQ(counter.Count, 1);
    b.SetModul(49);
    EXPECT_EQ(b.Modul(), 49);
    EXPECT_EQ(counter.Count, 2);
}

TEST(BarCodeProperties, RatioIsClampedAtTheNextEncoding)
{
    struct TCase
    {
        TBarcodeType Typ;
        const char* Text;
        double Ratio;
        double Expected;
    };
    const TCase cases[] = {
        {bcCode39, "A", 1.5, 2.0},
        {bcCode39, "A", 3.5, 3.0},
        {bcCode_2_5_matrix, "1", 1.5, 2.25},
        {bcCode_2_5_matrix, "1", 2.5, 2.5},
        {bcCode128B, "A", 1.5, 1.5},
        {bcCode93, "A", 5.0, 5.0},
        {bcCodeCodabar, "1", 1.0, 2.0},
        {bcCodeEAN13, "1", 4.0, 3.0},
        {bcCode_2_5_interleaved, "12", 1.9, 2.0},
        {bcCodeEAN128C, "12", 1.2, 1.2},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(BarcodeTypeName(c.Typ).toStdString());
        TBarCode b;
        b.SetTyp(c.Typ);
        b.SetText(QString::fromLatin1(c.Text));
        b.SetRatio(c.Ratio);
        EXPECT_EQ(b.Ratio(), c.Ratio); // stored as given
        TChangeCounter counter;
        counter.Attach(b);
        b.Width();
        EXPECT_EQ(b.Ratio(), c.Expected);
        EXPECT_EQ(counter.Count, c.Ratio == c.Expected ? 0 : 1); // clamping goes through the setter
    }
}

TEST(BarCodeProperties, AssignCopiesEverythingAndTheHandler)
{
    TBarCode source;
    int calls = 0;
    source.OnChange = [&calls] { ++calls; };
    source.SetHeight(60);
    source.SetText("ABC");
    source.SetTop(4);
    source.SetLeft(5);
    source.SetModul(3);
    source.SetRatio(2.5);
    source.SetTyp(bcCode39);
    source.SetChecksum(true);
    source.SetCheckSumMethod(csmNone);
    source.SetAngle(90);
    source.SetShowText(bcoTyp);
    source.SetColor(clRed);
    source.SetColorBar(clBlue);
    calls = 0;

    TBarCode copy;
    copy.Assign(source);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(copy.Height(), 60);
    EXPECT_EQ(copy.Text(), QStringLiteral("ABC"));
    EXPECT_EQ(copy.Top(), 4);
    EXPECT_EQ(copy.Left(), 5);
    EXPECT_EQ(copy.Modul(), 3);
    EXPECT_EQ(copy.Ratio(), 2.5);
    EXPECT_EQ(copy.Typ(), bcCode39);
    EXPECT_TRUE(copy.Checksum());
    EXPECT_EQ(copy.CheckSumMethod(), csmNone);
    EXPECT_EQ(copy.Angle(), 90.0);
    EXPECT_EQ(copy.ShowText(), bcoTyp);
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_EQ(copy.ColorBar(), clBlue);
    copy.SetHeight(61);
    EXPECT_EQ(calls, 1);
}

TEST(BarCodeProperties, TypeNames)
{
    const char* const names[kBarcodeTypeCount] = {
        "2_5_interleaved",
        "2_5_industrial",
        "2_5_matrix",
        "Code39",
        "Code39 Extended",
        "Code128A",
        "Code128B",
        "Code128C",
        "Code93",
        "Code93 Extended",
        "MSI",
        "PostNet",
        "Codebar",
        "EAN8",
        "EAN13",
        "UPC_A",
        "UPC_E0",
        "UPC_E1",
        "UPC Supp2",
        "UPC Supp5",
        "EAN128A",
        "EAN128B",
        "EAN128C",
    };
    for (int i = 0; i < kBarcodeTypeCount; ++i) {
        TBarCode b;
        b.SetTyp(TBarcodeType(i));
        EXPECT_EQ(b.TypName(), QString::fromLatin1(names[i])) << i;
    }
    TBarCode unknown;
    unknown.SetTyp(TBarcodeType(23));
    EXPECT_EQ(unknown.TypName(), QString());
}

// ------------------------------------------------------------------------------------------
// Width and extent

TEST(BarCodeWidth, Ean13At95And190)
{
    TBarCode b;
    b.SetChecksum(true);
    b.SetText("590123412345");
    EXPECT_EQ(b.Width(), 95);
    b.SetWidth(190);
    EXPECT_EQ(b.Modul(), 2);
    EXPECT_EQ(b.Width(), 190);
    b.SetWidth(285);
    EXPECT_EQ(b.Modul(), 3);
    // 3 x 100 / 285 = 1.
    b.SetWidth(100);
    EXPECT_EQ(b.Modul(), 1);
    // 1 x 50 / 95 = 0: outside 1..49, ignored.
    b.SetWidth(50);
    EXPECT_EQ(b.Modul(), 1);
}

TEST(BarCodeWidth, SetWidthNotifiesThroughModul)
{
    TBarCode b;
    TChangeCounter counter;
    counter.Attach(b);
    b.SetWidth(95); // Modul 1 again, still an event
    EXPECT_EQ(counter.Count, 1);
}

TEST(BarCodeWidth, ModuleSymbologies)
{
    struct TCase
    {
        TBarcodeType Typ;
        const char* Text;
        int Modul;
        int Width;
    };
    const TCase cases[] = {
        {bcCode128B, "A", 1, 11 * 3 + 13}, // start, A, check, stop
        {bcCode128B, "A", 2, 2 * (11 * 3 + 13)},
        {bcCode128C, "123", 1, 11 * 4 + 13},   // start, 01, 23, check, stop
        {bcCodeEAN128C, "12", 1, 11 * 4 + 13}, // start, FNC1, 12, check, stop
        {bcCode93, "TEST93", 1, 9 * 9 + 10},   // start, six, C, K, stop and its bar
        {bcCodeMSI, "12", 1, 3 + 3 * 12 + 4},
        {bcCodeEAN13, "", 3, 285},
        {bcCodeUPC_A, "", 1, 95},
        {bcCodeEAN8, "", 2, 134},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " as " + BarcodeTypeName(c.Typ).toStdString());
        TBarCode b;
        b.SetTyp(c.Typ);
        b.SetText(QString::fromLatin1(c.Text));
        b.SetModul(c.Modul);
        EXPECT_EQ(b.Width(), c.Width);
    }
}

TEST(BarCodeWidth, EncodingRewritesText)
{
    TBarCode b;
    b.SetTyp(bcCodeUPC_A);
    b.SetText(" 123 ");
    TChangeCounter counter;
    counter.Attach(b);
    b.Width();
    EXPECT_EQ(b.Text(), QStringLiteral("000000000123"));
    EXPECT_EQ(counter.Count, 0); // the rewrite is not a property change
}

TEST(BarCodeWidth, FailedEncodingKeepsText)
{
    TBarCode b;
    b.SetText(" 12a ");
    try {
        b.Width();
        FAIL() << "no error";
    } catch (const EBarcodeError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Barcode must be numeric"));
    }
    EXPECT_EQ(b.Text(), QStringLiteral(" 12a "));
}

TEST(BarCodeExtent, RotatedHeightAndWidth)
{
    struct TCase
    {
        double Angle;
        int Height;
        int RotatedHeight;
        int RotatedWidth;
    };
    // EAN-13 at Modul 1: W = 95. Halves round to even: 50.5 -> 50, 95.5 -> 96.
    const TCase cases[] = {
        {0, 50, 50, 96},   {0, 51, 52, 96},   // 51.5 -> 52
        {90, 50, 96, 51},                     // 95.5 + 50 cos(90) -> 96; 50.5 + a little -> 51
        {180, 50, 51, 96},                    // 50.5 + 95 sin(180) -> 51; 95.5 + a little lost -> 96
        {270, 50, 96, 51}, {30, 50, 91, 108}, // 47.5 + 43.30 + 0.5; 82.27 + 25 + 0.5
        {-90, 50, 96, 51},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Angle);
        TBarCode b;
        b.SetHeight(c.Height);
        b.SetAngle(c.Angle);
        EXPECT_EQ(b.RotatedHeight(), c.RotatedHeight);
        EXPECT_EQ(b.RotatedWidth(), c.RotatedWidth);
    }
}

// ------------------------------------------------------------------------------------------
// Layout: the corner arithmetic

TEST(BarcodeLayout, CornersAtTheFourQuarterTurns)
{
    // Elements: bar W1, space W1, bar W2, space W2 -> x = 0, 1, 2..3, 4..5; W = 6.
    const std::string pattern = "5061";
    const TWidthTable widths = MakeWidthTable(1, 2.0);
    struct TCase
    {
        double Angle;
        QPolygon Third; // the W2 bar, px 2..3
    };
    const TCase cases[] = {
        // (px, py) as is.
        {0, QPolygon({{2, 0}, {2, 97}, {3, 97}, {3, 0}})},
        // (py, -px) + (0, W): the symbol runs upwards from row W.
        {90, QPolygon({{0, 4}, {97, 4}, {97, 3}, {0, 3}})},
        // (-px, -py) + (W, H): ends at column W, not W - 1.
        {180, QPolygon({{4, 50}, {4, -47}, {3, -47}, {3, 50}})},
        // (-py, px) + (H, 0).
        {270, QPolygon({{50, 2}, {-47, 2}, {-47, 3}, {50, 3}})},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Angle);
        TPaintGeometry geometry;
        geometry.Height = 50;
        geometry.Angle = c.Angle;
        const std::vector<TPaintedElement> elements = LayoutPattern(pattern, widths, geometry);
        ASSERT_EQ(elements.size(), 4u);
        EXPECT_EQ(elements[2].Corners, c.Third);
        EXPECT_TRUE(elements[0].Bar);
        EXPECT_FALSE(elements[1].Bar);
    }
}

TEST(BarcodeLayout, OffsetsByQuadrant)
{
    // W = 100, H = 40.
    EXPECT_EQ(RotationOffset(0, 100, 40), QPoint(0, 0));
    EXPECT_EQ(RotationOffset(30, 100, 40), QPoint(0, 50));    // (0, Round(s W))
    EXPECT_EQ(RotationOffset(120, 100, 40), QPoint(50, 107)); // (-Round(c W), Round(s W - c H)); 86.6 + 20
    EXPECT_EQ(RotationOffset(-30, 100, 40), QPoint(20, 0));   // (-Round(s H), 0)
    EXPECT_EQ(RotationOffset(-120, 100, 40), QPoint(50 + 35, 20)); // (-Round(c W) - Round(s H), -Round(c H))
}

TEST(BarcodeLayout, LeftAndTopMoveTheOrigin)
{
    TPaintGeometry geometry;
    geometry.Left = 10;
    geometry.Top = 20;
    geometry.Height = 50;
    const std::vector<TPaintedElement> elements = LayoutPattern("5", MakeWidthTable(3, 2.0), geometry);
    EXPECT_EQ(elements[0].Corners, QPolygon({{10, 20}, {10, 117}, {12, 117}, {12, 20}}));
}

TEST(BarcodeLayout, BarHeightsBySymbology)
{
    // Full bar, space, half bar; Height 50: a half bar is 50 x 2 / 5 = 20.
    struct TCase
    {
        TBarHeightRule Rule;
        std::pair<int, int> Full;
        std::pair<int, int> Half;
    };
    const TCase cases[] = {
        // 97 whatever Height says.
        {TBarHeightRule::Fixed97, {0, 97}, {0, 97}},
        // EAN-13: the element height from the top.
        {TBarHeightRule::ElementHeight, {0, 50}, {0, 20}},
        // PostNet: short bars on the foot line of the tall ones.
        {TBarHeightRule::Postal, {0, 50}, {30, 50}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Rule));
        TPaintGeometry geometry;
        geometry.Height = 50;
        geometry.BarHeight = c.Rule;
        const std::vector<TPaintedElement> e = LayoutPattern("50A", MakeWidthTable(1, 2.0), geometry);
        EXPECT_EQ(e[0].Corners[0].y(), c.Full.first);
        EXPECT_EQ(e[0].Corners[1].y(), c.Full.second);
        EXPECT_EQ(e[2].Corners[0].y(), c.Half.first);
        EXPECT_EQ(e[2].Corners[1].y(), c.Half.second);
        EXPECT_TRUE(e[2].Bar);
    }
    EXPECT_EQ(FindBCdata(bcCodeEAN13)->BarHeight, TBarHeightRule::ElementHeight);
    EXPECT_EQ(FindBCdata(bcCodePostNet)->BarHeight, TBarHeightRule::Postal);
    for (const TBarcodeType t : {bcCode39, bcCode128B, bcCodeEAN8, bcCodeUPC_A, bcCodeMSI})
        EXPECT_EQ(FindBCdata(t)->BarHeight, TBarHeightRule::Fixed97);
}

// ------------------------------------------------------------------------------------------
// Painting pixels

TEST(BarCodePainting, ElementsCoverTheirPixelsExactly)
{
    struct TCase
    {
        TBarcodeType Typ;
        const char* Text;
        int Modul;
    };
    const TCase cases[] = {
        {bcCode128B, "Tessarine", 1},     {bcCode128B, "Tessarine", 3}, {bcCode39, "AB-12", 2},
        {bcCodeEAN13, "400638133393", 2}, {bcCodeCodabar, "12-34", 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(BarcodeTypeName(c.Typ).toStdString() + " Modul " + std::to_string(c.Modul));
        TBarCode b;
        b.SetTyp(c.Typ);
        b.SetChecksum(c.Typ == bcCodeEAN13);
        b.SetText(QString::fromLatin1(c.Text));
        b.SetModul(c.Modul);
        b.SetHeight(40);
        const int width = b.Width() + 5;
        const QImage image = Draw(b, width, 120);
        const std::string pattern = b.Encode().Pattern;
        EXPECT_EQ(Row(image, 0), ExpectedRow(pattern, b.Widths(), width));
        EXPECT_EQ(Row(image, 30), ExpectedRow(pattern, b.Widths(), width));
    }
}

// Upright quadrilaterals are filled as rectangles; the pixels must be those the stroked and
// filled polygon covers.
TEST(BarCodePainting, RectangleFillMatchesThePolygon)
{
    const std::string pattern = "5061728305A1B2C3D8";
    for (const int modul : {1, 2, 3}) {
        for (const double angle : {0.0, 90.0, 180.0, 270.0, 30.0}) {
            SCOPED_TRACE(testing::Message() << "Modul " << modul << " angle " << angle);
            TPaintGeometry geometry;
            geometry.Left = 7;
            geometry.Top = 5;
            geometry.Height = 40;
            geometry.Angle = angle;
            geometry.BarHeight = TBarHeightRule::Postal;
            const auto elements = LayoutPattern(pattern, MakeWidthTable(modul, 2.0), geometry);
            QImage fast = Blank(260, 260);
            QImage polygons = Blank(260, 260);
            {
                TCanvas canvas(&fast);
                PaintElements(canvas, elements, RGBColor(0, 0, 255), RGBColor(255, 0, 0));
            }
            {
                TCanvas canvas(&polygons);
                for (const TPaintedElement& e : elements) {
                    const TColor fill = e.Bar ? RGBColor(255, 0, 0) : RGBColor(0, 0, 255);
                    canvas.Pen = TPen{fill, psSolid, 1, pmCopy};
                    canvas.Brush = TBrush{fill, bsSolid};
                    canvas.Polygon(e.Corners);
                }
            }
            EXPECT_EQ(fast, polygons);
        }
    }
}

TEST(BarCodePainting, BarsAre97PixelsTallExceptEan13)
{
    TBarCode code128;
    code128.SetTyp(bcCode128B);
    code128.SetText("A");
    code128.SetHeight(40);
    // The first bar: rows 0..97 whatever the height.
    EXPECT_EQ(Column(Draw(code128, 60, 120), 0), std::string(98, '#') + std::string(22, '.'));

    TBarCode ean13;
    ean13.SetHeight(40);
    EXPECT_EQ(Column(Draw(ean13, 100, 120), 0), std::string(41, '#') + std::string(79, '.'));
}

TEST(BarCodePainting, PostNetShortBarsStandOnTheFootLine)
{
    TBarCode b;
    b.SetTyp(bcCodePostNet);
    b.SetText("1");
    b.SetHeight(50);
    const QImage image = Draw(b, 60, 120);
    // Frame bar (x 0), then digit 1 = short, short, short, tall, tall; each bar is one pixel
    // and each space two.
    const std::string tall = std::string(51, '#') + std::string(69, '.');
    const std::string shortBar = std::string(30, '.') + std::string(21, '#') + std::string(69, '.');
    EXPECT_EQ(Column(image, 0), tall);
    EXPECT_EQ(Column(image, 3), shortBar);
    EXPECT_EQ(Column(image, 6), shortBar);
    EXPECT_EQ(Column(image, 9), shortBar);
    EXPECT_EQ(Column(image, 12), tall);
    EXPECT_EQ(Column(image, 15), tall);
    EXPECT_EQ(Column(image, 18), tall); // the closing frame bar
    EXPECT_EQ(Column(image, 1), std::string(120, '.'));
}

TEST(BarCodePainting, ColoursOfBarsAndSpaces)
{
    TBarCode b;
    b.SetTyp(bcCode39);
    b.SetText("A");
    b.SetColor(RGBColor(0, 0, 255));
    b.SetColorBar(RGBColor(255, 0, 0));
    QImage image(80, 100, QImage::Format_RGB888);
    image.fill(Qt::green);
    {
        TCanvas canvas(&image);
        b.DrawBarcode(canvas);
    }
    EXPECT_EQ(image.pixel(0, 10), qRgb(255, 0, 0)); // first bar of "*"
    EXPECT_EQ(image.pixel(1, 10), qRgb(0, 0, 255)); // the wide space after it
    EXPECT_EQ(image.pixel(0, 99), qRgb(0, 255, 0)); // below row 97: untouched
}

TEST(BarCodePainting, CanvasStateIsRestored)
{
    TBarCode b;
    b.SetShowText(bcoBoth);
    b.SetHeight(50);
    QImage image = Blank(120, 100);
    TCanvas canvas(&image);
    canvas.Pen = TPen{clRed, psDash, 3, pmXor};
    canvas.Brush = TBrush{clBlue, bsCross};
    canvas.Font.Height = 30;
    canvas.Font.Name = QStringLiteral("DejaVu Sans");
    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    const TFontSpec font = canvas.Font;
    b.DrawBarcode(canvas);
    EXPECT_EQ(canvas.Pen, pen);
    EXPECT_EQ(canvas.Brush, brush);
    EXPECT_EQ(canvas.Font, font);
}

TEST(BarCodePainting, ErrorsPaintNothing)
{
    TBarCode b;
    b.SetText("x");
    QImage image = Blank(50, 50);
    {
        TCanvas canvas(&image);
        EXPECT_THROW(b.DrawBarcode(canvas), EBarcodeError);
    }
    EXPECT_EQ(image, Blank(50, 50));
}

// The captions: the text at (Left, Top), the type name Round(7 x 5.5) = 38 rows lower, each
// on a white box over the bars.
TEST(BarCodePainting, ShowTextWritesTextAndTypeName)
{
    const auto whiteInBand = [](TBarcodeOption option, int top, int bottom) {
        TBarCode b;
        b.SetTyp(bcCode128C);
        b.SetText("0000000000");
        b.SetHeight(90);
        b.SetShowText(option);
        b.SetModul(2);
        const QImage image = Draw(b, b.Width(), 90);
        // White pixels over bars in the band: x ranges where every row of the column is a bar
        // outside the bands.
        int count = 0;
        for (int x = 0; x < 40; ++x) {
            if (qGray(image.pixel(x, 60)) >= 128)
                continue; // a space
            for (int y = top; y < bottom; ++y)
                count += qGray(image.pixel(x, y)) >= 128;
        }
        return count;
    };
    EXPECT_EQ(whiteInBand(bcoNone, 0, 8), 0);
    EXPECT_EQ(whiteInBand(bcoNone, 38, 46), 0);
    EXPECT_GT(whiteInBand(bcoCode, 0, 8), 0);
    EXPECT_EQ(whiteInBand(bcoCode, 38, 46), 0);
    EXPECT_EQ(whiteInBand(bcoTyp, 0, 8), 0);
    EXPECT_GT(whiteInBand(bcoTyp, 38, 46), 0);
    EXPECT_GT(whiteInBand(bcoBoth, 0, 8), 0);
    EXPECT_GT(whiteInBand(bcoBoth, 38, 46), 0);
}

} // namespace
