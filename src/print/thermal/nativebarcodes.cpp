#include "nativebarcodes.h"

#include "barcode/barcodetypes.h"
#include "platform/gbk.h"

#include <array>

namespace tessarine {

namespace {

constexpr std::array<TNativeBarcode, 8> kNativeBarcodes = {{
    {bcCode39, "A", "3C", 128},
    {bcCode128B, "E", "1", 128},
    {bcCode93, "O", "9", 128},
    {bcCodeCodabar, "I", "K", 128},
    {bcCodeEAN128A, "Q", "0", 128},
    {bcCodeEAN8, "G", "E80", 8},
    {bcCodeEAN13, "F", "E30", 12},
    {bcCodeUPC_A, "B", "UA0", 12},
}};

// A WidthLevel of 95 is the encoder's own unit width stored as a level; it prints at width 2.
constexpr int32_t kEncoderWidthLevel = 95;

} // namespace

const TNativeBarcode* NativeBarcode(uint8_t symbology)
{
    for (const TNativeBarcode& native : kNativeBarcodes) {
        if (native.Symbology == symbology)
            return &native;
    }
    return nullptr;
}

QByteArray NativeBarcodeData(const TNativeBarcode& native, const TBarCodes& bars)
{
    return gbk::Encode(bars.Data.left(native.DataCharacters));
}

int32_t DatamaxBarWidth(int32_t widthLevel, double dpi)
{
    if (widthLevel == kEncoderWidthLevel)
        return dpi > 300 ? 3 : 2;
    if (dpi < 200)
        return widthLevel + 1;
    if (dpi <= 300)
        return widthLevel + 2;
    return widthLevel + 3;
}

int32_t ArgoxBarWidth(int32_t widthLevel)
{
    return widthLevel == kEncoderWidthLevel ? 2 : widthLevel + 2;
}

} // namespace tessarine
