#include "thermalfixtures.h"

#include "print/thermal/graphicencoders.h"

#include "platform/canvas.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using test::Hex;
using test::OneBitFromRows;

struct HexRowCase
{
    const char* row;
    const char* hex;
};

// Rows are padded in front to whole bytes, black is 1.
class ZebraHexRowTest : public ::testing::TestWithParam<HexRowCase>
{
};

TEST_P(ZebraHexRowTest, EncodesOneRow)
{
    const TObjToHex hex = ZebraHex(OneBitFromRows({QString::fromLatin1(GetParam().row)}));
    EXPECT_EQ(hex.GraphicData, QByteArray(GetParam().hex));
}

INSTANTIATE_TEST_SUITE_P(Rows, ZebraHexRowTest,
                         ::testing::Values(HexRowCase{"#", "01"}, HexRowCase{".", "00"}, HexRowCase{"#..", "04"},
                                           HexRowCase{"#..#.#", "25"}, HexRowCase{"########", "FF"},
                                           HexRowCase{"#.#.#.#.", "AA"}, HexRowCase{"#########", "01FF"},
                                           HexRowCase{"#...........", "0800"},
                                           HexRowCase{"................#", "000001"},
                                           HexRowCase{"##########......", "FFC0"}));

TEST(ZebraHexTest, JoinsRowsWithCrLfAndNothingAfterTheLast)
{
    const TObjToHex hex = ZebraHex(OneBitFromRows({"##", ".#", "#."}));
    EXPECT_EQ(hex.GraphicData, QByteArray("03\r\n01\r\n02"));
    EXPECT_EQ(hex.BytesPerRow, QByteArray("001"));
    EXPECT_EQ(hex.TotalBytes, QByteArray("3"));
}

struct CountCase
{
    int width;
    int height;
    const char* bytesPerRow;
    const char* totalBytes;
};

