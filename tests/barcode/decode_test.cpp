// Rendered symbols must scan: zxing-cpp reads every picture back, at several Modul values and in
// all four directions, both through the label's path (render at angle 0, then Rotate90) and
// through the encoder's own Angle.
#include "barcode/imagebarcode.h"
#include "barcode/rotate.h"

#include "zxingdecode.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace tessarine;
using ZXing::BarcodeFormat;

namespace {

struct TDecodeCase
{
    const char* Name;
    TBarcodeType Typ;
    const char* Text;
    bool Checksum;
    BarcodeFormat Format;
    std::string Expected; // what the reader returns, worked out from the symbology's rules
};

const TDecodeCase kCases[] = {
    {"Code39", bcCode39, "CODE-39 $/+% .TEST", false, BarcodeFormat::Code39, "CODE-39 $/+% .TEST"},
    {"Code39AllCharacters", bcCode39, "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", false, BarcodeFormat::Code39,
     "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    // Lower-case letters are not in the table and are skipped.
    {"Code39SkipsForeign", bcCode39, "ab-1", false, BarcodeFormat::Code39, "-1"},
    // The check character of CODE39 is W (75 mod 43 = 32); read without validation it is data.
    {"Code39Checksum", bcCode39, "CODE39", true, BarcodeFormat::Code39, "CODE39W"},
    {"Code39Extended", bcCode39Extended, "Tessarine-1.0 ok*", false, BarcodeFormat::Code39,
     "Tessarine-1.0 ok*"},
    {"Code93", bcCode93, "CODE 93-TEST.$/+%", false, BarcodeFormat::Code93, "CODE 93-TEST.$/+%"},
    {"Code93Check", bcCode93, "TEST93", false, BarcodeFormat::Code93, "TEST93"},
    {"Code93Extended", bcCode93Extended, "Hello, World! [x]", false, BarcodeFormat::Code93,
     "Hello, World! [x]"},
    {"Code128A", bcCode128A, "CODE128A-_^", false, BarcodeFormat::Code128, "CODE128A-_^"},
    {"Code128B", bcCode128B, "Tessarine 128b {~}", false, BarcodeFormat::Code128, "Tessarine 128b {~}"},
    {"Code128BComma", bcCode128B, "A,B", false, BarcodeFormat::Code128, "A,B"},
    // An odd count of digits gets a zero in front.
    {"Code128C", bcCode128C, "12345678901", false, BarcodeFormat::Code128, "012345678901"},
    {"Code128COdd", bcCode128C, "123", false, BarcodeFormat::Code128, "0123"},
    {"EAN128A", bcCodeEAN128A, "0109501101530003", false, BarcodeFormat::Code128, "0109501101530003"},
    {"EAN128B", bcCodeEAN128B, "10ABC123", false, BarcodeFormat::Code128, "10ABC123"},
    {"EAN128C", bcCodeEAN128C, "0109501101530003", false, BarcodeFormat::Code128, "0109501101530003"},
    // Generic check digit of 0109501101530 (weights 3, 1 from the right): 2.
    {"EAN128CChecksum", bcCodeEAN128C, "0109501101530", true, BarcodeFormat::Code128, "01095011015302"},
    {"Codabar", bcCodeCodabar, "1234-5678$:/.+", false, BarcodeFormat::Codabar, "1234-5678$:/.+"},
    // Check digits from the EAN/UPC rules, worked out by hand.
    {"EAN8", bcCodeEAN8, "9638507", true, BarcodeFormat::EAN8, "96385074"},
    {"EAN8Given", bcCodeEAN8, "55123457", false, BarcodeFormat::EAN8, "55123457"},
    {"EAN13", bcCodeEAN13, "590123412345", true, BarcodeFormat::EAN13, "5901234123457"},
    {"EAN13Given", bcCodeEAN13, "4006381333931", false, BarcodeFormat::EAN13, "4006381333931"},
    {"EAN13AllParities", bcCodeEAN13, "978020137962", true, BarcodeFormat::EAN13, "9780201379624"},
    {"UPCA", bcCodeUPC_A, "03600029145", true, BarcodeFormat::UPCA, "036000291452"},
    {"UPCAGiven", bcCodeUPC_A, "042100005264", false, BarcodeFormat::UPCA, "042100005264"},
    // 654321 expands to 0 65100 00432, check digit 7; with number system 1 the check is 4.
    {"UPCE0", bcCodeUPC_E0, "654321", true, BarcodeFormat::UPCE, "06543217"},
    {"UPCE1", bcCodeUPC_E1, "654321", true, BarcodeFormat::UPCE, "16543214"},
    // The seventh digit is the place of the check digit, which is always worked out: 123453
    // expands to 0 12300 00045, check digit 1.
    {"UPCE0Three", bcCodeUPC_E0, "1234530", false, BarcodeFormat::UPCE, "01234531"},
    {"Interleaved25", bcCode_2_5_interleaved, "1234567890", false, BarcodeFormat::ITF, "1234567890"},
    // An odd count drops the last digit.
    {"Interleaved25Odd", bcCode_2_5_interleaved, "12345678905", false, BarcodeFormat::ITF, "1234567890"},
};

struct TDecodeParam
{
    TDecodeCase Case;
    int Modul;
};

void PrintTo(const TDecodeParam& p, std::ostream* os)
{
    *os << p.Case.Name << " Modul " << p.Modul;
}

// The rendering the label object makes, at the given encoder angle.
QImage Render(const TDecodeParam& p, double angle)
{
    TImageBarCode image;
    image.SetTyp(p.Case.Typ);
    image.SetChecksum(p.Case.Checksum);
    image.SetText(QString::fromUtf8(p.Case.Text));
    image.SetModul(p.Modul);
    image.SetAngle(angle);
    return image.Picture();
}

void ExpectDecodes(const TDecodeParam& p, const QImage& picture)
{
    ASSERT_FALSE(picture.isNull());
    const bool extended = p.Case.Typ == bcCode39Extended;
    const test::TDecoded decoded = test::Decode(picture, p.Case.Format, 12 * p.Modul + 10, extended);
    EXPECT_TRUE(decoded.Valid);
    EXPECT_EQ(decoded.Format, p.Case.Format);
    EXPECT_EQ(decoded.Text, p.Case.Expected);
}

std::vector<TDecodeParam> Params(std::initializer_list<int> moduls)
{
    std::vector<TDecodeParam> params;
    for (const TDecodeCase& c : kCases) {
        for (const int modul : moduls)
            params.push_back({c, modul});
    }
    return params;
}

std::string ParamName(const ::testing::TestParamInfo<TDecodeParam>& param)
{
    return std::string(param.param.Case.Name) + "_Modul" + std::to_string(param.param.Modul);
}

// The label's path: the encoder paints upright and the picture is turned by whole pixels.
class DecodeTurnedPicture : public ::testing::TestWithParam<TDecodeParam>
{
};

TEST_P(DecodeTurnedPicture, Scans)
{
    const QImage upright = Render(GetParam(), 0);
    for (const int angle : {0, 90, 180, 270}) {
        SCOPED_TRACE(angle);
        ExpectDecodes(GetParam(), TRotate::Rotate90(angle, upright));
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, DecodeTurnedPicture, ::testing::ValuesIn(Params({1, 2, 3})), ParamName);

// The encoder's own Angle. Its corner arithmetic puts a symbol turned by 90 or 180 degrees one
// pixel off the origin (BarcodeLayout.CornersAtTheFourQuarterTurns), so at 180 degrees an
// even-width symbol loses its last pixel column to the picture's edge; at Modul 1 that is half
// the stop bar and the symbol no longer scans. From Modul 2 on it costs nothing.
class DecodeEncoderAngle : public ::testing::TestWithParam<TDecodeParam>
{
};

TEST_P(DecodeEncoderAngle, Scans)
{
    for (const int angle : {0, 90, 180, 270}) {
        SCOPED_TRACE(angle);
        ExpectDecodes(GetParam(), Render(GetParam(), angle));
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, DecodeEncoderAngle, ::testing::ValuesIn(Params({2, 3})), ParamName);

} // namespace
