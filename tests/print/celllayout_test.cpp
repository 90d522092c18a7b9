#include "print/celllayout.h"

#include "printfixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessarine {
namespace {

struct CellCase
{
    const char* name;
    TLabelLayout layout;
    double dx, dy;
    std::vector<QRect> cells; // QRect(left, top, right - left, bottom - top)
};

QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

TEST(CellRectsTest, EdgesAreRoundedOneLengthAtATime)
{
    // clang-format off
    const std::vector<CellCase> cases = {
        {"300 dpi printer", test::TwoByTwoLayout(), 300, 300,
         {Edges(59, 94, 827, 449), Edges(886, 94, 1654, 449), Edges(59, 496, 827, 850),
          Edges(886, 496, 1654, 850)}},
        {"96 ppi preview", test::TwoByTwoLayout(), 96, 96,
         {Edges(19, 30, 265, 144), Edges(284, 30, 530, 144), Edges(19, 159, 265, 272),
          Edges(284, 159, 530, 272)}},
        {"unequal resolutions", test::TwoByTwoLayout(), 600, 300,
         {Edges(118, 94, 1654, 449), Edges(1772, 94, 3307, 449), Edges(118, 496, 1654, 850),
          Edges(1772, 496, 3307, 850)}},
    };
    // clang-format on
    for (const CellCase& c : cases) {
        const QVector<QRect> cells = CellRects(c.layout, c.dx, c.dy);
        ASSERT_EQ(size_t(cells.size()), c.cells.size()) << c.name;
        for (size_t i = 0; i < c.cells.size(); ++i)
            EXPECT_EQ(cells[int(i)], c.cells[i]) << c.name << " cell " << i + 1;
    }
}

struct RunCase
{
    int row, column;
    TPrintRun run;
    int sheets;
    bool accepted;
};

TEST(PrintRunTest, SheetsAndRefusals)
{
    // clang-format off
    const std::vector<RunCase> cases = {
        {2, 2, {4, 1, 1}, 1, true},
        {2, 2, {5, 1, 1}, 2, true},
        {2, 2, {3, 3, 1}, 3, true},   // nine labels in four cells per sheet
        {2, 2, {1, 1, 5}, 2, true},   // start = cells per page + 1: the first sheet stays empty
        {2, 2, {2, 2, 4}, 2, true},
        {2, 2, {1, 1, 6}, 0, false},  // a start past the first free cell addresses nothing
        {2, 2, {1, 1, 1000}, 0, false},
        {2, 2, {1, 1, 0}, 0, false},
        {2, 2, {0, 1, 1}, 0, false},
        {2, 2, {1, 0, 1}, 0, false},
        {0, 2, {1, 1, 1}, 0, false},  // no cells: a sheet could never be filled
        {3, -1, {1, 1, 1}, 0, false},
        {1, 1, {10000, 10000, 1}, 100000000, true},
    };
    // clang-format on
    for (const RunCase& c : cases) {
        TLabelLayout layout = test::TwoByTwoLayout();
        layout.Row = int16_t(c.row);
        layout.Column = int16_t(c.column);
        const QString why = CheckPrintRun(layout, c.run);
        EXPECT_EQ(why.isEmpty(), c.accepted)
            << c.row << "x" << c.column << " start " << c.run.Start << ": " << why.toStdString();
        if (c.accepted) {
            EXPECT_EQ(SheetsNeeded(layout, c.run), c.sheets) << c.run.Labels << " x " << c.run.Copies;
        }
    }
}

TEST(PrintRunTest, RefusalNamesTheAllowedStarts)
{
    TLabelLayout layout = test::TwoByTwoLayout();
    EXPECT_EQ(CheckPrintRun(layout, {1, 1, 6}), QStringLiteral("开始位必须在 1 到 5 之间 (每页 4 个标签)"));
}

} // namespace
} // namespace tessarine
