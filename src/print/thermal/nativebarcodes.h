#pragma once

#include "document/objectinfo.h"

#include <QByteArray>

#include <cstdint>

namespace tessarine {

// How Datamax and Argox print a linear barcode natively: the printer's name for the symbology and
// how much of the data it takes. Symbologies without a row are not printed natively.
struct TNativeBarcode
{
    uint8_t Symbology;
    const char* DatamaxType;
    const char* ArgoxType;
    int DataCharacters;
};

// The row for a symbology, or nullptr.
const TNativeBarcode* NativeBarcode(uint8_t symbology);
// The first characters of the barcode's data that the symbology takes, as GBK bytes.
QByteArray NativeBarcodeData(const TNativeBarcode& native, const TBarCodes& bars);

// The module width of the native barcode commands for a WidthLevel at a resolution.
int32_t DatamaxBarWidth(int32_t widthLevel, double dpi);
int32_t ArgoxBarWidth(int32_t widthLevel);

} // namespace tessarine
