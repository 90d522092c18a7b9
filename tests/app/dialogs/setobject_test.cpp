#include "app/dialogs/colorstrip.h"
#include "app/dialogs/setobject.h"
#include "modalwatcher.h"

#include "document/boxshapes.h"
#include "document/designdocument.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::MessageShownBy;
using tessarine::test::TModalWatcher;

namespace {

struct SetObjectFixture
{
    SetObjectFixture()
    {
        dialog.show();
        width = dialog.findChild<QLineEdit*>(QStringLiteral("PenWidth"));
        corner = dialog.findChild<QLineEdit*>(QStringLiteral("ArcSize"));
    }

    QAbstractButton* Button(const QString& name) const { return dialog.findChild<QAbstractButton*>(name); }

    // Clicks a choice on its indicator: a radio button only reacts on its indicator and text.
    void Choose(const QString& name) const
    {
        QAbstractButton* choice = Button(name);
        QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier, QPoint(6, choice->height() / 2));
        EXPECT_TRUE(choice->isChecked()) << name.toStdString();
    }

    QColor SampleColor(const char* name) const
    {
        auto* sample = dialog.findChild<QFrame*>(QString::fromLatin1(name));
        return sample->palette().color(QPalette::Window);
    }

    void LeaveWidthField()
    {
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(width, &leave);
    }

    TSetObject dialog;
    QLineEdit* width = nullptr;
    QLineEdit* corner = nullptr;
};

TObjectInfo BoxRecord()
{
    TObjectInfo info;
    info.Kind = kindBox;
    info.ObjectIndex = 0;
    info.PenColor = RGBColor(0, 0, 128);
    info.BrushColor = RGBColor(255, 255, 0);
    info.PenWidth = 3;
    info.CornerRadius = 12.5;
    info.PenStyle = psDot;
    info.BrushStyle = bsCross;
    return info;
}

} // namespace

TEST(SetObject, OpeningFillsTheControlsFromTheRecord)
{
    SetObjectFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("SetObject"));
    // Before anything is loaded the samples are black and white.
    EXPECT_EQ(f.SampleColor("PenColorTest"), QColor(Qt::black));
    EXPECT_EQ(f.SampleColor("BrushColorTest"), QColor(Qt::white));

    f.dialog.Load(BoxRecord());
    EXPECT_EQ(f.width->text(), QStringLiteral("3.00"));
    EXPECT_EQ(f.corner->text(), QStringLiteral("12.50"));
    EXPECT_EQ(f.SampleColor("PenColorTest"), QColor(0, 0, 128));
    EXPECT_EQ(f.SampleColor("BrushColorTest"), QColor(255, 255, 0));
    EXPECT_TRUE(f.Button(QStringLiteral("BrushStyle6"))->isChecked());
    EXPECT_TRUE(f.Button(QStringLiteral("BrushArea1"))->isChecked());
    EXPECT_TRUE(f.Button(QStringLiteral("PenStyle2"))->isChecked());
}

TEST(SetObject, FillAreaFollowsTheBrushStyle)
{
    for (uint8_t style = 0; style < 8; ++style) {
        SetObjectFixture f;
        TObjectInfo info = BoxRecord();
        info.BrushStyle = style;
        f.dialog.Load(info);
        EXPECT_TRUE(f.Button(QStringLiteral("BrushStyle%1").arg(style))->isChecked()) << int(style);
        EXPECT_EQ(f.Button(QStringLiteral("BrushArea0"))->isChecked(), style == bsClear) << int(style);
        QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
        EXPECT_EQ(f.dialog.EditInfo().BrushStyle, style)
            << "unchanged fill survives OK, style " << int(style);
    }
}

TEST(SetObject, WidthFieldCompletesWholeNumbers)
{
    const struct
    {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"2", "2.0"},   {"2.5", "2.5"}, {"10", "10.0"}, {"0", "0"},     {"-3", "-3"},
        {"abc", "abc"}, {"", ""},       {"2.", "2."},   {" 7 ", "7.0"}, {"1e3", "1e3"},
    };
    for (const auto& c : cases) {
        SetObjectFixture f;
        f.width->setText(QString::fromLatin1(c.typed));
        f.LeaveWidthField();
        EXPECT_EQ(f.width->text(), QString::fromLatin1(c.shown)) << "leaving '" << c.typed << "'";

        f.width->setText(QString::fromLatin1(c.typed));
        QTest::keyClick(f.width, Qt::Key_Return);
        EXPECT_EQ(f.width->text(), QString::fromLatin1(c.shown)) << "Enter on '" << c.typed << "'";
        EXPECT_TRUE(f.dialog.isVisible()) << "Enter in the width field must not close the dialog";
    }
}

