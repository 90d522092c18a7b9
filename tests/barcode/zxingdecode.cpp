#include "zxingdecode.h"

#include <ZXing/DecodeHints.h>
#include <ZXing/ImageView.h>
#include <ZXing/ReadBarcode.h>

#include <QPainter>

namespace tessarine::test {

TDecoded Decode(const QImage& image, ZXing::BarcodeFormat format, int quietZone, bool code39Extended)
{
    QImage framed(image.width() + 2 * quietZone, image.height() + 2 * quietZone, QImage::Format_Grayscale8);
    framed.fill(Qt::white);
    {
        QPainter painter(&framed);
        painter.drawImage(quietZone, quietZone, image);
    }
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setTryCode39ExtendedMode(code39Extended);
    const ZXing::ImageView view(framed.constBits(), framed.width(), framed.height(), ZXing::ImageFormat::Lum,
                                int(framed.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    TDecoded decoded;
    decoded.Valid = result.isValid();
    decoded.Format = result.format();
    decoded.Text = result.text();
    return decoded;
}

} // namespace tessarine::test
