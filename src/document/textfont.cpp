#include "textfont.h"

namespace tessarine {

TFontSpec FontOfText(const TLogText& text, int32_t height, int32_t width, int32_t escapement)
{
    TFontSpec font;
    font.Name = text.FontName;
    font.CharSet = text.CharSet;
    font.Height = height;
    font.Width = width;
    font.Weight = text.Weight;
    font.Italic = text.Italic;
    font.Underline = text.Underline;
    font.StrikeOut = text.StrikeOut;
    font.Escapement = escapement;
    font.Color = text.Color;
    return font;
}

} // namespace tessarine
