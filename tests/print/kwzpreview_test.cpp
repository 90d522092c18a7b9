#include "print/kwzpreview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

namespace tessarine {
namespace {

TEST(KWZPreView, StartsFromItsDocumentedValues)
{
    TKWZPreView preview;
    EXPECT_EQ(preview.Zoom(), 3.8);
    EXPECT_EQ(preview.PageWidth(), 210);
    EXPECT_EQ(preview.PageHeight(), 297);
    EXPECT_EQ(preview.MarginLeft(), 0);
    EXPECT_EQ(preview.MarginTop(), 0);
    EXPECT_EQ(preview.Row(), 1);
    EXPECT_EQ(preview.Column(), 1);
    EXPECT_EQ(preview.LabelWidth(), 60);
    EXPECT_EQ(preview.LabelHeight(), 25);
    EXPECT_EQ(preview.LabelMarginLeft(), 2);
    EXPECT_EQ(preview.LabelMarginTop(), 2);
    EXPECT_EQ(preview.LabelEllipse(), 4);
    EXPECT_EQ(preview.LabelStart(), 1);
    EXPECT_EQ(preview.LabelTotal(), 1);
    EXPECT_FALSE(preview.ShowStartEnd());
    EXPECT_EQ(preview.BackGroundColor(), TColor(0x80000018u));
    EXPECT_EQ(preview.LabelColor(), 0x00FFFFFF);
    EXPECT_EQ(preview.PrintLabelColor(), 0x000000FF);
    EXPECT_EQ(preview.CellsPerPage(), 1);
    // 210 mm at 96 PPI reduced 3.8 times: 209.45 -> 209; 297 mm: 295.4 -> 295.
    EXPECT_EQ(preview.PixelValues().PageWidth, 209);
    EXPECT_EQ(preview.PixelValues().PageHeight, 295);
    EXPECT_EQ(preview.size(), QSize(209, 295));
}

// Each length setter, with its pixel value, checked at a resolution where the lengths land on halves.
struct LengthCase
{
    const char* name;
    void (TKWZPreView::*set)(double);
    double (TKWZPreView::*get)() const;
    int16_t TPreviewPixels::*pixels;
};

class KWZPreViewLength : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(KWZPreViewLength, StoresMillimetresAndRoundsPixelsHalvesToEven)
{
    const LengthCase& c = GetParam();
    TKWZPreView preview;
    preview.SetZoom(1.0);
    preview.SetPixelsPerInch(127); // five pixels a millimetre
    (preview.*c.set)(2.5);
    EXPECT_EQ((preview.*c.get)(), 2.5);
    EXPECT_EQ(preview.PixelValues().*c.pixels, 12); // 12.5 -> 12
    (preview.*c.set)(3.5);
    EXPECT_EQ(preview.PixelValues().*c.pixels, 18); // 17.5 -> 18
    preview.SetZoom(0.5);
    EXPECT_EQ(preview.PixelValues().*c.pixels, 35); // re-applied with the new zoom
    preview.SetZoom(2.0);
    EXPECT_EQ(preview.PixelValues().*c.pixels, 9); // 8.75
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, KWZPreViewLength,
    ::testing::Values(LengthCase{"PageWidth", &TKWZPreView::SetPageWidth, &TKWZPreView::PageWidth,
                                 &TPreviewPixels::PageWidth},
                      LengthCase{"PageHeight", &TKWZPreView::SetPageHeight, &TKWZPreView::PageHeight,
                                 &TPreviewPixels::PageHeight},
                      LengthCase{"MarginLeft", &TKWZPreView::SetMarginLeft, &TKWZPreView::MarginLeft,
                                 &TPreviewPixels::MarginLeft},
                      LengthCase{"MarginTop", &TKWZPreView::SetMarginTop, &TKWZPreView::MarginTop,
                                 &TPreviewPixels::MarginTop},
                      LengthCase{"LabelWidth", &TKWZPreView::SetLabelWidth, &TKWZPreView::LabelWidth,
                                 &TPreviewPixels::LabelWidth},
                      LengthCase{"LabelHeight", &TKWZPreView::SetLabelHeight, &TKWZPreView::LabelHeight,
                                 &TPreviewPixels::LabelHeight},
                      LengthCase{"LabelMarginLeft", &TKWZPreView::SetLabelMarginLeft,
                                 &TKWZPreView::LabelMarginLeft, &TPreviewPixels::LabelMarginLeft},
                      LengthCase{"LabelMarginTop", &TKWZPreView::SetLabelMarginTop,
                                 &TKWZPreView::LabelMarginTop, &TPreviewPixels::LabelMarginTop}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(KWZPreView, ChangingTheZoomResizesTheControlToTheSheet)
{
    TKWZPreView preview;
    preview.SetZoom(1.2);
    EXPECT_EQ(preview.size(), QSize(661, 935)); // 661.4 and 935.4 pixels
    preview.SetPageWidth(100);
    EXPECT_EQ(preview.width(), 315); // 314.96
}

TEST(KWZPreView, LayoutCarriesEveryField)
{
    TLabelLayout layout;
    layout.Zoom = 2.5;
    layout.BackGroundColor = 0x00123456;
    layout.LabelColor = 0x00ABCDEF;
    layout.PrintLabelColor = 0x00FF00FF;
    layout.LabelEllipse = 7;
    layout.PageWidth = 100.25;
    layout.PageHeight = 150.5;
    layout.MarginLeft = 1.5;
    layout.MarginTop = 2.5;
    layout.Row = 4;
    layout.Column = 3;
    layout.LabelWidth = 30.125;
    layout.LabelHeight = 20.75;
    layout.LabelMarginLeft = 1.25;
    layout.LabelMarginTop = 0.5;
    layout.LabelStart = 5;
    layout.LabelTotal = 6;
    layout.ShowStartEnd = 1;

    TKWZPreView preview;
    preview.SetLayout(layout);
    EXPECT_TRUE(preview.Layout() == layout);
    EXPECT_EQ(preview.CellsPerPage(), 12);
    // Pixels follow the new zoom: 100.25 mm * 96 / 25.4 / 2.5 = 151.56.
    EXPECT_EQ(preview.PixelValues().PageWidth, 152);
    EXPECT_EQ(preview.PixelValues().LabelWidth, 46); // 45.54
}

// Painting reports overflow; the grid is sized in millimetres that become whole pixels at 25.4 PPI.
TEST(KWZPreView, PaintingRaisesTheOverflowMessages)
{
    TKWZPreView preview;
    preview.SetPixelsPerInch(25.4);
    preview.SetZoom(1.0);
    TLabelLayout layout = preview.Layout();
    layout.PageWidth = 100;
    layout.PageHeight = 100;
    layout.MarginLeft = 0;
    layout.MarginTop = 0;
    layout.LabelWidth = 32;
    layout.LabelHeight = 40;
    layout.LabelMarginLeft = 0;
    layout.LabelMarginTop = 0;
    layout.Row = 2;
    layout.Column = 4;
    preview.SetLayout(layout);

    QSignalSpy spy(&preview, &TKWZPreView::OnSlopOverMessage);
    preview.grab();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toString(), QString::fromUtf8("警告!Label 右边出界"));

    spy.clear();
    preview.SetColumn(2);
    preview.grab();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toString(), QString::fromUtf8("提示"));
}

TEST(KWZPreView, PaintsTheSheetShadowAndMarkedCells)
{
    TKWZPreView preview;
    preview.SetPixelsPerInch(25.4);
    preview.SetZoom(1.0);
    TLabelLayout layout = preview.Layout();
    layout.PageWidth = 100;
    layout.PageHeight = 80;
    layout.MarginLeft = 0;
    layout.MarginTop = 0;
    layout.LabelWidth = 40;
    layout.LabelHeight = 30;
    layout.LabelMarginLeft = 4;
    layout.LabelMarginTop = 4;
    layout.Row = 2;
    layout.Column = 2;
    layout.LabelEllipse = 0;
    layout.BackGroundColor = 0x00F0FBFF;
    layout.LabelColor = 0x00FFFFFF;
    layout.PrintLabelColor = 0x000000FF;
    layout.ShowStartEnd = 1;
    layout.LabelStart = 4;
    layout.LabelTotal = 1;
    preview.SetLayout(layout);

    const QImage image = preview.grab().toImage();
    ASSERT_EQ(image.size(), QSize(100, 80));
    EXPECT_EQ(image.pixelColor(97, 77), QColor(Qt::black));      // shadow
    EXPECT_EQ(image.pixelColor(1, 1), QColor(0xFF, 0xFB, 0xF0)); // sheet (0x00BBGGRR)
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::white));      // cell 1 inside
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));        // its outline
    EXPECT_EQ(image.pixelColor(50, 40), QColor(Qt::red));        // cell 4 is marked
}

TEST(KWZPreView, SettersOfCountsAndColoursRepaintEvenWhenUnchanged)
{
    TKWZPreView preview;
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QSignalSpy spy(&preview, &TKWZPreView::OnSlopOverMessage);
    QApplication::processEvents();
    spy.clear();
    preview.SetRow(preview.Row());
    QApplication::processEvents();
    EXPECT_GE(spy.count(), 1); // the repaint re-reports the layout
}

} // namespace
} // namespace tessarine
