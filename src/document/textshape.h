#pragma once

#include "myshape.h"

#include <array>

namespace tessarine {

// A single line of text. Vertex 1 is vertex 0 plus (characters x Width, Height) of the
// font; resizing the box changes the font.
class TKWZText : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TKWZText"); }

    void DrawHot() override;
    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void ApplyStyle(bool forPrint) override;
    void GetInfo(TObjectInfo& info) override;
    void Draw(bool forPrint) override;
    void Drawing(QPoint from, QPoint to) override;
    void Draging(QPoint from, QPoint to) override;
    void Sizing(QPoint from, QPoint to) override;

    // The far corner of the turned text box, from vertex 0.
    QPoint TurnedCorner() const;
    // The number of characters the geometry counts: GBK bytes.
    int CharacterCount() const;

    std::array<double, 4> Position{}; // screen x0, y0, x1, y1 as last painted
    int32_t TextWidth = 0;             // extent measured by the last paint, canvas pixels
    int32_t TextHeight = 0;
};

} // namespace tessarine
