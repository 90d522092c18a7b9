#pragma once

#include "platform/tcolor.h"

#include <QImage>
#include <QWidget>

#include <array>

namespace tessarine {

// The colour strip of the shape dialog: 32 columns by 128 rows, one pixel a cell. Each row
// fades its base colour toward white on the left and toward grey on the right.
constexpr int kColorStripColumns = 32;
constexpr int kColorStripRows = 128;

// The 128 base colours, top row first.
std::array<TColor, kColorStripRows> ColorStripBaseColors();
// The colour of one cell; column and row must lie inside the strip.
TColor ColorStripCell(int column, int row);

class TColorStrip : public QWidget
{
    Q_OBJECT
public:
    explicit TColorStrip(QWidget* parent = nullptr);

    // The colour under a point of the widget, or -1 outside the strip.
    TColor ColorAt(QPoint point) const;
    // The whole strip, one pixel a cell.
    const QImage& Picture() const { return m_picture; }

signals:
    void ColorHovered(tessarine::TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace tessarine
