#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/lineshapes.h"
#include "document/textshape.h"

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

template <class T>
std::shared_ptr<T> Make(const TSurfaceContext& context, std::initializer_list<QPoint> screenPoints)
{
    auto shape = std::make_shared<T>(&context);
    for (const QPoint& p : screenPoints)
        shape->AddPoint(p);
    return shape;
}

} // namespace

TEST(Vertices, ReadingPastTheEndYieldsOrigin)
{
    TSurfaceContext context;
    auto line = Make<TMyLine>(context, {{5, 6}, {7, 8}});
    EXPECT_EQ(line->Point(1), QPoint(7, 8));
    EXPECT_EQ(line->Point(2), QPoint(0, 0));
    EXPECT_EQ(line->Point(-1), QPoint(0, 0));
}

TEST(Vertices, StoredThroughTheZoom)
{
    TSurfaceContext context;
    context.Zoom = 2.0;
    auto box = Make<TKWZRectangle>(context, {{10, 11}, {13, 20}});
    // 11 / 2 = 5.5 rounds to even 6; 13 / 2 = 6.5 rounds to 6.
    EXPECT_EQ(box->Points[0], QPoint(5, 6));
    EXPECT_EQ(box->Points[1], QPoint(6, 10));
    EXPECT_EQ(box->Point(0), QPoint(10, 12));
}

TEST(Moving, ScreenDeltasRoundHalfToEvenAtZoomTwo)
{
    TSurfaceContext context;
    context.Zoom = 2.0;
    const struct
    {
        int delta;
        int storedMove;
    } cases[] = {{3, 2}, {5, 2}, {7, 4}, {-3, -2}, {4, 2}};
    for (const auto& c : cases) {
        auto box = Make<TKWZRectangle>(context, {{100, 100}, {140, 140}});
        const QPoint before = box->Points[0];
        box->MoveBy(c.delta, 0);
        EXPECT_EQ(box->Points[0].x() - before.x(), c.storedMove) << c.delta;
        box->MoveBetween({0, 0}, {0, c.delta});
        EXPECT_EQ(box->Points[1].y() - 70, c.storedMove) << c.delta;
    }
}

