#include "thermalfixtures.h"

#include "print/thermal/graphicencoders.h"
#include "print/thermal/thermalgraphics.h"
#include "print/thermal/thermaljob.h"

#include "barcode/barcodetypes.h"
#include "document/lineshapes.h"
#include "document/textshape.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace test;

const QByteArray kZebraHeader = "^XA\r^MCY\r^XZ\r^XA\r^LRN^FWN^CFD,24^LH0,0\r^CI0^PRA^PON^PMN\r^XZ\r^XA^MD10^PR3^XZ^XA\r";
const QByteArray kSheetTrailer = "^PQ1,0,1,Y^XZ\r^XA\r";
const QByteArray kJobTrailer = "^PQ1,0,1,Y^XZ\r";

class ZebraTest : public ::testing::Test
{
protected:
    void SetUp() override { SetLabelOutline(document, 60, 30); }

    QByteArray Run(int labels, int copies, const TLabelLayout& layout)
    {
        const TThermalJobResult result =
            RunThermalJob(document, layout, ThermalSettings(2, 203), TPrintRun{labels, copies, 1}, nullptr);
        EXPECT_EQ(result.Status, TThermalJobResult::Ready) << result.Message.toStdString();
        return result.Stream;
    }

    // The download command of a text as the printer gets it.
    QByteArray TextDownload(const TShapePtr& text, const QByteArray& name, double cellLeft = 0)
    {
        const TObjToHex hex = ZebraHex(
            RenderTextGraphic(static_cast<const TKWZText&>(*text), TDotConverter(203, 96, {cellLeft, 0, 0, 0})));
        return "~DGR:IMG" + name + ',' + hex.TotalBytes + ',' + hex.BytesPerRow + ',' + hex.GraphicData;
    }

    TDesignDocument document;
};

TEST_F(ZebraTest, ConstantTextIsDownloadedOnceAndRecalledPerLabel)
{
    const TShapePtr text = AddText(document, {10, 20}, QStringLiteral("AB"));
    // X = R(10 px * 203 / 96) = 21, Y = R(20 px * 203 / 96) = 42.
    const QByteArray recall = "^FO21,42^XGImg8080,1,1^FS\r";
    EXPECT_EQ(Run(2, 1, GridLayout(1, 1)),
              kZebraHeader + TextDownload(text, "8080") + recall + kSheetTrailer + recall + kJobTrailer);
}

TEST_F(ZebraTest, VariableTextIsDownloadedUnderEveryCopyNumber)
{
    // Objects 0 to 2 have no Zebra command; the serial text is object 3.
    AddShape(document, SpEllipse, {0, 0}, {20, 20});
    AddShape(document, SpPolygon, {0, 0}, {20, 20});
    AddShape(document, SpBarCodePDF417, {0, 0}, {20, 20});
    const TShapePtr text = AddText(document, {10, 20}, QStringLiteral("0001"), true);
    const QByteArray expected = kZebraHeader + TextDownload(text, "13") + "^FO21,42^XGImg13,1,1^FS\r" +
                                TextDownload(text, "23") + "^FO517,42^XGImg23,1,1^FS\r" + TextDownload(text, "33") +
                                "^FO1012,42^XGImg33,1,1^FS\r" + kJobTrailer;
    // Three cells in a row, 60 mm wide with 2 mm gaps: the cells start at 0, 62 and 124 mm.
    EXPECT_EQ(Run(1, 3, GridLayout(1, 3, 2)).toStdString(), expected.toStdString());
    // The copies of a label carry one value; the serial steps once afterwards.
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0002"));
}

TEST_F(ZebraTest, Rectangle)
{
    TShapePtr box = AddShape(document, SpRectangle, {10, 20}, {110, 70});
    box->Info.PenWidth = 3;
    // W = R(100 * 203 / 96) = 211, H = R(50 * 203 / 96) = 106; T = R(3 * 25.4 / 96) * R(203 / 25.4) = 1 * 8.
    EXPECT_EQ(Run(1, 1, GridLayout(1, 1)), kZebraHeader + "^FO21,42^GB211,106,8,B^FS\r" + kJobTrailer);
}

