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

    void DrawHot() override;
    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void GetInfo(TObjectInfo& info) override;
    QString MeasureText(QPoint from, QPoint to) override;
    void Draw(bool forPrint) override;
    void Drawing(QPoint from, QPoint to) override;
    void Draging(QPoint from, QPoint to) override;
    void Sizing(QPoint from, QPoint to) override;

    // Moves the edges of the box a-b that handle grabs by d.
    static void ApplyBoxRule(int32_t handle, QPoint& a, QPoint& b, QPoint d);

    // Left, top, width, height in millimetres as last painted.
    std::array<double, 4> Position{};

protected:
    struct HandleSpot
    {
        int32_t Handle;
        QPoint At;
    };
    // The edge midpoints 5..8 and corners 1..4 of the box a-b, in hit-test order.
    static std::array<HandleSpot, 8> BoxHandles(QPoint a, QPoint b);
    std::array<HandleSpot, 8> BoxHandles() const { return BoxHandles(Point(0), Point(1)); }
    void ApplyBoxResize(QPoint d);
};

// Text wrapped inside a box.
class TKWZLinesText : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZLinesText"); }
    void GetInfo(TObjectInfo& info) override;
    void Draw(bool forPrint) override;
};

// An ellipse inscribed in its box.
class TKWZEllipse : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZEllipse"); }
    void Draw(bool forPrint) override;
    void Drawing(QPoint from, QPoint to) override;
};

// A picture stretched into its box.
class TKWZImage : public TKWZRectangle
{
public:
    using TKWZRectangle::TKWZRectangle;
    QString ClassName() const override { return QStringLiteral("TKWZImage"); }
    void Assign(const TMyShape& source) override;
    void GetInfo(TObjectInfo& info) override;
    void Draw(bool forPrint) override;

    TBitmap Picture;
};

} // namespace tessarine
