#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

TShapePtr AddBox(TDesignDocument& doc, QPoint a, QPoint b, TDrawTool tool = SpRectangle)
{
    TShapePtr shape = doc.CreateShapeForTool(tool);
    shape->AddPoint(a);
    shape->AddPoint(b);
    TObjectInfo fresh;
    shape->GetInfo(fresh);
    shape->Info = fresh;
    doc.AddNewShape(shape);
    return shape;
}

// Chains the objects into one group in the given order.
void Group(const QVector<TShapePtr>& members)
{
    for (int i = 0; i < members.size(); ++i) {
        members[i]->GroupPrev = i > 0 ? members[i - 1]->ShapeID : -1;
        members[i]->GroupNext = i + 1 < members.size() ? members[i + 1]->ShapeID : -1;
    }
}

QVector<int32_t> Ids(const QVector<TShapePtr>& shapes)
{
    QVector<int32_t> ids;
    for (const TShapePtr& s : shapes)
        ids.append(s->ShapeID);
    return ids;
}

} // namespace

TEST(Selection, GroupsAreRepresentedByTheirHead)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10});
    auto c = AddBox(doc, {40, 0}, {50, 10});
    Group({a, b, c});
    doc.AddToSelection(c);
    doc.AddToSelection(b);
    EXPECT_EQ(doc.Selection, QVector<TShapePtr>{a});
    EXPECT_EQ(doc.GroupMembers(b), (QVector<TShapePtr>{a, b, c}));
    doc.NewShape = a;
    doc.RemoveFromSelection(a);
    EXPECT_EQ(doc.SelectionCount(), 0);
    EXPECT_EQ(doc.NewShape, nullptr);
}

TEST(Selection, LoopedGroupChainsDoNotHang)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10});
    a->GroupPrev = b->ShapeID;
    a->GroupNext = b->ShapeID;
    b->GroupPrev = a->ShapeID;
    b->GroupNext = a->ShapeID;
    doc.AddToSelection(a);
    EXPECT_EQ(doc.SelectionCount(), 1);
    EXPECT_LE(doc.GroupMembers(a).size(), 2);
    EXPECT_TRUE(doc.DeleteShape(a->ShapeID));
}

TEST(Selection, RubberBandNeedsTheWholeObjectStrictlyInside)
{
    TDesignDocument doc;
    doc.SetZoom(2);
    auto box = AddBox(doc, {20, 20}, {60, 40});
    EXPECT_TRUE(doc.InRubberBand({19, 19}, {61, 41}, *box));
    EXPECT_TRUE(doc.InRubberBand({61, 41}, {19, 19}, *box));
    EXPECT_FALSE(doc.InRubberBand({20, 19}, {61, 41}, *box));
}

TEST(Groups, UngroupClearsEveryLinkAndTheSelection)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10});
    Group({a, b});
    doc.AddToSelection(a);
    doc.Ungroup(b);
    EXPECT_FALSE(a->IsGrouped());
    EXPECT_FALSE(b->IsGrouped());
    EXPECT_EQ(doc.SelectionCount(), 0);
}

TEST(Groups, LockingAMemberLocksTheHead)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10});
    Group({a, b});
    doc.LockShape(b);
    EXPECT_TRUE(a->Info.Locked);
    EXPECT_FALSE(b->Info.Locked);
    doc.ExcludeFromPrint(b);
    EXPECT_TRUE(a->Info.NoPrint);
    doc.IncludeInPrint(a);
    doc.UnlockShape(a);
    EXPECT_FALSE(a->Info.NoPrint);
    EXPECT_FALSE(a->Info.Locked);

    auto outside = doc.CreateShapeForTool(SpRectangle); // not in the document: untouched
    doc.LockShape(outside);
    EXPECT_FALSE(outside->Info.Locked);
}

TEST(Delete, GroupsGoWholeAndUnknownIdsFail)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10});
    auto c = AddBox(doc, {40, 0}, {50, 10});
    Group({a, c});
    EXPECT_FALSE(doc.DeleteShape(99));
    EXPECT_TRUE(doc.DeleteShape(c->ShapeID));
    EXPECT_EQ(doc.Shapes, QVector<TShapePtr>{b});
    doc.AddToSelection(b);
    EXPECT_TRUE(doc.DeleteSelected());
    EXPECT_EQ(doc.ShapeCount(), 0);
    EXPECT_EQ(doc.SelectionCount(), 0);
}

