#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/design.h"
#include "document/designdocument.h"
#include "document/textshape.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessarine;

TEST(PageGeometry, NewSurfaceIsA4PortraitAndTurnsToLandscape)
{
    TDesignDocument doc;
    EXPECT_EQ(doc.ControlSize(), QSize(794, 1123));
    EXPECT_EQ(doc.PageStyle(), A4);
    doc.SetPageOrientation(poLandscape);
    EXPECT_EQ(doc.ControlSize(), QSize(1123, 794));
    EXPECT_EQ(doc.PageWidth(), 297u);
    EXPECT_EQ(doc.PageStyle(), A4);
}

TEST(PageGeometry, StyleFollowsTheSize)
{
    const struct
    {
        TPageOrientation orientation;
        uint32_t width;
        uint32_t height;
        TPageStyle style;
    } cases[] = {
        {poPortrait, 297, 420, A3},          {poPortrait, 100, 150, CustomerPage},
        {poPortrait, 182, 257, B5},          {poLandscape, 257, 182, B5},
        {poLandscape, 182, 257, CustomerPage}, {poPortrait, 353, 500, B3},
    };
    for (const auto& c : cases) {
        TDesignDocument doc;
        doc.SetPageOrientation(c.orientation);
        doc.SetPageWidth(c.width);
        doc.SetPageHeight(c.height);
        EXPECT_EQ(doc.PageStyle(), c.style) << c.width << "x" << c.height;
        EXPECT_EQ(doc.ControlSize(), doc.PagePixelSize());
    }
}

TEST(PageGeometry, CustomPageTurnsOnceWithTheOrientation)
{
    TDesignDocument doc;
    doc.SetPageWidth(100);
    doc.SetPageHeight(150);
    doc.SetPageOrientation(poLandscape);
    EXPECT_EQ(doc.PageWidth(), 150u);
    EXPECT_EQ(doc.PageHeight(), 100u);
    doc.SetPageStyle(CustomerPage); // applying again keeps the turned page
    EXPECT_EQ(doc.PageWidth(), 150u);
}

TEST(PageGeometry, ZoomLeavesTheControlSizeUntilThePageIsApplied)
{
    TDesignDocument doc;
    QSignalSpy repaints(&doc, &TDesignDocument::RepaintRequested);
    doc.SetZoom(2.0);
    EXPECT_EQ(doc.ControlSize(), QSize(794, 1123));
    EXPECT_EQ(repaints.count(), 1);
    EXPECT_EQ(doc.PagePixelSize(), QSize(1587, 2245));
    doc.SetPageStyle(doc.PageStyle());
    EXPECT_EQ(doc.ControlSize(), QSize(1587, 2245));
}

TEST(PageGeometry, ResizingTheControlResizesThePage)
{
    TDesignDocument doc;
    QSignalSpy sizes(&doc, &TDesignDocument::ControlSizeChanged);
    doc.ControlResized({559, 794});
    EXPECT_EQ(doc.PageWidth(), 148u);
    EXPECT_EQ(doc.PageHeight(), 210u);
    EXPECT_EQ(doc.PageStyle(), A5);
    EXPECT_EQ(sizes.count(), 1);
}

TEST(Properties, DefaultsAndSetterRules)
{
    TDesignDocument doc;
    EXPECT_EQ(doc.ArrowLength(), 30);
    uint32_t bits;
    const float angle = doc.ArrowAngle();
    std::memcpy(&bits, &angle, 4);
    EXPECT_EQ(bits, 0x3E32B8C2u);
    EXPECT_EQ(doc.ColorOfHot(), clGray);
    EXPECT_EQ(doc.Font.Name, QStringLiteral("宋体"));
    EXPECT_EQ(doc.Font.LogHeight, 11);
    EXPECT_EQ(doc.Pen.Width, 3);
    EXPECT_EQ(doc.Brush.Style, bsClear);

    doc.SetSnapPixels(20); // larger than the 18-pixel grid: ignored
    EXPECT_EQ(doc.SnapPixels(), 4);
    doc.SetSnapPixels(18);
    EXPECT_EQ(doc.SnapPixels(), 18);

    doc.SetClarityObject(false);
    EXPECT_EQ(doc.Brush.Style, bsSolid);
    doc.SetClarityObject(true);
    EXPECT_EQ(doc.Brush.Style, bsClear);

    // Every object of the surface reads the values the setters copy.
    auto box = doc.CreateShapeForTool(SpRectangle);
    doc.SetZoom(3);
    doc.SetTheUNIT(inch);
    EXPECT_EQ(box->Context().Zoom, 3);
    EXPECT_EQ(box->Context().TheUNIT, inch);
}

