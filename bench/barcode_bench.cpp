// Rendering many barcodes, as printing a run of serial-numbered labels does: every label
// renders each of its barcodes again (a new renderer, a 24-bit picture, a quarter turn).
#include "barcode/encoding.h"
#include "barcode/imagebarcode.h"
#include "barcode/rotate.h"

#include <QString>

#include <benchmark/benchmark.h>

using namespace tessarine;

namespace {

constexpr int kSymbols = 10000;

// Ten characters of Code 128B: a fixed prefix and a serial number.
QString Code128Data(int i)
{
    return QStringLiteral("TS%1").arg(i, 8, 10, QLatin1Char('0'));
}

// Thirteen digits with their check digit.
QString Ean13Data(int i)
{
    return AppendCheckDigit(QStringLiteral("6901234%1").arg(i, 5, 10, QLatin1Char('0')), csmModulo10);
}

// The renderer configured in the order the label's rendering sequence uses: symbology, font,
// text, width, angle, height. Each setter that changes something renders again.
QImage RenderLikeTheLabel(TBarcodeType typ, const QString& data, int width, int angle)
{
    TImageBarCode image;
    image.SetTyp(typ);
    image.FontName = QStringLiteral("宋体");
    image.FontSize = 9;
    image.SetText(data);
    image.SetBarcodeWidth(width);
    image.SetAngle(0);
    image.SetBarcodeHeight(60);
    return TRotate::Rotate90(angle, image.Picture());
}

// The same picture rendered once, with the setters batched.
QImage RenderOnce(TBarcodeType typ, const QString& data, int width, int angle)
{
    TImageBarCode image;
    image.BeginLoading();
    image.SetTyp(typ);
    image.SetText(data);
    image.SetBarcodeWidth(width);
    image.SetBarcodeHeight(60);
    image.EndLoading();
    return TRotate::Rotate90(angle, image.Picture());
}

template <QImage (*Render)(TBarcodeType, const QString&, int, int)>
void Run(benchmark::State& state, TBarcodeType typ, QString (*data)(int), int width)
{
    const int angle = int(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < kSymbols; ++i) {
            const QImage picture = Render(typ, data(i), width, angle);
            if (picture.isNull() || picture.depth() != 24) {
                state.SkipWithError("no picture");
                return;
            }
            benchmark::DoNotOptimize(picture.constBits());
        }
    }
    state.counters["symbols/s"] =
        benchmark::Counter(double(kSymbols) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Code128(benchmark::State& state)
{
    Run<RenderLikeTheLabel>(state, bcCode128B, Code128Data, 190);
}

void BM_Code128_RenderedOnce(benchmark::State& state)
{
    Run<RenderOnce>(state, bcCode128B, Code128Data, 190);
}

void BM_Ean13(benchmark::State& state)
{
    Run<RenderLikeTheLabel>(state, bcCodeEAN13, Ean13Data, 190);
}

void BM_Ean13_RenderedOnce(benchmark::State& state)
{
    Run<RenderOnce>(state, bcCodeEAN13, Ean13Data, 190);
}

// The argument is the quarter turn applied to the finished picture.
BENCHMARK(BM_Code128)->Arg(0)->Arg(90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Code128_RenderedOnce)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ean13)->Arg(0)->Arg(90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Ean13_RenderedOnce)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
