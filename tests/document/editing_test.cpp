#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/design.h"
#include "document/lineshapes.h"
#include "document/textshape.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

// Press, move in a few steps and release, as a hand would.
void Drag(TDesign& surface, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = kNone,
          Qt::MouseButton button = Qt::LeftButton)
{
    surface.MousePress(from, Qt::LeftButton, modifiers);
    for (int step = 1; step <= 4; ++step)
        surface.MouseMove(from + (to - from) * step / 4, modifiers);
    surface.MouseRelease(to, button, modifiers);
}

void Click(TDesign& surface, QPoint at, Qt::KeyboardModifiers modifiers = kNone)
{
    surface.MousePress(at, Qt::LeftButton, modifiers);
    surface.MouseRelease(at, Qt::LeftButton, modifiers);
}

struct Fixture
{
    TDesign surface;
    TDesignDocument& doc = surface.Document();
    Fixture() { doc.Snap = false; }

    TShapePtr Box(QPoint a, QPoint b)
    {
        surface.SetShapeTool(SpRectangle);
        Drag(surface, a, b);
        surface.SetShapeTool(SpSelecting);
        return doc.Shapes.last();
    }
};

} // namespace

TEST(Editing, SnapsToTheGridNearItsLines)
{
    Fixture f;
    f.doc.Snap = true;
    const struct
    {
        QPoint in;
        QPoint out;
    } cases[] = {{{37, 53}, {36, 54}}, {{40, 53}, {40, 54}}, {{40, 45}, {40, 45}}, {{17, 1}, {18, 0}}};
    for (const auto& c : cases) {
        f.surface.MouseMove(c.in, kNone);
        EXPECT_EQ(f.surface.CurrentPoint, c.out) << c.in.x() << "," << c.in.y();
    }
}

TEST(Editing, ReadOutIsAlwaysInMillimetres)
{
    Fixture f;
    f.doc.SetTheUNIT(inch);
    QSignalSpy spy(&f.doc, &TDesignDocument::OnShowMouseMoveXY);
    f.surface.MouseMove({48, 96}, kNone);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("12.70，25.40 毫米"));
}

TEST(Editing, DrawsARectangleAndSelectsIt)
{
    Fixture f;
    QSignalSpy back(&f.doc, &TDesignDocument::OnActionToolToSelecting);
    f.surface.SetShapeTool(SpRectangle);
    Drag(f.surface, {40, 50}, {140, 110});
    ASSERT_EQ(f.doc.ShapeCount(), 1);
    const TShapePtr box = f.doc.Shapes[0];
    EXPECT_EQ(box->ClassName(), QStringLiteral("TKWZRectangle"));
    EXPECT_EQ(box->Points, (QVector<QPoint>{{40, 50}, {140, 110}}));
    EXPECT_EQ(box->Info.Kind, kindBox);
    EXPECT_EQ(box->Info.PenWidth, 0);
    EXPECT_EQ(box->Pen.Width, 3);
    EXPECT_EQ(f.doc.SingleSelected(), box);
    EXPECT_EQ(back.count(), 1); // returns to selecting
    EXPECT_EQ(f.surface.MouseMode, 2);
}

TEST(Editing, CtrlMakesSquaresAndStraightLines)
{
    Fixture f;
    f.surface.SetShapeTool(SpEllipse);
    Drag(f.surface, {10, 10}, {110, 50}, Qt::ControlModifier);
    EXPECT_EQ(f.doc.Shapes.last()->Points[1], QPoint(50, 50));
    f.surface.SetShapeTool(SpRuleLine);
    Drag(f.surface, {10, 10}, {110, 30}, Qt::ControlModifier);
    EXPECT_EQ(f.doc.Shapes.last()->Points[1], QPoint(110, 10));
}

