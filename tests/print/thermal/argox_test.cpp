#include "thermalfixtures.h"

#include "print/thermal/thermaljob.h"

#include "barcode/barcodetypes.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace test;

// Sheet 100 mm wide at 203 dpi: q = R(799.2) = 799; Q = R(15.98 + 159.84) = 176.
const QByteArray kArgoxHeader = "ZT\r\nq799\r\nQ176,20\r\nD10\r\n";

QByteArray Sheet(const QByteArray& downloads, const QByteArray& body)
{
    return downloads + "\r\nN\r\n" + body + "P1\r\n";
}

class ArgoxTest : public ::testing::Test
{
protected:
    void SetUp() override { SetLabelOutline(document, 60, 30); }

    QByteArray Run(int labels, int copies)
    {
        const TThermalJobResult result = RunThermalJob(document, GridLayout(1, 1), ThermalSettings(4, 203),
                                                       TPrintRun{labels, copies, 1}, nullptr);
        EXPECT_EQ(result.Status, TThermalJobResult::Ready) << result.Message.toStdString();
        return result.Stream;
    }

    TDesignDocument document;
};

TEST_F(ArgoxTest, PictureIsStoredOnceAsPcx)
{
    auto image = std::static_pointer_cast<TKWZImage>(AddShape(document, SpImage, {10, 20}, {13, 22}));
    QImage black(3, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    image->Picture.SetImage(black);
    // 6 x 4 black dots: one byte a row (six black bits, two white) and a zero to make it even.
    QByteArray pcx(128, '\0');
    pcx[0] = 0x0A;
    pcx[1] = 5;
    pcx[2] = 1;
    pcx[3] = 1;
    pcx[8] = 5;
    pcx[10] = 3;
    pcx[12] = char(203);
    pcx[14] = char(203);
    pcx[65] = 1;
    pcx[66] = 2;
    pcx[68] = 1;
    pcx += Hex("03 00 03 00 03 00 03 00");
    const QByteArray download = "\r\nGK\"010\"\r\nGM\"010\"136\r\n" + pcx;
    const QByteArray recall = "GG21,42,\"010\"\r\n";
    EXPECT_EQ(Run(2, 1), kArgoxHeader + Sheet(download, recall) + Sheet({}, recall));
}

TEST_F(ArgoxTest, RectangleAndLines)
{
    AddShape(document, SpRectangle, {10, 20}, {110, 70})->Info.PenWidth = 3;
    AddShape(document, SpRectangle, {10, 20}, {110, 70})->Info.PenWidth = 0;
    AddShape(document, SpRuleLine, {10, 20}, {60, 20});
    AddShape(document, SpRuleLine, {10, 20}, {10, 70});
    AddShape(document, SpRuleLine, {0, 0}, {10, 10});
    // Pen 3 px = R(6.34) = 6 dots; a pen of 0 counts as 1 px = R(2.11) = 2 dots.
    EXPECT_EQ(Run(1, 1), kArgoxHeader + Sheet({},
                                              "X21,42,6,232,148\r\n"
                                              "X21,42,2,232,148\r\n"
                                              "LO21,42,106,5\r\n"
                                              "LO21,42,5,106\r\n"));
}

TEST_F(ArgoxTest, Barcodes)
{
    AddBarcode(document, {10, 20}, {200, 80}, bcCodeEAN13, QStringLiteral("4006381333931"))->Info.BarCode.BarAngle = 90;
    AddBarcode(document, {10, 20}, {200, 80}, bcCode128C, QStringLiteral("123456"));
    // h = R(50 * 25.4 / 96) * R(203 / 25.4) = 13 * 8; n = 2 + 2.
    EXPECT_EQ(Run(1, 1), kArgoxHeader + Sheet({},
                                              "B21,42,1,E30,4,4,104,B,\"400638133393\"\r\n"
                                              "B21,42,0,,4,4,104,B,\"\"\r\n"));
}

} // namespace
} // namespace tessarine
