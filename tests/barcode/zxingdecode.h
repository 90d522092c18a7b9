#pragma once

#include <ZXing/BarcodeFormat.h>

#include <QImage>

#include <string>

namespace tessarine::test {

struct TDecoded
{
    bool Valid = false;
    ZXing::BarcodeFormat Format = ZXing::BarcodeFormat::None;
    std::string Text;
};

// Reads one symbol of the given format with zxing-cpp, after framing the picture in a white
// quiet zone of quietZone pixels on every side (our pictures end at the outermost bar).
TDecoded Decode(const QImage& image, ZXing::BarcodeFormat format, int quietZone = 40,
                bool code39Extended = false);

} // namespace tessarine::test