TEST(Properties, FontSizesTravelAsPoints)
{
    EXPECT_EQ(TDesignDocument::PointsToHeight(9), 12);
    EXPECT_EQ(TDesignDocument::PointsToWidth(9), 6);
    EXPECT_EQ(TDesignDocument::HeightToPoints(12), 9);
    EXPECT_EQ(TDesignDocument::WidthToPoints(6), 8); // 2 x Round(4.5), halves to even
    EXPECT_EQ(TDesignDocument::PointsToHeight(12), 16);
}

TEST(Layers, AddDeleteAndTheCurrentLayer)
{
    TDesignDocument doc;
    EXPECT_EQ(doc.Layers.size(), 1);
    EXPECT_EQ(doc.CurrentLayerId, 0);
    EXPECT_EQ(doc.LayerCounter, 1);
    QSignalSpy added(&doc, &TDesignDocument::OnNewLayer);
    QSignalSpy removed(&doc, &TDesignDocument::OnDeleteLayer);
    EXPECT_EQ(doc.AddLayer(QStringLiteral("Layer0"), true), -1);
    EXPECT_EQ(doc.AddLayer(QStringLiteral("文字"), false), 1);
    EXPECT_EQ(doc.CurrentLayerId, 1);
    ASSERT_EQ(added.count(), 1);
    EXPECT_EQ(added[0][1].toString(), QStringLiteral("文字"));

    auto onLayer1 = doc.CreateShapeForTool(SpRectangle);
    doc.AddNewShape(onLayer1);
    EXPECT_EQ(onLayer1->LayerId, 1);
    EXPECT_FALSE(doc.DeleteLayer(42));
    EXPECT_TRUE(doc.DeleteLayer(1));
    EXPECT_EQ(doc.ShapeCount(), 0);
    EXPECT_EQ(doc.CurrentLayerId, 0);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][2].toBool(), false);

    doc.DeleteAllLayers();
    EXPECT_TRUE(doc.Layers.isEmpty());
    EXPECT_EQ(doc.CurrentLayerId, -1);
    auto orphan = doc.CreateShapeForTool(SpEllipse);
    doc.AddNewShape(orphan);
    EXPECT_EQ(orphan->LayerId, -1);
}

TEST(Objects, AddFindIndexAndClear)
{
    TDesignDocument doc;
    auto a = doc.CreateShapeForTool(SpRectangle);
    auto b = doc.CreateShapeForTool(SpEllipse);
    doc.AddNewShape(a);
    doc.AddNewShape(b);
    b->ShapeID = 0; // two objects with one id: the last one is found
    EXPECT_EQ(doc.NextShapeID, 2);
    EXPECT_EQ(doc.FindShape(0), b);
    EXPECT_EQ(doc.FindShape(-1), nullptr);
    EXPECT_EQ(doc.IndexOfShape(b.get()), 1);
    EXPECT_EQ(a->Canvas, doc.SurfaceCanvas());
    std::weak_ptr<TMyShape> gone = a;
    doc.ClearDocument();
    EXPECT_EQ(doc.ShapeCount(), 0);
    EXPECT_EQ(doc.NextShapeID, 0);
    EXPECT_EQ(doc.IndexOfShape(b.get()), -1);
    a.reset();
    EXPECT_TRUE(gone.expired()); // nothing else held it: freed
}

TEST(Objects, NewObjectsCopyTheSurfaceTemplates)
{
    TDesignDocument doc;
    doc.Pen.Color = clRed;
    doc.Font.Name = QStringLiteral("黑体");
    auto shape = doc.CreateShapeForTool(SpLine);
    EXPECT_EQ(shape->Pen.Color, clRed);
    EXPECT_EQ(shape->Pen.Width, 3);
    EXPECT_EQ(shape->Font.Name, QStringLiteral("黑体"));
    EXPECT_EQ(shape->Font.Charset, GB2312_CHARSET);
    EXPECT_EQ(doc.CreateShapeForTool(SpArc), nullptr);
    EXPECT_EQ(doc.CreateShapeForTool(SpRotating), nullptr);
}

