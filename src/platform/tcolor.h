#pragma once

#include <QColor>

#include <cstdint>

namespace tessarine {

// A colour as label files store it: 0x00BBGGRR, or 0x80000000 + index for a system colour.
// System colours are kept unchanged and resolved only when painting.
using TColor = int32_t;

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clGray = 0x00808080;
constexpr TColor clBlue = 0x00FF0000;
constexpr TColor clRed = 0x000000FF;
constexpr TColor clBackground = TColor(0x80000001u);
constexpr TColor clWindowText = TColor(0x80000008u);

constexpr bool IsSystemColor(TColor c)
{
    return (uint32_t(c) & 0x80000000u) != 0;
}

constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor((uint32_t(b & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(r & 0xFF));
}

// The colour to paint with: explicit colours directly, system colours from the classic
// default colour table (unknown indexes paint black).
QColor ToQColor(TColor color);

} // namespace tessarine
