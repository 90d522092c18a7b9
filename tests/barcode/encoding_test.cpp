// Text to pattern: errors, check characters, rewrites of Text and the width alphabet.
#include "barcode/barcodepattern.h"
#include "barcode/encoders.h"
#include "barcode/encoding.h"
#include "barcode/symbologies.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessarine;

namespace {

TEncodedSymbol Encode(TBarcodeType typ, const QString& text, bool checksum = false,
                      TCheckSumMethod method = csmModulo10)
{
    return EncodeSymbol(typ, text, checksum, method);
}

// The message of the EBarcodeError that f raises, or "no error".
template <typename F> QString ErrorOf(F f)
{
    try {
        f();
    } catch (const EBarcodeError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

// ------------------------------------------------------------------------------------------
// Errors

struct TErrorCase
{
    TBarcodeType Typ;
    const char* Text;
    bool Checksum;
    const char* Message;
};

TEST(EncodingErrors, MessagesAreTheUsersOwn)
{
    const TErrorCase cases[] = {
        {bcCodeEAN13, "12a4", false, "Barcode must be numeric"},
        {bcCode_2_5_interleaved, "12 34", false, "Barcode must be numeric"},
        {bcCode128C, "-1", false, "Barcode must be numeric"},
        {bcCodeMSI, "１２", false, "Barcode must be numeric"}, // full-width digits are not digits
        {TBarcodeType(23), "1", false, "TBarCode: wrong BarcodeType"},
        {TBarcodeType(255), "1", false, "TBarCode: wrong BarcodeType"},
        {bcCode93, "abc", false, "Sorry! Code93 必须为数字类型"},
        {bcCode93, "A*B", false, "Sorry! Code93 必须为数字类型"},
        // The shift characters stand for pairs; as data they would corrupt the text read.
        {bcCode93, "A[B", false, "Sorry! Code93 必须为数字类型"},
        {bcCode93, "}", false, "Sorry! Code93 必须为数字类型"},
        {bcCodeEAN8, "123456789", false, "Invalid Text len (EAN8)"},
        {bcCodeEAN8, "123456789", true, "Invalid Text len (EAN8)"},
        // Digits the symbol has no room for are refused instead of dropped.
        {bcCodeEAN13, "12345678901234", false, "Invalid Text len (EAN13)"},
        {bcCodeEAN13, "12345678901234", true, "Invalid Text len (EAN13)"},
        {bcCodeUPC_A, "1234567890123", false, "Invalid Text len (UPC_A)"},
        {bcCodeUPC_E0, "12345678", false, "Invalid Text len (UPC_E0)"},
        {bcCodeUPC_E1, "12345678", true, "Invalid Text len (UPC_E1)"},
        {bcCodeUPC_Supp2, "123", false, "Invalid Text len (UPC Supp2)"},
        {bcCodeUPC_Supp5, "1234567", false, "Invalid Text len (UPC Supp5)"},
        // Codabar: characters outside its table, and the start/stop letters inside the data.
        {bcCodeCodabar, "12x3", false, "Invalid character (Codebar)"},
        {bcCodeCodabar, "12A3", false, "Invalid character (Codebar)"},
        {bcCodeCodabar, "d", false, "Invalid character (Codebar)"},
    };
    for (const TErrorCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " as " + BarcodeTypeName(c.Typ).toStdString());
        EXPECT_EQ(ErrorOf([&] { Encode(c.Typ, QString::fromUtf8(c.Text), c.Checksum); }),
                  QString::fromUtf8(c.Message));
    }
}

TEST(EncodingErrors, Code128FamilyRefusesOtherTypes)
{
    TEncodeContext ctx;
    ctx.Typ = bcCode39;
    ctx.Text = QStringLiteral("A");
    EXPECT_EQ(ErrorOf([&] { encoders::EncodeCode128(ctx); }),
              QStringLiteral("TBarCode: wrong BarcodeType in Code_128"));
}

TEST(EncodingErrors, ForeignPatternCharacterIsAnInternalError)
{
    for (const char c : std::string("449EZa .")) {
        SCOPED_TRACE(c);
        EXPECT_EQ(ErrorOf([&] { PatternElement(c); }), QStringLiteral("TBarCode: internal Error"));
    }
    EXPECT_EQ(ErrorOf([] { ModulesToPattern("1215"); }), QStringLiteral("TBarCode: internal Error"));
    EXPECT_EQ(ErrorOf([] { ModulesToPattern("10"); }), QStringLiteral("TBarCode: internal Error"));
}

TEST(EncodingErrors, ErrorMessageIsAlsoWhat)
{
    try {
        Encode(bcCode93, QStringLiteral("a"));
        FAIL() << "no error";
    } catch (const EBarcodeError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Sorry! Code93 必须为数字类型"));
    }
}

// ------------------------------------------------------------------------------------------
// The alphabet

TEST(PatternAlphabet, ElementsAndWidths)
{
    struct TCase
    {
        char C;
        TElementKind Kind;
        int Width;
    };
    const TCase cases[] = {
        {'0', TElementKind::Space, 0},   {'1', TElementKind::Space, 1},   {'2', TElementKind::Space, 2},
        {'3', TElementKind::Space, 3},   {'5', TElementKind::Bar, 0},     {'6', TElementKind::Bar, 1},
        {'7', TElementKind::Bar, 2},     {'8', TElementKind::Bar, 3},     {'A', TElementKind::HalfBar, 0},
        {'B', TElementKind::HalfBar, 1}, {'C', TElementKind::HalfBar, 2}, {'D', TElementKind::HalfBar, 3},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.C);
        const TElement e = PatternElement(c.C);
        EXPECT_EQ(e.Kind, c.Kind);
        EXPECT_EQ(e.WidthIndex, c.Width);
    }
}

TEST(PatternAlphabet, ModulesBecomeBarsAndSpacesByPosition)
{
    EXPECT_EQ(ModulesToPattern("211412"), "605351");
    EXPECT_EQ(ModulesToPattern("2331112"), "6270506");
    EXPECT_EQ(ModulesToPattern("41"), "80");
}

TEST(WidthTable, ModulAndRatio)
{
    struct TCase
    {
        int Modul;
        double Ratio;
        std::array<int, 4> W;
    };
    const TCase cases[] = {
        {1, 2.0, {1, 2, 3, 4}},
        {2, 2.0, {2, 4, 6, 8}},
        {1, 2.5, {1, 2, 3, 4}},    // Round(2.5) is 2: halves go to even
        {3, 2.5, {3, 8, 12, 16}},  // Round(7.5) is 8
        {3, 2.25, {3, 7, 10, 14}}, // W3 = 7 x 3 / 2 truncated
        {1, 3.0, {1, 3, 4, 6}},
        {49, 3.0, {49, 147, 220, 294}}, // past the old 8-bit limit, still positive
        {40, 2.0, {40, 80, 120, 160}},
        {1, 0.1, {1, 1, 1, 2}}, // never narrower than one pixel
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Modul << " x " << c.Ratio);
        EXPECT_EQ(MakeWidthTable(c.Modul, c.Ratio).W, c.W);
    }
}

