#pragma once

#include "document/labelrecords.h"

#include <QByteArray>
#include <QPoint>

#include <cstdint>
#include <vector>

namespace tessarine {

class TDesignDocument;

// One label position of a sheet, in millimetres.
struct TThermalCell
{
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// The Row x Column cells of one sheet, row by row, each the size of the document's label
// outline (EditARight - EditALeft by EditABottom - EditATop, millimetres).
std::vector<TThermalCell> ThermalCells(const TLabelLayout& layout, const TDesignDocument& document);

// Object coordinates (96-PPI document pixels) to printer dots for one cell. Every position adds
// the cell's offset on both axes, so the rows of a sheet land on their own rows.
class TDotConverter
{
public:
    TDotConverter(double dotsPerInch, double screenPpi, const TThermalCell& cell);

    double Dpi() const { return m_dpi; }
    // Whole dots.
    int32_t X(int32_t x) const;
    int32_t Y(int32_t y) const;
    int32_t Length(int32_t pixels) const;
    // Half dots, as Datamax positions and box sizes are given.
    int32_t HalfX(int32_t x) const;
    int32_t HalfY(int32_t y) const;
    int32_t HalfLength(int32_t pixels) const;
    // Millimetres of document pixels.
    double Mm(double pixels) const { return pixels * 25.4 / m_ppi; }

private:
    double m_dpi;
    double m_ppi;
    TThermalCell m_cell;
};

// The decimal text of value with "0" in front until it has width characters.
QByteArray Pad(int64_t value, int width);
// The decimal text of value.
QByteArray Dec(int64_t value);

} // namespace tessarine