class ZebraHexCountTest : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(ZebraHexCountTest, PadsTheCounts)
{
    QImage picture(GetParam().width, GetParam().height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const TObjToHex hex = ZebraHex(ToOneBit(picture));
    EXPECT_EQ(hex.BytesPerRow, QByteArray(GetParam().bytesPerRow));
    EXPECT_EQ(hex.TotalBytes, QByteArray(GetParam().totalBytes));
}

// Bytes per row take three digits when they have one or two; the total five when it has two to
// four, and a one-digit total stays as it is.
INSTANTIATE_TEST_SUITE_P(Counts, ZebraHexCountTest,
                         ::testing::Values(CountCase{8, 1, "001", "1"}, CountCase{8, 9, "001", "9"},
                                           CountCase{8, 10, "001", "00010"}, CountCase{80, 1, "010", "00010"},
                                           CountCase{800, 1, "100", "00100"}, CountCase{800, 100, "100", "10000"},
                                           CountCase{8000, 1, "1000", "01000"},
                                           CountCase{800, 1000, "100", "100000"}));

QByteArray PcxHeader(int width, int height, int bytesPerLine, int dpi)
{
    QByteArray header(128, '\0');
    header[0] = 0x0A;
    header[1] = 5;
    header[2] = 1;
    header[3] = 1;
    header[8] = char((width - 1) & 0xFF);
    header[9] = char((width - 1) >> 8);
    header[10] = char((height - 1) & 0xFF);
    header[11] = char((height - 1) >> 8);
    header[12] = char(dpi & 0xFF);
    header[13] = char(dpi >> 8);
    header[14] = char(dpi & 0xFF);
    header[15] = char(dpi >> 8);
    header[65] = 1;
    header[66] = char(bytesPerLine);
    header[68] = 1;
    return header;
}

TEST(PcxTest, PictureNarrowerThanEightDotsKeepsWholeBytes)
{
    // Six black dots: bits 0 for black, the two unused bits white; one byte a row, padded to
    // an even count by a zero byte.
    const QImage picture = OneBitFromRows({"######", "######"});
    const QByteArray file = TPcx2Bit(picture, 203).File();
    EXPECT_EQ(file, PcxHeader(6, 2, 2, 203) + Hex("03 00 03 00"));
    const TObjToHex hex = ZebraHex(picture);
    EXPECT_EQ(hex.GraphicData, QByteArray("3F\r\n3F"));
    EXPECT_EQ(hex.BytesPerRow, QByteArray("001"));
}

TEST(PcxTest, TotalBytesIsTheFileSize)
{
    const TObjToHex encoded = TPcx2Bit(OneBitFromRows({"#.#"}), 300).Encoded();
    EXPECT_EQ(encoded.TotalBytes, QByteArray::number(encoded.GraphicData.size()));
    EXPECT_TRUE(encoded.BytesPerRow.isEmpty());
    EXPECT_EQ(encoded.GraphicData.size(), 128 + 2);
}

struct RunCase
{
    const char* name;
    QStringList row;
    const char* data;
};

class PcxRunTest : public ::testing::TestWithParam<RunCase>
{
};

TEST_P(PcxRunTest, EncodesTheRow)
{
    const QByteArray file = TPcx2Bit(OneBitFromRows(GetParam().row), 203).File();
    EXPECT_EQ(file.mid(128).toHex(' '), Hex(GetParam().data).toHex(' '));
}

QString Repeat(const char* pattern, int times)
{
    return QString::fromLatin1(pattern).repeated(times);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PcxRunTest,
    ::testing::Values(
        // Two equal bytes make a run.
        RunCase{"black_pair", {Repeat("#", 16)}, "C2 00"},
        // A single byte at 0xC0 or above needs a count of one.
        RunCase{"high_single", {"..######" + Repeat("#", 8)}, "C1 C0 00"},
        // Single low bytes go as they are; three bytes get a zero after them.
        RunCase{"mixed", {"########........########"}, "00 C1 FF 00 00"},
        // Runs stop at 63.
        RunCase{"long_white", {Repeat(".", 8 * 64)}, "FF FF C1 FF"},
        RunCase{"long_black", {Repeat("#", 8 * 66)}, "FF 00 C3 00"}),
    [](const ::testing::TestParamInfo<RunCase>& param) { return std::string(param.param.name); });

TEST(OneBitTest, AnythingButPureWhiteIsBlack)
{
    QImage picture(3, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 0, qRgb(254, 255, 255));
    picture.setPixel(2, 0, qRgb(255, 255, 255));
    const QImage oneBit = ToOneBit(picture);
    EXPECT_EQ(oneBit.format(), QImage::Format_Mono);
    // The unused bits of the byte are white.
    EXPECT_EQ(oneBit.constScanLine(0)[0], 0xBF);
}

TEST(ZebraHexTest, EmptyPictureGivesEmptyGraphic)
{
    const TObjToHex hex = ZebraHex(QImage());
    EXPECT_EQ(hex.GraphicData, QByteArray());
    EXPECT_EQ(hex.BytesPerRow, QByteArray("000"));
    EXPECT_EQ(hex.TotalBytes, QByteArray("0"));
}

} // namespace
} // namespace tessarine

namespace tessarine {
namespace {

// The one-bit stretch must give the dots that black-on-white stretching on the canvas followed
// by the reduction to one bit gives.
struct StretchCase
{
    const char* name;
    int sourceWidth;
    int sourceHeight;
    int width;
    int height;
};

class StretchOneBitTest : public ::testing::TestWithParam<StretchCase>
{
};

TEST_P(StretchOneBitTest, MatchesTheCanvas)
{
    const StretchCase c = GetParam();
    QImage source(c.sourceWidth, c.sourceHeight, QImage::Format_RGB32);
    source.fill(Qt::white);
    // Thin bars and single dots, the things that get lost when shrinking.
    for (int y = 0; y < c.sourceHeight; ++y) {
        for (int x = 0; x < c.sourceWidth; ++x) {
            if (x % 5 == 0 || (x * 7 + y * 3) % 11 == 0)
                source.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    QImage canvasResult(c.width, c.height, QImage::Format_RGB32);
    canvasResult.fill(Qt::white);
    {
        TCanvas canvas(&canvasResult);
        canvas.StretchDraw(GdiRect(0, 0, c.width, c.height), source, smBlackOnWhite);
    }
    const QImage expected = ToOneBit(canvasResult);
    const QImage actual = StretchOneBit(ToOneBit(source), c.width, c.height);
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x)
            ASSERT_EQ(actual.pixelIndex(x, y), expected.pixelIndex(x, y)) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, StretchOneBitTest,
                         ::testing::Values(StretchCase{"same", 40, 20, 40, 20}, StretchCase{"enlarge", 40, 20, 85, 43},
                                           StretchCase{"shrink", 90, 30, 37, 11},
                                           StretchCase{"mixed", 50, 10, 23, 31}),
                         [](const ::testing::TestParamInfo<StretchCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
} // namespace tessarine
