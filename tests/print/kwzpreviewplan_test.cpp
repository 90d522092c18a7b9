#include "print/kwzpreviewplan.h"

#include <gtest/gtest.h>

#include <QString>

namespace tessarine {
namespace {

const QString kRight = QString::fromUtf8("警告!Label 右边出界");
const QString kBottom = QString::fromUtf8("警告!Label 下边出界");
const QString kFits = QString::fromUtf8("提示");

// A layout given directly in preview pixels (one millimetre per pixel at 25.4 PPI and zoom 1).
struct Grid
{
    int page_w, page_h, margin_l, margin_t, label_w, label_h, gap_l, gap_t, rows, columns;
};

TLabelLayout LayoutOf(const Grid& g)
{
    TLabelLayout layout;
    layout.Zoom = 1.0;
    layout.PageWidth = g.page_w;
    layout.PageHeight = g.page_h;
    layout.MarginLeft = g.margin_l;
    layout.MarginTop = g.margin_t;
    layout.LabelWidth = g.label_w;
    layout.LabelHeight = g.label_h;
    layout.LabelMarginLeft = g.gap_l;
    layout.LabelMarginTop = g.gap_t;
    layout.Row = int16_t(g.rows);
    layout.Column = int16_t(g.columns);
    return layout;
}

TPreviewPlan Plan(const TLabelLayout& layout)
{
    return PlanPreview(layout, PreviewPixels(layout, 25.4));
}

TEST(PreviewPixels, RoundsHalvesToEven)
{
    struct Case
    {
        double mm, ppi, zoom;
        int pixels;
    };
    // At 127 PPI a millimetre is exactly five pixels, so these lengths land on halves.
    const Case cases[] = {
        {0.5, 127, 1.0, 2},  {1.5, 127, 1.0, 8},  {2.5, 127, 1.0, 12}, {3.5, 127, 1.0, 18},
        {0.25, 127, 0.5, 2}, {0.75, 127, 0.5, 8}, {2.5, 25.4, 1.0, 2}, {3.5, 25.4, 1.0, 4},
        {0.6, 127, 1.0, 3},  {210, 96, 3.8, 209}, {297, 96, 3.8, 295}, {210, 96, 1.2, 661},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreviewPixels(c.mm, c.ppi, c.zoom), c.pixels)
            << c.mm << " mm at " << c.ppi << " / " << c.zoom;
}

TEST(PreviewPixels, ClampsToTheSixteenBitRange)
{
    EXPECT_EQ(PreviewPixels(1e9, 96, 1.0), INT16_MAX);
    EXPECT_EQ(PreviewPixels(-1e9, 96, 1.0), INT16_MIN);
    EXPECT_EQ(PreviewPixels(10, 96, 0.0), INT16_MAX); // a zero zoom must not wrap around
}

TEST(PreviewPlan, DrawsTheShadowAndTheSheet)
{
    const TPreviewPlan plan = Plan(LayoutOf({100, 80, 0, 0, 10, 10, 0, 0, 1, 1}));
    EXPECT_EQ(plan.Size, QSize(100, 80));
    EXPECT_EQ(plan.Shadow, QRect(5, 5, 95, 75));
    EXPECT_EQ(plan.Sheet, QRect(0, 0, 95, 75));
}

TEST(PreviewPlan, PlacesCellsRowByRowAfterTheMarginsAndGaps)
{
    const TPreviewPlan plan = Plan(LayoutOf({100, 100, 3, 4, 20, 10, 5, 6, 2, 3}));
    ASSERT_EQ(plan.Cells.size(), 6u);
    const QPoint expected[] = {{5, 6}, {30, 6}, {55, 6}, {5, 22}, {30, 22}, {55, 22}};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(plan.Cells[i].Rect, QRect(expected[i], QSize(20, 10))) << i;
        EXPECT_EQ(plan.Cells[i].PrintNumber, 0) << i; // the print range is not shown
    }
}

TEST(PreviewPlan, NumbersTheCellsOfThePrintRange)
{
    TLabelLayout layout = LayoutOf({100, 100, 0, 0, 20, 10, 0, 0, 2, 3});
    layout.ShowStartEnd = 1;
    layout.LabelStart = 2;
    layout.LabelTotal = 3;
    const TPreviewPlan plan = Plan(layout);
    std::vector<int> numbers;
    for (const TPreviewCell& cell : plan.Cells)
        numbers.push_back(cell.PrintNumber);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3, 0, 0}));
}

struct OverflowCase
{
    const char* name;
    Grid grid;
    std::vector<QString> messages;
};

class PreviewOverflow : public ::testing::TestWithParam<OverflowCase>
{
};

TEST_P(PreviewOverflow, RaisesTheMessagesInOrder)
{
    const TPreviewPlan plan = Plan(LayoutOf(GetParam().grid));
    EXPECT_EQ(std::vector<QString>(plan.Messages.begin(), plan.Messages.end()), GetParam().messages);
}

// x and y start 2 pixels inside the margins; the checks compare x + label width with the sheet.
INSTANTIATE_TEST_SUITE_P(
    Grids, PreviewOverflow,
    ::testing::Values(
        // After the row x = 2 + 2 * 30 = 62, and 62 + 30 <= 100: the layout has room to spare.
        OverflowCase{"RoomLeft", {100, 100, 0, 0, 30, 40, 0, 0, 2, 2}, {kFits, kFits}},
        // 3 columns of 32 end at 98: x = 98 after the row and 98 + 32 > 100, so nothing is said.
        OverflowCase{"ExactlyFillsTheWidth", {100, 100, 0, 0, 32, 40, 0, 0, 2, 3}, {}},
        // The fourth label of each row ends at 130.
        OverflowCase{"OneLabelTooWide", {100, 100, 0, 0, 32, 40, 0, 0, 2, 4}, {kRight, kRight}},
        // Two labels of each row pass the edge.
        OverflowCase{"TwoLabelsTooWide", {100, 100, 0, 0, 32, 40, 0, 0, 1, 5}, {kRight, kRight}},
        // The third row ends at 2 + 3 * 40 = 122 > 100; its row-end test also fails "fits".
        OverflowCase{"RowBelowTheSheet", {100, 100, 0, 0, 30, 40, 0, 0, 3, 2}, {kFits, kFits, kBottom}},
        // Without drawn columns x stays at the margin: only the row-end tests run.
        OverflowCase{"FiftyColumnsDrawNothing", {100, 100, 0, 0, 30, 40, 0, 0, 2, 50}, {kFits, kFits}},
        OverflowCase{"NoColumnsDrawNothing", {100, 100, 0, 0, 30, 60, 0, 0, 2, 0}, {kFits, kBottom}},
        OverflowCase{"NoRowsSayNothing", {100, 100, 0, 0, 30, 40, 0, 0, 0, 2}, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PreviewPlan, WithFiftyOrMoreColumnsNoLabelIsDrawn)
{
    for (int columns : {50, 51, 500, 0, -3}) {
        const TPreviewPlan plan = Plan(LayoutOf({100, 100, 0, 0, 1, 1, 0, 0, 4, columns}));
        EXPECT_TRUE(plan.Cells.empty()) << columns;
        EXPECT_EQ(plan.Messages.size(), 4) << columns; // one row-end message per row
    }
    EXPECT_EQ(Plan(LayoutOf({100, 100, 0, 0, 1, 1, 0, 0, 4, 49})).Cells.size(), 4u * 49u);
}

} // namespace
} // namespace tessarine