TEST(Stacking, GroupsKeepOrderToFrontAndReverseToBack)
{
    TDesignDocument doc;
    auto x = AddBox(doc, {0, 0}, {1, 1});
    auto a = AddBox(doc, {0, 0}, {1, 1});
    auto b = AddBox(doc, {0, 0}, {1, 1});
    auto c = AddBox(doc, {0, 0}, {1, 1});
    auto y = AddBox(doc, {0, 0}, {1, 1});
    Group({a, b, c});
    doc.AddToSelection(a);
    doc.SendToBack();
    EXPECT_EQ(doc.Shapes, (QVector<TShapePtr>{c, b, a, x, y}));
    doc.BringToFront();
    EXPECT_EQ(doc.Shapes, (QVector<TShapePtr>{x, y, a, b, c}));

    doc.ClearSelection();
    doc.AddToSelection(x);
    doc.SendToBack(); // already at the back: stays
    EXPECT_EQ(doc.Shapes.first(), x);
}

TEST(Align, MovesEachObjectToTheExtremeOfTheSelection)
{
    const struct
    {
        void (TDesignDocument::*command)();
        QPoint firstV0;
        QPoint secondV0;
    } cases[] = {
        {&TDesignDocument::AlignLeft, {10, 10}, {10, 50}},
        {&TDesignDocument::AlignRight, {60, 10}, {40, 50}},
        {&TDesignDocument::AlignTop, {10, 10}, {40, 10}},
        {&TDesignDocument::AlignBottom, {10, 50}, {40, 50}},
    };
    for (const auto& c : cases) {
        TDesignDocument doc;
        doc.SetZoom(2);
        auto first = AddBox(doc, {20, 20}, {60, 60});   // stored 10..30
        auto second = AddBox(doc, {80, 100}, {160, 140}); // stored 40..80, 50..70
        doc.AddToSelection(first);
        doc.AddToSelection(second);
        (doc.*c.command)();
        EXPECT_EQ(first->Points[0], c.firstV0);
        EXPECT_EQ(second->Points[0], c.secondV0);
    }
}

TEST(Align, OneSelectedObjectStaysWhereItIs)
{
    TDesignDocument doc;
    auto only = AddBox(doc, {20, 20}, {60, 60});
    doc.AddToSelection(only);
    QSignalSpy repaints(&doc, &TDesignDocument::RepaintRequested);
    doc.AlignLeft();
    EXPECT_EQ(only->Points[0], QPoint(20, 20));
    EXPECT_EQ(repaints.count(), 1);
}

TEST(Align, GroupsMoveAsOne)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {50, 0}, {60, 10});
    auto b = AddBox(doc, {30, 20}, {40, 30});
    auto lone = AddBox(doc, {10, 40}, {20, 50});
    Group({a, b});
    doc.AddToSelection(a);
    doc.AddToSelection(lone);
    doc.AlignLeft();
    EXPECT_EQ(b->Points[0].x(), 10); // the group's own leftmost edge meets the target
    EXPECT_EQ(a->Points[0].x(), 30);
}

TEST(Clipboard, CopyWithNothingSelectedKeepsTheClipboard)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    doc.AddToSelection(a);
    doc.CopySelection();
    doc.ClearSelection();
    doc.CopySelection();
    EXPECT_EQ(doc.ClipList, QVector<TShapePtr>{a});
}

TEST(Clipboard, CutThenPastePlacesNewObjectsFortyPixelsAway)
{
    TDesignDocument doc;
    doc.SetZoom(2);
    auto a = AddBox(doc, {20, 20}, {60, 60});
    auto keep = AddBox(doc, {0, 0}, {4, 4});
    doc.AddToSelection(a);
    doc.CutSelection();
    EXPECT_EQ(doc.Shapes, QVector<TShapePtr>{keep});
    doc.Paste();
    ASSERT_EQ(doc.ShapeCount(), 2);
    const TShapePtr pasted = doc.Shapes.last();
    EXPECT_NE(pasted, a);
    EXPECT_EQ(pasted->ShapeID, 2);
    EXPECT_EQ(pasted->Point(0), QPoint(60, 60));
    EXPECT_EQ(doc.NextShapeID, 3);
    doc.Paste(); // a second copy, also 40 pixels from the clipboard object
    EXPECT_EQ(doc.Shapes.last()->Point(0), QPoint(60, 60));
    EXPECT_EQ(doc.Shapes.last()->ShapeID, 3);
    EXPECT_EQ(doc.SelectionCount(), 0);
}

