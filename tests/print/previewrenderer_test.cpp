#include "print/previewrenderer.h"

#include "printfixtures.h"

#include "document/labelfile.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

class PreviewRendererTest : public ::testing::Test
{
protected:
    TLabelLayout layout = test::TwoByTwoLayout();
    TDesignDocument document;
    QVector<QRect> cells = CellRects(layout, 96, 96);

    // A box without an outline fills one pixel less to the right and below, as GDI does.
    QRect BoxInCell(int cell, QRect stored) const
    {
        return QRect(cells[cell].topLeft() + stored.topLeft(), stored.size() - QSize(1, 1));
    }
};

TEST_F(PreviewRendererTest, PagesFollowTheRunAndTheDesignPage)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    struct Case
    {
        TPrintRun run;
        int pages;
    };
    for (const Case& c : {Case{{1, 1, 1}, 1}, Case{{4, 1, 1}, 1}, Case{{5, 1, 1}, 2}, Case{{3, 3, 2}, 3}}) {
        const TPreviewPages preview = RenderPreviewPages(document, layout, c.run);
        EXPECT_TRUE(preview.Message.isEmpty());
        ASSERT_EQ(preview.Pages.size(), c.pages) << c.run.Labels << " x " << c.run.Copies;
        // The design page (A4), not the label stock, sizes the pictures.
        for (const QImage& page : preview.Pages)
            EXPECT_EQ(page.size(), QSize(794, 1123));
    }
}

TEST_F(PreviewRendererTest, AStartAfterTheLastCellLeavesTheFirstPageBlank)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    const TPreviewPages preview = RenderPreviewPages(document, layout, {1, 1, 5});
    ASSERT_EQ(preview.Pages.size(), 2);
    EXPECT_TRUE(test::DarkBounds(preview.Pages[0], preview.Pages[0].rect()).isEmpty());
    EXPECT_EQ(test::DarkBounds(preview.Pages[1], preview.Pages[1].rect()),
              BoxInCell(0, QRect(10, 10, 48, 24)));
}

TEST_F(PreviewRendererTest, CopiesAreAlikeAndTheNextLabelStepsOnTheCopyOnly)
{
    const TShapePtr text = test::AddText(document, QPoint(5, 5), QStringLiteral("0008"), true);
    const QByteArray before = LabelFileBytes(document, layout, {});
    const TPreviewPages preview = RenderPreviewPages(document, layout, {2, 2, 1});
    ASSERT_EQ(preview.Pages.size(), 1);
    const QImage& page = preview.Pages[0];
    const QImage first = page.copy(cells[0]);
    EXPECT_EQ(page.copy(cells[1]), first) << "the second copy differs from the first";
    EXPECT_NE(page.copy(cells[2]), first) << "the second label did not step (0009)";
    EXPECT_EQ(page.copy(cells[3]), page.copy(cells[2]));
    // The document itself is not changed by previewing.
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0008"));
    EXPECT_EQ(LabelFileBytes(document, layout, {}), before);
}

TEST_F(PreviewRendererTest, ObjectsMarkedNotToPrintAreAbsent)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    test::AddBlackBox(document, QRect(100, 10, 48, 24))->Info.NoPrint = true;
    const TPreviewPages preview = RenderPreviewPages(document, layout, {1, 1, 1});
    ASSERT_EQ(preview.Pages.size(), 1);
    EXPECT_EQ(test::DarkBounds(preview.Pages[0], preview.Pages[0].rect()),
              BoxInCell(0, QRect(10, 10, 48, 24)));
}

TEST_F(PreviewRendererTest, LongRunsKeepOnlyTheFirstPages)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    const TPreviewPages preview = RenderPreviewPages(document, layout, {40, 1, 1}, 3);
    EXPECT_EQ(preview.Pages.size(), 3);
    EXPECT_TRUE(preview.Truncated);
    EXPECT_FALSE(RenderPreviewPages(document, layout, {12, 1, 1}, 3).Truncated);
}

TEST_F(PreviewRendererTest, ARefusedRunRendersNothing)
{
    const TPreviewPages preview = RenderPreviewPages(document, layout, {1, 1, 7});
    EXPECT_TRUE(preview.Pages.isEmpty());
    EXPECT_EQ(preview.Message, CheckPrintRun(layout, {1, 1, 7}));
}

} // namespace
} // namespace tessarine
