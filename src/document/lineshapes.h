#pragma once

#include "myshape.h"

namespace tessarine {

// A polyline of two or more vertices; it draws arrow heads.
class TMyLine : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TMyLine"); }

    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void RotateToward(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;

    // The two ends of line i as they stand after RotateToward(p).
    static std::pair<QPoint, QPoint> RotatedEnds(QPoint a, QPoint b, QPoint p);
};

// A polyline without arrow heads.
class TKWZLine : public TMyLine
{
public:
    using TMyLine::TMyLine;
    QString ClassName() const override { return QStringLiteral("TKWZLine"); }
    void GetInfo(TObjectInfo& info) override;
};

// A polyline of at least three vertices, painted like TKWZLine.
class TMySector : public TKWZLine
{
public:
    using TKWZLine::TKWZLine;
    QString ClassName() const override { return QStringLiteral("TMySector"); }
};

// A closed, filled polygon; its last vertex repeats vertex 0.
class TMyPolygon : public TKWZLine
{
public:
    using TKWZLine::TKWZLine;
    QString ClassName() const override { return QStringLiteral("TMyPolygon"); }
    void ResizeChangeValue(QPoint from, QPoint to) override;
};

// A chain of cubic Bezier segments: start, then two control points and an end per segment.
// It is picked and reshaped by its control polygon, like a polyline.
class TMyPolyBezier : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TMyPolyBezier"); }

    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
};

} // namespace tessarine
