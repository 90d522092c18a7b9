// The EAN/UPC family: EAN-8, EAN-13, UPC-A, UPC-E and the two UPC add-ons.
#include "encoders.h"

#include "barcodeerrors.h"

#include <array>

namespace tessarine::encoders {

namespace {

// The published digit patterns, four elements of one to four modules each: set A (odd parity,
// left half) and set B (even parity) start with a space, set C (right half) with a bar; a set B
// pattern is the set C pattern read backwards.
constexpr std::array<const char*, 10> kSetA = {
    "2605", "1615", "1516", "0805", "0526", "0625", "0508", "0706", "0607", "2506",
};
constexpr std::array<const char*, 10> kSetB = {
    "0517", "0616", "1606", "0535", "1705", "0715", "3505", "1525", "2515", "1507",
};
constexpr std::array<const char*, 10> kSetC = {
    "7150", "6160", "6061", "5350", "5071", "5170", "5053", "5251", "5152", "7051",
};

// EAN-13: the first digit picks the sets of digits 2..7.
constexpr std::array<const char*, 10> kEan13Parity = {
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};

// UPC-E (number system 0) by check digit, "E" = set B; the 5-digit add-on uses positions 2..6.
constexpr std::array<const char*, 10> kUpcEParity = {
    "EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo", "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE",
};

// The 2-digit add-on by value mod 4.
constexpr std::array<const char*, 4> kSupp2Parity = {"oo", "oE", "Eo", "EE"};

const char* SetA(QChar digit)
{
    return kSetA[size_t(DigitValue(digit))];
}

const char* SetB(QChar digit)
{
    return kSetB[size_t(DigitValue(digit))];
}

const char* SetC(QChar digit)
{
    return kSetC[size_t(DigitValue(digit))];
}

bool ComputesCheckDigit(const TEncodeContext& ctx)
{
    return ctx.Checksum && ctx.CheckSumMethod != csmNone;
}

// The digits of a number of length digits whose last one is the check digit. When the encoder
// computes the check digit, a text of fewer digits is the data (padded in front) and a full
// text has its check digit replaced; otherwise the text is the whole number, padded in front.
// Digits beyond the symbol's length would be dropped silently, so they are refused.
QString NumberDigits(const TEncodeContext& ctx, int length, const char* name)
{
    const QString& text = ctx.Text;
    if (text.size() > length)
        throw InvalidLengthError(name);
    if (ComputesCheckDigit(ctx)) {
        const QString data = text.size() == length ? text.left(length - 1) : PadLeft(text, length - 1);
        return AppendCheckDigit(data, ctx.CheckSumMethod);
    }
    return PadLeft(text, length);
}

// The UPC-A number a UPC-E symbol stands for, without its check digit.
QString ExpandUpcE(const QString& six, int numberSystem)
{
    const QString ns = QString::number(numberSystem);
    const QChar last = six[5];
    switch (DigitValue(last)) {
    case 0:
    case 1:
    case 2:
        return ns + six.left(2) + last + QStringLiteral("0000") + six.mid(2, 3);
    case 3:
        return ns + six.left(3) + QStringLiteral("00000") + six.mid(3, 2);
    case 4:
        return ns + six.left(4) + QStringLiteral("00000") + six[4];
    default:
        return ns + six.left(5) + QStringLiteral("0000") + last;
    }
}

// Readers check a UPC-E symbol against the check digit of the UPC-A number it expands to, so
// that is the digit its parity carries.
int UpcECheckDigit(const QString& six, int numberSystem)
{
    const QString number = AppendCheckDigit(ExpandUpcE(six, numberSystem), csmModulo10);
    return DigitValue(number.back());
}

void EncodeUPCE(TEncodeContext& ctx, int numberSystem, const char* name)
{
    const QString& text = ctx.Text;
    if (text.size() > 7)
        throw InvalidLengthError(name);
    const QString six =
        ctx.Checksum ? (text.size() == 7 ? text.left(6) : PadLeft(text, 6)) : PadLeft(text, 7).left(6);
    const int check = UpcECheckDigit(six, numberSystem);
    const char* parity = kUpcEParity[size_t(check)];
    std::string pattern = "505";
    for (int i = 0; i < 6; ++i) {
        const bool even = (parity[i] == 'E') != (numberSystem == 1);
        pattern += even ? SetB(six[i]) : SetA(six[i]);
    }
    pattern += "050505";
    ctx.Pattern = std::move(pattern);
    ctx.Text = ctx.Checksum ? six + QString::number(check) : PadLeft(text, 7);
    ctx.Data = QString::number(numberSystem) + six + QString::number(check);
}

} // namespace

void EncodeEAN8(TEncodeContext& ctx)
{
    const QString digits = NumberDigits(ctx, 8, "EAN8");
    if (digits.size() != 8) // cannot happen with the rules above; kept as the last guard
        throw InvalidLengthError("EAN8");
    std::string pattern = "505";
    for (int i = 0; i < 4; ++i)
        pattern += SetA(digits[i]);
    pattern += "05050";
    for (int i = 4; i < 8; ++i)
        pattern += SetC(digits[i]);
    pattern += "505";
    ctx.Pattern = std::move(pattern);
    ctx.Data = digits;
}

void EncodeEAN13(TEncodeContext& ctx)
{
    const QString digits = NumberDigits(ctx, 13, "EAN13");
    const char* parity = kEan13Parity[size_t(DigitValue(digits[0]))];
    std::string pattern = "505";
    for (int i = 1; i <= 6; ++i)
        pattern += parity[i - 1] == 'A' ? SetA(digits[i]) : SetB(digits[i]);
    pattern += "05050";
    for (int i = 7; i <= 12; ++i)
        pattern += SetC(digits[i]);
    pattern += "505";
    ctx.Pattern = std::move(pattern);
    ctx.Data = digits;
}

void EncodeUPCA(TEncodeContext& ctx)
{
    const QString digits = NumberDigits(ctx, 12, "UPC_A");
    std::string pattern = "505";
    for (int i = 0; i < 6; ++i)
        pattern += SetA(digits[i]);
    pattern += "05050";
    for (int i = 6; i < 12; ++i)
        pattern += SetC(digits[i]);
    pattern += "505";
    ctx.Pattern = std::move(pattern);
    ctx.Text = digits;
    ctx.Data = digits;
}

void EncodeUPCE0(TEncodeContext& ctx)
{
    EncodeUPCE(ctx, 0, "UPC_E0");
}

void EncodeUPCE1(TEncodeContext& ctx)
{
    EncodeUPCE(ctx, 1, "UPC_E1");
}

void EncodeUPCSupp2(TEncodeContext& ctx)
{
    if (ctx.Text.size() > 2)
        throw InvalidLengthError("UPC Supp2");
    const QString digits = PadLeft(ctx.Text, 2);
    const int value = DigitValue(digits[0]) * 10 + DigitValue(digits[1]);
    const char* parity = kSupp2Parity[size_t(value % 4)];
    std::string pattern = "506";
    pattern += parity[0] == 'E' ? SetB(digits[0]) : SetA(digits[0]);
    pattern += "05";
    pattern += parity[1] == 'E' ? SetB(digits[1]) : SetA(digits[1]);
    ctx.Pattern = std::move(pattern);
    ctx.Text = digits;
    ctx.Data = digits;
}

void EncodeUPCSupp5(TEncodeContext& ctx)
{
    // Five data digits and room for the check digit a previous run with Checksum appended.
    if (ctx.Text.size() > 6)
        throw InvalidLengthError("UPC Supp5");
    const QString padded = PadLeft(ctx.Text, 5);
    const QString five = padded.left(5);
    int d[5];
    for (int i = 0; i < 5; ++i)
        d[i] = DigitValue(five[i]);
    const int check = (3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10;
    const char* parity = kUpcEParity[size_t(check)] + 1;
    std::string pattern = "506";
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            pattern += "05";
        pattern += parity[i] == 'E' ? SetB(five[i]) : SetA(five[i]);
    }
    ctx.Pattern = std::move(pattern);
    ctx.Text = ctx.Checksum ? five + QString::number(check) : padded;
    ctx.Data = five;
}

} // namespace tessarine::encoders
