#pragma once

#include <QSizeF>

#include <array>
#include <cstdint>

class QPageSize;

namespace tessarine {

// Width and height in whole millimetres of a printer driver's paper code.
struct TPaperSize
{
    int16_t Width;
    int16_t Height;
};

// Paper codes 1..68; index 0 stands for code 0, which names no paper.
extern const std::array<TPaperSize, 69> PaperSizeTable;

// The size of a paper code; 0 x 0 for codes the table does not list.
TPaperSize PaperSizeOf(int code);

// A page size chosen in a page-setup dialog, in millimetres: the table's size for its paper code,
// and the page's own size for papers the table does not know (custom sizes above all), so a
// custom paper never turns into a 0 x 0 sheet.
QSizeF PaperSizeInMillimetres(const QPageSize& pageSize);

} // namespace tessarine
