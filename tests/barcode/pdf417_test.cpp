#include "zxingdecode.h"

#include "barcode/pdf417maker.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "document/pdf417symbol.h"
#include "platform/gbk.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::TempDir;
using tessarine::test::WriteFile;

TEST(Pdf417Maker, WritesASymbolThatScans)
{
    const QString dir = TempDir();
    const QString data = dir + QStringLiteral("/data.dat");
    const struct
    {
        QByteArray bytes;
        std::string expected;
    } cases[] = {
        {"Tessarine PDF417 0123456789", "Tessarine PDF417 0123456789"},
        {QByteArray(500, 'x'), std::string(500, 'x')},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFile(data, c.bytes));
        TPdf417Maker maker;
        maker.SetTempDirectory(dir);
        const QString answer = maker.CreateBarCode(QStringLiteral("PDF417"), data);
        ASSERT_TRUE(answer.endsWith(QStringLiteral("tmppdf1.bmp"))) << maker.ErrorText().toStdString();
        const QImage picture(answer, "BMP");
        ASSERT_FALSE(picture.isNull());
        for (int angle : {0, 90, 180, 270}) {
            QTransform turn;
            turn.rotate(angle);
            const test::TDecoded decoded = test::Decode(picture.transformed(turn), ZXing::BarcodeFormat::PDF417, 20);
            EXPECT_TRUE(decoded.Valid) << angle;
            EXPECT_EQ(decoded.Text, c.expected) << angle;
        }
        EXPECT_TRUE(QFile::exists(dir + QStringLiteral("/ResultFile.nls")));
    }
}

TEST(Pdf417Maker, AnswersTheErrorPictureWhenItCannot)
{
    const QString dir = TempDir();
    TPdf417Maker maker;
    maker.SetTempDirectory(dir);
    const QString empty = dir + QStringLiteral("/empty.dat");
    WriteFile(empty, {});
    for (const auto& [kind, file] : {std::pair{QStringLiteral("PDF417"), dir + QStringLiteral("/missing.dat")},
                                     std::pair{QStringLiteral("PDF417"), empty},
                                     std::pair{QStringLiteral("QR"), empty}}) {
        const QString answer = maker.CreateBarCode(kind, file);
        EXPECT_TRUE(answer.endsWith(QStringLiteral("errorbmp.bmp"))) << file.toStdString();
        EXPECT_FALSE(maker.ErrorText().isEmpty());
    }
}

TEST(Pdf417Symbol, MakesThePictureAndCleansUp)
{
    const QString temp = TempDir();
    const QString data = temp + QStringLiteral("/_KWZ.dat");
    ASSERT_TRUE(WriteFile(data, gbk::Encode(QStringLiteral("第一行,含逗号\r\nsecond line\r\n"))));
    TDesignDocument doc;
    auto symbol = std::static_pointer_cast<TShowBarCodePDF417>(doc.CreateShapeForTool(SpBarCodePDF417));
    symbol->AddPoint({10, 20});
    ASSERT_TRUE(MakePdf417Symbol(*symbol, data, temp, true));
    ASSERT_FALSE(symbol->BarBitmap.IsEmpty());
    EXPECT_EQ(symbol->Points[1], QPoint(10 + symbol->BarBitmap.Width(), 20 + symbol->BarBitmap.Height()));
    EXPECT_EQ(symbol->Info.WordInfo.Text, QStringLiteral("\"第一行,含逗号\",\"second line\""));
    EXPECT_FALSE(QFile::exists(data));
    EXPECT_FALSE(QDir(temp + QStringLiteral("/_KWZ")).exists());
    const test::TDecoded decoded = test::Decode(symbol->BarBitmap.Image(), ZXing::BarcodeFormat::PDF417, 20);
    EXPECT_TRUE(decoded.Valid);

    auto failed = std::static_pointer_cast<TShowBarCodePDF417>(doc.CreateShapeForTool(SpBarCodePDF417));
    failed->AddPoint({0, 0});
    EXPECT_FALSE(MakePdf417Symbol(*failed, temp + QStringLiteral("/none.dat"), temp, false));
    EXPECT_FALSE(MakePdf417Symbol(*failed, temp + QStringLiteral("/none.dat"), temp, true)); // no picture either
}

TEST(CommaText, QuotesWhatNeedsIt)
{
    EXPECT_EQ(CommaText({"a", "b c", "", "x\"y", "z,w"}), QStringLiteral("a,\"b c\",\"\",\"x\"\"y\",\"z,w\""));
}
