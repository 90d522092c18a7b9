#include "barcodepattern.h"

#include "barcodeerrors.h"

#include "platform/round.h"

#include <algorithm>
#include <limits>

namespace tessarine {

TWidthTable MakeWidthTable(int modul, double ratio)
{
    const int wide = std::clamp(Round(modul * ratio), 1, kMaxWideWidth);
    TWidthTable table;
    table.W = {modul, wide, wide * 3 / 2, wide * 2};
    return table;
}

TElement PatternElement(char c)
{
    if (c >= '0' && c <= '3')
        return {TElementKind::Space, c - '0'};
    if (c >= '5' && c <= '8')
        return {TElementKind::Bar, c - '5'};
    if (c >= 'A' && c <= 'D')
        return {TElementKind::HalfBar, c - 'A'};
    throw InternalError();
}

int PatternWidth(std::string_view pattern, const TWidthTable& widths)
{
    int64_t sum = 0;
    for (const char c : pattern)
        sum += widths[PatternElement(c).WidthIndex];
    return int(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

std::string ModulesToPattern(std::string_view modules)
{
    std::string pattern(modules.size(), '0');
    for (size_t i = 0; i < modules.size(); ++i) {
        const char m = modules[i];
        if (m < '1' || m > '4')
            throw InternalError();
        pattern[i] = char(i % 2 == 0 ? m + 4 : m - 1);
    }
    return pattern;
}

} // namespace tessarine