TEST(Clipboard, PastedGroupsLinkToTheirNewIds)
{
    TDesignDocument doc;
    auto a = AddBox(doc, {0, 0}, {10, 10});
    auto b = AddBox(doc, {20, 0}, {30, 10}, SpEllipse);
    Group({a, b});
    doc.AddToSelection(a);
    doc.CopySelection();
    doc.Paste();
    ASSERT_EQ(doc.ShapeCount(), 4);
    const TShapePtr& newA = doc.Shapes[2];
    const TShapePtr& newB = doc.Shapes[3];
    EXPECT_EQ(Ids({newA, newB}), (QVector<int32_t>{2, 3}));
    EXPECT_EQ(newB->ClassName(), QStringLiteral("TKWZEllipse"));
    EXPECT_EQ(newA->GroupPrev, -1);
    EXPECT_EQ(newA->GroupNext, 3);
    EXPECT_EQ(newB->GroupPrev, 2);
    EXPECT_EQ(doc.GroupMembers(newB), (QVector<TShapePtr>{newA, newB}));
    EXPECT_EQ(a->GroupNext, 1); // the originals keep their own group
}

TEST(Clipboard, ObjectsHeldByNobodyAreFreed)
{
    TDesignDocument doc;
    std::weak_ptr<TMyShape> cut;
    {
        auto a = AddBox(doc, {0, 0}, {10, 10});
        cut = a;
        doc.AddToSelection(a);
    }
    doc.CutSelection();
    EXPECT_FALSE(cut.expired()); // the clipboard still holds it
    auto b = AddBox(doc, {0, 0}, {10, 10});
    doc.AddToSelection(b);
    doc.CopySelection();
    EXPECT_TRUE(cut.expired());
}

TEST(SetObjectInfo, TextTakesTheRecordAndConvertsItsFontFromPoints)
{
    TDesignDocument doc;
    doc.SetZoom(2);
    auto text = doc.CreateShapeForTool(SpText);
    text->AddPoint({10, 20});
    text->AddPoint({50, 40});
    doc.AddNewShape(text);
    doc.AddToSelection(text);
    TObjectInfo info = text->Info;
    info.Kind = kindText;
    info.WordInfo.Text = QStringLiteral("价格");
    info.WordInfo.Height = 9; // points
    info.Position = {10, 20, 50, 40};
    doc.SetObjectInfo(0, info);
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("价格"));
    EXPECT_EQ(text->Info.WordInfo.Height, 12);
    EXPECT_EQ(text->Info.WordInfo.Width, 6);
    // Four GBK bytes x 6 x zoom 2 + 10 = 58; 12 x 2 + 20 = 44.
    EXPECT_EQ(text->Point(1), QPoint(58, 44));
}

TEST(SetObjectInfo, UnselectedObjectsAreLeftAloneButPicturesAreTurned)
{
    TDesignDocument doc;
    auto box = AddBox(doc, {0, 0}, {10, 10});
    TObjectInfo style;
    style.Kind = kindBox;
    style.BrushColor = clRed;
    doc.SetObjectInfo(0, style);
    EXPECT_NE(box->Info.BrushColor, clRed);
    doc.AddToSelection(box);
    style.PenColor = clBlue;
    style.CornerRadius = 6;
    style.WordInfo.Text = QStringLiteral("ignored");
    doc.SetObjectInfo(0, style);
    EXPECT_EQ(box->Info.BrushColor, clRed);
    EXPECT_EQ(box->Pen.Color, clBlue);
    EXPECT_EQ(box->Info.CornerRadius, 6);
    EXPECT_TRUE(box->Info.WordInfo.Text.isEmpty());

    auto image = std::static_pointer_cast<TKWZImage>(AddBox(doc, {10, 10}, {50, 30}, SpImage));
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(0, 0, qRgb(255, 0, 0)); // top-left marker
    image->Picture.SetImage(picture);
    TObjectInfo turn;
    turn.Kind = kindImage;
    turn.Angle = 1; // a quarter turn
    doc.SetObjectInfo(1, turn);
    EXPECT_EQ(image->Picture.Image().size(), QSize(2, 4));
    EXPECT_EQ(image->Picture.Image().format(), QImage::Format_RGB888);
    // Counter-clockwise: the top-left corner moves to the bottom-left.
    EXPECT_EQ(image->Picture.Image().pixel(0, 3), qRgb(255, 0, 0));
    EXPECT_EQ(image->Points[1], QPoint(10 + 20, 10 + 40));
    doc.SetObjectInfo(7, turn); // an index past the end does nothing
}