TEST(BoxHandles, FoundAtCornersAndEdgeMidpoints)
{
    TSurfaceContext context;
    auto box = Make<TKWZRectangle>(context, {{10, 20}, {50, 60}});
    const struct
    {
        QPoint at;
        int handle;
    } cases[] = {
        {{10, 20}, 1}, {{50, 20}, 2}, {{50, 60}, 3}, {{10, 60}, 4}, {{30, 20}, 5}, {{10, 40}, 6},
        {{50, 40}, 7}, {{30, 60}, 8}, {{7, 17}, 1},  {{12, 22}, 1}, {{13, 20}, -1}, // right edge exclusive
        {{30, 40}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(box->HitHandle(c.at), c.handle) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(box->HotHandle, c.handle);
    }
}

TEST(BoxHandles, BarcodesOfferOnlyTheEdgeMidpoints)
{
    TSurfaceContext context;
    auto barcode = Make<TShowBarCode>(context, {{10, 20}, {50, 60}});
    EXPECT_EQ(barcode->HitHandle({10, 20}), -1);
    EXPECT_EQ(barcode->HitHandle({50, 60}), -1);
    EXPECT_EQ(barcode->HitHandle({30, 20}), 5);
    EXPECT_EQ(barcode->HitHandle({50, 40}), 7);
    barcode->HotHandle = 3; // a corner drag must not resize a barcode
    barcode->ResizeChangeValue({0, 0}, {5, 5});
    EXPECT_EQ(barcode->Points[1], QPoint(50, 60));
    barcode->HotHandle = 7;
    barcode->ResizeChangeValue({0, 0}, {5, 5});
    EXPECT_EQ(barcode->Points[1], QPoint(55, 60));
}

TEST(BoxResize, EachHandleMovesItsEdges)
{
    TSurfaceContext context;
    const QPoint d(3, 4);
    const struct
    {
        int handle;
        QPoint v0;
        QPoint v1;
    } cases[] = {
        {1, {13, 24}, {50, 60}}, {2, {10, 24}, {53, 60}}, {3, {10, 20}, {53, 64}}, {4, {13, 20}, {50, 64}},
        {5, {10, 24}, {50, 60}}, {6, {13, 20}, {50, 60}}, {7, {10, 20}, {53, 60}}, {8, {10, 20}, {50, 64}},
    };
    for (const auto& c : cases) {
        auto box = Make<TKWZEllipse>(context, {{10, 20}, {50, 60}});
        box->HotHandle = c.handle;
        box->ResizeChangeValue({100, 100}, QPoint(100, 100) + d);
        EXPECT_EQ(box->Points[0], c.v0) << c.handle;
        EXPECT_EQ(box->Points[1], c.v1) << c.handle;
    }
}

TEST(BoxBody, BoxDrawnBackwardsKeepsItsCornersAndStillHits)
{
    TSurfaceContext context;
    auto box = Make<TKWZRectangle>(context, {{50, 60}, {10, 20}});
    EXPECT_EQ(box->Points[0], QPoint(50, 60)); // not normalised
    EXPECT_TRUE(box->HitBody({10, 20}));
    EXPECT_TRUE(box->HitBody({49, 59}));
    EXPECT_FALSE(box->HitBody({50, 59})); // right edge exclusive
    EXPECT_FALSE(box->HitBody({9, 30}));
}

TEST(TextHandles, RotatedTextHasNoHandleOne)
{
    TSurfaceContext context;
    auto text = Make<TKWZText>(context, {{10, 10}, {70, 26}});
    text->TextWidth = 60;
    EXPECT_EQ(text->HitHandle({10, 10}), 1);
    EXPECT_EQ(text->HitHandle({70, 26}), 3);
    EXPECT_EQ(text->HitHandle({40, 10}), 5);
    text->Info.Angle = 90;
    EXPECT_EQ(text->HitHandle({10, 10}), -1);
}

TEST(TextBody, TurnsWithTheAngle)
{
    TSurfaceContext context;
    auto text = Make<TKWZText>(context, {{100, 100}, {160, 116}});
    text->TextWidth = 60;
    const struct
    {
        int angle;
        QPoint inside;
        QPoint outside;
    } cases[] = {
        {0, {150, 110}, {110, 90}},
        {90, {105, 50}, {150, 110}},  // reads bottom to top: the box rises above vertex 0
        {180, {50, 90}, {150, 110}},
        {270, {95, 150}, {105, 50}},
    };
    for (const auto& c : cases) {
        text->Info.Angle = int16_t(c.angle);
        EXPECT_TRUE(text->HitBody(c.inside)) << c.angle;
        EXPECT_FALSE(text->HitBody(c.outside)) << c.angle;
    }
}

TEST(TextResize, DraggingTheRightEdgeWidensTheCharacters)
{
    TSurfaceContext context;
    auto text = Make<TKWZText>(context, {{10, 10}, {70, 26}});
    text->Info.WordInfo.Text = QStringLiteral("ABCDEF");
    text->Info.WordInfo.Width = 10;
    text->Info.WordInfo.Height = 16;
    text->TextWidth = 60;
    text->HotHandle = 7;
    text->ResizeChangeValue({70, 18}, {100, 18});
    EXPECT_EQ(text->Points[1].x(), 100);
    EXPECT_EQ(text->Info.WordInfo.Width, 15); // 90 pixels over six characters
    EXPECT_EQ(text->Info.WordInfo.Height, 16);
}

TEST(TextResize, ChineseCharactersCountTwiceAndEmptyTextKeepsItsWidth)
{
    TSurfaceContext context;
    auto text = Make<TKWZText>(context, {{0, 0}, {40, 16}});
    text->Info.WordInfo.Text = QStringLiteral("标签");
    text->Info.WordInfo.Width = 10;
    text->TextWidth = 40;
    text->HotHandle = 3;
    text->ResizeChangeValue({40, 16}, {80, 36});
    EXPECT_EQ(text->Info.WordInfo.Width, 20); // 80 pixels over four GBK bytes
    EXPECT_EQ(text->Info.WordInfo.Height, 36);

    text->Info.WordInfo.Text.clear();
    text->HotHandle = 8;
    text->ResizeChangeValue({0, 0}, {0, 4});
    EXPECT_EQ(text->Info.WordInfo.Width, 20);
    EXPECT_EQ(text->Info.WordInfo.Height, 40);
}

TEST(TextResize, DraggingTheTopLeftPastTheOtherCornerNormalises)
{
    TSurfaceContext context;
    auto text = Make<TKWZText>(context, {{10, 10}, {30, 20}});
    text->Info.WordInfo.Text = QStringLiteral("ab");
    text->HotHandle = 1;
    text->ResizeChangeValue({10, 10}, {50, 40});
    EXPECT_EQ(text->Points[0], QPoint(30, 20));
    EXPECT_EQ(text->Points[1], QPoint(50, 40));
}

TEST(LineHits, VerticesAndSegments)
{
    TSurfaceContext context;
    auto line = Make<TMyLine>(context, {{0, 0}, {100, 50}, {100, 150}});
    EXPECT_EQ(line->HitHandle({2, 2}), 0);
    EXPECT_EQ(line->HitHandle({108, 58}), 1); // handle reach is HandleSize + 6
    EXPECT_EQ(line->HitHandle({109, 59}), -1);
    const struct
    {
        QPoint p;
        bool hit;
    } cases[] = {
        {{50, 25}, true}, {{50, 29}, true}, {{50, 30}, false}, {{-3, -1}, true}, // grown ends
        {{-6, -3}, false}, {{103, 100}, true}, {{96, 100}, true}, {{105, 100}, false}, {{100, 160}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(line->HitBody(c.p), c.hit) << c.p.x() << "," << c.p.y();
}

TEST(LineRotate, TurnsAboutTheMidpointTowardThePoint)
{
    TSurfaceContext context;
    auto line = Make<TMyLine>(context, {{0, 0}, {100, 0}});
    line->RotateToward({50, 300}); // straight below the midpoint
    EXPECT_EQ(line->Points[0], QPoint(50, 50));
    EXPECT_EQ(line->Points[1], QPoint(50, -50));

    line = Make<TMyLine>(context, {{0, 0}, {100, 0}});
    line->RotateToward({150, -100}); // 45 degrees up and right
    // h = 50, t = 45 degrees: 50 cos t = 35.36
    EXPECT_EQ(line->Points[0], QPoint(85, 35));
    EXPECT_EQ(line->Points[1], QPoint(15, -35));
}

TEST(PolygonResize, MovingAnEndKeepsTheOutlineClosed)
{
    TSurfaceContext context;
    for (int handle : {0, 3}) {
        auto polygon = Make<TMyPolygon>(context, {{0, 0}, {50, 0}, {25, 40}, {0, 0}});
        polygon->HotHandle = handle;
        polygon->ResizeChangeValue({0, 0}, {5, 7});
        EXPECT_EQ(polygon->Points.first(), QPoint(5, 7)) << handle;
        EXPECT_EQ(polygon->Points.last(), QPoint(5, 7)) << handle;
        EXPECT_EQ(polygon->Points[1], QPoint(50, 0));
    }
}

TEST(PolyBezier, IsPickedByItsControlPolygon)
{
    TSurfaceContext context;
    auto bezier = Make<TMyPolyBezier>(context, {{0, 0}, {30, 0}, {60, 0}, {90, 0}});
    EXPECT_TRUE(bezier->HitBody({45, 2}));
    EXPECT_FALSE(bezier->HitBody({45, 20}));
    EXPECT_EQ(bezier->HitHandle({61, 1}), 2);
    bezier->ResizeChangeValue({0, 0}, {0, 10});
    EXPECT_EQ(bezier->Points[2], QPoint(60, 10));
}

TEST(Assign, CopiesEverythingAndShiftsFortyScreenPixels)
{
    for (double zoom : {1.0, 2.0, 0.5}) {
        TSurfaceContext context;
        context.Zoom = zoom;
        auto source = Make<TKWZImage>(context, {{80, 80}, {160, 120}});
        source->ShapeID = 7;
        source->GroupNext = 9;
        source->Info.WordInfo.Text = QStringLiteral("原件");
        source->Font.Charset = 0;
        source->Font.Name = QStringLiteral("黑体");
        source->Pen.Color = clRed;
        source->Picture.SetImage(QImage(4, 3, QImage::Format_RGB888));
        TKWZImage copy(&context);
        copy.Assign(*source);
        EXPECT_EQ(copy.ShapeID, 7);
        EXPECT_EQ(copy.GroupNext, 9);
        EXPECT_EQ(copy.Info, source->Info);
        EXPECT_EQ(copy.Pen.Color, clRed);
        EXPECT_EQ(copy.Font.Name, QStringLiteral("黑体"));
        EXPECT_EQ(copy.Font.Charset, GB2312_CHARSET);
        EXPECT_EQ(copy.Picture.Width(), 4);
        EXPECT_EQ(copy.Point(0), source->Point(0) + QPoint(40, 40)) << zoom;
        EXPECT_EQ(copy.Points[1] - source->Points[1], QPoint(Round(40 / zoom), Round(40 / zoom)));
    }
}

TEST(Assign, BarcodePicturesOnlyBetweenTheSameClass)
{
    TSurfaceContext context;
    TShowBarCodePDF417 pdf(&context);
    pdf.BarBitmap.SetImage(QImage(5, 5, QImage::Format_RGB888));
    TShowBarCode linear(&context);
    linear.Assign(pdf);
    EXPECT_TRUE(linear.BarBitmap.IsEmpty());
    TShowBarCodePDF417 other(&context);
    other.Assign(pdf);
    EXPECT_EQ(other.BarBitmap.Width(), 5);
}

TEST(GetInfo, ReportsKindAndTheStyleOnTheCanvas)
{
    TSurfaceContext context;
    TCanvas canvas;
    auto box = Make<TKWZRectangle>(context, {{0, 0}, {10, 10}});
    box->Canvas = &canvas;
    box->Pen.Color = clRed;
    box->Info.BrushStyle = bsCross;
    box->Info.BrushColor = clBlue;
    box->Info.PenStyle = psDot;
    box->Info.PenWidth = 2.5;
    box->Position = {1, 2, 3, 4};
    box->ApplyStyle(false);
    TObjectInfo info;
    box->GetInfo(info);
    EXPECT_EQ(info.Kind, kindBox);
    EXPECT_EQ(info.BrushStyle, bsCross);
    EXPECT_EQ(info.BrushColor, clBlue);
    EXPECT_EQ(info.PenStyle, psDot);
    EXPECT_EQ(info.PenColor, clRed);
    EXPECT_EQ(info.PenWidth, 2.5);
    EXPECT_EQ(canvas.Pen.Width, 2);
    EXPECT_EQ(info.Position, (std::array<double, 4>{1, 2, 3, 4}));

    // A clear brush printed becomes white; the colour it had on screen is left alone.
    box->Info.BrushStyle = bsClear;
    canvas.Brush.Color = clRed;
    box->ApplyStyle(false);
    EXPECT_EQ(canvas.Brush.Color, clRed);
    box->ApplyStyle(true);
    EXPECT_EQ(canvas.Brush.Color, clWhite);

    const struct
    {
        std::shared_ptr<TMyShape> shape;
        uint8_t kind;
    } kinds[] = {
        {Make<TKWZText>(context, {}), kindText},         {Make<TKWZLinesText>(context, {}), kindLinesText},
        {Make<TShowBarCode>(context, {}), kindBarCode},  {Make<TShowBarCodePDF417>(context, {}), kindBarCodePDF417},
        {Make<TKWZEllipse>(context, {}), kindBox},       {Make<TKWZImage>(context, {}), kindImage},
        {Make<TKWZLine>(context, {}), kindLine},         {Make<TMySector>(context, {}), kindLine},
        {Make<TMyPolygon>(context, {}), kindLine},       {Make<TMyLine>(context, {}), kindNone},
        {Make<TMyPolyBezier>(context, {}), kindNone},
    };
    for (const auto& k : kinds) {
        TObjectInfo fresh;
        k.shape->GetInfo(fresh);
        EXPECT_EQ(fresh.Kind, k.kind) << k.shape->ClassName().toStdString();
    }
}

TEST(MeasureText, UnitsAndFormats)
{
    TSurfaceContext context;
    auto box = Make<TKWZRectangle>(context, {});
    auto line = Make<TMyLine>(context, {});
    context.TheUNIT = mm;
    EXPECT_EQ(box->MeasureText({0, 0}, {96, 48}), QStringLiteral("m=    25.40 mm/n=    12.70mm"));
    EXPECT_EQ(line->MeasureText({0, 0}, {30, 40}), QStringLiteral("    13.23 mm"));
    context.TheUNIT = pixel;
    EXPECT_EQ(box->MeasureText({0, 0}, {96, 48}), QStringLiteral("m=    96.00 pixel(s)/n=    48.00 pixel(s)"));
    context.TheUNIT = inch;
    context.Zoom = 2;
    EXPECT_EQ(box->MeasureText({0, 0}, {96, 48}), QStringLiteral("m=     0.50 in/n=     0.25in"));
    context.Ratio = 2;
    EXPECT_EQ(line->MeasureText({0, 0}, {96, 0}), QStringLiteral("     1.00 in"));
}
