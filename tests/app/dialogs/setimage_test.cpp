#include "app/dialogs/setimage.h"

#include "document/boxshapes.h"
#include "document/designdocument.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

// A picture object of 40 x 20 whose left half is red and right half blue, so each turn can
// be told apart.
struct PictureDocument
{
    PictureDocument()
    {
        QImage picture(40, 20, QImage::Format_RGB888);
        picture.fill(Qt::blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                picture.setPixelColor(x, y, Qt::red);
        original = picture;
        EXPECT_EQ(doc.InsertShape(SpImage, {QPoint(0, 0), QPoint(40, 20)}, QString(), picture), 0);
        image = std::dynamic_pointer_cast<TKWZImage>(doc.Shapes.first());
        image->GetInfo(image->Info);
    }

    TObjectInfo Record() const
    {
        TObjectInfo info = image->Info;
        info.ObjectIndex = doc.IndexOfShape(image.get());
        return info;
    }

    TDesignDocument doc;
    std::shared_ptr<TKWZImage> image;
    QImage original;
};

QAbstractButton* Button(const QDialog& dialog, const QString& name)
{
    return dialog.findChild<QAbstractButton*>(name);
}

// Clicks a choice on its indicator: a radio button only reacts on its indicator and text.
void Choose(const QDialog& dialog, const QString& name)
{
    QAbstractButton* choice = Button(dialog, name);
    QTest::mouseClick(choice, Qt::LeftButton, Qt::NoModifier, QPoint(6, choice->height() / 2));
    EXPECT_TRUE(choice->isChecked()) << name.toStdString();
}

} // namespace

TEST(SetImage, CaptionsAndTheResolutionList)
{
    TSetImage dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Image"));
    const char* turns[] = {"0°", "90°", "180°", "270°"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Button(dialog, QStringLiteral("Rotate%1").arg(i))->text(), QString::fromUtf8(turns[i]));
    auto* resolution = dialog.findChild<QComboBox*>(QStringLiteral("Resolution"));
    ASSERT_EQ(resolution->count(), 4);
    EXPECT_EQ(resolution->itemText(0), QStringLiteral("2 Color"));
    EXPECT_EQ(resolution->itemText(1), QStringLiteral("256 Color"));
    EXPECT_EQ(resolution->itemText(2), QStringLiteral("16-Bit"));
    EXPECT_EQ(resolution->currentText(), QStringLiteral("24-Bit"));
}

TEST(SetImage, OkHandsBackQuarterTurns)
{
    for (int turn = 0; turn < 4; ++turn) {
        PictureDocument d;
        TSetImage dialog;
        QSignalSpy accepted(&dialog, &TSetImage::ObjectInfoAccepted);
        dialog.show();
        dialog.Load(d.Record());
        Choose(dialog, QStringLiteral("Rotate%1").arg(turn));
        QTest::mouseClick(Button(dialog, QStringLiteral("OK_BM")), Qt::LeftButton);
        ASSERT_EQ(accepted.count(), 1);
        EXPECT_EQ(dialog.EditInfo().Angle, turn) << "a number of quarter turns, not degrees";
        EXPECT_EQ(accepted.first().at(0).toInt(), d.Record().ObjectIndex);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(SetImage, TwoNinetyDegreeTurnsMakeAHalfTurn)
{
    PictureDocument d;
    TSetImage dialog;
    QObject::connect(&dialog, &TSetImage::ObjectInfoAccepted, &d.doc, &TDesignDocument::SetObjectInfo);
    dialog.show();
    for (int round = 0; round < 2; ++round) {
        dialog.Load(d.Record());
        Choose(dialog, QStringLiteral("Rotate1"));
        QTest::mouseClick(Button(dialog, QStringLiteral("OK_BM")), Qt::LeftButton);
        dialog.show();
    }
    const QImage turned = d.image->Picture.Image();
    ASSERT_EQ(turned.size(), QSize(40, 20));
    EXPECT_EQ(turned.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(turned.pixelColor(39, 19), QColor(Qt::red));
    EXPECT_EQ(d.image->MaxCorner() - d.image->MinCorner(), QPoint(40, 20));
}

TEST(SetImage, ReopeningStartsAtNoTurnSoAnUntouchedOkLeavesThePicture)
{
    PictureDocument d;
    TSetImage dialog;
    QObject::connect(&dialog, &TSetImage::ObjectInfoAccepted, &d.doc, &TDesignDocument::SetObjectInfo);
    dialog.show();
    dialog.Load(d.Record());
    Choose(dialog, QStringLiteral("Rotate1"));
    QTest::mouseClick(Button(dialog, QStringLiteral("OK_BM")), Qt::LeftButton);
    const QImage afterOneTurn = d.image->Picture.Image();
    EXPECT_EQ(afterOneTurn.size(), QSize(20, 40));
    EXPECT_EQ(d.image->MaxCorner() - d.image->MinCorner(), QPoint(20, 40));

    dialog.show();
    dialog.Load(d.Record());
    EXPECT_TRUE(Button(dialog, QStringLiteral("Rotate0"))->isChecked());
    QTest::mouseClick(Button(dialog, QStringLiteral("OK_BM")), Qt::LeftButton);
    EXPECT_EQ(d.image->Picture.Image(), afterOneTurn);
}

TEST(SetImage, CancelLeavesThePicture)
{
    PictureDocument d;
    TSetImage dialog;
    QObject::connect(&dialog, &TSetImage::ObjectInfoAccepted, &d.doc, &TDesignDocument::SetObjectInfo);
    dialog.show();
    dialog.Load(d.Record());
    Choose(dialog, QStringLiteral("Rotate2"));
    QTest::mouseClick(Button(dialog, QStringLiteral("Cancel_BM")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(d.image->Picture.Image().convertToFormat(QImage::Format_RGB888), d.original);
}