TEST(TextStyleCommand, StepsAnglesAndRefitsText)
{
    const struct
    {
        int step;
        std::vector<int> angles;
    } cases[] = {
        {-90, {90, 180, 270, 0}},
        {90, {270, 180, 90, 0}},
        {0, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        TDesignDocument doc;
        auto text = doc.CreateShapeForTool(SpText);
        text->AddPoint({10, 10});
        text->AddPoint({20, 20});
        text->Info.Kind = kindText;
        text->Info.WordInfo.Text = QStringLiteral("abc");
        doc.AddNewShape(text);
        doc.AddToSelection(text);
        doc.TextStyle.Height = 12;
        doc.TextStyle.FontName = QStringLiteral("黑体");
        doc.TextStyle.Weight = 900;
        doc.TextStyle.Format = 2;
        for (int expected : c.angles) {
            doc.ApplyTextStyle(c.step);
            EXPECT_EQ(text->Info.Angle, expected) << c.step;
        }
        EXPECT_EQ(text->Info.WordInfo.FontName, QStringLiteral("黑体"));
        EXPECT_EQ(text->Info.WordInfo.Weight, 900);
        EXPECT_EQ(text->Info.WordInfo.Format, 2u);
        EXPECT_EQ(text->Info.WordInfo.Height, 16);
        EXPECT_EQ(text->Info.WordInfo.Width, 8);
        EXPECT_EQ(text->Points[1], QPoint(10 + 24, 10 + 16));
    }
}

TEST(TextStyleCommand, BarcodesTurnTheirBoxAndPicturesOnlyTurnOnRotation)
{
    TDesignDocument doc;
    auto barcode = AddBox(doc, {0, 0}, {100, 40}, SpBarCode);
    auto image = std::static_pointer_cast<TKWZImage>(AddBox(doc, {0, 0}, {30, 10}, SpImage));
    image->Picture.SetImage(QImage(6, 2, QImage::Format_RGB888));
    doc.AddToSelection(barcode);
    doc.AddToSelection(image);
    doc.TextStyle.Height = 9;

    doc.ApplyTextStyle(0); // a font change: pictures and boxes keep their shape
    EXPECT_EQ(barcode->Points[1], QPoint(100, 40));
    EXPECT_EQ(image->Points[1], QPoint(30, 10));
    EXPECT_EQ(image->Picture.Width(), 6);
    EXPECT_EQ(barcode->Info.WordInfo.Height, 12);

    doc.ApplyTextStyle(90);
    EXPECT_EQ(barcode->Info.BarCode.BarAngle, 270);
    EXPECT_EQ(barcode->Info.Angle, 270);
    EXPECT_EQ(barcode->Points[1], QPoint(40, 100));
    EXPECT_EQ(image->Info.Angle, 270);
    EXPECT_EQ(image->Picture.Image().size(), QSize(2, 6));
    EXPECT_EQ(image->Points[1], QPoint(10, 30));
}

TEST(BarcodeData, CheckDigitsForEanAndUpc)
{
    const struct
    {
        uint8_t symbology;
        QString data;
        bool ok;
        QString normalized;
    } cases[] = {
        {kSymbologyEAN8, "123", true, "00001236"},
        {kSymbologyEAN8, "9638507", true, "96385074"},
        {kSymbologyEAN13, "400638133393", true, "4006381333931"},
        {kSymbologyEAN13, "000000000000", true, "0000000000000"}, // weighted sum 0
        {kSymbologyEAN13, "690123456789", true, "6901234567892"},
        {kSymbologyEAN13, "6901234567892999", true, "6901234567892"}, // cut to twelve digits first
        {kSymbologyUPCA, "03600029145", true, "036000291452"},
        {kSymbologyEAN13, "12345A", false, ""},
        {0, "ab-12", true, "ab-12"},
    };
    for (const auto& c : cases) {
        QString normalized;
        EXPECT_EQ(NormalizeBarcodeData(c.symbology, c.data, normalized), c.ok) << c.data.toStdString();
        if (c.ok) {
            EXPECT_EQ(normalized, c.normalized) << c.data.toStdString();
        }
    }
}
