#include "app/dialogs/colorstrip.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

struct Rgb
{
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

Rgb Split(TColor color)
{
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

// The base colours written out run by run, in integer arithmetic.
std::vector<Rgb> ExpectedBases()
{
    std::vector<Rgb> rows;
    for (int j = 0; j < 32; ++j)
        rows.push_back({255, j * 255 / 32, 0});
    for (int j = 0; j < 24; ++j)
        rows.push_back({255 - j * 128 / 24, 255, 0});
    for (int j = 0; j < 24; ++j)
        rows.push_back({0, 255, j * 128 / 24 + 127});
    for (int j = 0; j < 16; ++j)
        rows.push_back({0, 255 - 8 * j, 255});
    for (int j = 0; j < 32; ++j)
        rows.push_back({j * 4 + 127, 0, 255 - 2 * j});
    return rows;
}

// base + (target - base) * k / 15, rounded to nearest, in integers. (2 * n never equals an
// odd multiple of 15, so no value lies exactly halfway.)
int BlendExact(int base, int target, int k)
{
    const int n = (target - base) * k;
    const int rounded = n >= 0 ? (2 * n + 15) / 30 : -((-2 * n + 15) / 30);
    return base + rounded;
}

} // namespace

TEST(ColorStrip, KnownCells)
{
    const struct
    {
        int column, row;
        Rgb expected;
    } cases[] = {
        {16, 0, {255, 0, 0}},     // the base of the first row: pure red
        {15, 0, {255, 0, 0}},     //
        {0, 0, {255, 255, 255}},  // fully faded to white
        {7, 0, {255, 136, 136}},  // 8/15 of the way to white
        {31, 0, {143, 160, 160}}, // 16/15 of the way to grey overshoots it
        {17, 0, {241, 20, 20}},   // 2/15 toward grey
        {16, 31, {255, 247, 0}},  // 31 * 255 / 32 = 247.03, truncated
        {16, 40, {213, 255, 0}},  // 255 - 8 * 128 / 24 = 255 - 42
        {16, 56, {0, 255, 127}},  // third run starts
        {16, 79, {0, 255, 249}},  // 23 * 128 / 24 = 122.67, truncated, + 127
        {16, 80, {0, 255, 255}},  // fourth run starts
        {16, 95, {0, 135, 255}},  //
        {16, 96, {127, 0, 255}},  // fifth run starts
        {16, 127, {251, 0, 193}}, // last row
    };
    for (const auto& c : cases)
        EXPECT_EQ(Split(ColorStripCell(c.column, c.row)), c.expected)
            << "column " << c.column << " row " << c.row;
}

TEST(ColorStrip, EveryCellFollowsTheRule)
{
    const std::vector<Rgb> bases = ExpectedBases();
    ASSERT_EQ(bases.size(), 128u);
    const auto strip = ColorStripBaseColors();
    for (int row = 0; row < 128; ++row) {
        const Rgb base = bases[size_t(row)];
        ASSERT_EQ(Split(strip[size_t(row)]), base) << "row " << row;
        for (int column = 0; column < 32; ++column) {
            Rgb expected = base;
            if (column < 15) {
                const int k = 15 - column;
                expected = {BlendExact(base.r, 255, k), BlendExact(base.g, 255, k),
                            BlendExact(base.b, 255, k)};
            } else if (column > 16) {
                const int k = column - 15;
                expected = {BlendExact(base.r, 150, k), BlendExact(base.g, 150, k),
                            BlendExact(base.b, 150, k)};
            }
            ASSERT_EQ(Split(ColorStripCell(column, row)), expected) << "column " << column << " row " << row;
        }
        EXPECT_EQ(Split(ColorStripCell(0, row)), (Rgb{255, 255, 255})) << "row " << row;
    }
}

TEST(ColorStrip, WidgetShowsTheCellsAndReportsTheColourUnderThePointer)
{
    TColorStrip strip;
    EXPECT_EQ(strip.size(), QSize(32, 128));
    const QImage shown = strip.grab().toImage();
    for (QPoint at : {QPoint(0, 0), QPoint(16, 0), QPoint(31, 127), QPoint(5, 70), QPoint(20, 100)})
        EXPECT_EQ(shown.pixelColor(at), ToQColor(ColorStripCell(at.x(), at.y()))) << at.x() << "," << at.y();

    // A position anywhere inside a pixel picks that pixel's cell.
    const struct
    {
        QPointF at;
        QPoint cell;
    } moves[] = {
        {{16, 80}, {16, 80}}, {{16.9, 0.9}, {16, 0}}, {{0.5, 127.5}, {0, 127}}, {{31.99, 64.2}, {31, 64}}};
    for (const auto& m : moves) {
        QSignalSpy hovered(&strip, &TColorStrip::ColorHovered);
        QMouseEvent move(QEvent::MouseMove, m.at, strip.mapToGlobal(m.at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&strip, &move);
        ASSERT_EQ(hovered.count(), 1);
        EXPECT_EQ(hovered.first().first().value<TColor>(), ColorStripCell(m.cell.x(), m.cell.y()))
            << m.at.x() << "," << m.at.y();
    }
    EXPECT_EQ(strip.ColorAt(QPoint(32, 0)), -1);
    EXPECT_EQ(strip.ColorAt(QPoint(0, 128)), -1);
}
