#pragma once

#include "document/labelrecords.h"
#include "kwzpreviewplan.h"
#include "platform/tcolor.h"

#include <QWidget>

#include <cstdint>

namespace tessarine {

// The miniature label-stock preview of the page-setup and print dialogs, and the one holder of the
// current layout. Lengths are millimetres; each is kept beside its preview pixel value
// Round(mm * PixelsPerInch / 25.4 / Zoom). Painting reports labels that leave the sheet through
// OnSlopOverMessage.
class TKWZPreView : public QWidget
{
    Q_OBJECT
public:
    explicit TKWZPreView(QWidget* parent = nullptr);

    double Zoom() const { return layout_.Zoom; }
    void SetZoom(double zoom);

    double PageWidth() const { return layout_.PageWidth; }
    void SetPageWidth(double mm);
    double PageHeight() const { return layout_.PageHeight; }
    void SetPageHeight(double mm);
    double MarginLeft() const { return layout_.MarginLeft; }
    void SetMarginLeft(double mm);
    double MarginTop() const { return layout_.MarginTop; }
    void SetMarginTop(double mm);
    double LabelWidth() const { return layout_.LabelWidth; }
    void SetLabelWidth(double mm);
    double LabelHeight() const { return layout_.LabelHeight; }
    void SetLabelHeight(double mm);
    double LabelMarginLeft() const { return layout_.LabelMarginLeft; }
    void SetLabelMarginLeft(double mm);
    double LabelMarginTop() const { return layout_.LabelMarginTop; }
    void SetLabelMarginTop(double mm);

    int16_t Row() const { return layout_.Row; }
    void SetRow(int16_t rows);
    int16_t Column() const { return layout_.Column; }
    void SetColumn(int16_t columns);
    int16_t LabelEllipse() const { return layout_.LabelEllipse; }
    void SetLabelEllipse(int16_t pixels);
    int16_t LabelStart() const { return layout_.LabelStart; }
    void SetLabelStart(int16_t cell);
    int16_t LabelTotal() const { return layout_.LabelTotal; }
    void SetLabelTotal(int16_t cells);
    bool ShowStartEnd() const { return layout_.ShowStartEnd != 0; }
    void SetShowStartEnd(bool show);

    TColor BackGroundColor() const { return layout_.BackGroundColor; }
    void SetBackGroundColor(TColor color);
    TColor LabelColor() const { return layout_.LabelColor; }
    void SetLabelColor(TColor color);
    TColor PrintLabelColor() const { return layout_.PrintLabelColor; }
    void SetPrintLabelColor(TColor color);

    // Every field, as label files store it. Setting applies Zoom first, then the lengths.
    TLabelLayout Layout() const { return layout_; }
    void SetLayout(const TLabelLayout& layout);

    int CellsPerPage() const { return int(layout_.Row) * int(layout_.Column); }

    // Screen resolution the pixel values are computed for; the document's 96 unless changed.
    double PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(double ppi);

    // Preview pixel values of the eight lengths.
    const TPreviewPixels& PixelValues() const { return pixels_; }

    QSize sizeHint() const override;

signals:
    void OnSlopOverMessage(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SetLength(double TLabelLayout::*field, int16_t TPreviewPixels::*pixels, double mm);
    void ApplyLengths();

    TLabelLayout layout_;
    TPreviewPixels pixels_;
    double pixelsPerInch_ = 96.0;
};

} // namespace tessarine
