// TImageBarCode: the picture's size, when it is rendered, and the EAN/UPC finishing.
#include "barcode/imagebarcode.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

using namespace tessarine;

namespace {

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

std::string Column(const QImage& image, int x, int top, int bottom)
{
    std::string s;
    for (int y = top; y < bottom; ++y)
        s += Dark(image, x, y) ? '#' : '.';
    return s;
}

std::string Row(const QImage& image, int y)
{
    std::string s;
    for (int x = 0; x < image.width(); ++x)
        s += Dark(image, x, y) ? '#' : '.';
    return s;
}

int DarkCount(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += Dark(image, x, y);
    return count;
}

TEST(ImageBarCode, StartsWithBarHeight50AndNoPicture)
{
    TImageBarCode image;
    EXPECT_EQ(image.BarcodeHeight(), 50);
    EXPECT_TRUE(image.Picture().isNull());
    EXPECT_EQ(image.Typ(), bcCodeEAN13);
}

TEST(ImageBarCode, PictureIs24BitAndSizedToTheExtent)
{
    struct TCase
    {
        TBarcodeType Typ;
        const char* Text;
        int Modul;
        int BarHeight;
        int Width;
        int Height;
    };
    const TCase cases[] = {
        // EAN-13: Round(95.5) = 96 wide, Round(50.5) = 50 high, no margin.
        {bcCodeEAN13, "590123412345", 1, 50, 96, 50},
        {bcCodeEAN13, "590123412345", 2, 50, 190, 50},
        {bcCodeEAN13, "590123412345", 2, 51, 190, 52},
        {bcCodeEAN8, "1234567", 1, 50, 68, 50},
        {bcCodeUPC_A, "03600029145", 1, 50, 96, 50},
        // Everything else gets 32 more rows.
        {bcCode128B, "A", 1, 50, 46, 82},
        {bcCode128B, "A", 1, 60, 46, 92},
        // *, A, the check character A and *, with three gaps: 4 x 12 + 3 = 51 -> Round(51.5) = 52.
        {bcCode39, "A", 1, 50, 52, 82},
        {bcCodeUPC_E0, "654321", 1, 50, 52, 82},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " Modul " + std::to_string(c.Modul));
        TImageBarCode image;
        image.SetTyp(c.Typ);
        image.SetChecksum(true);
        image.SetText(QString::fromLatin1(c.Text));
        image.SetModul(c.Modul);
        image.SetBarcodeHeight(c.BarHeight);
        EXPECT_EQ(image.Width(), c.Width);
        EXPECT_EQ(image.Height(), c.Height);
        EXPECT_EQ(image.Picture().size(), QSize(c.Width, c.Height));
        EXPECT_EQ(image.Picture().format(), QImage::Format_RGB888);
        EXPECT_EQ(image.Picture().depth(), 24);
    }
}

TEST(ImageBarCode, TurnedExtent)
{
    TImageBarCode image;
    image.SetTyp(bcCode128B);
    image.SetText("A"); // 46 wide
    image.SetAngle(90);
    EXPECT_EQ(image.Width(), 50);       // Round(46 cos + 50 + 0.5): 50.5 to even
    EXPECT_EQ(image.Height(), 46 + 32); // Round(46.5 + 50 cos) = 46, plus the margin
}

TEST(ImageBarCode, BarsCoverALowPictureAndLeaveABandUnderATallOne)
{
    TImageBarCode image;
    image.SetTyp(bcCode128B);
    image.SetText("A");
    image.SetBarcodeHeight(60);
    ASSERT_EQ(image.Height(), 92);
    // The first bar of the start character, top to bottom.
    EXPECT_EQ(Column(image.Picture(), 0, 0, 92), std::string(92, '#'));

    image.SetBarcodeHeight(150);
    ASSERT_EQ(image.Height(), 182);
    EXPECT_EQ(Column(image.Picture(), 0, 0, 182), std::string(98, '#') + std::string(84, '.'));
}

TEST(ImageBarCode, SettersRenderAgain)
{
    TImageBarCode image;
    image.SetTyp(bcCode39);
    image.SetText("AB");
    const QImage before = image.Picture();
    image.SetText("ABC");
    EXPECT_NE(image.Picture(), before);
    EXPECT_GT(image.Width(), before.width());
    // Colours are stored silently by the encoder; the picture follows them anyway.
    image.SetColorBar(RGBColor(255, 0, 0));
    EXPECT_EQ(image.Picture().pixel(0, 5), qRgb(255, 0, 0));
    image.SetColor(RGBColor(0, 0, 255));
    EXPECT_EQ(image.Picture().pixel(1, 5), qRgb(0, 0, 255));
}

TEST(ImageBarCode, CheckSumMethodRendersAgain)
{
    TImageBarCode image;
    image.SetTyp(bcCodeEAN128C);
    image.SetChecksum(true);
    image.SetText("12");
    const QImage withDigit = image.Picture();
    image.SetCheckSumMethod(csmNone);
    EXPECT_NE(image.Picture(), withDigit);
    EXPECT_LT(image.Width(), withDigit.width());
}

TEST(ImageBarCode, LoadingRendersOnceAtTheEnd)
{
    TImageBarCode image;
    image.BeginLoading();
    image.SetTyp(bcCode39);
    image.SetText("LOAD");
    image.SetModul(3);
    EXPECT_TRUE(image.Picture().isNull());
    image.EndLoading();
    EXPECT_FALSE(image.Picture().isNull());
    EXPECT_EQ(image.Width(), image.BarcodeWidth() + 1); // odd width: Round(w + 0.5) = w + 1
}

