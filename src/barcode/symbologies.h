#pragma once

#include "barcodetypes.h"

#include <QString>

namespace tessarine {

struct TEncodeContext;
using TEncoderFunction = void (*)(TEncodeContext&);

// How tall the painted elements are (B in the corner arithmetic of the painter).
enum class TBarHeightRule : uint8_t
{
    Fixed97,       // rows 0..97 whatever Height says; pictures lower than that are covered
    ElementHeight, // rows 0..Height (EAN-13)
    Postal,        // rows 0..Height, half bars 2/5 of Height standing on the same foot line
};

// One row per TBarcodeType ordinal.
struct TBCdata
{
    const char* Name;
    bool Num; // numeric only: trimmed, and any non-digit is refused
    TEncoderFunction Encode;
    double RatioMin; // Ratio is clamped into RatioMin..RatioMax before encoding; 0 = not clamped
    double RatioMax;
    TBarHeightRule BarHeight;
};

// The row of typ, nullptr for ordinals above 22.
const TBCdata* FindBCdata(TBarcodeType typ);

// The symbology's name ("EAN13", "Codebar", ...), empty for an unknown type.
QString BarcodeTypeName(TBarcodeType typ);

// ratio clamped to the range typ accepts.
double ClampRatio(TBarcodeType typ, double ratio);

} // namespace tessarine