TEST(Editing, PolygonsEndOnARightButtonReleaseAndClose)
{
    Fixture f;
    f.doc.ReturnToSelecting = false;
    f.surface.SetShapeTool(SpPolygon);
    Click(f.surface, {10, 10});
    Click(f.surface, {100, 10});
    EXPECT_EQ(f.doc.ShapeCount(), 0);
    f.surface.MousePress({60, 80}, Qt::LeftButton, kNone);
    f.surface.MouseRelease({60, 80}, Qt::RightButton, kNone);
    ASSERT_EQ(f.doc.ShapeCount(), 1);
    const TShapePtr polygon = f.doc.Shapes[0];
    EXPECT_EQ(polygon->ClassName(), QStringLiteral("TMyPolygon"));
    EXPECT_EQ(polygon->Points.first(), polygon->Points.last());
    EXPECT_EQ(polygon->PointCount(), 5); // three presses, the release point, the closing copy
    EXPECT_EQ(f.surface.MouseMode, 1);   // the tool stays
}

TEST(Editing, ToolsWithoutObjectsCreateNothing)
{
    Fixture f;
    for (TDrawTool tool : {SpWallLine, SpArc, SpPolyLine}) {
        f.surface.SetShapeTool(tool);
        Drag(f.surface, {10, 10}, {50, 50});
        EXPECT_EQ(f.doc.ShapeCount(), 0) << int(tool);
    }
}

TEST(Editing, ClicksSelectShiftTogglesEmptySpotClears)
{
    Fixture f;
    const TShapePtr a = f.Box({10, 10}, {60, 60});
    const TShapePtr b = f.Box({100, 10}, {150, 60});
    QSignalSpy selected(&f.doc, &TDesignDocument::OnShapeSelected);
    Click(f.surface, {30, 30});
    EXPECT_EQ(f.doc.Selection, QVector<TShapePtr>{a});
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toInt(), b->ShapeID); // the one selected before
    EXPECT_EQ(selected[0][3].toInt(), a->ShapeID);
    Click(f.surface, {120, 30}, Qt::ShiftModifier);
    EXPECT_EQ(f.doc.Selection, (QVector<TShapePtr>{a, b}));
    EXPECT_EQ(selected.count(), 1);
    Click(f.surface, {30, 30}, Qt::ShiftModifier);
    EXPECT_EQ(f.doc.Selection, QVector<TShapePtr>{b});
    Click(f.surface, {300, 300});
    EXPECT_EQ(f.doc.SelectionCount(), 0);
}

TEST(Editing, RubberBandSelectsWhatLiesWhollyInside)
{
    Fixture f;
    const TShapePtr inside = f.Box({20, 20}, {50, 50});
    f.Box({90, 20}, {200, 50});
    Click(f.surface, {300, 300});
    Drag(f.surface, {10, 10}, {120, 80});
    EXPECT_EQ(f.doc.Selection, QVector<TShapePtr>{inside});
}

TEST(Editing, MovesAndResizesStepByStepUnlessLocked)
{
    Fixture f;
    const TShapePtr box = f.Box({20, 20}, {80, 60});
    Drag(f.surface, {50, 40}, {70, 45});
    EXPECT_EQ(box->Points, (QVector<QPoint>{{40, 25}, {100, 65}}));
    Drag(f.surface, {100, 65}, {120, 90}); // handle 3
    EXPECT_EQ(box->Points[1], QPoint(120, 90));
    box->Info.Locked = true;
    Drag(f.surface, {70, 50}, {200, 200});
    EXPECT_EQ(box->Points[0], QPoint(40, 25));
}

TEST(Editing, TwoSelectedObjectsNeitherMoveNorResize)
{
    Fixture f;
    const TShapePtr a = f.Box({20, 20}, {80, 60});
    const TShapePtr b = f.Box({120, 20}, {180, 60});
    f.doc.AddToSelection(a);
    Drag(f.surface, {50, 40}, {70, 70});
    Drag(f.surface, {80, 60}, {90, 90});
    EXPECT_EQ(a->Points, (QVector<QPoint>{{20, 20}, {80, 60}}));
    EXPECT_EQ(b->Points, (QVector<QPoint>{{120, 20}, {180, 60}}));
}

