// The 2 of 5 family: interleaved, industrial and matrix share one five-bit table.
#include "encoders.h"

#include <array>

namespace tessarine::encoders {

namespace {

// Five elements per digit, 1 = wide.
constexpr std::array<const char*, 10> kTwoOfFive = {
    "00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010",
};

const char* Bits(QChar digit)
{
    return kTwoOfFive[size_t(DigitValue(digit))];
}

char Bar(char bit)
{
    return bit == '1' ? '6' : '5';
}

char Space(char bit)
{
    return bit == '1' ? '1' : '0';
}

} // namespace

void EncodeCode25Interleaved(TEncodeContext& ctx)
{
    // Digits go in pairs; a lone last digit has no partner and is left out.
    QString digits = ctx.Text;
    if (digits.size() % 2 != 0)
        digits.chop(1);
    std::string pattern = "5050";
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const char* barBits = Bits(digits[i]);
        const char* spaceBits = Bits(digits[i + 1]);
        for (int k = 0; k < 5; ++k) {
            pattern += Bar(barBits[k]);
            pattern += Space(spaceBits[k]);
        }
    }
    pattern += "605";
    ctx.Pattern = std::move(pattern);
    ctx.Data = digits;
}

void EncodeCode25Industrial(TEncodeContext& ctx)
{
    std::string pattern = "606050";
    for (const QChar digit : ctx.Text) {
        const char* bits = Bits(digit);
        for (int k = 0; k < 5; ++k) {
            pattern += Bar(bits[k]);
            pattern += '0';
        }
    }
    pattern += "605060";
    ctx.Pattern = std::move(pattern);
    ctx.Data = ctx.Text;
}

void EncodeCode25Matrix(TEncodeContext& ctx)
{
    std::string pattern = "705050";
    for (const QChar digit : ctx.Text) {
        const char* bits = Bits(digit);
        for (int k = 0; k < 5; ++k)
            pattern += k % 2 == 0 ? Bar(bits[k]) : Space(bits[k]);
        pattern += '0';
    }
    pattern += "70505";
    ctx.Pattern = std::move(pattern);
    ctx.Data = ctx.Text;
}

} // namespace tessarine::encoders
