#include "papersizes.h"

#include <QPageSize>

namespace tessarine {

const std::array<TPaperSize, 69> PaperSizeTable{{
    {0, 0},     {216, 279}, {216, 279},  {279, 432}, {432, 279}, {216, 356}, {140, 216}, {184, 267},
    {297, 420}, {210, 297}, {210, 297},  {148, 210}, {250, 354}, {182, 257}, {216, 330}, {215, 275},
    {254, 356}, {279, 432}, {216, 279},  {98, 225},  {104, 241}, {114, 263}, {120, 279}, {127, 292},
    {431, 558}, {558, 863}, {863, 1117}, {110, 220}, {162, 229}, {324, 458}, {229, 324}, {114, 162},
    {114, 229}, {250, 353}, {176, 250},  {176, 125}, {110, 230}, {98, 190},  {92, 165},  {378, 279},
    {216, 305}, {216, 330}, {250, 353},  {100, 148}, {229, 279}, {254, 279}, {381, 279}, {220, 220},
    {110, 220}, {241, 279}, {241, 305},  {241, 381}, {297, 457}, {235, 322}, {216, 279}, {210, 297},
    {241, 305}, {227, 356}, {305, 487},  {216, 322}, {210, 330}, {148, 210}, {182, 257}, {322, 445},
    {174, 235}, {201, 276}, {420, 594},  {297, 420}, {322, 445},
}};

TPaperSize PaperSizeOf(int code)
{
    if (code < 0 || code >= int(PaperSizeTable.size()))
        return {0, 0};
    return PaperSizeTable[size_t(code)];
}

QSizeF PaperSizeInMillimetres(const QPageSize& pageSize)
{
    const TPaperSize listed = PaperSizeOf(pageSize.windowsId());
    if (listed.Width > 0)
        return QSizeF(listed.Width, listed.Height);
    return pageSize.size(QPageSize::Millimeter);
}

} // namespace tessarine
