// TRotate::Rotate90: quarter turns of 24-bit pictures and its two errors.
#include "barcode/rotate.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

using namespace tessarine;

namespace {

// Every pixel different, so any misplaced pixel shows.
QImage Numbered(int width, int height, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 + 1, y * 11 + 3, (x * 13 + y * 17) & 255));
    return image;
}

QString ErrorOf(int angle, const QImage& image)
{
    try {
        TRotate::Rotate90(angle, image);
    } catch (const EBitmapError& e) {
        return e.Message();
    }
    return QStringLiteral("no error");
}

TEST(Rotate90, QuarterTurns)
{
    const int w = 5;
    const int h = 3;
    const QImage source = Numbered(w, h);
    struct TCase
    {
        int Angle;
        QSize Size;
        std::function<QPoint(int, int)> Target; // where source (x, y) goes
    };
    const TCase cases[] = {
        {0, {w, h}, [](int x, int y) { return QPoint(x, y); }},
        {90, {h, w}, [=](int x, int y) { return QPoint(y, w - 1 - x); }}, // counter-clockwise
        {180, {w, h}, [=](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); }},
        {270, {h, w}, [=](int x, int y) { return QPoint(h - 1 - y, x); }}, // clockwise
        {450, {h, w}, [=](int x, int y) { return QPoint(y, w - 1 - x); }},
        {360, {w, h}, [](int x, int y) { return QPoint(x, y); }},
        {720 + 180, {w, h}, [=](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); }},
        // Negative multiples turn the other way round.
        {-90, {h, w}, [=](int x, int y) { return QPoint(h - 1 - y, x); }},
        {-180, {w, h}, [=](int x, int y) { return QPoint(w - 1 - x, h - 1 - y); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Angle);
        const QImage turned = TRotate::Rotate90(c.Angle, source);
        ASSERT_EQ(turned.size(), c.Size);
        EXPECT_EQ(turned.format(), QImage::Format_RGB888);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(turned.pixel(c.Target(x, y)), source.pixel(x, y)) << x << "," << y;
    }
}

TEST(Rotate90, QuarterTurnIsCounterClockwiseOnScreen)
{
    // A dark pixel at the top-right corner ends at the top-left after a quarter turn to the left.
    QImage source(4, 2, QImage::Format_RGB888);
    source.fill(Qt::white);
    source.setPixel(3, 0, qRgb(0, 0, 0));
    const QImage turned = TRotate::Rotate90(90, source);
    EXPECT_EQ(turned.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(TRotate::Rotate90(270, source).pixel(1, 3), qRgb(0, 0, 0));
}

TEST(Rotate90, SourceIsUnchanged)
{
    const QImage source = Numbered(6, 4);
    const QImage copy = source.copy();
    TRotate::Rotate90(90, source);
    EXPECT_EQ(source, copy);
}

TEST(Rotate90, OtherTwentyFourBitFormatsKeepTheirFormat)
{
    const QImage source = Numbered(3, 2, QImage::Format_BGR888);
    const QImage turned = TRotate::Rotate90(180, source);
    EXPECT_EQ(turned.format(), QImage::Format_BGR888);
    EXPECT_EQ(turned.pixel(2, 1), source.pixel(0, 0));
}

TEST(Rotate90, OnlyTwentyFourBitPictures)
{
    const QString message = QStringLiteral("Can Rotate90 only 24-bit bitmap");
    EXPECT_EQ(ErrorOf(0, Numbered(3, 3, QImage::Format_RGB32)), message);
    EXPECT_EQ(ErrorOf(90, Numbered(3, 3, QImage::Format_ARGB32)), message);
    EXPECT_EQ(ErrorOf(90, QImage(3, 3, QImage::Format_Mono)), message);
    EXPECT_EQ(ErrorOf(90, QImage(3, 3, QImage::Format_Grayscale8)), message);
    EXPECT_EQ(ErrorOf(90, QImage()), message);
    // The format is checked before the angle.
    EXPECT_EQ(ErrorOf(45, Numbered(3, 3, QImage::Format_RGB32)), message);
}

TEST(Rotate90, OnlyMultiplesOf90)
{
    const QString message = QStringLiteral("Rotate90:  Angle not positive multiple of 90 degrees");
    for (const int angle : {45, 1, 89, 91, 269, -45, -1}) {
        SCOPED_TRACE(angle);
        EXPECT_EQ(ErrorOf(angle, Numbered(2, 2)), message);
    }
}

} // namespace
