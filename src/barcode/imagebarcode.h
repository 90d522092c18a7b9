#pragma once

#include "barcode.h"

#include <QImage>
#include <QString>

namespace tessarine {

// Renders one symbol into a 24-bit picture sized to the symbol's turned extent. The properties
// forward to the encoder it owns; every change the encoder reports renders the picture again
// (unless it is being loaded, see BeginLoading). Rendering errors (EBarcodeError) reach the
// caller of the setter that caused them and leave the picture empty.
class TImageBarCode
{
public:
    TImageBarCode();
    TImageBarCode(const TImageBarCode&) = delete;
    TImageBarCode& operator=(const TImageBarCode&) = delete;

    double Angle() const { return m_barcode.Angle(); }
    void SetAngle(double value) { m_barcode.SetAngle(value); }
    int BarcodeHeight() const { return m_barcode.Height(); }
    void SetBarcodeHeight(int value) { m_barcode.SetHeight(value); }
    int BarcodeWidth() { return m_barcode.Width(); }
    void SetBarcodeWidth(int value) { m_barcode.SetWidth(value); }
    bool Checksum() const { return m_barcode.Checksum(); }
    void SetChecksum(bool value) { m_barcode.SetChecksum(value); }
    int Modul() const { return m_barcode.Modul(); }
    void SetModul(int value) { m_barcode.SetModul(value); }
    double Ratio() const { return m_barcode.Ratio(); }
    void SetRatio(double value) { m_barcode.SetRatio(value); }
    TBarcodeOption ShowText() const { return m_barcode.ShowText(); }
    void SetShowText(TBarcodeOption value) { m_barcode.SetShowText(value); }
    const QString& Text() const { return m_barcode.Text(); }
    void SetText(const QString& value) { m_barcode.SetText(value); }
    TBarcodeType Typ() const { return m_barcode.Typ(); }
    void SetTyp(TBarcodeType value) { m_barcode.SetTyp(value); }
    // The encoder stores these three silently; the picture is rendered again here so that it
    // never shows colours or a check digit other than the ones set.
    TCheckSumMethod CheckSumMethod() const { return m_barcode.CheckSumMethod(); }
    void SetCheckSumMethod(TCheckSumMethod value);
    TColor Color() const { return m_barcode.Color(); }
    void SetColor(TColor value);
    TColor ColorBar() const { return m_barcode.ColorBar(); }
    void SetColorBar(TColor value);

    // The host hands over the text font of the barcode object; the picture does not use it.
    QString FontName;
    int FontSize = 0;

    // The rendered symbol (QImage::Format_RGB888), null before the first rendering and after
    // a failed one.
    const QImage& Picture() const { return m_picture; }
    // The control's size: the turned extent, plus 32 pixels of height for symbologies other
    // than EAN-8, EAN-13 and UPC-A.
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Between these two the setters only store; EndLoading renders once.
    void BeginLoading();
    void EndLoading();

    // Re-fits the control to the encoder's extent and renders the picture again.
    void Update();

    const TBarCode& Barcode() const { return m_barcode; }

private:
    void EncoderChanged();
    void Finish(TCanvas& canvas);

    TBarCode m_barcode;
    QImage m_picture;
    int m_width = 0;
    int m_height = 0;
    bool m_updating = false;
    bool m_loading = false;
};

} // namespace tessarine
