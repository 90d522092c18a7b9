#pragma once

#include "document/labelrecords.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace tessarine {

// The eight layout lengths in preview pixels.
struct TPreviewPixels
{
    int16_t PageWidth = 0;
    int16_t PageHeight = 0;
    int16_t MarginLeft = 0;
    int16_t MarginTop = 0;
    int16_t LabelWidth = 0;
    int16_t LabelHeight = 0;
    int16_t LabelMarginLeft = 0;
    int16_t LabelMarginTop = 0;
};

// Round(mm * pixelsPerInch / 25.4 / zoom), clamped to the 16-bit range the pixel values live in.
int16_t PreviewPixels(double mm, double pixelsPerInch, double zoom);
TPreviewPixels PreviewPixels(const TLabelLayout& layout, double pixelsPerInch);

// One drawn label of the preview.
struct TPreviewCell
{
    QRect Rect;          // right and bottom exclusive
    int PrintNumber = 0; // 1.. for the cells of the print range when they are marked, else 0
};

// What one painting of the preview draws and reports, worked out without a device so the rules
// can be checked on their own.
struct TPreviewPlan
{
    QSize Size;   // the control's size: the sheet in pixels
    QRect Shadow; // black, offset by 5 pixels
    QRect Sheet;  // in the sheet colour
    std::vector<TPreviewCell> Cells;
    QStringList Messages; // in the order they are raised
};

extern const char* const kLabelBeyondRightEdge;  // "警告!Label 右边出界"
extern const char* const kLabelBeyondBottomEdge; // "警告!Label 下边出界"
extern const char* const kLayoutFits;            // "提示"

TPreviewPlan PlanPreview(const TLabelLayout& layout, const TPreviewPixels& pixels);

} // namespace tessarine
