#include "colorstrip.h"

#include "platform/round.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

namespace tessarine {

namespace {

// Column 15 and 16 show the base colour itself; the columns left of them fade toward white,
// the ones right of them toward this grey.
constexpr int kGreyLevel = 150;
constexpr int kFirstBaseColumn = 15;
constexpr int kLastBaseColumn = 16;

int Blend(int base, int target, double factor)
{
    return Round(base + (target - base) * factor);
}

} // namespace

std::array<TColor, kColorStripRows> ColorStripBaseColors()
{
    std::array<TColor, kColorStripRows> colors{};
    int row = 0;
    // Red to yellow, yellow to green, green to cyan, cyan to blue, blue to violet.
    for (int j = 0; j < 32; ++j)
        colors[row++] = RGBColor(255, j * 255 / 32, 0);
    for (int j = 0; j < 24; ++j)
        colors[row++] = RGBColor(255 - j * 128 / 24, 255, 0);
    for (int j = 0; j < 24; ++j)
        colors[row++] = RGBColor(0, 255, j * 128 / 24 + 127);
    for (int j = 0; j < 16; ++j)
        colors[row++] = RGBColor(0, 255 - 8 * j, 255);
    for (int j = 0; j < 32; ++j)
        colors[row++] = RGBColor(j * 4 + 127, 0, 255 - 2 * j);
    return colors;
}

TColor ColorStripCell(int column, int row)
{
    static const std::array<TColor, kColorStripRows> bases = ColorStripBaseColors();
    const TColor base = bases[size_t(row)];
    const int r = base & 0xFF;
    const int g = (base >> 8) & 0xFF;
    const int b = (base >> 16) & 0xFF;
    if (column < kFirstBaseColumn) {
        const double factor = (kFirstBaseColumn - column) / 15.0;
        return RGBColor(Blend(r, 255, factor), Blend(g, 255, factor), Blend(b, 255, factor));
    }
    if (column > kLastBaseColumn) {
        const double factor = (column - kFirstBaseColumn) / 15.0;
        return RGBColor(Blend(r, kGreyLevel, factor), Blend(g, kGreyLevel, factor),
                        Blend(b, kGreyLevel, factor));
    }
    return base;
}

TColorStrip::TColorStrip(QWidget* parent)
    : QWidget(parent), m_picture(kColorStripColumns, kColorStripRows, QImage::Format_RGB32)
{
    for (int row = 0; row < kColorStripRows; ++row)
        for (int column = 0; column < kColorStripColumns; ++column)
            m_picture.setPixelColor(column, row, ToQColor(ColorStripCell(column, row)));
    setFixedSize(kColorStripColumns, kColorStripRows);
    setMouseTracking(true);
}

TColor TColorStrip::ColorAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= kColorStripColumns || point.y() >= kColorStripRows)
        return -1;
    return ColorStripCell(point.x(), point.y());
}

void TColorStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void TColorStrip::mouseMoveEvent(QMouseEvent* event)
{
    // A pixel covers [x, x + 1): positions inside it belong to it, so floor rather than round.
    const QPointF at = event->position();
    const TColor color = ColorAt(QPoint(qFloor(at.x()), qFloor(at.y())));
    if (color >= 0)
        emit ColorHovered(color);
    QWidget::mouseMoveEvent(event);
}

} // namespace tessarine
