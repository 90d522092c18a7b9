#include "rotate.h"

#include <cstring>
#include <new>

namespace tessarine {

QImage TRotate::Rotate90(int angle, const QImage& bitmap)
{
    if (bitmap.depth() != 24)
        throw EBitmapError(QStringLiteral("Can Rotate90 only 24-bit bitmap"));
    // Negative angles that are not multiples of 90 are refused too: there is no turn to make.
    if (angle % 90 != 0)
        throw EBitmapError(QStringLiteral("Rotate90:  Angle not positive multiple of 90 degrees"));
    const int quarter = ((angle / 90) % 4 + 4) % 4;

    const int w = bitmap.width();
    const int h = bitmap.height();
    const bool across = quarter % 2 == 1;
    QImage result(across ? h : w, across ? w : h, bitmap.format());
    if (result.isNull())
        throw std::bad_alloc();
    result.setDotsPerMeterX(across ? bitmap.dotsPerMeterY() : bitmap.dotsPerMeterX());
    result.setDotsPerMeterY(across ? bitmap.dotsPerMeterX() : bitmap.dotsPerMeterY());

    uchar* const target = result.bits();
    const qsizetype targetLine = result.bytesPerLine();
    if (quarter == 0) {
        for (int y = 0; y < h; ++y)
            std::memcpy(target + y * targetLine, bitmap.constScanLine(y), size_t(3 * w));
        return result;
    }
    for (int y = 0; y < h; ++y) {
        const uchar* source = bitmap.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            int tx = x;
            int ty = y;
            switch (quarter) {
            case 1: // counter-clockwise
                tx = y;
                ty = w - 1 - x;
                break;
            case 2:
                tx = w - 1 - x;
                ty = h - 1 - y;
                break;
            case 3: // clockwise
                tx = h - 1 - y;
                ty = x;
                break;
            default:
                break;
            }
            std::memcpy(target + ty * targetLine + 3 * tx, source + 3 * x, 3);
        }
    }
    return result;
}

} // namespace tessarine
