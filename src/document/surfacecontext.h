#pragma once

#include "platform/round.h"
#include "platform/tcolor.h"

#include <QPoint>

#include <cstdint>

namespace tessarine {

enum TUnits : uint8_t { pixel = 0, mm = 1, inch = 2 };

// The values every object of one surface reads while it converts, measures and paints.
// Each surface owns one, so a preview or a command-line render never disturbs another.
struct TSurfaceContext
{
    double Zoom = 1.0;
    double Ratio = 1.0;
    TUnits TheUNIT = mm;
    TColor ColorOfHot = clGray;
    uint8_t ArrowLength = 30;
    float ArrowAngle = 0.17453292f;
    int32_t ArrowCount = 0;
    double FontScale = 1.0;
    bool Printing = false;
    // Document geometry is in 96-PPI pixels on every screen, so files stay interchangeable.
    double PPI = 96.0;

    int32_t ToScreen(int32_t stored) const { return Round(stored * Zoom); }
    int32_t ToStored(int32_t screen) const { return Round(screen / Zoom); }
    QPoint ToScreen(QPoint stored) const { return {ToScreen(stored.x()), ToScreen(stored.y())}; }
    QPoint ToStored(QPoint screen) const { return {ToStored(screen.x()), ToStored(screen.y())}; }
    // Millimetres of a screen length, for read-outs and rectangle positions.
    double ScreenToMm(double screen) const { return screen * Ratio / Zoom * 25.4 / PPI; }
    // Control pixels of a length in millimetres.
    int32_t MmToScreen(double millimetres) const { return Round(millimetres * Zoom * PPI / 25.4); }
};

} // namespace tessarine