TEST(SetObject, OkHandsBackTheEditedRecordAndTheDocumentAppliesIt)
{
    TDesignDocument doc;
    TShapePtr box = doc.CreateShapeForTool(SpRectangle);
    box->AddPoint({10, 10});
    box->AddPoint({110, 60});
    TObjectInfo fresh;
    box->GetInfo(fresh);
    box->Info = fresh;
    doc.AddNewShape(box);
    doc.AddToSelection(box);
    TObjectInfo record = box->Info;
    record.ObjectIndex = doc.IndexOfShape(box.get());

    SetObjectFixture f;
    QObject::connect(&f.dialog, &TSetObject::ObjectInfoAccepted, &doc, &TDesignDocument::SetObjectInfo);
    QSignalSpy accepted(&f.dialog, &TSetObject::ObjectInfoAccepted);
    f.dialog.Load(record);
    f.width->setText(QStringLiteral("4"));
    f.LeaveWidthField();
    f.corner->setText(QStringLiteral("6.5"));
    f.Choose(QStringLiteral("PenStyle3"));
    f.Choose(QStringLiteral("BrushStyle4"));
    f.Choose(QStringLiteral("BrushArea1"));

    // Moving over the strip picks the line colour: row 0, column 16 is pure red.
    auto* strip = f.dialog.findChild<TColorStrip*>(QStringLiteral("ColorStrip"));
    QMouseEvent move(QEvent::MouseMove, QPointF(16.5, 0.5), strip->mapToGlobal(QPointF(16.5, 0.5)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    EXPECT_EQ(f.dialog.PenColorSample(), RGBColor(255, 0, 0));

    QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    ASSERT_EQ(accepted.count(), 1);
    EXPECT_EQ(accepted.first().at(0).toInt(), record.ObjectIndex);

    EXPECT_DOUBLE_EQ(box->Info.PenWidth, 4.0);
    EXPECT_DOUBLE_EQ(box->Info.CornerRadius, 6.5);
    EXPECT_EQ(box->Info.PenStyle, psDashDot);
    EXPECT_EQ(box->Info.BrushStyle, bsFDiagonal);
    EXPECT_EQ(box->Pen.Color, RGBColor(255, 0, 0));
    EXPECT_EQ(box->Info.BrushColor, fresh.BrushColor);
}

TEST(SetObject, TransparentAreaAppliesTheClearBrushWhateverFillIsChosen)
{
    SetObjectFixture f;
    f.dialog.Load(BoxRecord());
    f.Choose(QStringLiteral("BrushStyle7"));
    f.Choose(QStringLiteral("BrushArea0"));
    QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.EditInfo().BrushStyle, bsClear);
}

TEST(SetObject, LineStyleChoiceFollowsTheObject)
{
    const struct
    {
        uint8_t penStyle;
        int choice; // -1: none selected
    } cases[] = {{psSolid, 0},      {psDash, 1},        {psDot, 2},   {psDashDot, 3},
                 {psDashDotDot, 4}, {psInsideFrame, 6}, {psClear, -1}};
    for (const auto& c : cases) {
        SetObjectFixture f;
        // A different style first, so a choice left over from the last opening would show.
        TObjectInfo other = BoxRecord();
        other.PenStyle = psDashDotDot;
        f.dialog.Load(other);
        TObjectInfo info = BoxRecord();
        info.PenStyle = c.penStyle;
        f.dialog.Load(info);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(f.Button(QStringLiteral("PenStyle%1").arg(i))->isChecked(), i == c.choice)
                << "pen style " << int(c.penStyle) << " choice " << i;
        QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
        EXPECT_EQ(f.dialog.EditInfo().PenStyle, c.penStyle) << "OK without a change keeps the style";
    }
    SetObjectFixture f;
    f.dialog.Load(BoxRecord());
    f.Choose(QStringLiteral("PenStyle5"));
    QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.EditInfo().PenStyle, psDash) << "the second dash choice stands for style 1 too";
}

