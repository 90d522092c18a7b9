// Codabar, framed by the start character A and the stop character B.
#include "encoders.h"

#include "barcodeerrors.h"

#include <array>

namespace tessarine::encoders {

namespace {

struct TCodabarEntry
{
    char Character;
    const char* Elements; // seven elements, bar first
};

constexpr std::array<TCodabarEntry, 20> kCodabar = {{
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"}, {'5', "6050515"},
    {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"}, {'0', "5050516"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
}};
constexpr size_t kFirstStartStop = 16; // A, B, C and D only frame the data

const char* Find(char32_t c, size_t limit)
{
    for (size_t i = 0; i < limit; ++i) {
        if (char32_t(kCodabar[i].Character) == c)
            return kCodabar[i].Elements;
    }
    return nullptr;
}

} // namespace

void EncodeCodabar(TEncodeContext& ctx)
{
    std::string pattern = Find(U'A', kCodabar.size());
    pattern += '0';
    for (const char32_t c : ctx.Text.toUcs4()) {
        // The table has no path for a miss; inside the data A..D would end the symbol early.
        const char* elements = Find(c, kFirstStartStop);
        if (!elements)
            throw InvalidCharacterError("Codebar");
        pattern += elements;
        pattern += '0';
    }
    pattern += Find(U'B', kCodabar.size());
    ctx.Pattern = std::move(pattern);
    ctx.Data = ctx.Text;
}

} // namespace tessarine::encoders
