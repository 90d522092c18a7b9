#include "app/dialogs/clipart.h"
#include "app/dialogs/imagelibrary.h"

#include "document/boxshapes.h"
#include "document/designdocument.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

void Click(const QDialog& dialog, const char* name)
{
    QTest::mouseClick(dialog.findChild<QAbstractButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

void ExpectOnePictureObject(const TDesignDocument& doc, int picture)
{
    ASSERT_EQ(doc.ShapeCount(), 1);
    auto image = std::dynamic_pointer_cast<TKWZImage>(doc.Shapes.first());
    ASSERT_NE(image, nullptr) << "a picture object";
    EXPECT_EQ(image->Picture.Image().size(), QSize(64, 64));
    EXPECT_EQ(image->Picture.Image().format(), QImage::Format_RGB888) << "a 24-bit bitmap";
    EXPECT_EQ(image->Picture.Image(), ClipArtBitmap(picture));
    ASSERT_EQ(image->PointCount(), 2);
    EXPECT_EQ(image->Point(0), QPoint(0, 0));
    EXPECT_EQ(image->Point(1), QPoint(64, 64));
}

} // namespace

TEST(ImageLibrary, ListsTheNinetySixPicturesByNumber)
{
    TDesignDocument doc;
    TImageLibrary library(doc);
    EXPECT_EQ(library.windowTitle(), QStringLiteral("ImageLibrary"));
    QListWidget* list = library.ListView();
    ASSERT_EQ(list->count(), 96);
    EXPECT_EQ(list->viewMode(), QListView::IconMode);
    EXPECT_EQ(list->iconSize(), QSize(64, 64));
    for (int i = 0; i < 96; ++i) {
        EXPECT_EQ(list->item(i)->text(), QString::number(i));
        const QImage icon =
            list->item(i)->icon().pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(icon, ClipArtPicture(i).convertToFormat(QImage::Format_ARGB32)) << "entry " << i;
    }
}

TEST(ImageLibrary, OkInsertsTheSelectedPictureAsA64By64PictureObject)
{
    for (int picture : {0, 13, 54, 95}) {
        TDesignDocument doc;
        TImageLibrary library(doc);
        library.show();
        library.ListView()->item(picture)->setSelected(true);
        Click(library, "OK_BM");
        ExpectOnePictureObject(doc, picture);
        EXPECT_FALSE(library.isVisible());
    }
}

TEST(ImageLibrary, DoubleClickInsertsThePictureUnderThePointer)
{
    TDesignDocument doc;
    TImageLibrary library(doc);
    library.show();
    QListWidget* list = library.ListView();
    const QPoint centre = list->visualItemRect(list->item(9)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    ExpectOnePictureObject(doc, 9);
    EXPECT_FALSE(library.isVisible());
}

TEST(ImageLibrary, OkWithNothingSelectedClosesAndInsertsNothing)
{
    TDesignDocument doc;
    TImageLibrary library(doc);
    library.show();
    library.ListView()->setCurrentItem(nullptr);
    library.ListView()->clearSelection();
    Click(library, "OK_BM");
    EXPECT_EQ(doc.ShapeCount(), 0);
    EXPECT_FALSE(library.isVisible());
}

TEST(ImageLibrary, CancelAndHelpInsertNothing)
{
    TDesignDocument doc;
    TImageLibrary library(doc);
    library.show();
    library.ListView()->item(3)->setSelected(true);
    Click(library, "Help_BM");
    EXPECT_TRUE(library.isVisible());
    Click(library, "Cancel_BM");
    EXPECT_FALSE(library.isVisible());
    EXPECT_EQ(doc.ShapeCount(), 0);
}