TEST(Editing, GroupsMoveAsOneWhenLetGo)
{
    Fixture f;
    const TShapePtr a = f.Box({20, 20}, {80, 60});
    const TShapePtr b = f.Box({120, 20}, {180, 60});
    a->GroupNext = b->ShapeID;
    b->GroupPrev = a->ShapeID;
    f.doc.ClearSelection();
    f.doc.AddToSelection(b);
    Drag(f.surface, {150, 40}, {160, 70});
    EXPECT_EQ(a->Points[0], QPoint(30, 50));
    EXPECT_EQ(b->Points[0], QPoint(130, 50));
}

TEST(Editing, NudgeMovesTheFirstTwoVertices)
{
    Fixture f;
    f.surface.SetShapeTool(SpSector);
    Click(f.surface, {10, 10});
    Click(f.surface, {50, 10});
    Click(f.surface, {30, 40});
    ASSERT_EQ(f.doc.ShapeCount(), 1);
    const TShapePtr sector = f.doc.Shapes[0];
    f.surface.Nudge(3, 35);
    f.surface.Nudge(0, 1);
    EXPECT_EQ(sector->Points, (QVector<QPoint>{{45, 9}, {85, 9}, {30, 40}}));
}

TEST(Editing, PlacesTextFromTheTextStyle)
{
    Fixture f;
    f.doc.OnAddText = [&] {
        f.doc.TextStyle.Text = QStringLiteral("价格");
        f.doc.TextStyle.Height = 12;
        f.doc.TextStyle.FontName = QStringLiteral("宋体");
        return true;
    };
    f.surface.SetShapeTool(SpText);
    Click(f.surface, {30, 40});
    ASSERT_EQ(f.doc.ShapeCount(), 1);
    const TShapePtr text = f.doc.Shapes[0];
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("价格"));
    EXPECT_EQ(text->Info.WordInfo.Height, 16);
    EXPECT_EQ(text->Info.WordInfo.Width, 8);
    EXPECT_EQ(text->Info.WordInfo.CharSet, GB2312_CHARSET);
    EXPECT_EQ(text->Points[1], QPoint(30 + 4 * 8, 40 + 16));
    EXPECT_EQ(f.doc.SingleSelected(), text);

    f.doc.OnAddText = [] { return false; };
    f.surface.SetShapeTool(SpLinesText);
    Click(f.surface, {30, 140});
    EXPECT_EQ(f.doc.ShapeCount(), 1);
}

TEST(Editing, PlacesPicturesOnlyWhenTheHostTookOne)
{
    for (bool taken : {true, false}) {
        Fixture f;
        QObject::connect(&f.doc, &TDesignDocument::OnInsertImage,
                         [&](int32_t, int32_t id, TMyShape*, int32_t) {
                             QImage picture(40, 30, QImage::Format_RGB888);
                             picture.fill(Qt::red);
                             if (taken) {
                                 f.doc.SetPicture(id, picture);
                                 f.doc.ImageSize = picture.size();
                                 f.doc.IsOpenImage = true;
                             }
                         });
        f.surface.SetShapeTool(SpImage);
        Click(f.surface, {100, 100});
        ASSERT_EQ(f.doc.ShapeCount(), taken ? 1 : 0);
        EXPECT_FALSE(f.doc.IsOpenImage);
        if (taken) {
            EXPECT_EQ(f.doc.Shapes[0]->Points[1], QPoint(140, 130));
        }
    }
}

