#pragma once

#include "document/myshape.h"

#include <QPoint>
#include <QVector>

#include <array>

namespace tessarine {

// Puts one label object into a cell of a device for the time of one drawing, in place: its
// zoom-1 vertices become device units (scaled by device units per inch / screen PPI, then
// offset to the cell), and so do the sizes that do not follow the zoom (pen width, corner
// radius, the barcode text gap, a single-line text's font). Everything is put back when the
// placement ends, whatever happened in between, so the document never keeps device values.
class TShapePlacement
{
public:
    // scaleX and scaleY: device units per screen pixel (1 for a screen-pixel page).
    TShapePlacement(TMyShape& shape, QPoint cellTopLeft, double scaleX, double scaleY);
    ~TShapePlacement();
    TShapePlacement(const TShapePlacement&) = delete;
    TShapePlacement& operator=(const TShapePlacement&) = delete;

private:
    TMyShape& m_shape;
    QVector<QPoint> m_points;
    double m_penWidth;
    double m_cornerRadius;
    int32_t m_textGap;
    int32_t m_fontHeight;
    int32_t m_fontWidth;
    // What the shape recorded as "last painted", which a device drawing would overwrite.
    std::array<double, 4> m_paintedPosition{};
};

} // namespace tessarine
