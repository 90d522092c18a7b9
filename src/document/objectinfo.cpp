#include "objectinfo.h"

#include <cstring>

namespace tessarine {

bool TLogText::operator==(const TLogText& o) const
{
    return Text == o.Text && DC == o.DC && X == o.X && Y == o.Y && FontName == o.FontName &&
           CharSet == o.CharSet && Height == o.Height && Width == o.Width && Color == o.Color &&
           Weight == o.Weight && Underline == o.Underline && StrikeOut == o.StrikeOut && Italic == o.Italic &&
           Format == o.Format;
}

bool TRecordNo::operator==(const TRecordNo& o) const
{
    return SerialKind == o.SerialKind && Step == o.Step && Copies == o.Copies && Decrement == o.Decrement &&
           FixedLength == o.FixedLength && MinLength == o.MinLength && PadSide == o.PadSide &&
           PadChar == o.PadChar && Prefix == o.Prefix && Suffix == o.Suffix;
}

bool TBarCodes::operator==(const TBarCodes& o) const
{
    return BarHeight == o.BarHeight && BarAngle == o.BarAngle && WidthLevel == o.WidthLevel &&
           Symbology == o.Symbology && Data == o.Data && TextGap == o.TextGap && ShowText == o.ShowText;
}

bool TObjectInfo::operator==(const TObjectInfo& o) const
{
    // Doubles compare by bits so a NaN read from a file still equals itself.
    auto sameBits = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    for (int i = 0; i < 4; ++i)
        if (!sameBits(Position[i], o.Position[i]))
            return false;
    return Locked == o.Locked && NoPrint == o.NoPrint && Kind == o.Kind && WordInfo == o.WordInfo &&
           SourceKind == o.SourceKind && FieldName == o.FieldName && RecordNo == o.RecordNo && Angle == o.Angle &&
           ObjectIndex == o.ObjectIndex && BrushColor == o.BrushColor && BrushStyle == o.BrushStyle &&
           PenColor == o.PenColor && PenStyle == o.PenStyle && sameBits(PenWidth, o.PenWidth) &&
           sameBits(CornerRadius, o.CornerRadius) && BarCode == o.BarCode;
}

} // namespace tessarine
