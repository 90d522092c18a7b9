#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/design.h"
#include "document/lineshapes.h"
#include "document/rulerpanel.h"
#include "document/surfacepainter.h"
#include "document/textshape.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

const QString kReferences = QStringLiteral(TESSARINE_FIXTURES "/render");

TShapePtr Add(TDesignDocument& doc, TDrawTool tool, std::initializer_list<QPoint> points)
{
    TShapePtr shape = doc.CreateShapeForTool(tool);
    for (const QPoint& p : points)
        shape->AddPoint(p);
    TObjectInfo info;
    shape->GetInfo(info);
    shape->Info = info;
    shape->Info.BrushStyle = bsClear;
    shape->Info.PenWidth = 1;
    shape->Pen.Color = clBlack;
    doc.AddNewShape(shape);
    return shape;
}

TShapePtr AddText(TDesignDocument& doc, TDrawTool tool, QPoint a, QPoint b, const QString& text, int points)
{
    TShapePtr shape = Add(doc, tool, {a, b});
    TLogText& w = shape->Info.WordInfo;
    w.Text = text;
    w.FontName = QStringLiteral("宋体");
    w.CharSet = GB2312_CHARSET;
    w.Height = TDesignDocument::PointsToHeight(points);
    w.Width = TDesignDocument::PointsToWidth(points);
    w.Color = clBlack;
    w.Weight = 400;
    return shape;
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Dark pixels inside rect.
int DarkCount(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.rect().contains(x, y) && IsDark(image.pixel(x, y)))
                ++count;
    return count;
}

// The bounding box of dark pixels, leaving out the surface's outline on its last row and column.
QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x)
            if (IsDark(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage Render(TDesignDocument& doc, QSize size = {400, 300})
{
    doc.ControlResized(size);
    doc.EditALeft = 0; // no label area: the background shows everywhere
    doc.EditATop = 0;
    doc.EditARight = 0;
    doc.EditABottom = 0;
    return RenderSurface(doc);
}

// Share of pixels differing by more than a small amount.
double Difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 1.0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 48)
                ++differing;
    return double(differing) / (a.width() * a.height());
}

} // namespace

TEST(Drawing, RectangleCornersFollowTheRadius)
{
    for (int radius : {0, 30}) {
        TDesignDocument doc;
        TShapePtr box = Add(doc, SpRectangle, {{50, 50}, {250, 200}});
        box->Info.CornerRadius = radius;
        const QImage image = Render(doc);
        EXPECT_EQ(IsDark(image.pixel(50, 50)), radius == 0) << radius;
        EXPECT_TRUE(IsDark(image.pixel(150, 50))) << radius;
        // Position: left, top, width, height in millimetres.
        EXPECT_NEAR(std::static_pointer_cast<TKWZRectangle>(box)->Position[2], 200 * 25.4 / 96, 1e-9);
    }
}

TEST(Drawing, ClearBrushShowsTheBackground)
{
    TDesignDocument doc;
    doc.SetColorOfBackGround(RGBColor(0, 128, 0));
    TShapePtr clear = Add(doc, SpRectangle, {{20, 20}, {120, 120}});
    TShapePtr solid = Add(doc, SpEllipse, {{200, 20}, {300, 120}});
    solid->Info.BrushStyle = bsSolid;
    solid->Info.BrushColor = clRed;
    const QImage image = Render(doc);
    EXPECT_EQ(image.pixel(70, 70), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(250, 70), qRgb(255, 0, 0));
}

TEST(Drawing, ArrowHeadsGrowWithZoomButPensDoNot)
{
    for (double zoom : {1.0, 2.0}) {
        TDesignDocument doc;
        doc.SetZoom(zoom);
        doc.SetArrowCount(1);
        Add(doc, SpLine, {{20, 100}, {380, 100}});
        const QImage image = Render(doc);
        const int headLength = Round(30 * zoom);
        // The head spreads around the tip over its length; the shaft before it is one pixel.
        EXPECT_GT(DarkCount(image, QRect(380 - headLength + 3, 96, 4, 9)), 4) << zoom;
        EXPECT_EQ(DarkCount(image, QRect(380 - headLength - 8, 90, 4, 21)), 4) << zoom;
        const QPolygon head = TMyLine::ArrowHead({380, 100}, {20, 100}, headLength, doc.ArrowAngle());
        EXPECT_EQ(head.boundingRect().left(), Trunc(380 - headLength * std::cos(doc.ArrowAngle())));
    }
}

