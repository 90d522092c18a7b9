#include "celllayout.h"

#include "platform/round.h"

namespace tessarine {

namespace {

int32_t Dots(double millimetres, double perInch)
{
    return Round(perInch * millimetres / 25.4);
}

} // namespace

int CellsPerPage(const TLabelLayout& layout)
{
    if (layout.Row <= 0 || layout.Column <= 0)
        return 0;
    return int(layout.Row) * int(layout.Column);
}

QVector<QRect> CellRects(const TLabelLayout& layout, double dx, double dy)
{
    QVector<QRect> cells;
    cells.reserve(CellsPerPage(layout));
    const int32_t firstLeft = Dots(layout.MarginLeft, dx);
    const int32_t firstRight = Round((layout.MarginLeft + layout.LabelWidth) * dx / 25.4);
    int32_t top = Dots(layout.MarginTop, dy);
    int32_t bottom = Round((layout.MarginTop + layout.LabelHeight) * dy / 25.4);
    for (int row = 0; row < layout.Row; ++row) {
        if (row > 0) {
            top = bottom + Dots(layout.LabelMarginTop, dy);
            bottom = top + Dots(layout.LabelHeight, dy);
        }
        int32_t left = firstLeft;
        int32_t right = firstRight;
        for (int column = 0; column < layout.Column; ++column) {
            if (column > 0) {
                left = right + Dots(layout.LabelMarginLeft, dx);
                right = left + Dots(layout.LabelWidth, dx);
            }
            cells.append(QRect(left, top, right - left, bottom - top));
        }
    }
    return cells;
}

int SheetsNeeded(const TLabelLayout& layout, const TPrintRun& run)
{
    const int perPage = CellsPerPage(layout);
    if (perPage <= 0 || run.Labels <= 0 || run.Copies <= 0)
        return 0;
    const qint64 cells = qint64(run.Start - 1) + qint64(run.Labels) * run.Copies;
    return int((cells + perPage - 1) / perPage);
}

QString CheckPrintRun(const TLabelLayout& layout, const TPrintRun& run)
{
    const int perPage = CellsPerPage(layout);
    if (perPage <= 0)
        return QStringLiteral("标签纸没有标签: 行数和列数至少为 1");
    if (run.Labels < 1 || run.Copies < 1)
        return QStringLiteral("标签数量和标签份数至少为 1");
    if (run.Start < 1 || run.Start > perPage + 1)
        return QStringLiteral("开始位必须在 1 到 %1 之间 (每页 %2 个标签)").arg(perPage + 1).arg(perPage);
    return {};
}

} // namespace tessarine