// ------------------------------------------------------------------------------------------
// Check characters and the edge cases users meet

TEST(CheckDigit, GenericModulo10)
{
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("590123412345"), csmModulo10), QStringLiteral("5901234123457"));
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("9638507"), csmModulo10), QStringLiteral("96385074"));
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("0"), csmModulo10), QStringLiteral("00"));
    EXPECT_EQ(AppendCheckDigit(QString(), csmModulo10), QStringLiteral("0"));
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("123"), csmNone), QStringLiteral("123"));
    // Letters (EAN-128A/B data) take no part: 12 -> 2 x 3 + 1 = 7 -> 3.
    EXPECT_EQ(AppendCheckDigit(QStringLiteral("AB12"), csmModulo10), QStringLiteral("AB123"));
}

TEST(EncodingEdgeCases, Ean13TwelveDigitsWithChecksum)
{
    const TEncodedSymbol s = Encode(bcCodeEAN13, QStringLiteral("590123412345"), true);
    EXPECT_EQ(s.Data, QStringLiteral("5901234123457"));
    EXPECT_EQ(PatternWidth(s.Pattern, MakeWidthTable(1, 2.0)), 95); // 3 + 42 + 5 + 42 + 3
    EXPECT_EQ(s.Text, QStringLiteral("590123412345"));              // EAN-13 keeps its text
}

