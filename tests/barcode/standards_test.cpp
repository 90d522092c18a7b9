// Symbologies zxing-cpp cannot read, compared with the published standards. The expected
// sequences below are spelled out from the standards' own tables (digit encodings, guards and
// check digit rules), digit by digit, not taken from the encoder.
#include "barcode/barcodepattern.h"
#include "barcode/encoding.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessarine;

namespace {

// The symbol as modules, "1" for bar and "0" for space, at Modul 1 with the given ratio.
std::string Modules(const std::string& pattern, double ratio)
{
    const TWidthTable widths = MakeWidthTable(1, ratio);
    std::string modules;
    for (const char c : pattern) {
        const TElement e = PatternElement(c);
        modules.append(size_t(widths[e.WidthIndex]), e.Kind == TElementKind::Space ? '0' : '1');
    }
    return modules;
}

// Element widths in modules, alternating bar and space from the first bar; trailing spaces
// belong to the quiet zone and are left out.
std::string ElementWidths(const std::string& pattern, double ratio)
{
    const TWidthTable widths = MakeWidthTable(1, ratio);
    std::string result;
    for (const char c : pattern)
        result += char('0' + widths[PatternElement(c).WidthIndex]);
    while (!result.empty() && PatternElement(pattern[result.size() - 1]).Kind == TElementKind::Space)
        result.pop_back();
    return result;
}

std::string Encode(TBarcodeType typ, const char* text, bool checksum = false)
{
    return EncodeSymbol(typ, QString::fromLatin1(text), checksum, csmModulo10).Pattern;
}

struct TStandardCase
{
    const char* Text;
    std::string Expected;
    const char* Note;
};

// MSI (modified Plessey): start 110, each digit four bits most significant first with
// 0 = 100 and 1 = 110, the modulo 10 check digit, stop 1001. The check digit doubles the
// rightmost digit and every second one to its left.
const std::string kMsi0 = "100100100100", kMsi1 = "100100100110", kMsi2 = "100100110100",
                  kMsi3 = "100100110110", kMsi4 = "100110100100", kMsi5 = "100110100110",
                  kMsi6 = "100110110100", kMsi7 = "100110110110", kMsi8 = "110100100100",
                  kMsi9 = "110100100110";

TEST(Standards, Msi)
{
    const TStandardCase cases[] = {
        // 1234567: 7, 5, 3, 1 doubled -> 1357 x 2 = 2714 -> 14, plus 2 + 4 + 6 = 26 -> 4.
        {"1234567", "110" + kMsi1 + kMsi2 + kMsi3 + kMsi4 + kMsi5 + kMsi6 + kMsi7 + kMsi4 + "1001",
         "odd length"},
        // 1234: 4 and 2 doubled -> 8 + 4 = 12, plus 3 + 1 = 16 -> 4.
        {"1234", "110" + kMsi1 + kMsi2 + kMsi3 + kMsi4 + kMsi4 + "1001", "even length"},
        // 80523: 853 x 2 = 1706 -> 14, plus 0 + 2 = 16 -> 4.
        {"80523", "110" + kMsi8 + kMsi0 + kMsi5 + kMsi2 + kMsi3 + kMsi4 + "1001", "odd length"},
        // 9: 18 -> 9 -> check 1.
        {"9", "110" + kMsi9 + kMsi1 + "1001", "one digit"},
        // 0: check 0.
        {"0", "110" + kMsi0 + kMsi0 + "1001", "zero"},
        // Fourteen 9s: seven doubled 9s give 7 x 9 = 63, seven plain ones 63: 126 -> 4. Too long for
        // a 32-bit doubled number, which must not matter.
        {"99999999999999",
         "110" + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 + kMsi9 +
             kMsi9 + kMsi9 + kMsi9 + kMsi4 + "1001",
         "long"},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " (" + c.Note + ")");
        EXPECT_EQ(Modules(Encode(bcCodeMSI, c.Text), 2.0), c.Expected);
    }
}

// PostNet: a full frame bar, five bars per digit of which two are full (weights 7 4 2 1 0),
// a full frame bar; "F" full, "h" half. The spaces are all alike.
TEST(Standards, PostNet)
{
    const TStandardCase cases[] = {
        {"12345",
         "F"
         "hhhFF"
         "hhFhF"
         "hhFFh"
         "hFhhF"
         "hFhFh"
         "F",
         ""},
        {"67890",
         "F"
         "hFFhh"
         "FhhhF"
         "FhhFh"
         "FhFhh"
         "FFhhh"
         "F",
         ""},
        {"", "FF", "frame bars only"},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const std::string pattern = Encode(bcCodePostNet, c.Text);
        std::string bars;
        std::string spaces;
        for (const char ch : pattern) {
            const TElement e = PatternElement(ch);
            if (e.Kind == TElementKind::Space)
                spaces += ch;
            else
                bars += e.Kind == TElementKind::Bar ? 'F' : 'h';
        }
        EXPECT_EQ(bars, c.Expected);
        EXPECT_EQ(spaces, std::string(bars.size() - 1, '1'));
    }
}