TEST(Drawing, ArrowHeadsOnlyAtTheEnds)
{
    TDesignDocument doc;
    doc.SetArrowCount(2);
    Add(doc, SpLine, {{50, 50}, {200, 50}, {200, 250}});
    const QImage image = Render(doc);
    EXPECT_GT(DarkCount(image, QRect(52, 46, 10, 9)), 10);    // at vertex 0
    EXPECT_GT(DarkCount(image, QRect(196, 235, 9, 10)), 10);  // at vertex 2
    EXPECT_LE(DarkCount(image, QRect(180, 46, 16, 3)), 0);    // none at the corner
    doc.SetArrowCount(0);
    EXPECT_LE(DarkCount(Render(doc), QRect(52, 46, 10, 3)), 0);
}

TEST(Drawing, ArrowLengthIsKeptToEightBits)
{
    const QPolygon head = TMyLine::ArrowHead({0, 0}, {-500, 0}, (30 * 10) & 0xFF, 0.17453292f);
    EXPECT_EQ(head.boundingRect().width(), Trunc(44 * std::cos(0.17453292)) + 1);
}

TEST(Drawing, TextTurnsAboutVertexZero)
{
    TDesignDocument doc;
    TShapePtr text = AddText(doc, SpText, {150, 200}, {230, 216}, QStringLiteral("ABCD"), 12);
    text->Info.Angle = 90;
    const QImage image = Render(doc);
    const QRect ink = InkBox(image);
    auto* shape = static_cast<TKWZText*>(text.get());
    ASSERT_GT(shape->TextWidth, 20);
    // Reading bottom to top: the text rises above vertex 0 and its cell lies to the right.
    EXPECT_GE(ink.left(), 149);
    EXPECT_LE(ink.bottom(), 201);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_NEAR(ink.top(), 200 - shape->TextWidth, 4);
}

TEST(Drawing, TextFontScalesWithZoomAndStoredSizesStay)
{
    int heights[2] = {};
    for (int i : {0, 1}) {
        TDesignDocument doc;
        doc.SetZoom(i + 1);
        TShapePtr text = AddText(doc, SpText, {10, 10}, {50, 26}, QStringLiteral("标签"), 12);
        Render(doc);
        heights[i] = static_cast<TKWZText&>(*text).TextHeight;
        EXPECT_EQ(text->Info.WordInfo.Height, 16);
        EXPECT_EQ(text->Info.WordInfo.X, 10); // vertices were given in screen pixels
    }
    EXPECT_NEAR(heights[1], 2 * heights[0], 1);
}

TEST(Drawing, PrintingKeepsTheScaledTextSize)
{
    TDesignDocument doc;
    doc.SetZoom(2);
    doc.SetPrinting(true);
    TShapePtr text = AddText(doc, SpText, {10, 10}, {50, 26}, QStringLiteral("ab"), 12);
    Render(doc);
    EXPECT_EQ(text->Info.WordInfo.Height, 32);
}

TEST(Drawing, PictureDrawnBackwardsIsNotMirrored)
{
    TDesignDocument doc;
    TShapePtr image = Add(doc, SpImage, {{300, 200}, {100, 50}});
    QImage picture(2, 1, QImage::Format_RGB888);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    static_cast<TKWZImage&>(*image).Picture.SetImage(picture);
    const QImage surface = Render(doc);
    EXPECT_EQ(surface.pixel(120, 120), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(280, 120), qRgb(0, 0, 255));
}

TEST(Drawing, BarcodePicturesStretchMirroredWhenDrawnBackwards)
{
    TDesignDocument doc;
    TShapePtr barcode = Add(doc, SpBarCode, {{300, 150}, {100, 50}});
    QImage picture(2, 1, QImage::Format_RGB888);
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(255, 255, 255));
    static_cast<TShowBarCode&>(*barcode).BarBitmap.SetImage(picture);
    const QImage surface = Render(doc);
    EXPECT_TRUE(IsDark(surface.pixel(280, 100)));
    EXPECT_FALSE(IsDark(surface.pixel(120, 100)));
}

TEST(Drawing, Code39TextIsFramedByAsterisksAtEveryAngle)
{
    for (int angle : {0, 90, 180, 270}) {
        TDesignDocument doc;
        TShapePtr barcode = AddText(doc, SpBarCode, {150, 100}, {250, 140}, QString(), 12);
        barcode->Info.BarCode.Symbology = 3;
        barcode->Info.BarCode.Data = QStringLiteral("ABC");
        barcode->Info.BarCode.ShowText = true;
        barcode->Info.Angle = int16_t(angle);
        const QImage surface = Render(doc);
        const QRect ink = InkBox(surface);
        ASSERT_FALSE(ink.isNull()) << angle;
        // Five characters: the text is as long as "*ABC*" measures, along its direction.
        const int along = angle % 180 == 0 ? ink.width() : ink.height();
        EXPECT_GT(along, 5 * 6) << angle;
        barcode->Info.BarCode.ShowText = false;
        EXPECT_TRUE(InkBox(Render(doc)).isNull()) << angle;
    }
}

