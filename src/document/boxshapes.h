#pragma once

#include "myshape.h"

#include "platform/bitmap.h"

#include <array>

namespace tessarine {

// A rectangle, optionally with rounded corners; the base of every box-shaped object. Vertex 0
// is where the box was started, vertex 1 the opposite corner; neither is normalised.
class TKWZRectangle : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TKWZRectangle"); }

    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void GetInfo(TObjectInfo& info) override;
    QString MeasureText(QPoint from, QPoint to) override;

    // Left, top, width, height in millimetres as last painted.
    std::array<double, 4> Position{};

protected:
    struct HandleSpot
    {
        int32_t Handle;
        QPoint At;
    };
    // The edge midpoints 5..8 and corners 1..4 of the box, in hit-test order.
    std::array<HandleSpot, 8> BoxHandles() const;
    void ApplyBoxResize(QPoint d);
};

// Text wrapped inside a box.
class TKWZLinesText : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZLinesText"); }
    void GetInfo(TObjectInfo& info) override;
};

// An ellipse inscribed in its box.
class TKWZEllipse : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZEllipse"); }
};

// A picture stretched into its box.
class TKWZImage : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZImage"); }
    void Assign(const TMyShape& source) override;
    void GetInfo(TObjectInfo& info) override;

    TBitmap Picture;
};

} // namespace tessarine