struct LineCase
{
    const char* name;
    QPoint p0;
    QPoint p1;
    const char* commands;
};

class ZebraLineTest : public ZebraTest, public ::testing::WithParamInterface<LineCase>
{
};

TEST_P(ZebraLineTest, StraightLines)
{
    AddShape(document, SpRuleLine, GetParam().p0, GetParam().p1);
    EXPECT_EQ(Run(1, 1, GridLayout(1, 1)), kZebraHeader + GetParam().commands + kJobTrailer);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ZebraLineTest,
    ::testing::Values(LineCase{"horizontal", {10, 20}, {60, 20}, "^FS^FO21,42^GB106,0,3,B^FS"},
                      LineCase{"vertical", {10, 20}, {10, 70}, "^FS^FO21,42^GB,0106,3,B^FS"},
                      LineCase{"equal_vertices", {30, 40}, {30, 40}, "^FS^FO63,85^GB0,0,3,B^FS^FS^FO63,85^GB,00,3,B^FS"},
                      LineCase{"slanted", {0, 0}, {10, 10}, ""}),
    [](const ::testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });

TEST_F(ZebraTest, RowsOfASheetKeepTheirOwnHeight)
{
    AddShape(document, SpRectangle, {10, 20}, {110, 70})->Info.PenWidth = 0;
    // Two rows of 30 mm labels 4 mm apart: the second row starts 34 mm lower,
    // Y = R((20 px in mm + 34) * 203 / 25.4) = R(314.02) = 314.
    EXPECT_EQ(Run(1, 2, GridLayout(2, 1, 4)),
              kZebraHeader + "^FO21,42^GB211,106,0,B^FS\r" + "^FO21,314^GB211,106,0,B^FS\r" + kJobTrailer);
}

TEST_F(ZebraTest, ObjectsMarkedNotToPrintArePrintedAnyway)
{
    TShapePtr box = AddShape(document, SpRectangle, {10, 20}, {110, 70});
    box->Info.PenWidth = 3;
    box->Info.NoPrint = true;
    EXPECT_EQ(Run(1, 1, GridLayout(1, 1)), kZebraHeader + "^FO21,42^GB211,106,8,B^FS\r" + kJobTrailer);
}

TEST_F(ZebraTest, DerivedClassesAreNotTakenForTheirBase)
{
    // An ellipse derives from the rectangle, a sector from the straight line; the polyline is the
    // straight line's base. None of them is taken.
    AddShape(document, SpEllipse, {10, 20}, {110, 70});
    AddShape(document, SpSector, {10, 20}, {60, 20});
    AddShape(document, SpLine, {10, 20}, {60, 20});
    EXPECT_EQ(Run(1, 1, GridLayout(1, 1)), kZebraHeader + kJobTrailer);
}

TEST_F(ZebraTest, PicturesAreDownloadedOnceUnderTheirOwnName)
{
    auto image = std::static_pointer_cast<TKWZImage>(AddShape(document, SpImage, {10, 20}, {13, 22}));
    QImage black(3, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    image->Picture.SetImage(black);
    // 3 x 2 px become R(6.34) x R(4.23) = 6 x 4 black dots.
    const QByteArray download = "~DGR:IMG010,4,001,3F\r\n3F\r\n3F\r\n3F";
    const QByteArray recall = "^FO21,42^XGImg010,1,1^FS\r";
    EXPECT_EQ(Run(1, 2, GridLayout(1, 1)), kZebraHeader + download + recall + kSheetTrailer + recall + kJobTrailer);
}

TEST_F(ZebraTest, BarcodesAreDownloadedAsGraphics)
{
    AddBarcode(document, {10, 20}, {200, 80}, bcCode128B, QStringLiteral("ABC123"));
    const QByteArray stream = Run(1, 1, GridLayout(1, 1));
    ASSERT_TRUE(stream.startsWith(kZebraHeader + "~DGR:IMG8080,"));
    EXPECT_TRUE(stream.endsWith("^FO21,42^XGImg8080,1,1^FS\r" + kJobTrailer));
}

} // namespace
} // namespace tessarine