TEST(Drawing, Ean13DigitsStartOneCharacterLeftOfTheBox)
{
    TDesignDocument doc;
    TShapePtr barcode = AddText(doc, SpBarCode, {100, 100}, {300, 160}, QString(), 12);
    barcode->Info.BarCode.Symbology = 14;
    barcode->Info.BarCode.Data = QStringLiteral("6901234567892");
    barcode->Info.BarCode.ShowText = true;
    const QImage surface = Render(doc);
    const QRect ink = InkBox(surface);
    const int c = 8; // average width of a 12-point digit
    EXPECT_NEAR(ink.left(), 100 - c, 3);
    EXPECT_GE(ink.right(), 300); // the ">" stands at the right edge
}

TEST(Drawing, XorOutlinesEraseThemselves)
{
    TDesignDocument doc;
    TShapePtr box = Add(doc, SpRectangle, {{50, 50}, {150, 120}});
    TShapePtr line = Add(doc, SpLine, {{10, 10}, {200, 150}});
    TShapePtr polygon = Add(doc, SpPolygon, {{20, 200}, {100, 180}, {60, 260}, {20, 200}});
    TShapePtr text = AddText(doc, SpText, {200, 200}, {260, 216}, QStringLiteral("text"), 12);
    QImage screen = Render(doc);
    doc.AddToSelection(box);
    doc.AddToSelection(line);
    doc.AddToSelection(polygon);
    doc.AddToSelection(text);
    const QImage before = screen.copy();
    TCanvas canvas(&screen);
    for (const TShapePtr& shape : doc.Shapes)
        shape->Canvas = &canvas;
    polygon->HotHandle = 0;
    box->HotHandle = 3;
    auto all = [&] {
        for (const TShapePtr& shape : doc.Shapes) {
            shape->DrawHot();
            shape->Drawing({5, 5}, {60, 40});
            shape->Draging({0, 0}, {13, 7});
            shape->Sizing({0, 0}, {9, -4});
            shape->RotatingPreview({300, 20});
        }
    };
    all();
    EXPECT_NE(screen, before);
    all();
    EXPECT_EQ(screen, before);
    for (const TShapePtr& shape : doc.Shapes)
        shape->Canvas = doc.SurfaceCanvas();
}

TEST(Drawing, MatchesTheReferencePictures)
{
    for (double zoom : {1.0, 2.0}) {
        TDesignDocument doc;
        doc.SetArrowCount(2);
        doc.SetColorOfBackGround(clBackground);
        doc.EditARight = 100;
        doc.EditABottom = 70;
        TShapePtr rounded = Add(doc, SpRectangle, {{12, 12}, {180, 110}});
        rounded->Info.CornerRadius = 16;
        rounded->Info.PenWidth = 2;
        TShapePtr hatched = Add(doc, SpEllipse, {{200, 20}, {340, 100}});
        hatched->Info.BrushStyle = bsDiagCross;
        hatched->Info.BrushColor = clBlue;
        Add(doc, SpLine, {{20, 140}, {180, 140}, {180, 240}});
        TShapePtr polygon = Add(doc, SpPolygon, {{220, 130}, {330, 150}, {260, 240}, {220, 130}});
        polygon->Info.BrushStyle = bsSolid;
        polygon->Info.BrushColor = RGBColor(255, 200, 0);
        AddText(doc, SpText, {24, 30}, {120, 46}, QStringLiteral("标签 Label"), 12);
        TShapePtr turned = AddText(doc, SpText, {360, 240}, {420, 256}, QStringLiteral("竖排"), 10);
        turned->Info.Angle = 90;
        AddText(doc, SpLinesText, {24, 60}, {170, 100}, QStringLiteral("多行文字会在框内换行, wrapped in the box"), 9);
        doc.SetZoom(zoom);
        doc.ControlResized(QSize(Round(440 * zoom), Round(270 * zoom)));
        const QImage image = RenderSurface(doc);
        const QString path = kReferences + QStringLiteral("/surface-zoom%1.png").arg(zoom);
        if (qEnvironmentVariableIsSet("TESSARINE_UPDATE_REFERENCES")) {
            QDir().mkpath(kReferences);
            ASSERT_TRUE(image.save(path));
        }
        const QImage reference(path);
        ASSERT_FALSE(reference.isNull()) << path.toStdString();
        EXPECT_LT(Difference(image, reference.convertToFormat(image.format())), 0.002) << zoom;
    }
}

namespace {

class TTestSurface : public TDesign
{
public:
    bool Active = true;

protected:
    bool IsApplicationActive() const override { return Active; }
};

} // namespace

