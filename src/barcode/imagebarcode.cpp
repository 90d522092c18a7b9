#include "imagebarcode.h"

#include "barcodepainter.h"

#include "platform/canvas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace tessarine {

namespace {

constexpr int kInitialBarHeight = 50;

// The picture leaves room under the bars except where the finishing below shapes the foot.
int ExtraMargin(TBarcodeType typ)
{
    return typ == bcCodeEAN8 || typ == bcCodeEAN13 || typ == bcCodeUPC_A ? 0 : 32;
}

// White boxes over the foot of the data bars, in Modul-1 coordinates; y runs H-5..H+2.
struct TFootRect
{
    int Left;
    int Right;
};

// EAN-13's finishing by the symbol's total width: fonts (height, width) and texts written at
// y = H - 8 on an opaque white background. A run writes digits First..Last (counted from 1) or
// Blanks blanks.
struct TTextRun
{
    int Font;
    int X;
    int First;
    int Last;
    int Blanks;
};

struct TEan13Finish
{
    int Width;
    std::array<std::array<int, 2>, 2> Fonts;
    int RunCount;
    std::array<TTextRun, 15> Runs;
};

constexpr TTextRun Digits(int font, int x, int first, int last)
{
    return {font, x, first, last, 0};
}

constexpr TTextRun Blanks(int font, int x, int count)
{
    return {font, x, 0, -1, count};
}

constexpr std::array<TEan13Finish, 4> kEan13Finish = {{
    {190,
     {{{15, 12}, {15, 12}}},
     4,
     {{Digits(0, 1, 1, 1), Blanks(0, 25, 1), Digits(0, 26, 2, 7), Digits(0, 115, 8, 13)}}},
    {285,
     {{{20, 11}, {20, 18}}},
     5,
     {{Digits(0, 1, 1, 1), Blanks(1, 30, 1), Digits(1, 35, 2, 7), Blanks(1, 165, 1), Digits(1, 168, 8, 13)}}},
    {380,
     {{{25, 11}, {24, 20}}},
     15,
     {{Digits(0, 1, 1, 1), Blanks(0, 35, 27), Blanks(0, 215, 27), Digits(1, 32, 2, 2), Digits(1, 62, 3, 3),
       Digits(1, 90, 4, 4), Digits(1, 120, 5, 5), Digits(1, 150, 6, 6), Digits(1, 175, 7, 7),
       Digits(1, 215, 8, 8), Digits(1, 245, 9, 9), Digits(1, 275, 10, 10), Digits(1, 305, 11, 11),
       Digits(1, 330, 12, 12), Digits(1, 360, 13, 13)}}},
    {475,
     {{{25, 11}, {25, 22}}},
     15,
     {{Digits(0, 1, 1, 1), Blanks(0, 35, 34), Blanks(0, 260, 35), Digits(1, 35, 2, 2), Digits(1, 74, 3, 3),
       Digits(1, 110, 4, 4), Digits(1, 145, 5, 5), Digits(1, 185, 6, 6), Digits(1, 215, 7, 7),
       Digits(1, 265, 8, 8), Digits(1, 305, 9, 9), Digits(1, 340, 10, 10), Digits(1, 370, 11, 11),
       Digits(1, 400, 12, 12), Digits(1, 430, 13, 13)}}},
}};

constexpr std::array<TFootRect, 2> kEan8Foot = {{{3, 32}, {36, 62}}};
constexpr std::array<TFootRect, 2> kUpcAFoot = {{{11, 45}, {49, 85}}};
constexpr std::array<TFootRect, 2> kEan13NarrowFoot = {{{3, 46}, {50, 92}}};
constexpr int kEan13Narrow = 95;

void WhiteFoot(TCanvas& canvas, const std::array<TFootRect, 2>& rects, int h)
{
    canvas.Pen = TPen{clWhite, psSolid, 1, pmCopy};
    canvas.Brush = TBrush{clWhite, bsSolid};
    for (const TFootRect& r : rects)
        canvas.Rectangle(GdiRect(r.Left, h - 5, r.Right, h + 2));
}

void Ean13Texts(TCanvas& canvas, const TEan13Finish& finish, const QString& digits, int h)
{
    const TFontSpec base = canvas.Font;
    for (int i = 0; i < finish.RunCount; ++i) {
        const TTextRun& run = finish.Runs[size_t(i)];
        TFontSpec font = base;
        font.Height = finish.Fonts[size_t(run.Font)][0];
        font.Width = finish.Fonts[size_t(run.Font)][1];
        font.Weight = 900;
        font.Escapement = 0;
        font.Color = clBlack;
        canvas.Font = font;
        const QString text =
            run.Blanks > 0 ? QString(run.Blanks, u' ') : digits.mid(run.First - 1, run.Last - run.First + 1);
        OpaqueTextOut(canvas, run.X, h - 8, text);
    }
    canvas.Font = base;
}

} // namespace