TEST(EncodingEdgeCases, EmptyEan13IsThirteenZeros)
{
    const TEncodedSymbol s = Encode(bcCodeEAN13, QString());
    EXPECT_EQ(s.Data, QStringLiteral("0000000000000"));
    EXPECT_EQ(s.Pattern, Encode(bcCodeEAN13, QStringLiteral("0000000000000")).Pattern);
}

TEST(EncodingEdgeCases, NumericDataIsTrimmedOfBlanksAndControls)
{
    const TEncodedSymbol s = Encode(bcCodeEAN13, QStringLiteral(" \t4006381333931\r\n"));
    EXPECT_EQ(s.Text, QStringLiteral("4006381333931"));
    EXPECT_EQ(s.Data, QStringLiteral("4006381333931"));
    // Blanks are data for the others.
    EXPECT_EQ(Encode(bcCode128B, QStringLiteral(" A ")).Text, QStringLiteral(" A "));
}

TEST(EncodingEdgeCases, Interleaved25DropsALoneLastDigit)
{
    const TEncodedSymbol s = Encode(bcCode_2_5_interleaved, QStringLiteral("12345"));
    EXPECT_EQ(s.Data, QStringLiteral("1234"));
    EXPECT_EQ(s.Pattern, Encode(bcCode_2_5_interleaved, QStringLiteral("1234")).Pattern);
}

TEST(EncodingEdgeCases, Code39SkipsWhatItCannotEncode)
{
    const TEncodedSymbol s = Encode(bcCode39, QStringLiteral("ab-1"));
    EXPECT_EQ(s.Data, QStringLiteral("-1"));
    EXPECT_EQ(s.Pattern, Encode(bcCode39, QStringLiteral("-1")).Pattern);
    // "*" frames the symbol; inside the data a reader would stop at it.
    EXPECT_EQ(Encode(bcCode39, QStringLiteral("A*B")).Pattern,
              Encode(bcCode39, QStringLiteral("AB")).Pattern);
}

TEST(EncodingEdgeCases, Code39ExtendedUsesFullAsciiSequences)
{
    EXPECT_EQ(Encode(bcCode39Extended, QStringLiteral("ab-1")).Pattern,
              Encode(bcCode39, QStringLiteral("+A+B/M1")).Pattern);
    // NUL, SOH, ESC, "@", DEL and a character beyond 127 (dropped).
    EXPECT_EQ(Encode(bcCode39Extended,
                     QStringLiteral("%1%2%3@%4é").arg(QChar(0)).arg(QChar(1)).arg(QChar(27)).arg(QChar(127)))
                  .Pattern,
              Encode(bcCode39, QStringLiteral("%U$A%A%V%T")).Pattern);
}

TEST(EncodingEdgeCases, Code39CheckCharacter)
{
    // CODE39: 12 + 24 + 13 + 14 + 3 + 9 = 75; 75 mod 43 = 32, the value of "W".
    const std::string plain = Encode(bcCode39, QStringLiteral("CODE39")).Pattern;
    const std::string checked = Encode(bcCode39, QStringLiteral("CODE39"), true).Pattern;
    const std::string withW = Encode(bcCode39, QStringLiteral("CODE39W")).Pattern;
    EXPECT_EQ(checked, withW);
    EXPECT_NE(plain, checked);
    // A sum of 0 is encoded as "0", the first entry with that value, not as "*".
    EXPECT_EQ(Encode(bcCode39, QStringLiteral("0"), true).Pattern,
              Encode(bcCode39, QStringLiteral("00")).Pattern);
}

TEST(EncodingEdgeCases, Code128ValuesFromThePublishedTable)
{
    // A,B in Code 128B: values 33, 12 (the comma), 34; check (104 + 33 + 24 + 102) mod 103 = 57.
    const std::string expected =
        ModulesToPattern(std::string("211214") + "111323" + "112232" + "131123" + "312113" + "2331112");
    EXPECT_EQ(Encode(bcCode128B, QStringLiteral("A,B")).Pattern, expected);
}