TEST(InsertShape, CountsPointsPerTool)
{
    const QVector<QPoint> two{{0, 0}, {10, 10}};
    const QVector<QPoint> three{{0, 0}, {10, 10}, {20, 0}};
    const struct
    {
        TDrawTool tool;
        QVector<QPoint> points;
        int32_t result;
    } cases[] = {
        {SpLine, {{0, 0}}, isTooFewPoints}, {SpLine, three, isTooManyPoints}, {SpRectangle, two, 0},
        {SpSector, two, isTooFewPoints},    {SpSector, three, 0},             {SpEllipse, three, isTooManyPoints},
        {SpArc, two, isNoObjectForTool},    {SpText, two, 0},
    };
    for (const auto& c : cases) {
        TDesignDocument doc;
        EXPECT_EQ(doc.InsertShape(c.tool, c.points, QString(), QImage()), c.result) << int(c.tool);
        EXPECT_EQ(doc.ShapeCount(), c.result == 0 ? 1 : 0) << int(c.tool);
    }
}

TEST(InsertShape, TextTakesItsSizeFromTheSurfaceFont)
{
    TDesignDocument doc;
    doc.SetZoom(2);
    ASSERT_EQ(doc.InsertShape(SpText, {{10, 20}, {0, 0}}, QStringLiteral("标签ab"), QImage()), 0);
    const TShapePtr text = doc.Shapes.first();
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("标签ab"));
    // Six GBK bytes x LogWidth 9 x zoom 2 = 108; LogHeight 11 x 2 = 22.
    EXPECT_EQ(text->Point(1), QPoint(10 + 108, 20 + 22));
    EXPECT_EQ(text->GroupPrev, -1);
    EXPECT_EQ(text->ShapeID, 0);
}

TEST(InsertShape, PictureStartsAtTheOriginAndIsSelected)
{
    TDesignDocument doc;
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(Qt::red);
    ASSERT_EQ(doc.InsertShape(SpImage, {{300, 300}, {400, 400}}, QString(), picture), 0);
    auto image = std::dynamic_pointer_cast<TKWZImage>(doc.Shapes.first());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Point(0), QPoint(0, 0));
    EXPECT_EQ(image->Point(1), QPoint(64, 48));
    EXPECT_EQ(image->Picture.Width(), 64);
    EXPECT_EQ(doc.SingleSelected(), image);
}

TEST(Pictures, SetPictureAndBarBitmapCheckTheClass)
{
    TDesignDocument doc;
    doc.AddNewShape(doc.CreateShapeForTool(SpImage));
    doc.AddNewShape(doc.CreateShapeForTool(SpRectangle));
    doc.AddNewShape(doc.CreateShapeForTool(SpBarCode));
    doc.AddNewShape(doc.CreateShapeForTool(SpBarCodePDF417));
    const QImage picture(8, 8, QImage::Format_RGB888);
    EXPECT_TRUE(doc.SetPicture(0, picture));
    EXPECT_FALSE(doc.SetPicture(1, picture));
    EXPECT_FALSE(doc.SetPicture(9, picture));
    EXPECT_FALSE(doc.SetBarBitmap(0, picture));
    EXPECT_TRUE(doc.SetBarBitmap(2, picture));
    EXPECT_TRUE(doc.SetBarBitmap(3, picture));
    EXPECT_EQ(std::static_pointer_cast<TShowBarCode>(doc.Shapes[3])->BarBitmap.Width(), 8);
}

TEST(DesignSurface, ControlAndDocumentKeepOneSize)
{
    TDesign surface;
    surface.show();
    EXPECT_EQ(surface.size(), QSize(794, 1123));
    surface.Document().SetPageOrientation(poLandscape);
    EXPECT_EQ(surface.size(), QSize(1123, 794));
    surface.resize(794, 559); // the host resizes the control: the page follows
    EXPECT_EQ(surface.Document().PageStyle(), A5);
    EXPECT_EQ(surface.Document().PageHeight(), 148u);
    EXPECT_EQ(surface.Document().ControlSize(), QSize(794, 559));
}
