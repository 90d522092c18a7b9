#include "barcode.h"

#include "barcodepainter.h"
#include "symbologies.h"

#include "platform/canvas.h"
#include "platform/round.h"

#include <cmath>

namespace tessarine {

namespace {

// Font size 5 at 96 pixels per inch, given as the em height the way a point size is.
constexpr int32_t kTextFontHeight = -7;

// Setters raise OnChange only for a real change.
template <typename T> bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

double Radians(double degrees)
{
    return degrees / 180.0 * M_PI;
}

} // namespace

void TBarCode::Changed()
{
    if (OnChange)
        OnChange();
}

void TBarCode::SetHeight(int value)
{
    if (Store(m_height, value))
        Changed();
}

void TBarCode::SetText(const QString& value)
{
    if (Store(m_text, value))
        Changed();
}

void TBarCode::SetTop(int value)
{
    if (Store(m_top, value))
        Changed();
}

void TBarCode::SetLeft(int value)
{
    if (Store(m_left, value))
        Changed();
}

void TBarCode::SetModul(int value)
{
    if (value < 1 || value > 49)
        return;
    m_modul = value;
    Changed();
}

void TBarCode::SetRatio(double value)
{
    if (Store(m_ratio, value))
        Changed();
}

void TBarCode::SetTyp(TBarcodeType value)
{
    if (Store(m_typ, value))
        Changed();
}

void TBarCode::SetChecksum(bool value)
{
    if (Store(m_checksum, value))
        Changed();
}

void TBarCode::SetAngle(double value)
{
    if (Store(m_angle, value))
        Changed();
}

void TBarCode::SetShowText(TBarcodeOption value)
{
    if (Store(m_showText, value))
        Changed();
}

TEncodedSymbol TBarCode::Encode()
{
    SetRatio(ClampRatio(m_typ, m_ratio));
    m_widths = MakeWidthTable(m_modul, m_ratio);
    TEncodedSymbol symbol = EncodeSymbol(m_typ, m_text, m_checksum, m_checkSumMethod);
    m_text = symbol.Text;
    return symbol;
}

int TBarCode::Width()
{
    const TEncodedSymbol symbol = Encode();
    return PatternWidth(symbol.Pattern, m_widths);
}

void TBarCode::SetWidth(int value)
{
    const int total = Width();
    if (total > 0)
        SetModul(int(int64_t(m_modul) * value / total));
}

QString TBarCode::TypName() const
{
    return BarcodeTypeName(m_typ);
}

int TBarCode::RotatedHeight()
{
    const double a = Radians(m_angle);
    return Round(Width() * std::fabs(std::sin(a)) + m_height * std::fabs(std::cos(a)) + 0.5);
}

int TBarCode::RotatedWidth()
{
    const double a = Radians(m_angle);
    return Round(Width() * std::fabs(std::cos(a)) + m_height * std::fabs(std::sin(a)) + 0.5);
}

void TBarCode::DrawBarcode(TCanvas& canvas)
{
    const TEncodedSymbol symbol = Encode();
    const TBCdata* row = FindBCdata(m_typ);
    TPaintGeometry geometry;
    geometry.Left = m_left;
    geometry.Top = m_top;
    geometry.Height = m_height;
    geometry.Angle = m_angle;
    geometry.BarHeight = row->BarHeight;
    const std::vector<TPaintedElement> elements = LayoutPattern(symbol.Pattern, m_widths, geometry);

    const TPen pen = canvas.Pen;
    const TBrush brush = canvas.Brush;
    const TFontSpec font = canvas.Font;
    PaintElements(canvas, elements, m_color, m_colorBar);
    if (m_showText != bcoNone) {
        canvas.Font.Height = kTextFontHeight;
        canvas.Pen.Color = clBlack;
        if (m_showText == bcoCode || m_showText == bcoBoth)
            OpaqueTextOut(canvas, m_left, m_top, m_text);
        // The name goes 5.5 font heights below the origin. A point size makes the height
        // negative, and with its sign it would land above the symbol, outside every picture.
        if (m_showText == bcoTyp || m_showText == bcoBoth)
            OpaqueTextOut(canvas, m_left, m_top + Round(std::abs(canvas.Font.Height) * 5.5), TypName());
    }
    canvas.Pen = pen;
    canvas.Brush = brush;
    canvas.Font = font;
}

void TBarCode::Assign(const TBarCode& source)
{
    if (&source == this)
        return;
    *this = source;
}

} // namespace tessarine
