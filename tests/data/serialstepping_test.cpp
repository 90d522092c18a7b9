#include "data/serialstepping.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"

#include "barcode/barcodetypes.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace tessarine {
namespace {

struct DigitsCase
{
    const char* before;
    int32_t step;
    bool decrement;
    bool ok;
    const char* after;
};

TEST(StepDigitsTest, StepsAndPadsToTheFormerLength)
{
    const std::vector<DigitsCase> cases = {
        {"0099", 1, false, true, "0100"},
        {"9999", 1, false, true, "10000"},
        {"0003", 5, true, true, "0000"},
        {"12", 20, true, true, "00"},
        {"007", 0, false, true, "007"},
        {"+7", 0, false, true, "07"},
        {"-5", 0, false, true, "00"},
        {"-5", 8, false, true, "03"},
        {"41", 3000, false, true, "3041"},
        {"abc", 1, false, false, "abc"},
        {"", 1, false, false, ""},
        {"-", 1, false, false, "-"},
        {"1 2", 1, false, false, "1 2"},
        {" 12", 1, false, false, " 12"},
        {"9223372036854775807", 0, false, true, "9223372036854775807"},
        {"9223372036854775807", 1, false, false, "9223372036854775807"},
        {"99999999999999999999", 1, false, false, "99999999999999999999"},
    };
    for (const DigitsCase& c : cases) {
        QString text = QString::fromUtf8(c.before);
        EXPECT_EQ(StepDigits(text, c.step, c.decrement), c.ok) << c.before;
        EXPECT_EQ(text, QString::fromUtf8(c.after)) << c.before << " step " << c.step;
    }
}

struct LetterCase
{
    const char* before;
    int32_t step;
    bool decrement;
    const char* after;
};

TEST(StepLastLetterTest, TurnsTheLastCharacterWithinItsCase)
{
    const std::vector<LetterCase> cases = {
        {"AZ", 1, false, "AA"},
        {"ab", 27, false, "ac"},
        {"A1", 1, false, "A1"},
        {"a", 1, true, "z"},
        {"A", 1, true, "Z"},
        {"Bc", 3, true, "Bz"},
        {"M", 52, false, "M"},
        {"Zz", 0, false, "Zz"},
        {"x", -3, false, "x"},
        {"", 1, false, ""},
        {"中A", 1, false, "中B"},
        // 丄 is 0x81 0x41 in GBK: its trail byte is an "A", but it is no letter.
        {"X丄", 1, false, "X丄"},
        {"X丄", 1, true, "X丄"},
    };
    for (const LetterCase& c : cases)
        EXPECT_EQ(StepLastLetter(QString::fromUtf8(c.before), c.step, c.decrement),
                  QString::fromUtf8(c.after))
            << c.before << " step " << c.step;
}

struct BarcodeNumberCase
{
    uint8_t symbology;
    const char* before;
    int32_t step;
    bool decrement;
    bool ok;
    const char* after;
};

TEST(StepBarcodeNumberTest, WrapsPerSymbology)
{
    const std::vector<BarcodeNumberCase> cases = {
        {kSymbologyEAN13, "0000000000017", 1, true, true, "0000000000000"},
        {kSymbologyEAN13, "0000000000000", 1, true, true, "9999999999994"},
        {kSymbologyEAN13, "9999999999994", 1, false, true, "0000000000000"},
        {kSymbologyEAN13, "6901234567892", 0, false, true, "6901234567892"},
        // A wrong check digit is computed again.
        {kSymbologyEAN13, "6901234567890", 0, false, true, "6901234567892"},
        {kSymbologyEAN8, "00000000", 1, true, true, "99999995"},
        {kSymbologyEAN8, "99999995", 1, false, true, "00000000"},
        {kSymbologyEAN8, "12345670", 2, false, true, "12345694"},
        {kSymbologyUPCA, "000000000000", 1, true, true, "999999999993"},
        // Wrapping within one step keeps counting from eleven nines.
        {kSymbologyUPCA, "000000000000", 2, true, true, "999999999986"},
        {kSymbologyUPCA, "999999999993", 1, false, true, "000000000000"},
        {kSymbologyEAN13, "ABC", 1, false, false, "ABC"},
        {kSymbologyEAN13, "", 1, false, false, ""},
        {bcCode128B, "007", 1, true, true, "006"},
        {bcCode128B, "000", 1, true, true, "009"},
        {bcCode128B, "000", 3, true, true, "007"},
        {bcCode_2_5_interleaved, "0099", 1, false, true, "0100"},
        {bcCode39, "9", 2, false, true, "11"},
        {bcCode39, "5", 0, false, true, "5"},
        {bcCode39, "A5", 1, false, false, "A5"},
        {bcCode39, "9223372036854775807", 1, false, false, "9223372036854775807"},
    };
    for (const BarcodeNumberCase& c : cases) {
        QString data = QString::fromUtf8(c.before);
        EXPECT_EQ(StepBarcodeNumber(data, c.symbology, c.decrement, c.step), c.ok) << c.before;
        EXPECT_EQ(data, QString::fromUtf8(c.after))
            << int(c.symbology) << " " << c.before << " step " << c.step;
    }
}

TRecordNo Serial(const QString& kind, int32_t step = 1, bool decrement = false, const QString& prefix = {},
                 const QString& suffix = {})
{
    TRecordNo serial;
    serial.SerialKind = kind;
    serial.Step = step;
    serial.Decrement = decrement ? 1 : 0;
    serial.Prefix = prefix;
    serial.Suffix = suffix;
    return serial;
}

TShapePtr AddText(TDesignDocument& document, TDrawTool tool, const QString& text, uint8_t source,
                  const TRecordNo& serial)
{
    TShapePtr shape = document.CreateShapeForTool(tool);
    shape->AddStoredPoint(QPoint(10, 20));
    shape->AddStoredPoint(QPoint(10, 20));
    shape->Info.Kind = tool == SpText ? kindText : kindLinesText;
    shape->Info.WordInfo.Text = text;
    shape->Info.WordInfo.Width = 10;
    shape->Info.WordInfo.Height = 24;
    shape->Info.SourceKind = source;
    shape->Info.RecordNo = serial;
    document.AddNewShape(shape);
    return shape;
}

std::shared_ptr<TShowBarCode> AddBarcode(TDesignDocument& document, uint8_t symbology, const QString& data,
                                         uint8_t source, const TRecordNo& serial)
{
    auto shape = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    shape->AddStoredPoint(QPoint(100, 100));
    shape->AddStoredPoint(QPoint(300, 180));
    shape->Info.Kind = kindBarCode;
    shape->Info.BarCode.Symbology = symbology;
    shape->Info.BarCode.Data = data;
    shape->Info.BarCode.BarHeight = 60;
    shape->Info.BarCode.WidthLevel = 1;
    shape->Info.SourceKind = source;
    shape->Info.RecordNo = serial;
    document.AddNewShape(shape);
    return shape;
}

struct TextSerialCase
{
    TDrawTool tool;
    const char* before;
    uint8_t source;
    TRecordNo serial;
    const char* after;
};

TEST(StepSerialsTest, StepsTextByItsSerialKind)
{
    const std::vector<TextSerialCase> cases = {
        {SpText, "0099", skSerial, Serial(kSerialDigits), "0100"},
        {SpText, "9999", skSerial, Serial(kSerialDigits), "10000"},
        {SpText, "12A", skSerial, Serial(kSerialDigits), "12A"},
        {SpLinesText, "0003", skSerial, Serial(kSerialDigits, 5, true), "0000"},
        {SpText, "AZ", skSerial, Serial(kSerialLetters), "AA"},
        {SpText, "NO.009-B", skSerial, Serial(kSerialLettersAndDigits, 1, false, "NO.", "-B"), "NO.010-B"},
        // The prefix is removed by length, not compared: the text's own first characters go.
        {SpText, "XY.009-B", skSerial, Serial(kSerialLettersAndDigits, 1, false, "NO.", "-B"), "NO.010-B"},
        {SpText, "A001", skSerial, Serial(kSerialLettersAndDigits), "A001"},
        {SpText, "N01C", skSerial, Serial(kSerialLettersAndDigits, 2), "N01E"},
        {SpText, "0099", skSerial, Serial(QStringLiteral("十六进制")), "0099"},
        {SpText, "0099", skSerial, Serial(QStringLiteral("Digits")), "0099"},
        {SpText, "0099", skTyped, Serial(kSerialDigits), "0099"},
        {SpText, "0099", skDatabaseField, Serial(kSerialDigits), "0099"},
        {SpText, "编号A", skSerial, Serial(kSerialLetters), "编号B"},
    };
    for (const TextSerialCase& c : cases) {
        TDesignDocument document;
        const TShapePtr shape = AddText(document, c.tool, QString::fromUtf8(c.before), c.source, c.serial);
        ASSERT_TRUE(StepSerials(document)) << c.before;
        EXPECT_EQ(shape->Info.WordInfo.Text, QString::fromUtf8(c.after)) << c.before;
    }
}

TEST(StepSerialsTest, SingleLineTextBoxFollowsTheSteppedText)
{
    TDesignDocument document;
    const TShapePtr grows =
        AddText(document, SpText, QStringLiteral("9999"), skSerial, Serial(kSerialDigits));
    const TShapePtr chinese =
        AddText(document, SpText, QStringLiteral("中A"), skSerial, Serial(kSerialLetters));
    ASSERT_TRUE(StepSerials(document));
    // Five digits of width 10; a Chinese character counts two bytes.
    EXPECT_EQ(grows->Points[1], QPoint(10 + 50, 20 + 24));
    EXPECT_EQ(chinese->Points[1], QPoint(10 + 30, 20 + 24));
}

TEST(StepSerialsTest, StepsBarcodesAndRendersThemAgain)
{
    struct Case
    {
        uint8_t symbology;
        const char* before;
        TRecordNo serial;
        const char* after;
    };
    const std::vector<Case> cases = {
        {kSymbologyEAN13, "0000000000017", Serial(kSerialDigits, 1, true), "0000000000000"},
        {kSymbologyEAN13, "0000000000017", Serial(kSerialLetters), "0000000000017"},
        {kSymbologyEAN13, "0000000000017", Serial(kSerialLettersAndDigits), "0000000000017"},
        {bcCode128B, "007", Serial(kSerialDigits, 1, true), "006"},
        {bcCode128B, "ABZ", Serial(kSerialLetters), "ABA"},
        {bcCode128B, "ABZ", Serial(kSerialDigits), "ABZ"},
        {bcCode128B, "NO.009-B", Serial(kSerialLettersAndDigits, 1, false, "NO.", "-B"), "NO.010-B"},
        {bcCode128B, "P-0A", Serial(kSerialLettersAndDigits, 1, false, "P-"), "P-0B"},
        {bcCode_2_5_interleaved, "0099", Serial(kSerialDigits), "0100"},
    };
    for (const Case& c : cases) {
        TDesignDocument document;
        const auto barcode =
            AddBarcode(document, c.symbology, QString::fromUtf8(c.before), skSerial, c.serial);
        ASSERT_TRUE(barcode->BarBitmap.IsEmpty());
        ASSERT_TRUE(StepSerials(document)) << c.before;
        EXPECT_EQ(barcode->Info.BarCode.Data, QString::fromUtf8(c.after)) << c.before;
        EXPECT_FALSE(barcode->BarBitmap.IsEmpty()) << c.before;
    }
}

TEST(StepSerialsTest, LeavesPdf417AndUnboundBarcodesAlone)
{
    TDesignDocument document;
    const auto fixed =
        AddBarcode(document, bcCode128B, QStringLiteral("007"), skTyped, Serial(kSerialDigits));
    TShapePtr pdf = document.CreateShapeForTool(SpBarCodePDF417);
    pdf->AddStoredPoint(QPoint(0, 0));
    pdf->AddStoredPoint(QPoint(50, 50));
    pdf->Info.SourceKind = skSerial;
    pdf->Info.RecordNo = Serial(kSerialDigits);
    pdf->Info.BarCode.Data = QStringLiteral("007");
    document.AddNewShape(pdf);
    ASSERT_TRUE(StepSerials(document));
    EXPECT_EQ(fixed->Info.BarCode.Data, QStringLiteral("007"));
    EXPECT_TRUE(fixed->BarBitmap.IsEmpty());
    EXPECT_EQ(pdf->Info.BarCode.Data, QStringLiteral("007"));
}

TEST(StepSerialsTest, RepaintsOnceAfterAPass)
{
    TDesignDocument document;
    AddText(document, SpText, QStringLiteral("1"), skSerial, Serial(kSerialDigits));
    AddText(document, SpText, QStringLiteral("2"), skSerial, Serial(kSerialDigits));
    QSignalSpy repaints(&document, &TDesignDocument::RepaintRequested);
    ASSERT_TRUE(StepSerials(document));
    EXPECT_EQ(repaints.count(), 1);
}

TEST(StepSerialsTest, ARenderErrorEndsThePassWithoutRepaint)
{
    TDesignDocument document;
    const TShapePtr before = AddText(document, SpText, QStringLiteral("1"), skSerial, Serial(kSerialDigits));
    // Interleaved 2 of 5 holds digits only: the stepped letter cannot be rendered.
    const auto broken =
        AddBarcode(document, bcCode_2_5_interleaved, QStringLiteral("12A"), skSerial, Serial(kSerialLetters));
    const TShapePtr after = AddText(document, SpText, QStringLiteral("5"), skSerial, Serial(kSerialDigits));
    QSignalSpy repaints(&document, &TDesignDocument::RepaintRequested);
    QString error;
    EXPECT_FALSE(StepSerials(document, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(before->Info.WordInfo.Text, QStringLiteral("2"));
    EXPECT_EQ(broken->Info.BarCode.Data, QStringLiteral("12B"));
    EXPECT_EQ(after->Info.WordInfo.Text, QStringLiteral("5"));
    EXPECT_EQ(repaints.count(), 0);
}

TEST(StepSerialsTest, ThreePassesAdvanceThreeSteps)
{
    TDesignDocument document;
    const TShapePtr text =
        AddText(document, SpText, QStringLiteral("0001"), skSerial, Serial(kSerialDigits, 2));
    const auto barcode =
        AddBarcode(document, kSymbologyEAN8, QStringLiteral("00000000"), skSerial, Serial(kSerialDigits));
    for (int label = 0; label < 3; ++label)
        ASSERT_TRUE(StepSerials(document));
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0007"));
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("00000031"));
}

} // namespace
} // namespace tessarine