TEST(Editing, PlacesBarcodesThroughTheirDialog)
{
    Fixture f;
    f.doc.OnShowBarCodeFrm = [&] {
        f.doc.BarCodeTemplate = TObjectInfo();
        f.doc.BarCodeTemplate.BarCode.Symbology = 14;
        f.doc.BarCodeTemplate.BarCode.Data = QStringLiteral("690123456789");
        f.doc.BarCodeTemplate.BarCode.BarHeight = 50;
        f.doc.BarCodeTemplate.BarCode.WidthLevel = 1;
        f.doc.IsOpenImage = true;
        return true;
    };
    f.surface.SetShapeTool(SpBarCode);
    Click(f.surface, {20, 30});
    ASSERT_EQ(f.doc.ShapeCount(), 1);
    auto barcode = std::static_pointer_cast<TShowBarCode>(f.doc.Shapes[0]);
    EXPECT_EQ(barcode->Info.Kind, kindBarCode);
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("6901234567892"));
    EXPECT_EQ(barcode->Info.ObjectIndex, barcode->ShapeID);
    EXPECT_EQ(barcode->Info.WordInfo.Height, 16);
    EXPECT_EQ(barcode->Info.WordInfo.Format, 1u);
    ASSERT_FALSE(barcode->BarBitmap.IsEmpty());
    EXPECT_EQ(barcode->BarBitmap.Width(), 190);
    EXPECT_EQ(barcode->Points[1], QPoint(20 + 190 + 25, 30 + barcode->BarBitmap.Height()));
    EXPECT_FALSE(f.doc.IsOpenImage);

    f.doc.OnShowBarCodeFrm = [] { return false; }; // cancelled: nothing stays
    f.surface.SetShapeTool(SpBarCode);
    Click(f.surface, {20, 130});
    EXPECT_EQ(f.doc.ShapeCount(), 1);
}

TEST(Editing, DoubleClickHandsTheDialogARecordInPoints)
{
    Fixture f;
    f.doc.OnAddText = [&] {
        f.doc.TextStyle.Text = QStringLiteral("ab");
        f.doc.TextStyle.Height = 9;
        return true;
    };
    f.surface.SetShapeTool(SpText);
    Click(f.surface, {30, 40});
    TObjectInfo seen;
    int calls = 0;
    f.doc.OnShowSetObjFrm = [&](TObjectInfo& record) {
        seen = record;
        ++calls;
        return true;
    };
    f.surface.MouseDoubleClick();
    f.surface.MousePress({30, 40}, Qt::LeftButton, kNone); // the press that comes with it
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seen.Kind, kindText);
    EXPECT_EQ(seen.ObjectIndex, 0);
    EXPECT_EQ(seen.WordInfo.Height, 9);
    EXPECT_EQ(seen.WordInfo.Width, 2 * Round(6 * 72.0 / 96));
    EXPECT_EQ(f.surface.MouseState, 0);
}

TEST(Editing, RotatingToolTurnsTheSelectedLine)
{
    Fixture f;
    f.surface.SetShapeTool(SpRuleLine);
    Drag(f.surface, {0, 100}, {100, 100});
    const TShapePtr line = f.doc.Shapes[0];
    f.surface.SetShapeTool(SpRotating);
    Drag(f.surface, {200, 100}, {50, 300});
    EXPECT_EQ(line->Points[0], QPoint(50, 150));
    EXPECT_EQ(line->Points[1], QPoint(50, 50));
}

TEST(Editing, SetBarReportsWhatTheSelectionAllows)
{
    Fixture f;
    const TShapePtr a = f.Box({10, 10}, {60, 60});
    const TShapePtr b = f.Box({100, 10}, {150, 60});
    std::vector<std::array<bool, 7>> calls;
    f.surface.OnShowSetBar = [&](bool showBar, bool setObject, bool del, bool above, bool under, bool rotate,
                                 bool align, TLogText&, bool, bool) {
        calls.push_back({showBar, setObject, del, above, under, rotate, align});
    };
    Click(f.surface, {30, 30});
    ASSERT_EQ(calls.size(), 2u); // b (front, not selected), then a
    EXPECT_EQ(calls[0], (std::array<bool, 7>{false, false, false, false, false, false, false}));
    EXPECT_EQ(calls[1], (std::array<bool, 7>{false, true, true, true, false, true, false})); // id 0: above
}
