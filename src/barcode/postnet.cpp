// PostNet: five bars per digit, two of them full height.
#include "encoders.h"

#include <array>

namespace tessarine::encoders {

namespace {

// "5" full bar, "A" half bar, each followed by a wide space.
constexpr std::array<const char*, 10> kPostNet = {
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151",
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1",
};

} // namespace

void EncodePostNet(TEncodeContext& ctx)
{
    std::string pattern = "51";
    for (const QChar digit : ctx.Text)
        pattern += kPostNet[size_t(DigitValue(digit))];
    pattern += '5';
    ctx.Pattern = std::move(pattern);
    ctx.Data = ctx.Text;
}

} // namespace tessarine::encoders