// Industrial 2 of 5 with wide elements three modules wide: start 3 1 3 1 1 1 (wide bar, wide
// bar, narrow bar), each digit five bars (1 = wide) each followed by a narrow space, stop
// 3 1 1 1 3. Digit bits: 1 10001, 2 01001, 3 11000, 4 00101, 5 10100, 6 01100, 7 00011,
// 8 10010, 9 01010, 0 00110.
TEST(Standards, Industrial2of5)
{
    const TStandardCase cases[] = {
        {"1234", std::string("313111") + "3111111131" + "1131111131" + "3131111111" + "1111311131" + "31113",
         ""},
        {"5678", std::string("313111") + "3111311111" + "1131311111" + "1111113131" + "3111113111" + "31113",
         ""},
        {"90", std::string("313111") + "1131113111" + "1111313111" + "31113", ""},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ElementWidths(Encode(bcCode_2_5_industrial, c.Text), 3.0), c.Expected);
    }
}

// Matrix 2 of 5 with wide elements three modules wide: start 4 1 1 1 1 1, each digit three
// bars and two spaces (1 = wide) and a narrow space, stop 4 1 1 1 1.
TEST(Standards, Matrix2of5)
{
    const TStandardCase cases[] = {
        {"1234", std::string("411111") + "311131" + "131131" + "331111" + "113131" + "41111", ""},
        {"5678", std::string("411111") + "313111" + "133111" + "111331" + "311311" + "41111", ""},
        {"90", std::string("411111") + "131311" + "113311" + "41111", ""},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ElementWidths(Encode(bcCode_2_5_matrix, c.Text), 3.0), c.Expected);
    }
}

// UPC add-ons: guard 1011, digits in the L (odd) or G (even) code sets, 01 between digits.
// Two digits: parity by value mod 4 (LL, LG, GL, GG). Five digits: the check digit
// 3 x (d1 + d3 + d5) + 9 x (d2 + d4) mod 10 selects GGLLL, GLGLL, GLLGL, GLLLG, LGGLL, LLGGL,
// LLLGG, LGLGL, LGLLG, LLGLG.
const char* const kL[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                            "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const kG[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                            "0111001", "0000101", "0010001", "0001001", "0010111"};

TEST(Standards, UpcTwoDigitAddOn)
{
    const TStandardCase cases[] = {
        {"12", std::string("1011") + kL[1] + "01" + kL[2], "12 mod 4 = 0: LL"},
        {"05", std::string("1011") + kL[0] + "01" + kG[5], "1: LG"},
        {"34", std::string("1011") + kG[3] + "01" + kL[4], "2: GL"},
        {"07", std::string("1011") + kG[0] + "01" + kG[7], "3: GG"},
        {"5", std::string("1011") + kL[0] + "01" + kG[5], "padded to 05"},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " (" + c.Note + ")");
        EXPECT_EQ(Modules(Encode(bcCodeUPC_Supp2, c.Text), 2.0), c.Expected);
    }
}

TEST(Standards, UpcFiveDigitAddOn)
{
    const TStandardCase cases[] = {
        // 3 x 14 + 9 x 11 = 141: check 1, GLGLL.
        {"52495", std::string("1011") + kG[5] + "01" + kL[2] + "01" + kG[4] + "01" + kL[9] + "01" + kL[5],
         "check 1"},
        // 3 x 9 + 9 x 6 = 81: check 1.
        {"12345", std::string("1011") + kG[1] + "01" + kL[2] + "01" + kG[3] + "01" + kL[4] + "01" + kL[5],
         "check 1"},
        {"00000", std::string("1011") + kG[0] + "01" + kG[0] + "01" + kL[0] + "01" + kL[0] + "01" + kL[0],
         "check 0"},
        // 3 x 3 + 9 x 0 = 9: LLGLG.
        {"10101", std::string("1011") + kL[1] + "01" + kL[0] + "01" + kG[1] + "01" + kL[0] + "01" + kG[1],
         "check 9"},
        // 3 x 0 + 9 x 2 = 18: check 8, LGLLG.
        {"01010", std::string("1011") + kL[0] + "01" + kG[1] + "01" + kL[0] + "01" + kL[1] + "01" + kG[0],
         "check 8"},
    };
    for (const TStandardCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " (" + c.Note + ")");
        EXPECT_EQ(Modules(Encode(bcCodeUPC_Supp5, c.Text), 2.0), c.Expected);
    }
}

// The Code 128 table is checked by decoding; its shape is checked here for every value: six
// elements (seven for the stop), eleven modules (thirteen), bars of even total width.
TEST(Standards, Code128PatternsHaveElevenModules)
{
    for (int v = 0; v < 95; ++v) {
        SCOPED_TRACE(v);
        const QString text(QChar(32 + v));
        const std::string p = EncodeSymbol(bcCode128B, text, false, csmNone).Pattern;
        ASSERT_EQ(p.size(), 6u * 3 + 7); // start, value, check, stop
        const std::string value = Modules(p.substr(6, 6), 2.0);
        EXPECT_EQ(value.size(), 11u);
        EXPECT_EQ(value.front(), '1');
        EXPECT_EQ(value.back(), '0');
    }
}

} // namespace
