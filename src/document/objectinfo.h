#pragma once

#include "platform/tcolor.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tessarine {

// Text and font of a text object, and the font of a barcode's readable text.
struct TLogText
{
    QString Text;
    int32_t DC = 0;  // scratch: the device last painted on
    int32_t X = 0;   // scratch: screen position of the last text output
    int32_t Y = 0;
    QString FontName;
    uint8_t CharSet = 0;
    int32_t Height = 0; // zoom-1 pixels (points while travelling to and from dialogs)
    int32_t Width = 0;  // average character width, zoom-1 pixels
    TColor Color = 0;
    int32_t Weight = 0; // 400 normal, 900 bold
    bool Underline = false;
    bool StrikeOut = false;
    bool Italic = false;
    uint32_t Format = 0; // 0 left, 1 centre, 2 right

    bool operator==(const TLogText&) const;
};

// Serial-number settings; their meaning belongs to serial stepping.
struct TRecordNo
{
    QString SerialKind;
    int32_t Step = 0;
    int32_t Copies = 0;
    uint8_t Decrement = 0;
    uint8_t FixedLength = 0;
    int32_t MinLength = 0;
    uint8_t PadSide = 0;
    QString PadChar;
    QString Prefix;
    QString Suffix;

    bool operator==(const TRecordNo&) const;
};

// Linear barcode settings.
struct TBarCodes
{
    int32_t BarHeight = 0;
    int32_t BarAngle = 0;
    int32_t WidthLevel = 0; // 1..7: encoder width 95 x (level + 1)
    uint8_t Symbology = 0;
    QString Data;
    int32_t TextGap = 0;
    bool ShowText = false;

    bool operator==(const TBarCodes&) const;
};

// Where a text or barcode gets its content.
enum TSourceKind : uint8_t {
    skTyped = 0,
    skDatabaseField = 3,
    skSerial = 5,
};

// The properties record of every label object: what dialogs, files, variable data and
// printer-language generators exchange.
struct TObjectInfo
{
    bool Locked = false;
    bool NoPrint = false;
    uint8_t Kind = 0;
    TLogText WordInfo;
    uint8_t SourceKind = 0;
    QString FieldName;
    TRecordNo RecordNo;
    int16_t Angle = 0;
    int32_t ObjectIndex = 0;
    TColor BrushColor = 0;
    uint8_t BrushStyle = 0;
    TColor PenColor = 0;
    uint8_t PenStyle = 0;
    double PenWidth = 0;
    double CornerRadius = 0;
    TBarCodes BarCode;
    std::array<double, 4> Position{};

    bool operator==(const TObjectInfo&) const;
};

// Kind codes reported by GetInfo.
enum TObjectKind : uint8_t {
    kindNone = 0,
    kindText = 1,
    kindLinesText = 2,
    kindBarCode = 3,
    kindBarCodePDF417 = 4,
    kindBox = 5,
    kindImage = 6,
    kindLine = 7,
};

} // namespace tessarine
