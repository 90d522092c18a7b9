#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessarine {

// The element widths W1..W4 in pixels that the pattern characters refer to.
struct TWidthTable
{
    std::array<int, 4> W{1, 2, 3, 4};

    int operator[](int index) const { return W[size_t(index)]; }
    bool operator==(const TWidthTable& o) const { return W == o.W; }
};

// W1 = modul, W2 = Round(modul x ratio), W3 = W2 x 3 / 2, W4 = W2 x 2. W2 is kept within
// 1..kMaxWideWidth: the table once lived in 8 signed bits, which wrapped into negative widths
// from Modul 32 on; whole ints with a bound keep every width positive and every sum in range.
constexpr int kMaxWideWidth = 1000;
TWidthTable MakeWidthTable(int modul, double ratio);

enum class TElementKind : uint8_t
{
    Space,
    Bar,
    HalfBar,
};

struct TElement
{
    TElementKind Kind;
    int WidthIndex; // 0..3 for W1..W4
};

// "0".."3" spaces, "5".."8" full bars, "A".."D" half bars, each of W1..W4. Any other
// character raises "TBarCode: internal Error": patterns are made by our own tables only.
TElement PatternElement(char c);

// Sum of the element widths, saturated at INT32_MAX.
int PatternWidth(std::string_view pattern, const TWidthTable& widths);

// Turns module counts 1..4 (bar first, alternating) into the pattern alphabet: a count at an
// even position becomes a bar of that width, at an odd position a space.
std::string ModulesToPattern(std::string_view modules);

} // namespace tessarine
