#include "kwzpreview.h"

#include "platform/canvas.h"

#include <QPaintEvent>

#include <algorithm>

namespace tessarine {

namespace {

constexpr TColor kToolTipBackground = TColor(0x80000018u);

} // namespace

TKWZPreView::TKWZPreView(QWidget* parent) : QWidget(parent)
{
    layout_.Zoom = 3.8;
    layout_.PageWidth = 210;
    layout_.PageHeight = 297;
    layout_.MarginLeft = 0;
    layout_.MarginTop = 0;
    layout_.Row = 1;
    layout_.Column = 1;
    layout_.LabelWidth = 60;
    layout_.LabelHeight = 25;
    layout_.LabelMarginLeft = 2;
    layout_.LabelMarginTop = 2;
    layout_.LabelEllipse = 4;
    layout_.LabelStart = 1;
    layout_.LabelTotal = 1;
    layout_.ShowStartEnd = 0;
    layout_.BackGroundColor = kToolTipBackground;
    layout_.LabelColor = 0x00FFFFFF;
    layout_.PrintLabelColor = 0x000000FF;
    ApplyLengths();
}

void TKWZPreView::SetLength(double TLabelLayout::*field, int16_t TPreviewPixels::*pixels, double mm)
{
    layout_.*field = mm;
    pixels_.*pixels = PreviewPixels(mm, pixelsPerInch_, layout_.Zoom);
    setFixedSize(std::max<int>(pixels_.PageWidth, 0), std::max<int>(pixels_.PageHeight, 0));
    update();
}

void TKWZPreView::SetPageWidth(double mm)
{
    SetLength(&TLabelLayout::PageWidth, &TPreviewPixels::PageWidth, mm);
}
void TKWZPreView::SetPageHeight(double mm)
{
    SetLength(&TLabelLayout::PageHeight, &TPreviewPixels::PageHeight, mm);
}
void TKWZPreView::SetMarginLeft(double mm)
{
    SetLength(&TLabelLayout::MarginLeft, &TPreviewPixels::MarginLeft, mm);
}
void TKWZPreView::SetMarginTop(double mm)
{
    SetLength(&TLabelLayout::MarginTop, &TPreviewPixels::MarginTop, mm);
}
void TKWZPreView::SetLabelWidth(double mm)
{
    SetLength(&TLabelLayout::LabelWidth, &TPreviewPixels::LabelWidth, mm);
}
void TKWZPreView::SetLabelHeight(double mm)
{
    SetLength(&TLabelLayout::LabelHeight, &TPreviewPixels::LabelHeight, mm);
}
void TKWZPreView::SetLabelMarginLeft(double mm)
{
    SetLength(&TLabelLayout::LabelMarginLeft, &TPreviewPixels::LabelMarginLeft, mm);
}
void TKWZPreView::SetLabelMarginTop(double mm)
{
    SetLength(&TLabelLayout::LabelMarginTop, &TPreviewPixels::LabelMarginTop, mm);
}

void TKWZPreView::ApplyLengths()
{
    SetPageWidth(layout_.PageWidth);
    SetPageHeight(layout_.PageHeight);
    SetLabelMarginLeft(layout_.LabelMarginLeft);
    SetLabelMarginTop(layout_.LabelMarginTop);
    SetLabelWidth(layout_.LabelWidth);
    SetLabelHeight(layout_.LabelHeight);
    SetMarginLeft(layout_.MarginLeft);
    SetMarginTop(layout_.MarginTop);
}

void TKWZPreView::SetZoom(double zoom)
{
    if (zoom == layout_.Zoom)
        return;
    layout_.Zoom = zoom;
    ApplyLengths();
}

void TKWZPreView::SetPixelsPerInch(double ppi)
{
    if (ppi == pixelsPerInch_)
        return;
    pixelsPerInch_ = ppi;
    ApplyLengths();
}

// These repaint even when nothing changed: a repaint is how the preview re-reports overflow.
void TKWZPreView::SetRow(int16_t rows)
{
    layout_.Row = rows;
    update();
}
void TKWZPreView::SetColumn(int16_t columns)
{
    layout_.Column = columns;
    update();
}
void TKWZPreView::SetLabelEllipse(int16_t pixels)
{
    layout_.LabelEllipse = pixels;
    update();
}
void TKWZPreView::SetLabelStart(int16_t cell)
{
    layout_.LabelStart = cell;
    update();
}
void TKWZPreView::SetLabelTotal(int16_t cells)
{
    layout_.LabelTotal = cells;
    update();
}
void TKWZPreView::SetShowStartEnd(bool show)
{
    layout_.ShowStartEnd = show ? 1 : 0;
    update();
}
void TKWZPreView::SetBackGroundColor(TColor color)
{
    layout_.BackGroundColor = color;
    update();
}
void TKWZPreView::SetLabelColor(TColor color)
{
    layout_.LabelColor = color;
    update();
}
void TKWZPreView::SetPrintLabelColor(TColor color)
{
    layout_.PrintLabelColor = color;
    update();
}

void TKWZPreView::SetLayout(const TLabelLayout& layout)
{
    layout_ = layout;
    ApplyLengths();
}

QSize TKWZPreView::sizeHint() const
{
    return QSize(std::max<int>(pixels_.PageWidth, 0), std::max<int>(pixels_.PageHeight, 0));
}

void TKWZPreView::paintEvent(QPaintEvent*)
{
    const TPreviewPlan plan = PlanPreview(layout_, pixels_);
    TCanvas canvas(this);
    canvas.Brush = TBrush{clBlack, bsSolid};
    canvas.FillRect(plan.Shadow);
    canvas.Brush = TBrush{layout_.BackGroundColor, bsSolid};
    canvas.FillRect(plan.Sheet);

    canvas.Pen = TPen{};
    canvas.Font.Name = font().family();
    canvas.Font.Height = 12;
    canvas.Font.Color = clBlack;
    const TBrush labelBrush{layout_.LabelColor, bsSolid};
    const TBrush printBrush{layout_.PrintLabelColor, bsSolid};
    for (const TPreviewCell& cell : plan.Cells) {
        canvas.Brush = labelBrush;
        canvas.RoundRect(cell.Rect, layout_.LabelEllipse, layout_.LabelEllipse);
        if (cell.PrintNumber == 0)
            continue;
        canvas.Brush = printBrush;
        canvas.RoundRect(cell.Rect, layout_.LabelEllipse, layout_.LabelEllipse);
        canvas.TextOut(cell.Rect.x() + cell.Rect.width() / 2 - 3, cell.Rect.y() + cell.Rect.height() / 2 - 5,
                       QString::number(cell.PrintNumber));
    }
    canvas.End();

    for (const QString& message : plan.Messages)
        emit OnSlopOverMessage(message);
}

} // namespace tessarine
