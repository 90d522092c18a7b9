#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

class TShowBarCode;

// Symbology ordinals that get a computed check digit before encoding.
constexpr uint8_t kSymbologyEAN8 = 13;
constexpr uint8_t kSymbologyEAN13 = 14;
constexpr uint8_t kSymbologyUPCA = 15;

// Prepares barcode data for the encoder: EAN-8, EAN-13 and UPC-A data is padded with leading
// zeros (or cut) to its length and gets its check digit; other symbologies pass unchanged.
// False when the data holds a non-digit where digits are needed.
bool NormalizeBarcodeData(uint8_t symbology, const QString& data, QString& normalized);

// Renders the object's symbol from its Info into BarBitmap: the normalised data through the
// encoder at the width of its level, turned by BarAngle. False leaves the previous picture and
// puts the encoder's message in *error; *settledText is the text the encoder settled on.
bool RenderLinearBarcode(TShowBarCode& shape, QString* settledText = nullptr, QString* error = nullptr);

} // namespace tessarine
