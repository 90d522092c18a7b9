#include "barcodedata.h"

namespace tessarine {

bool NormalizeBarcodeData(uint8_t symbology, const QString& data, QString& normalized)
{
    int length = 0;
    bool firstWeightIsThree = true;
    switch (symbology) {
    case kSymbologyEAN8: length = 7; break;
    case kSymbologyEAN13: length = 12; firstWeightIsThree = false; break;
    case kSymbologyUPCA: length = 11; break;
    default:
        normalized = data;
        return true;
    }
    QString digits = data;
    if (digits.size() < length)
        digits = QString(length - digits.size(), QLatin1Char('0')) + digits;
    digits.truncate(length);
    int sum = 0;
    for (int i = 0; i < length; ++i) {
        const QChar c = digits[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        const int weight = ((i % 2 == 0) == firstWeightIsThree) ? 3 : 1;
        sum += weight * (c.unicode() - '0');
    }
    normalized = digits + QChar(QLatin1Char('0' + (10 - sum % 10) % 10));
    return true;
}

} // namespace tessarine