TEST(EncodingEdgeCases, Code128OutsideTheColumnIsABlank)
{
    EXPECT_EQ(Encode(bcCode128B, QStringLiteral("AéB")).Pattern,
              Encode(bcCode128B, QStringLiteral("A B")).Pattern);
    EXPECT_EQ(Encode(bcCode128B, QStringLiteral("AéB")).Data, QStringLiteral("A B"));
    // Column A has no lower case.
    EXPECT_EQ(Encode(bcCode128A, QStringLiteral("aB")).Pattern,
              Encode(bcCode128A, QStringLiteral(" B")).Pattern);
}

TEST(EncodingEdgeCases, Code128COddDigitCountGetsALeadingZero)
{
    const TEncodedSymbol s = Encode(bcCode128C, QStringLiteral("123"));
    EXPECT_EQ(s.Data, QStringLiteral("0123"));
    // Start C (105), 01, 23; check (105 + 1 + 46) mod 103 = 49.
    EXPECT_EQ(s.Pattern,
              ModulesToPattern(std::string("211232") + "222122" + "312131" + "211331" + "2331112"));
}

TEST(EncodingEdgeCases, Ean128StartsWithFnc1)
{
    // Start B (104), FNC1 (102) at position 1, "1" (17) at position 2: check
    // (104 + 102 + 34) mod 103 = 34.
    EXPECT_EQ(Encode(bcCodeEAN128B, QStringLiteral("1")).Pattern,
              ModulesToPattern(std::string("211214") + "411131" + "123221" + "131123" + "2331112"));
    // With Checksum the generic check digit is encoded too, and Text stays as it was.
    const TEncodedSymbol s = Encode(bcCodeEAN128C, QStringLiteral("12"), true);
    EXPECT_EQ(s.Data, QStringLiteral("0123")); // 12 -> 3, then a zero for the odd count
    EXPECT_EQ(s.Text, QStringLiteral("12"));
}

TEST(EncodingEdgeCases, Code93Test93CheckCharacters)
{
    // C = 41 ("+"), K = 6, from the weights 1..6 and 2..7 counted from the right.
    const std::string expected =
        ModulesToPattern(std::string("111141") + "211221" + "221211" + "211122" + "211221" + "141111" +
                         "111411" + "113121" + "121311" + "1111411");
    EXPECT_EQ(Encode(bcCode93, QStringLiteral("TEST93")).Pattern, expected);
}

TEST(EncodingEdgeCases, Code93WeightsWrap)
{
    // 21 characters: the C weight of the leftmost character has wrapped back to 1 and the K
    // weights wrapped after 15. All "1"s: C = 1 x (1..20 + 1) = 211 mod 47 = 23 ("N");
    // K = 1 x (2..15 + 1..7) + 23 = 119 + 28 + 23 = 170 mod 47 = 29 ("T").
    const QString ones(21, u'1');
    const std::string pattern = Encode(bcCode93, ones).Pattern;
    const std::string tail = ModulesToPattern(std::string("111321") + "211221" + "1111411");
    ASSERT_GE(pattern.size(), tail.size());
    // The tail starts at an even position, so it converts alike.
    EXPECT_EQ(pattern.substr(pattern.size() - tail.size()), tail);
}

TEST(EncodingEdgeCases, Code93ExtendedUsesShiftPairs)
{
    // "a" is (+)A and "*" is (/)J: values 46, 10, 45, 19. C = 19 + 90 + 30 + 184 = 323 mod 47
    // = 41 ("+"); K = (38 + 135 + 40 + 230 + 323) mod 47 = 14 ("E").
    const std::string expected = ModulesToPattern(std::string("111141") + "122211" + "211113" + "311121" +
                                                  "122112" + "113121" + "221211" + "1111411");
    EXPECT_EQ(Encode(bcCode93Extended, QStringLiteral("a*")).Pattern, expected);
    EXPECT_EQ(Encode(bcCode93Extended, QStringLiteral("a*é")).Data, QStringLiteral("a*"));
}

TEST(EncodingEdgeCases, CodabarFramesWithAAndB)
{
    const std::string p = Encode(bcCodeCodabar, QStringLiteral("1")).Pattern;
    EXPECT_EQ(p, std::string("5061515") + "0" + "5050615" + "0" + "5151506");
    EXPECT_EQ(Encode(bcCodeCodabar, QString()).Pattern, std::string("5061515") + "0" + "5151506");
}

