#pragma once

#include "barcodepattern.h"
#include "barcodetypes.h"
#include "encoding.h"

#include "platform/tcolor.h"

#include <QString>

#include <functional>

namespace tessarine {

class TCanvas;

// Turns a text into the bars and spaces of one of 23 linear symbologies and paints them.
// Encoding (text to pattern, see encoding.h) and painting (pattern to quadrilaterals, see
// barcodepainter.h) are separate stages; this class holds the properties both read.
// Errors are raised as EBarcodeError.
class TBarCode
{
public:
    TBarCode() = default;

    // Raised after a property changed (see the setters).
    std::function<void()> OnChange;

    int Height() const { return m_height; }
    void SetHeight(int value);
    // Encoding may rewrite it (numeric trimming, UPC padding, check digits); every rewrite is
    // idempotent.
    const QString& Text() const { return m_text; }
    void SetText(const QString& value);
    int Top() const { return m_top; }
    void SetTop(int value);
    int Left() const { return m_left; }
    void SetLeft(int value);
    // Accepts 1..49, and raises OnChange even when the value is unchanged; ignores the rest.
    int Modul() const { return m_modul; }
    void SetModul(int value);
    double Ratio() const { return m_ratio; }
    void SetRatio(double value);
    TBarcodeType Typ() const { return m_typ; }
    void SetTyp(TBarcodeType value);
    bool Checksum() const { return m_checksum; }
    void SetChecksum(bool value);
    // Stored without raising OnChange, like Color and ColorBar.
    TCheckSumMethod CheckSumMethod() const { return m_checkSumMethod; }
    void SetCheckSumMethod(TCheckSumMethod value) { m_checkSumMethod = value; }
    double Angle() const { return m_angle; }
    void SetAngle(double value);
    TBarcodeOption ShowText() const { return m_showText; }
    void SetShowText(TBarcodeOption value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value) { m_color = value; }
    TColor ColorBar() const { return m_colorBar; }
    void SetColorBar(TColor value) { m_colorBar = value; }

    // The total width in pixels of the encoded symbol.
    int Width();
    // Sets Modul to Modul x value / Width (integer division) through SetModul.
    void SetWidth(int value);

    // The symbology's name, "EAN13", "Codebar", ...
    QString TypName() const;

    // The size of the turned symbol: Round(W |sin a| + H |cos a| + 0.5) and
    // Round(W |cos a| + H |sin a| + 0.5).
    int RotatedHeight();
    int RotatedWidth();

    // Computes the width table (clamping Ratio through SetRatio for the symbologies that need
    // it) and encodes Text, which takes the encoder's rewrites.
    TEncodedSymbol Encode();
    // The width table of the last encoding.
    const TWidthTable& Widths() const { return m_widths; }

    // Paints the symbol at (Left, Top), turned by Angle, and the ShowText texts. The canvas's
    // pen, brush and font are left as they were.
    void DrawBarcode(TCanvas& canvas);

    // Copies every property and OnChange, raising nothing.
    void Assign(const TBarCode& source);

private:
    void Changed();

    int m_height = 0;
    QString m_text;
    int m_top = 0;
    int m_left = 0;
    int m_modul = 1;
    double m_ratio = 2.0;
    TBarcodeType m_typ = bcCodeEAN13;
    bool m_checksum = false;
    TCheckSumMethod m_checkSumMethod = csmModulo10;
    double m_angle = 0;
    TBarcodeOption m_showText = bcoNone;
    TColor m_color = clWhite;
    TColor m_colorBar = clBlack;
    TWidthTable m_widths;
};

} // namespace tessarine