TEST(ImageBarCode, ErrorsReachTheSetterAndLeaveNoPicture)
{
    TImageBarCode image;
    image.SetText("123");
    ASSERT_FALSE(image.Picture().isNull());
    try {
        image.SetText("12x");
        FAIL() << "no error";
    } catch (const EBarcodeError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Barcode must be numeric"));
    }
    EXPECT_TRUE(image.Picture().isNull());
    // A good value renders again.
    image.SetText("1234");
    EXPECT_FALSE(image.Picture().isNull());
}

// EAN-8 and UPC-A: white boxes over the foot of the data bars (rows H-5..H+1); the guard bars
// keep their full length.
TEST(ImageBarCode, Ean8AndUpcAFeet)
{
    struct TCase
    {
        TBarcodeType Typ;
        const char* Text;
        std::pair<int, int> Boxes[2]; // left..right inclusive
        int Guards[3];                // a bar column of each guard
    };
    const TCase cases[] = {
        {bcCodeEAN8, "1234567", {{3, 31}, {36, 61}}, {0, 32, 66}},
        {bcCodeUPC_A, "03600029145", {{11, 44}, {49, 84}}, {0, 46, 94}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        TImageBarCode image;
        image.SetTyp(c.Typ);
        image.SetChecksum(true);
        image.SetText(QString::fromLatin1(c.Text));
        const QImage& p = image.Picture();
        ASSERT_EQ(p.height(), 50);
        for (const auto& box : c.Boxes) {
            EXPECT_EQ(DarkCount(p, QRect(QPoint(box.first, 45), QPoint(box.second, 49))), 0);
            EXPECT_GT(DarkCount(p, QRect(QPoint(box.first, 40), QPoint(box.second, 44))), 0);
        }
        for (const int x : c.Guards)
            EXPECT_EQ(Column(p, x, 0, 50), std::string(50, '#')) << x;
    }
}

TEST(ImageBarCode, Ean13At95HasFeetAndNoText)
{
    TImageBarCode image;
    image.SetChecksum(true);
    image.SetText("590123412345");
    const QImage& p = image.Picture();
    ASSERT_EQ(image.BarcodeWidth(), 95);
    EXPECT_EQ(DarkCount(p, QRect(QPoint(3, 45), QPoint(45, 49))), 0);
    EXPECT_EQ(DarkCount(p, QRect(QPoint(50, 45), QPoint(91, 49))), 0);
    for (const int guard : {0, 2, 46, 48, 92, 94})
        EXPECT_EQ(Column(p, guard, 0, 50), std::string(50, '#')) << guard;
}

// From 190 on the digits are written at y = H - 8 on white; the picture ends at H, so they
// show only their upper part (the label writes the readable digits itself).
TEST(ImageBarCode, Ean13DigitsByWidth)
{
    struct TCase
    {
        int Width;
        int ClearFrom; // a stretch of the left half that the texts' white background covers
        int ClearTo;
    };
    const TCase cases[] = {
        {190, 30, 80},
        {285, 40, 130},
        {380, 40, 160}, // the 27 blanks
        {475, 40, 200}, // the 34 blanks
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Width);
        TImageBarCode image;
        image.SetChecksum(true);
        image.SetText("590123412345");
        image.SetBarcodeWidth(c.Width);
        ASSERT_EQ(image.BarcodeWidth(), c.Width);
        const QImage& p = image.Picture();
        ASSERT_EQ(p.height(), 50);
        // Above the texts the bars are whole: every column is all dark or all light.
        for (int x = 0; x < p.width(); ++x) {
            const std::string column = Column(p, x, 0, 42);
            ASSERT_TRUE(column == std::string(42, '#') || column == std::string(42, '.')) << x;
        }
        // In the text rows white boxes and glyphs replace the bars: many pixels differ from
        // the bars just above.
        int changed = 0;
        int total = 0;
        for (int y = 42; y < 50; ++y) {
            for (int x = c.ClearFrom; x <= c.ClearTo; ++x) {
                changed += Dark(p, x, y) != Dark(p, x, 41);
                ++total;
            }
        }
        EXPECT_GT(changed * 3, total);
    }
}

TEST(ImageBarCode, Ean13OtherWidthsGetNoFinishing)
{
    TImageBarCode image;
    image.SetChecksum(true);
    image.SetText("590123412345");
    image.SetBarcodeWidth(570);
    ASSERT_EQ(image.BarcodeWidth(), 570);
    const QImage& p = image.Picture();
    for (int x = 0; x < p.width(); ++x) {
        const std::string column = Column(p, x, 0, 50);
        ASSERT_TRUE(column == std::string(50, '#') || column == std::string(50, '.')) << x;
    }
}

// The finishing is placed for the upright symbol; a symbol turned by the encoder keeps its
// bars whole.
TEST(ImageBarCode, TurnedSymbolsAreNotFinished)
{
    for (const TBarcodeType typ : {bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A}) {
        SCOPED_TRACE(int(typ));
        TImageBarCode image;
        image.SetTyp(typ);
        image.SetModul(2);
        image.SetAngle(90);
        const QImage& p = image.Picture();
        for (int y = 0; y < p.height(); ++y) {
            const std::string row = Row(p, y);
            const bool whole = row == std::string(row.size(), '#') || row == std::string(row.size(), '.');
            ASSERT_TRUE(whole) << y << " " << row;
        }
    }
}

} // namespace
