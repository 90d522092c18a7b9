#include "thermalfixtures.h"

#include "print/thermal/graphicencoders.h"
#include "print/thermal/nativebarcodes.h"
#include "print/thermal/thermalgraphics.h"
#include "print/thermal/thermaljob.h"

#include "barcode/barcodetypes.h"
#include "document/textshape.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace test;

const QByteArray kDatamaxHeader = "\x02n\r\n\x02" "c0000\r\n\x02RN\r\n\x02" "f000\r\n\x02V0\r\n\x02O0214\r\n\x02M0500\r\n";

// The end of a sheet: its downloads, the label format and its body.
QByteArray Sheet(const QByteArray& downloads, const QByteArray& body, const char* quantity)
{
    return downloads + "\x02L\r\n" + quantity + "\r\nD11\r\nPE\r\nH10\r\n" + body + "^01\r\nE\r\n";
}

class DatamaxTest : public ::testing::Test
{
protected:
    void SetUp() override { SetLabelOutline(document, 60, 30); }

    QByteArray Run(int labels, int copies, int dpi = 203, int id = 6)
    {
        const TThermalJobResult result = RunThermalJob(document, GridLayout(1, 1), ThermalSettings(id, dpi),
                                                       TPrintRun{labels, copies, 1}, nullptr);
        EXPECT_EQ(result.Status, TThermalJobResult::Ready) << result.Message.toStdString();
        return result.Stream;
    }

    TDesignDocument document;
};

TEST_F(DatamaxTest, RectangleInHalfDots)
{
    AddShape(document, SpRectangle, {10, 20}, {110, 70})->Info.PenWidth = 3;
    // X2 = R(21.15 / 2) = 11, Y2 = R(42.29 / 2) = 21, W2 = R(211.46 / 2) = 106, H2 = R(105.73 / 2) = 53,
    // T = R(3 * 203 / 96) = 6.
    EXPECT_EQ(Run(1, 1), kDatamaxHeader + Sheet({}, "1X0000000210011b0106005300060006\r\n", "A2"));
}

TEST_F(DatamaxTest, LinesInWholeDots)
{
    AddShape(document, SpRuleLine, {10, 20}, {60, 20});
    AddShape(document, SpRuleLine, {10, 20}, {10, 70});
    AddShape(document, SpRuleLine, {30, 40}, {30, 40});
    AddShape(document, SpRuleLine, {0, 0}, {10, 10});
    EXPECT_EQ(Run(1, 1), kDatamaxHeader + Sheet({},
                                                "1X0000000210011L106010\r\n"
                                                "1X0000000210011L010106\r\n"
                                                "1X0000000420032L000010\r\n"
                                                "1X0000000420032L010000\r\n",
                                                "A2"));
}

struct BarcodeCase
{
    const char* name;
    uint8_t symbology;
    const char* data;
    int angle;
    const char* record; // empty: no record
};

class DatamaxBarcodeTest : public DatamaxTest, public ::testing::WithParamInterface<BarcodeCase>
{
};

TEST_P(DatamaxBarcodeTest, NativeRecord)
{
    auto barcode = AddBarcode(document, {10, 20}, {200, 80}, GetParam().symbology, QString::fromLatin1(GetParam().data));
    barcode->Info.BarCode.BarAngle = GetParam().angle;
    // Width level 2 at 203 dpi prints at width 4; bar height 50; Y2 = 21, X2 = 11.
    EXPECT_EQ(Run(1, 1), kDatamaxHeader + Sheet({}, GetParam().record, "A2"));
}

const std::string kLong(200, 'X');

