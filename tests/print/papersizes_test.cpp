#include "print/papersizes.h"

#include <gtest/gtest.h>

#include <QPageSize>

namespace tessarine {
namespace {

TEST(PaperSizeTable, GivesTheDriversPaperSizes)
{
    struct Case
    {
        int code, width, height;
    };
    const Case cases[] = {
        {0, 0, 0},       {1, 216, 279},  {4, 432, 279},  {9, 210, 297},  {11, 148, 210},
        {26, 863, 1117}, {35, 176, 125}, {39, 378, 279}, {47, 220, 220}, {66, 420, 594},
        {67, 297, 420},  {68, 322, 445}, {69, 0, 0},     {-1, 0, 0},     {256, 0, 0},
    };
    for (const Case& c : cases) {
        const TPaperSize size = PaperSizeOf(c.code);
        EXPECT_EQ(size.Width, c.width) << c.code;
        EXPECT_EQ(size.Height, c.height) << c.code;
    }
    for (int code = 1; code <= 68; ++code)
        EXPECT_GT(PaperSizeOf(code).Width, 0) << code; // every listed code has a size
}

TEST(PaperSizeTable, MapsAChosenPageSizeThroughItsPaperCode)
{
    // Letter is code 1 (216 x 279 in the table, 215.9 x 279.4 in Qt); A4 is 9; A5 is 11.
    EXPECT_EQ(PaperSizeInMillimetres(QPageSize(QPageSize::Letter)), QSizeF(216, 279));
    EXPECT_EQ(PaperSizeInMillimetres(QPageSize(QPageSize::A4)), QSizeF(210, 297));
    EXPECT_EQ(PaperSizeInMillimetres(QPageSize(QPageSize::A5)), QSizeF(148, 210));
}

TEST(PaperSizeTable, KeepsTheSizeOfACustomPaper)
{
    const QPageSize roll(QSizeF(60, 40), QPageSize::Millimeter);
    EXPECT_EQ(PaperSizeInMillimetres(roll), QSizeF(60, 40));
}

} // namespace
} // namespace tessarine
