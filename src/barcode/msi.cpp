// MSI (modified Plessey) with its modulo 10 check digit.
#include "encoders.h"

namespace tessarine::encoders {

namespace {

void AppendDigit(std::string& pattern, int digit)
{
    for (int bit = 3; bit >= 0; --bit)
        pattern += (digit >> bit) & 1 ? "60" : "51";
}

// Starting with the rightmost digit, every second digit is doubled and the digits of the
// products are summed with the others (doubling digit by digit gives the same digit sum as
// doubling the number they form, and never overflows). Counting from the right keeps the check
// digit right for data of odd length too.
int CheckDigit(const QString& digits)
{
    int total = 0;
    bool doubled = true;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const int d = DigitValue(digits[i]);
        total += doubled ? (2 * d) / 10 + (2 * d) % 10 : d;
        doubled = !doubled;
    }
    return (10 - total % 10) % 10;
}

} // namespace

void EncodeMSI(TEncodeContext& ctx)
{
    std::string pattern = "60";
    for (const QChar digit : ctx.Text)
        AppendDigit(pattern, DigitValue(digit));
    AppendDigit(pattern, CheckDigit(ctx.Text));
    pattern += "515";
    ctx.Pattern = std::move(pattern);
    ctx.Data = ctx.Text;
}

} // namespace tessarine::encoders