TImageBarCode::TImageBarCode()
{
    m_barcode.SetHeight(kInitialBarHeight);
    m_barcode.OnChange = [this] { EncoderChanged(); };
}

void TImageBarCode::SetCheckSumMethod(TCheckSumMethod value)
{
    if (value == m_barcode.CheckSumMethod())
        return;
    m_barcode.SetCheckSumMethod(value);
    EncoderChanged();
}

void TImageBarCode::SetColor(TColor value)
{
    if (value == m_barcode.Color())
        return;
    m_barcode.SetColor(value);
    EncoderChanged();
}

void TImageBarCode::SetColorBar(TColor value)
{
    if (value == m_barcode.ColorBar())
        return;
    m_barcode.SetColorBar(value);
    EncoderChanged();
}

void TImageBarCode::BeginLoading()
{
    m_loading = true;
}

void TImageBarCode::EndLoading()
{
    if (!m_loading)
        return;
    m_loading = false;
    Update();
}

void TImageBarCode::EncoderChanged()
{
    if (!m_updating && !m_loading)
        Update();
}

void TImageBarCode::Update()
{
    m_picture = QImage();
    if (!m_loading) {
        // Measuring encodes, and encoding may clamp Ratio, which reports a change.
        m_updating = true;
        try {
            m_height =
                int(std::min<int64_t>(int64_t(m_barcode.RotatedHeight()) + ExtraMargin(m_barcode.Typ()),
                                      std::numeric_limits<int32_t>::max()));
            m_width = m_barcode.RotatedWidth();
        } catch (...) {
            m_updating = false;
            throw;
        }
        m_updating = false;
    }
    m_barcode.SetLeft(0);
    if (m_width <= 0 || m_height <= 0)
        return;
    // Painted in 32 bits, where Qt fills solid spans fastest, and handed out in 24.
    QImage picture(m_width, m_height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        TCanvas canvas(&picture);
        m_barcode.DrawBarcode(canvas);
        Finish(canvas);
    }
    m_picture = picture.convertToFormat(QImage::Format_RGB888);
}

void TImageBarCode::Finish(TCanvas& canvas)
{
    // The boxes and digits are placed for the upright symbol; across a turned one they would
    // wipe out bars.
    if (m_barcode.Angle() != 0)
        return;
    const int h = m_barcode.Height();
    switch (m_barcode.Typ()) {
    case bcCodeEAN8:
        WhiteFoot(canvas, kEan8Foot, h);
        break;
    case bcCodeUPC_A:
        WhiteFoot(canvas, kUpcAFoot, h);
        break;
    case bcCodeEAN13: {
        const TEncodedSymbol symbol = m_barcode.Encode();
        const int width = PatternWidth(symbol.Pattern, m_barcode.Widths());
        if (width == kEan13Narrow) {
            WhiteFoot(canvas, kEan13NarrowFoot, h);
            break;
        }
        for (const TEan13Finish& finish : kEan13Finish) {
            if (finish.Width == width)
                Ean13Texts(canvas, finish, symbol.Data, h);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace tessarine
