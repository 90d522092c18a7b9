#include "tcolor.h"

#include <array>

namespace tessarine {

namespace {

// The classic Windows default scheme, indexed by system colour number.
constexpr std::array<uint32_t, 31> kSystemColorsRgb = {
    0xC8C8C8, // scroll bar
    0x3A6EA5, // background (desktop)
    0x0A246A, // active caption
    0x808080, // inactive caption
    0xD4D0C8, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xD4D0C8, // active border
    0xD4D0C8, // inactive border
    0x808080, // application workspace
    0x0A246A, // highlight
    0xFFFFFF, // highlight text
    0xD4D0C8, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xD4D0C8, // inactive caption text
    0xFFFFFF, // button highlight
    0x404040, // 3D dark shadow
    0xD4D0C8, // 3D light
    0x000000, // info text
    0xFFFFE1, // info background
    0xB5B5B5, // (unused slot)
    0x000080, // hot light
    0xA6CAF0, // gradient active caption
    0xC0C0C0, // gradient inactive caption
    0x316AC5, // menu highlight
    0xECE9D8, // menu bar
};

} // namespace

QColor ToQColor(TColor color)
{
    if (IsSystemColor(color)) {
        const uint32_t index = uint32_t(color) & 0x00FFFFFFu;
        if (index < kSystemColorsRgb.size())
            return QColor(QRgb(0xFF000000u | kSystemColorsRgb[index]));
        return QColor(Qt::black);
    }
    const uint32_t v = uint32_t(color);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace tessarine