TEST(Surface, InactiveApplicationShowsTheLastPicture)
{
    TTestSurface surface;
    surface.Document().EditALeft = 0;
    surface.Document().EditATop = 0;
    surface.Document().EditARight = 0;
    surface.Document().EditABottom = 0;
    TShapePtr box = Add(surface.Document(), SpRectangle, {{10, 10}, {100, 100}});
    box->Info.BrushStyle = bsSolid;
    box->Info.BrushColor = clRed;
    int paints = 0;
    QObject::connect(&surface, &TDesign::OnPaint, [&paints] { ++paints; });
    surface.RepaintNow();
    EXPECT_EQ(surface.BackBuffer().pixel(50, 50), qRgb(255, 0, 0));
    EXPECT_EQ(paints, 1);

    box->Info.BrushColor = clBlue;
    surface.Active = false;
    surface.RepaintNow();
    EXPECT_EQ(surface.Screen().pixel(50, 50), qRgb(255, 0, 0));
    surface.Active = true;
    surface.RepaintNow();
    EXPECT_EQ(surface.Screen().pixel(50, 50), qRgb(0, 0, 255));
}

TEST(Surface, HandlesAppearOnTheScreenNotInTheBackBuffer)
{
    TTestSurface surface;
    TShapePtr box = Add(surface.Document(), SpRectangle, {{100, 100}, {200, 200}});
    surface.Document().AddToSelection(box);
    surface.RepaintNow();
    EXPECT_NE(surface.Screen(), surface.BackBuffer());
    surface.SetHandlesHidden(true);
    surface.RepaintNow();
    EXPECT_EQ(surface.Screen(), surface.BackBuffer());
}

TEST(Ruler, TicksStepWithTheSkew)
{
    const QVector<TRulerTick> ticks = RulerTicks(96, 1, 0, 210);
    ASSERT_EQ(ticks.size(), 211);
    const struct
    {
        int e;
        int position;
        int length;
    } cases[] = {{0, 2, 14}, {1, 5, 7}, {5, 21, 14}, {10, 40, 14}, {20, 78, 14}, {210, 2 + 210 * 4 - 42, 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(ticks[c.e].Position, c.position) << c.e;
        EXPECT_EQ(ticks[c.e].Length, c.length) << c.e;
    }
    int labels = 0;
    for (const TRulerTick& tick : ticks)
        labels += tick.Labelled;
    EXPECT_EQ(labels, 22); // 0..21
    EXPECT_EQ(RulerTicks(96, 2, 25, 10).at(1).Position, 25 + 3 + 8 - 2);
}

TEST(Ruler, MarkerFollowsTheMouseAndHides)
{
    TRulerPanel ruler;
    ruler.resize(800, 25);
    ruler.SetOrientation(roBottom);
    ruler.SetStartOffset(25);
    ruler.SetMouseView(100);
    ASSERT_NE(ruler.Marker(), nullptr);
    EXPECT_EQ(ruler.Marker()->geometry(), QRect(125, 0, 1, 25));
    ruler.SetRiskVisible(false);
    ruler.SetMouseView(300);
    EXPECT_EQ(ruler.Marker()->pos(), QPoint(-47, -47));

    TRulerPanel vertical;
    vertical.resize(25, 600);
    vertical.SetOrientation(roRight);
    vertical.SetMouseView(40);
    EXPECT_EQ(vertical.Marker()->geometry(), QRect(0, 40, 25, 1));
}

TEST(Ruler, PaintsTicksFromTheirEdge)
{
    TRulerPanel ruler;
    ruler.resize(300, 30);
    ruler.SetRulerLength(50);
    ruler.SetOrientation(roBottom);
    QImage image = ruler.RenderRuler();
    EXPECT_TRUE(IsDark(image.pixel(40, 29)));  // centimetre tick from the bottom edge
    EXPECT_TRUE(IsDark(image.pixel(40, 17)));
    EXPECT_FALSE(IsDark(image.pixel(40, 14)));
    EXPECT_FALSE(IsDark(image.pixel(44, 21))); // a millimetre tick is 7 long
    EXPECT_TRUE(IsDark(image.pixel(43, 24)));
    ruler.SetOrientation(roTop);
    image = ruler.RenderRuler();
    EXPECT_TRUE(IsDark(image.pixel(40, 0)));
    EXPECT_FALSE(IsDark(image.pixel(40, 29)));
}

TEST(Ruler, SameZoomDoesNotRepaint)
{
    struct Counter : QObject
    {
        int updates = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::UpdateLater)
                ++updates;
            return false;
        }
    };
    TRulerPanel ruler;
    ruler.resize(200, 25);
    ruler.show();
    QCoreApplication::processEvents();
    Counter counter;
    ruler.installEventFilter(&counter);
    ruler.SetZoom(1.0);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.updates, 0);
    ruler.SetZoom(2.0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ruler.Zoom(), 2.0);
}
