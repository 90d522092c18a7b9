#pragma once

#include "document/labelrecords.h"

#include <QRect>
#include <QString>
#include <QVector>

namespace tessarine {

// What one job prints: N different labels, C copies of each, the first going into the
// 1-based cell S of the first sheet.
struct TPrintRun
{
    int Labels = 1;
    int Copies = 1;
    int Start = 1;
};

// The cells of one sheet, Row x Column (0 when either is not positive).
int CellsPerPage(const TLabelLayout& layout);

// The rectangles of the cells of one sheet in device units (dx, dy units per inch), row by
// row, left to right. Each gap and size is rounded on its own and added to the previous edge,
// so the grid lands on whole device units the way the printer addresses them.
QVector<QRect> CellRects(const TLabelLayout& layout, double dx, double dy);

// The sheets a run fills, counting a first sheet that the start cell leaves empty.
int SheetsNeeded(const TLabelLayout& layout, const TPrintRun& run);

// Why a run cannot be printed on this layout, or an empty string when it can. A start past
// the first free sheet would address cells that do not exist, and a grid without cells would
// start new sheets for ever, so both are refused instead.
QString CheckPrintRun(const TLabelLayout& layout, const TPrintRun& run);

} // namespace tessarine
