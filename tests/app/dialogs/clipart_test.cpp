#include "app/dialogs/clipart.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace tessarine;

TEST(ClipArt, NinetySixDistinctPicturesOnATransparentGround)
{
    QSet<QString> names;
    QVector<QImage> pictures;
    for (int i = 0; i < kClipArtCount; ++i) {
        const QImage picture = ClipArtPicture(i);
        ASSERT_EQ(picture.size(), QSize(64, 64)) << i;
        ASSERT_TRUE(picture.hasAlphaChannel()) << i;
        int opaque = 0;
        int clear = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const int alpha = qAlpha(picture.pixel(x, y));
                opaque += alpha == 255;
                clear += alpha == 0;
            }
        const QString name = ClipArtName(i);
        EXPECT_GT(opaque, 64 * 64 / 20) << i << " " << name.toStdString() << ": too little is drawn";
        EXPECT_GT(clear, 64 * 64 / 20) << i << " " << name.toStdString() << ": no transparent ground";
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << i << " " << name.toStdString();
        EXPECT_FALSE(name.isEmpty()) << i;
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        for (int j = 0; j < pictures.size(); ++j)
            EXPECT_NE(picture, pictures[j]) << i << " looks like " << j;
        pictures.append(picture);
    }
}

TEST(ClipArt, BitmapIsThePictureOnWhiteIn24Bits)
{
    for (int i : {0, 24, 50, 95}) {
        const QImage picture = ClipArtPicture(i);
        const QImage bitmap = ClipArtBitmap(i);
        ASSERT_EQ(bitmap.format(), QImage::Format_RGB888);
        ASSERT_EQ(bitmap.size(), QSize(64, 64));
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb p = picture.pixel(x, y);
                if (qAlpha(p) == 0) {
                    ASSERT_EQ(bitmap.pixel(x, y), qRgb(255, 255, 255)) << i << " at " << x << "," << y;
                } else if (qAlpha(p) == 255) {
                    ASSERT_EQ(bitmap.pixel(x, y), p) << i << " at " << x << "," << y;
                }
            }
    }
}

TEST(ClipArt, IndexesOutsideTheLibraryGiveNothing)
{
    for (int i : {-1, kClipArtCount, 1000}) {
        EXPECT_TRUE(ClipArtPicture(i).isNull()) << i;
        EXPECT_TRUE(ClipArtBitmap(i).isNull()) << i;
        EXPECT_TRUE(ClipArtName(i).isEmpty()) << i;
    }
}
