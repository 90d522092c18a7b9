#include "barcodedata.h"

#include "barcodeshapes.h"

#include "barcode/imagebarcode.h"
#include "barcode/rotate.h"

namespace tessarine {

namespace {

constexpr int kSymbologyCount = 23;

} // namespace

bool RenderLinearBarcode(TShowBarCode& shape, QString* settledText, QString* error)
{
    const TObjectInfo& info = shape.Info;
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (info.BarCode.Symbology >= kSymbologyCount)
        return fail(QStringLiteral("TBarCode: wrong BarcodeType"));
    QString data;
    if (!NormalizeBarcodeData(info.BarCode.Symbology, info.BarCode.Data, data))
        return fail(QStringLiteral("Barcode must be numeric"));
    try {
        TImageBarCode renderer;
        // Settings first, one rendering at the end.
        renderer.BeginLoading();
        renderer.SetTyp(TBarcodeType(info.BarCode.Symbology));
        renderer.FontName = info.WordInfo.FontName;
        renderer.FontSize = info.WordInfo.Height;
        renderer.SetText(data);
        const int level = info.BarCode.WidthLevel;
        if (level >= 1 && level <= 7)
            renderer.SetBarcodeWidth(95 * (level + 1));
        renderer.SetAngle(0);
        renderer.SetBarcodeHeight(info.BarCode.BarHeight);
        renderer.EndLoading();
        if (renderer.Picture().isNull())
            return fail(QStringLiteral("TBarCode: internal Error"));
        const QImage picture = renderer.Picture().convertToFormat(QImage::Format_RGB888);
        shape.BarBitmap.SetImage(TRotate::Rotate90(info.BarCode.BarAngle, picture));
        if (settledText)
            *settledText = renderer.Text();
        return true;
    } catch (const EBarcodeError& e) {
        return fail(e.Message());
    } catch (const EBitmapError& e) {
        return fail(e.Message());
    }
}

} // namespace tessarine