// ------------------------------------------------------------------------------------------
// Fixed-length numbers

struct TNumberCase
{
    TBarcodeType Typ;
    const char* Text;
    bool Checksum;
    TCheckSumMethod Method;
    const char* Data;    // what the symbol carries
    const char* NewText; // Text after encoding
};

TEST(FixedLengthNumbers, PaddingCheckDigitsAndRewrites)
{
    const TNumberCase cases[] = {
        {bcCodeEAN8, "1234567", true, csmModulo10, "12345670", "1234567"},
        {bcCodeEAN8, "123", true, csmModulo10, "00001236", "123"},
        // A full number has its check digit worked out again.
        {bcCodeEAN8, "96385079", true, csmModulo10, "96385074", "96385079"},
        {bcCodeEAN8, "123", false, csmModulo10, "00000123", "123"},
        {bcCodeEAN13, "12", false, csmModulo10, "0000000000012", "12"},
        {bcCodeEAN13, "5901234123450", true, csmModulo10, "5901234123457", "5901234123450"},
        // Checksum with csmNone computes nothing: the text is the whole number.
        {bcCodeEAN13, "4006381333931", true, csmNone, "4006381333931", "4006381333931"},
        {bcCodeUPC_A, "123", false, csmModulo10, "000000000123", "000000000123"},
        {bcCodeUPC_A, "03600029145", true, csmModulo10, "036000291452", "036000291452"},
        {bcCodeUPC_A, "036000291459", true, csmModulo10, "036000291452", "036000291452"},
        // UPC-E: the check digit is the expanded UPC-A number's, and always worked out.
        {bcCodeUPC_E0, "654321", true, csmModulo10, "06543217", "6543217"},
        {bcCodeUPC_E0, "6543210", true, csmModulo10, "06543217", "6543217"},
        {bcCodeUPC_E0, "6543210", false, csmModulo10, "06543217", "6543210"},
        {bcCodeUPC_E0, "12", false, csmModulo10, "00000019", "0000012"}, // 000001 -> 0 00100 00000 -> 9
        {bcCodeUPC_E1, "654321", true, csmModulo10, "16543214", "6543214"},
        {bcCodeUPC_Supp2, "5", false, csmModulo10, "05", "05"},
        {bcCodeUPC_Supp5, "52495", true, csmModulo10, "52495", "524951"},
        {bcCodeUPC_Supp5, "524951", false, csmModulo10, "52495", "524951"},
        {bcCodeUPC_Supp5, "2495", false, csmModulo10, "02495", "02495"},
    };
    for (const TNumberCase& c : cases) {
        SCOPED_TRACE(std::string(c.Text) + " as " + BarcodeTypeName(c.Typ).toStdString() +
                     (c.Checksum ? " with checksum" : ""));
        const TEncodedSymbol s = Encode(c.Typ, QString::fromLatin1(c.Text), c.Checksum, c.Method);
        EXPECT_EQ(s.Data, QString::fromLatin1(c.Data));
        EXPECT_EQ(s.Text, QString::fromLatin1(c.NewText));
        // Every rewrite is idempotent: encoding the new text again changes nothing.
        const TEncodedSymbol again = Encode(c.Typ, s.Text, c.Checksum, c.Method);
        EXPECT_EQ(again.Text, s.Text);
        EXPECT_EQ(again.Pattern, s.Pattern);
    }
}

TEST(FixedLengthNumbers, Widths)
{
    const TWidthTable m1 = MakeWidthTable(1, 2.0);
    EXPECT_EQ(PatternWidth(Encode(bcCodeEAN8, QStringLiteral("1234567"), true).Pattern, m1), 67);
    EXPECT_EQ(PatternWidth(Encode(bcCodeUPC_A, QStringLiteral("03600029145"), true).Pattern, m1), 95);
    EXPECT_EQ(PatternWidth(Encode(bcCodeUPC_E0, QStringLiteral("654321"), true).Pattern, m1), 51);
    EXPECT_EQ(PatternWidth(Encode(bcCodeUPC_Supp2, QStringLiteral("12")).Pattern, m1), 20);
    EXPECT_EQ(PatternWidth(Encode(bcCodeUPC_Supp5, QStringLiteral("12345")).Pattern, m1), 47);
}

} // namespace
