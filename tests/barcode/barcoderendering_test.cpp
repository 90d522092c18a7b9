#include "zxingdecode.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

std::shared_ptr<TShowBarCode> MakeBarcode(TDesignDocument& doc, uint8_t symbology, const QString& data, int angle)
{
    auto barcode = std::static_pointer_cast<TShowBarCode>(doc.CreateShapeForTool(SpBarCode));
    barcode->AddPoint({0, 0});
    barcode->AddPoint({200, 80});
    barcode->Info.Kind = kindBarCode;
    barcode->Info.BarCode.Symbology = symbology;
    barcode->Info.BarCode.Data = data;
    barcode->Info.BarCode.BarHeight = 60;
    barcode->Info.BarCode.WidthLevel = 2;
    barcode->Info.BarCode.BarAngle = angle;
    doc.AddNewShape(barcode);
    return barcode;
}

} // namespace

TEST(BarcodeRendering, ObjectsGetSymbolsThatScanAtEveryAngle)
{
    const struct
    {
        uint8_t symbology;
        QString data;
        ZXing::BarcodeFormat format;
        std::string expected;
    } cases[] = {
        {14, "690123456789", ZXing::BarcodeFormat::EAN13, "6901234567892"},
        {13, "123", ZXing::BarcodeFormat::EAN8, "00001236"},
        {15, "03600029145", ZXing::BarcodeFormat::UPCA, "036000291452"},
        {6, "Label-42", ZXing::BarcodeFormat::Code128, "Label-42"},
        {3, "ABC123", ZXing::BarcodeFormat::Code39, "ABC123"},
    };
    for (const auto& c : cases) {
        QSize upright;
        for (int angle : {0, 90, 180, 270}) {
            TDesignDocument doc;
            auto barcode = MakeBarcode(doc, c.symbology, c.data, angle);
            QString settled;
            ASSERT_TRUE(RenderLinearBarcode(*barcode, &settled)) << c.data.toStdString();
            const QImage picture = barcode->BarBitmap.Image();
            EXPECT_EQ(picture.format(), QImage::Format_RGB888);
            if (angle == 0)
                upright = picture.size();
            EXPECT_EQ(picture.size(), angle % 180 == 0 ? upright : upright.transposed()) << angle;
            QTransform back;
            back.rotate(angle); // undo the counter-clockwise turn
            const test::TDecoded decoded = test::Decode(picture.transformed(back), c.format);
            EXPECT_TRUE(decoded.Valid) << c.data.toStdString() << " at " << angle;
            EXPECT_EQ(decoded.Text, c.expected) << angle;
        }
    }
}

TEST(BarcodeRendering, FailuresKeepThePreviousPicture)
{
    TDesignDocument doc;
    auto barcode = MakeBarcode(doc, 14, "690123456789", 0);
    ASSERT_TRUE(RenderLinearBarcode(*barcode));
    const QImage before = barcode->BarBitmap.Image();
    const struct
    {
        uint8_t symbology;
        QString data;
        int angle;
    } bad[] = {{14, "69012345678X", 0}, {40, "1", 0}, {14, "690123456789", 45}, {8, "lower case", 0}};
    for (const auto& b : bad) {
        barcode->Info.BarCode.Symbology = b.symbology;
        barcode->Info.BarCode.Data = b.data;
        barcode->Info.BarCode.BarAngle = b.angle;
        QString error;
        EXPECT_FALSE(RenderLinearBarcode(*barcode, nullptr, &error)) << b.data.toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(barcode->BarBitmap.Image(), before);
    }
}

TEST(BarcodeRendering, DialogResultsAndTheRotateCommandRenderAgain)
{
    TDesignDocument doc;
    auto barcode = MakeBarcode(doc, 14, "690123456789", 0);
    doc.AddToSelection(barcode);
    TObjectInfo info = barcode->Info;
    info.BarCode.Symbology = 6;
    info.BarCode.Data = QStringLiteral("NEW-DATA");
    doc.SetObjectInfo(0, info);
    const test::TDecoded decoded = test::Decode(barcode->BarBitmap.Image(), ZXing::BarcodeFormat::Code128);
    EXPECT_EQ(decoded.Text, "NEW-DATA");

    const QSize upright = barcode->BarBitmap.Image().size();
    doc.TextStyle.Height = 9;
    doc.ApplyTextStyle(-90);
    EXPECT_EQ(barcode->Info.BarCode.BarAngle, 90);
    EXPECT_EQ(barcode->BarBitmap.Image().size(), upright.transposed());
    EXPECT_EQ(barcode->Points[1], QPoint(80, 200));
}
