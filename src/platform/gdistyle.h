#pragma once

#include "tcolor.h"

#include <cstdint>

namespace tessarine {

// Pen and brush descriptions in the vocabulary label files and objects use; the ordinals
// are the ones stored in files.
enum TPenStyle : uint8_t {
    psSolid = 0,
    psDash = 1,
    psDot = 2,
    psDashDot = 3,
    psDashDotDot = 4,
    psClear = 5,
    psInsideFrame = 6,
};

enum TBrushStyle : uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

enum TPenMode : uint8_t {
    pmCopy,
    pmXor,
    pmNotXor,
};

struct TPen
{
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int32_t Width = 1;
    TPenMode Mode = pmCopy;

    bool operator==(const TPen& o) const
    {
        return Color == o.Color && Style == o.Style && Width == o.Width && Mode == o.Mode;
    }
};

struct TBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;

    bool operator==(const TBrush& o) const { return Color == o.Color && Style == o.Style; }
};

} // namespace tessarine