INSTANTIATE_TEST_SUITE_P(
    Symbologies, DatamaxBarcodeTest,
    ::testing::Values(
        BarcodeCase{"code39", bcCode39, "CODE39", 0, "1A1405000210011CODE39\r\n"},
        BarcodeCase{"code128b", bcCode128B, "Abc-123", 0, "1E1405000210011Abc-123\r\n"},
        BarcodeCase{"code93", bcCode93, "CODE93", 0, "1O1405000210011CODE93\r\n"},
        BarcodeCase{"codabar", bcCodeCodabar, "A123B", 0, "1I1405000210011A123B\r\n"},
        BarcodeCase{"ean128a", bcCodeEAN128A, "EAN128", 0, "1Q1405000210011EAN128\r\n"},
        BarcodeCase{"ean8", bcCodeEAN8, "12345670", 0, "1G140500021001112345670\r\n"},
        BarcodeCase{"ean13", bcCodeEAN13, "4006381333931", 0, "1F1405000210011400638133393\r\n"},
        BarcodeCase{"upca", bcCodeUPC_A, "036000291452", 0, "1B1405000210011036000291452\r\n"},
        BarcodeCase{"turned90", bcCode39, "A1", 90, "4A1405000210011A1\r\n"},
        BarcodeCase{"turned180", bcCode39, "A1", 180, "3A1405000210011A1\r\n"},
        BarcodeCase{"turned270", bcCode39, "A1", 270, "2A1405000210011A1\r\n"},
        BarcodeCase{"unsupported_code128c", bcCode128C, "123456", 0, ""},
        BarcodeCase{"unsupported_msi", bcCodeMSI, "1234", 0, ""}),
    [](const ::testing::TestParamInfo<BarcodeCase>& param) { return std::string(param.param.name); });

TEST_F(DatamaxTest, LongDataIsCutTo128Characters)
{
    AddBarcode(document, {10, 20}, {200, 80}, bcCodeEAN128A, QString(200, QLatin1Char('7')));
    EXPECT_EQ(Run(1, 1), kDatamaxHeader + Sheet({}, "1Q1405000210011" + QByteArray(128, '7') + "\r\n", "A2"));
}

struct WidthCase
{
    int level;
    double dpi;
    int width;
};

class DatamaxWidthTest : public ::testing::TestWithParam<WidthCase>
{
};

TEST_P(DatamaxWidthTest, ModuleWidth)
{
    EXPECT_EQ(DatamaxBarWidth(GetParam().level, GetParam().dpi), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Widths, DatamaxWidthTest,
                         ::testing::Values(WidthCase{1, 153, 2}, WidthCase{1, 203, 3}, WidthCase{1, 289, 3},
                                           WidthCase{1, 300, 3}, WidthCase{1, 600, 4}, WidthCase{95, 153, 2},
                                           WidthCase{95, 300, 2}, WidthCase{95, 600, 3}, WidthCase{7, 203, 9}));

TEST_F(DatamaxTest, TextsAreDownloadedBeforeTheSheetThatUsesThem)
{
    const TShapePtr constant = AddText(document, {10, 20}, QStringLiteral("AB"));
    const TShapePtr serial = AddText(document, {10, 60}, QStringLiteral("7"), true);
    auto pcx = [](const TShapePtr& text) {
        const QImage picture = RenderTextGraphic(static_cast<const TKWZText&>(*text), TDotConverter(203, 96, {}));
        return TPcx2Bit(picture, 203).File();
    };
    const QByteArray constantPcx = pcx(constant);
    const QByteArray firstSerial = pcx(serial);
    const QByteArray stream = Run(2, 1);
    EXPECT_EQ(serial->Info.WordInfo.Text, QStringLiteral("9"));
    serial->Info.WordInfo.Text = QStringLiteral("8"); // what the second label printed
    const QByteArray secondLabel = pcx(serial);
    // Y2 of the second text: R(60 * 203 / 96 / 2) = 63.
    const QByteArray first = Sheet("\x01" "D\r\x02ICB8080\r\n" + constantPcx + "\r" + "\x01" "D\r\x02ICB11\r\n" +
                                       firstSerial + "\r",
                                   "1Y1100000210011" "8080\r\n" "1Y1100000630011" "11\r\n", "A1");
    const QByteArray second = Sheet("\x01" "D\r\x02ICB21\r\n" + secondLabel + "\r",
                                    "1Y1100000210011" "8080\r\n" "1Y1100000630011" "21\r\n", "A2");
    EXPECT_EQ(stream, kDatamaxHeader + first + second);
}

TEST_F(DatamaxTest, HotIsPaddedToTwoDigits)
{
    const TThermalJobResult result = RunThermalJob(document, GridLayout(1, 1), ThermalSettings(6, 203, 5),
                                                   TPrintRun{1, 1, 1}, nullptr);
    EXPECT_TRUE(result.Stream.contains("PE\r\nH05\r\n"));
}

} // namespace
} // namespace tessarine
