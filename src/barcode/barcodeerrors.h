#pragma once

#include "barcodetypes.h"

namespace tessarine {

// The encoder's messages, word for word as users have always seen them. "%s" in the old
// texts was the class name, which is fixed.
inline const char* const kBarCodeClassName = "TBarCode";

inline EBarcodeError NotNumericError()
{
    return EBarcodeError(QStringLiteral("Barcode must be numeric"));
}

inline EBarcodeError WrongTypeError()
{
    return EBarcodeError(QStringLiteral("%1: wrong BarcodeType").arg(QLatin1String(kBarCodeClassName)));
}

inline EBarcodeError WrongTypeInCode128Error()
{
    return EBarcodeError(
        QStringLiteral("%1: wrong BarcodeType in Code_128").arg(QLatin1String(kBarCodeClassName)));
}

inline EBarcodeError Code93CharacterError()
{
    return EBarcodeError(QStringLiteral("Sorry! Code93 必须为数字类型"));
}

inline EBarcodeError InternalError()
{
    return EBarcodeError(QStringLiteral("%1: internal Error").arg(QLatin1String(kBarCodeClassName)));
}

// "Invalid Text len (EAN8)" for EAN-8; the same words name the other fixed-length symbologies.
inline EBarcodeError InvalidLengthError(const char* typeName)
{
    return EBarcodeError(QStringLiteral("Invalid Text len (%1)").arg(QLatin1String(typeName)));
}

// A character the symbology's table cannot encode, where skipping it would change the data.
inline EBarcodeError InvalidCharacterError(const char* typeName)
{
    return EBarcodeError(QStringLiteral("Invalid character (%1)").arg(QLatin1String(typeName)));
}

} // namespace tessarine
