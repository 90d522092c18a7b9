#pragma once

#include "barcodepattern.h"
#include "symbologies.h"

#include "platform/tcolor.h"

#include <QPolygon>
#include <QString>

#include <string_view>
#include <vector>

namespace tessarine {

class TCanvas;

// Where and how a pattern is laid out: the drawing origin, the bar height, the rotation in
// degrees counter-clockwise and the symbology's bar height rule.
struct TPaintGeometry
{
    int Left = 0;
    int Top = 0;
    int Height = 0;
    double Angle = 0;
    TBarHeightRule BarHeight = TBarHeightRule::Fixed97;
};

// One element of the symbol as the quadrilateral that is filled for it.
struct TPaintedElement
{
    QPolygon Corners; // (x, top), (x, bottom), (x + w - 1, bottom), (x + w - 1, top), turned and moved
    bool Bar;         // painted in ColorBar; spaces in Color
};

// The offset that keeps the turned symbol right of and below (Left, Top); width is the
// pattern's total width.
QPoint RotationOffset(double angle, int width, int height);

// Pattern to quadrilaterals; raises "TBarCode: internal Error" for a foreign character.
std::vector<TPaintedElement> LayoutPattern(std::string_view pattern, const TWidthTable& widths,
                                           const TPaintGeometry& geometry);

// Fills every quadrilateral with a one-pixel pen and a solid brush of its colour. The canvas's
// pen and brush are changed.
void PaintElements(TCanvas& canvas, const std::vector<TPaintedElement>& elements, TColor color,
                   TColor colorBar);

// Text at (x, y) on a white box of its extent, the way the symbol's captions and digits are
// written over the bars. Leaves the canvas's brush white.
void OpaqueTextOut(TCanvas& canvas, int x, int y, const QString& text);

} // namespace tessarine
