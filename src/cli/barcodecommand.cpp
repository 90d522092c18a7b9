// The barcode verb: one symbol to a picture or its bar pattern.
#include "clicommon.h"

#include "barcode/encoding.h"
#include "barcode/imagebarcode.h"
#include "barcode/rotate.h"

#include <cstdio>

namespace tessarine::cli {
namespace {

int Barcode(QStringList args)
{
    const bool pattern = TakeFlag(args, QStringLiteral("--pattern"));
    const bool checksum = TakeFlag(args, QStringLiteral("--checksum"));
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const QString type = TakeOption(args, QStringLiteral("--type"));
    const QString data = TakeOption(args, QStringLiteral("--data"));
    const QString modul = TakeOption(args, QStringLiteral("--modul"));
    const QString height = TakeOption(args, QStringLiteral("--height"));
    const QString angle = TakeOption(args, QStringLiteral("--angle"));
    bool ok = true;
    auto number = [&ok](const QString& text, int fallback) {
        if (text.isEmpty())
            return fallback;
        bool good = false;
        const int value = text.toInt(&good);
        ok = ok && good;
        return value;
    };
    const int typ = number(type, -1);
    const int modulValue = number(modul, 1);
    const int heightValue = number(height, 50);
    const int angleValue = number(angle, 0);
    if (!args.isEmpty() || !ok || typ < 0 || typ >= kBarcodeTypeCount || (out.isEmpty() && !pattern))
        return Usage();
    try {
        TImageBarCode renderer;
        renderer.BeginLoading();
        renderer.SetTyp(TBarcodeType(typ));
        renderer.SetChecksum(checksum);
        renderer.SetText(data);
        renderer.SetModul(modulValue);
        renderer.SetBarcodeHeight(heightValue);
        renderer.SetAngle(0);
        renderer.EndLoading();
        if (pattern)
            std::printf("%s\n", EncodeSymbol(TBarcodeType(typ), data, checksum, renderer.CheckSumMethod()).Pattern.c_str());
        if (!out.isEmpty()) {
            const QImage picture = TRotate::Rotate90(angleValue, renderer.Picture().convertToFormat(QImage::Format_RGB888));
            if (!picture.save(out, "PNG"))
                return Fail(QStringLiteral("cannot write %1").arg(out));
        }
    } catch (const EBarcodeError& e) {
        return Fail(e.Message());
    } catch (const EBitmapError& e) {
        return Fail(e.Message());
    }
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("barcode"),
     QStringLiteral("barcode --type N --data TEXT [--checksum] [--modul M] [--height H]\n"
                    "        [--angle A] [--pattern] [-o OUT.png]"),
     Barcode});

} // namespace
} // namespace tessarine::cli
