#pragma once

#include "platform/tcolor.h"

#include <QString>

#include <cstdint>

namespace tessarine {

constexpr uint8_t GB2312_CHARSET = 134;
constexpr uint8_t DEFAULT_CHARSET = 1;

// The font object that label objects and the surface carry.
struct TCADFont
{
    QString Name = QStringLiteral("宋体");
    uint8_t Charset = DEFAULT_CHARSET;
    TColor Color = clWindowText;
    int32_t LogHeight = 0;
    int32_t LogWidth = 0;
    TColor BkColor = clWhite;

    // Copying one font from another takes the sizes, colours and face and always selects the
    // GB2312 character set.
    void CopyFrom(const TCADFont& source)
    {
        LogHeight = source.LogHeight;
        LogWidth = source.LogWidth;
        BkColor = source.BkColor;
        Color = source.Color;
        Name = source.Name;
        Charset = GB2312_CHARSET;
    }

    bool operator==(const TCADFont& o) const
    {
        return Name == o.Name && Charset == o.Charset && Color == o.Color && LogHeight == o.LogHeight &&
               LogWidth == o.LogWidth && BkColor == o.BkColor;
    }
};

} // namespace tessarine
