#include "kwzpreviewplan.h"

#include "platform/canvas.h"
#include "platform/round.h"

#include <algorithm>

namespace tessarine {

const char* const kLabelBeyondRightEdge = "警告!Label 右边出界";
const char* const kLabelBeyondBottomEdge = "警告!Label 下边出界";
const char* const kLayoutFits = "提示";

int16_t PreviewPixels(double mm, double pixelsPerInch, double zoom)
{
    const int32_t pixels = Round(mm * pixelsPerInch / 25.4 / zoom);
    return int16_t(std::clamp<int32_t>(pixels, INT16_MIN, INT16_MAX));
}

TPreviewPixels PreviewPixels(const TLabelLayout& layout, double pixelsPerInch)
{
    auto px = [&](double mm) { return PreviewPixels(mm, pixelsPerInch, layout.Zoom); };
    TPreviewPixels p;
    p.PageWidth = px(layout.PageWidth);
    p.PageHeight = px(layout.PageHeight);
    p.MarginLeft = px(layout.MarginLeft);
    p.MarginTop = px(layout.MarginTop);
    p.LabelWidth = px(layout.LabelWidth);
    p.LabelHeight = px(layout.LabelHeight);
    p.LabelMarginLeft = px(layout.LabelMarginLeft);
    p.LabelMarginTop = px(layout.LabelMarginTop);
    return p;
}

TPreviewPlan PlanPreview(const TLabelLayout& layout, const TPreviewPixels& p)
{
    TPreviewPlan plan;
    plan.Size = QSize(std::max<int>(p.PageWidth, 0), std::max<int>(p.PageHeight, 0));
    plan.Shadow = GdiRect(5, 5, p.PageWidth, p.PageHeight);
    plan.Sheet = GdiRect(0, 0, p.PageWidth - 5, p.PageHeight - 5);

    // The grid is laid out in int, so long rows of 16-bit lengths cannot wrap around.
    const int firstPrinted = layout.LabelStart;
    const int lastPrinted = int(layout.LabelStart) + int(layout.LabelTotal) - 1;
    const bool drawColumns = layout.Column > 0 && layout.Column < 50;
    int y = p.MarginTop + 2;
    int cell = 1;
    int printNumber = 1;
    for (int row = 0; row < layout.Row; ++row) {
        int x = p.MarginLeft + 2;
        if (drawColumns) {
            for (int column = 0; column < layout.Column; ++column) {
                TPreviewCell drawn;
                drawn.Rect = QRect(x, y, p.LabelWidth, p.LabelHeight);
                if (layout.ShowStartEnd && firstPrinted <= cell && cell <= lastPrinted)
                    drawn.PrintNumber = printNumber++;
                plan.Cells.push_back(drawn);
                ++cell;
                if (x + p.LabelWidth > p.PageWidth)
                    plan.Messages << QString::fromUtf8(kLabelBeyondRightEdge);
                x += p.LabelWidth + p.LabelMarginLeft;
            }
        }
        if (y + p.LabelHeight > p.PageHeight)
            plan.Messages << QString::fromUtf8(kLabelBeyondBottomEdge);
        if (x + p.LabelWidth <= p.PageWidth && y + p.LabelHeight <= p.PageHeight)
            plan.Messages << QString::fromUtf8(kLayoutFits);
        y += p.LabelHeight + p.LabelMarginTop;
    }
    return plan;
}

} // namespace tessarine
