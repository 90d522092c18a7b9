#include "thermalgeometry.h"

#include "document/designdocument.h"
#include "platform/round.h"

namespace tessarine {

std::vector<TThermalCell> ThermalCells(const TLabelLayout& layout, const TDesignDocument& document)
{
    const double width = document.EditARight - document.EditALeft;
    const double height = document.EditABottom - document.EditATop;
    std::vector<TThermalCell> cells;
    if (layout.Row <= 0 || layout.Column <= 0)
        return cells;
    cells.reserve(size_t(layout.Row) * size_t(layout.Column));
    double top = layout.MarginTop;
    for (int row = 0; row < layout.Row; ++row) {
        double left = layout.MarginLeft;
        for (int column = 0; column < layout.Column; ++column) {
            cells.push_back({left, top, left + width, top + height});
            left += width + layout.LabelMarginLeft;
        }
        top += height + layout.LabelMarginTop;
    }
    return cells;
}

TDotConverter::TDotConverter(double dotsPerInch, double screenPpi, const TThermalCell& cell)
    : m_dpi(dotsPerInch), m_ppi(screenPpi), m_cell(cell)
{
}

int32_t TDotConverter::X(int32_t x) const
{
    return Round((Mm(x) + m_cell.Left) * m_dpi / 25.4);
}

int32_t TDotConverter::Y(int32_t y) const
{
    return Round((Mm(y) + m_cell.Top) * m_dpi / 25.4);
}

int32_t TDotConverter::Length(int32_t pixels) const
{
    return Round(Mm(pixels) * m_dpi / 25.4);
}

int32_t TDotConverter::HalfX(int32_t x) const
{
    return Round((Mm(x) + m_cell.Left) * m_dpi / 25.4 / 2);
}

int32_t TDotConverter::HalfY(int32_t y) const
{
    return Round((Mm(y) + m_cell.Top) * m_dpi / 25.4 / 2);
}

int32_t TDotConverter::HalfLength(int32_t pixels) const
{
    return Round(Mm(pixels) * m_dpi / 25.4 / 2);
}

QByteArray Dec(int64_t value)
{
    return QByteArray::number(qlonglong(value));
}

QByteArray Pad(int64_t value, int width)
{
    QByteArray text = Dec(value);
    if (text.size() < width)
        text.prepend(QByteArray(width - text.size(), '0'));
    return text;
}

} // namespace tessarine
