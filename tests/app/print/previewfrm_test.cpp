#include "app/print/previewfrm.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

class PreviewFrmTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.SetMessageHandler([this](const QString& text) { messages << text; });
        QVector<QImage> pages;
        for (int i = 0; i < 3; ++i) {
            QImage page(400, 600, QImage::Format_RGB32);
            page.fill(QColor(i * 100, 0, 0));
            pages.append(page);
        }
        window.SetPages(pages);
    }

    TPreviewFrm window;
    QStringList messages;
};

TEST_F(PreviewFrmTest, OpensOnTheFirstPageAtTheStandardSize)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("标签打印预览"));
    EXPECT_EQ(window.PageIndex(), 0);
    EXPECT_EQ(window.ZoomStep(), 9);
    EXPECT_EQ(window.PagePanel()->size(), QSize(400, 600));
}

TEST_F(PreviewFrmTest, PagingStopsAtBothEndsWithItsNotices)
{
    window.NextPageClick();
    window.NextPageClick();
    EXPECT_EQ(window.PageIndex(), 2);
    window.NextPageClick();
    EXPECT_EQ(window.PageIndex(), 2);
    EXPECT_EQ(messages, QStringList{QStringLiteral("END")});
    window.PriorPageClick();
    EXPECT_EQ(window.PageIndex(), 1) << "the page before the last";
    window.PriorPageClick();
    window.PriorPageClick();
    EXPECT_EQ(window.PageIndex(), 0);
    EXPECT_EQ(messages, (QStringList{QStringLiteral("END"), QStringLiteral("First")}));
}

TEST_F(PreviewFrmTest, ZoomStepsSizeThePanelAndEnableTheButtons)
{
    struct Step
    {
        bool zoomIn; // else zoom out
        int step;
        QSize panel;
        bool zoomInEnabled, zoomOutEnabled;
    };
    const Step steps[] = {
        {true, 10, {600, 900}, true, true},    {true, 11, {800, 1200}, true, true},
        {true, 12, {1200, 1800}, true, true},  {true, 13, {2000, 3000}, true, true},
        {true, 14, {2800, 4200}, true, true},  {true, 15, {4000, 6000}, false, true},
        {false, 14, {2800, 4200}, true, true},
    };
    for (const Step& s : steps) {
        if (s.zoomIn)
            window.ZoomInClick();
        else
            window.ZoomOutClick();
        EXPECT_EQ(window.ZoomStep(), s.step);
        EXPECT_EQ(window.PagePanel()->size(), s.panel) << "step " << s.step;
        EXPECT_EQ(window.ZoomInButton()->isEnabled(), s.zoomInEnabled) << "step " << s.step;
        EXPECT_EQ(window.ZoomOutButton()->isEnabled(), s.zoomOutEnabled) << "step " << s.step;
    }
    for (int i = 0; i < 13; ++i)
        window.ZoomOutClick();
    EXPECT_EQ(window.ZoomStep(), 1);
    EXPECT_EQ(window.PagePanel()->size(), QSize(20, 30)); // 400 x 0.05, 600 x 0.05
    EXPECT_FALSE(window.ZoomOutButton()->isEnabled());
    window.StandardClick();
    EXPECT_EQ(window.ZoomStep(), 9);
    EXPECT_EQ(window.PagePanel()->size(), QSize(400, 600));
    EXPECT_TRUE(window.ZoomInButton()->isEnabled());
    EXPECT_TRUE(window.ZoomOutButton()->isEnabled());
}

TEST_F(PreviewFrmTest, SmallSizesTruncateTowardZero)
{
    for (int i = 0; i < 6; ++i)
        window.ZoomOutClick();
    EXPECT_EQ(window.ZoomStep(), 3);
    EXPECT_EQ(window.PagePanel()->size(), QSize(40, 60));
    window.ZoomOutClick();
    EXPECT_EQ(window.PagePanel()->size(), QSize(28, 42)); // 0.07: 28.000000000000004 and 42.00000000000001
}

TEST_F(PreviewFrmTest, CloseFreesThePagesAndPrintAsksTheDialog)
{
    QSignalSpy print(&window, &TPreviewFrm::PrintRequested);
    window.PrintButton()->click();
    EXPECT_EQ(print.size(), 1);
    window.NextPageClick();
    window.CloseButton()->click();
    EXPECT_EQ(window.PageCount(), 0);
    EXPECT_EQ(window.PageIndex(), 0);
}

} // namespace
} // namespace tessarine