TEST(SetObject, FieldsThatAreNotLengthsKeepTheDialogOpen)
{
    const QString notANumber = QStringLiteral("'%1' is not a valid floating point value");
    const QString outOfRange = QStringLiteral("线宽度和弧角须在0到10000之间");
    const struct
    {
        const char* field;
        const char* text;
        bool number; // a number, but not a length a label can use
    } cases[] = {
        {"PenWidth", "abc", false}, {"PenWidth", "", false},    {"PenWidth", "1,5", false},
        {"PenWidth", "inf", false}, {"PenWidth", "nan", false}, {"ArcSize", "x2", false},
        {"PenWidth", "-1", true},   {"ArcSize", "-0.5", true},  {"ArcSize", "1e9", true},
        {"ArcSize", "10001", true},
    };
    for (const auto& c : cases) {
        SetObjectFixture f;
        QSignalSpy accepted(&f.dialog, &TSetObject::ObjectInfoAccepted);
        const TObjectInfo before = BoxRecord();
        f.dialog.Load(before);
        f.dialog.findChild<QLineEdit*>(QString::fromLatin1(c.field))->setText(QString::fromLatin1(c.text));
        const QString message =
            MessageShownBy([&] { QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton); });
        EXPECT_EQ(message, c.number ? outOfRange : notANumber.arg(QString::fromLatin1(c.text)))
            << c.field << " = '" << c.text << "'";
        EXPECT_EQ(accepted.count(), 0) << c.text;
        EXPECT_TRUE(f.dialog.isVisible()) << c.text;
        EXPECT_EQ(f.dialog.EditInfo(), before) << c.text;
    }
}

TEST(SetObject, AcceptedLengths)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {{"0", 0}, {"2.0", 2}, {" 3.25 ", 3.25}, {"1e2", 100}, {"10000", 10000}, {".5", 0.5}};
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(TSetObject::ReadLength(QString::fromLatin1(c.text), &value), TSetObject::TLength::Valid)
            << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(SetObject, ColourDialogSetsTheSampleAndCancellingKeepsIt)
{
    SetObjectFixture f;
    f.dialog.Load(BoxRecord());

    TModalWatcher choose([](QWidget* modal) {
        auto* colors = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentColor(QColor(10, 20, 30));
        colors->accept();
    });
    QTest::mouseClick(f.Button(QStringLiteral("PenColor_BM")), Qt::LeftButton);
    ASSERT_TRUE(choose.Fired());
    EXPECT_EQ(f.dialog.PenColorSample(), RGBColor(10, 20, 30));
    EXPECT_EQ(f.SampleColor("PenColorTest"), QColor(10, 20, 30));

    TModalWatcher cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QTest::mouseClick(f.Button(QStringLiteral("PenColor_BM")), Qt::LeftButton);
    ASSERT_TRUE(cancel.Fired());
    EXPECT_EQ(f.dialog.PenColorSample(), RGBColor(10, 20, 30)) << "cancel must not turn the line black";

    TModalWatcher cancelFill([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QTest::mouseClick(f.Button(QStringLiteral("BrushColor_BM")), Qt::LeftButton);
    ASSERT_TRUE(cancelFill.Fired());
    EXPECT_EQ(f.dialog.BrushColorSample(), RGBColor(255, 255, 0)) << "cancel must not turn the fill white";

    TModalWatcher chooseFill([](QWidget* modal) {
        auto* colors = qobject_cast<QColorDialog*>(modal);
        colors->setCurrentColor(QColor(0, 128, 0));
        colors->accept();
    });
    QTest::mouseClick(f.Button(QStringLiteral("BrushColor_BM")), Qt::LeftButton);
    QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.EditInfo().PenColor, RGBColor(10, 20, 30));
    EXPECT_EQ(f.dialog.EditInfo().BrushColor, RGBColor(0, 128, 0));
}

TEST(SetObject, SystemColoursSurviveAnUntouchedDialog)
{
    SetObjectFixture f;
    TObjectInfo info = BoxRecord();
    info.PenColor = clWindowText;
    info.BrushColor = clBackground;
    f.dialog.Load(info);
    QTest::mouseClick(f.Button(QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.EditInfo().PenColor, clWindowText);
    EXPECT_EQ(f.dialog.EditInfo().BrushColor, clBackground);
}

TEST(SetObject, CancelHandsNothingBack)
{
    SetObjectFixture f;
    QSignalSpy accepted(&f.dialog, &TSetObject::ObjectInfoAccepted);
    f.dialog.Load(BoxRecord());
    f.width->setText(QStringLiteral("9"));
    QTest::mouseClick(f.Button(QStringLiteral("Cancel_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_DOUBLE_EQ(f.dialog.EditInfo().PenWidth, 3.0);
}
