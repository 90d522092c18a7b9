#pragma once

#include "myshape.h"

namespace tessarine {

// A polyline of two or more vertices; it draws arrow heads.
class TMyLine : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TMyLine"); }

    void DrawHot() override;
    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void RotateToward(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void Draw(bool forPrint) override;
    void Drawing(QPoint from, QPoint to) override;
    void Draging(QPoint from, QPoint to) override;
    void Sizing(QPoint from, QPoint to) override;
    void RotatingPreview(QPoint p) override;

    // The two ends of the line a-b as they stand after turning it toward p.
    static std::pair<QPoint, QPoint> RotatedEnds(QPoint a, QPoint b, QPoint p);
    // The three corners of an arrow head with its tip at p, pointing away from q.
    static QPolygon ArrowHead(QPoint p, QPoint q, int length, float angle);

protected:
    void DrawSegments(bool forPrint);
};

// A polyline without arrow heads.
class TKWZLine : public TMyLine
{
public:
    using TMyLine::TMyLine;
    QString ClassName() const override { return QStringLiteral("TKWZLine"); }
    void GetInfo(TObjectInfo& info) override;
    void Draw(bool forPrint) override;
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
    void DrawHot() override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void Draw(bool forPrint) override;
    void Sizing(QPoint from, QPoint to) override;
};

// A chain of cubic Bezier segments: start, then two control points and an end per segment.
// It is picked and reshaped by its control polygon, like a polyline.
class TMyPolyBezier : public TMyShape
{
public:
    using TMyShape::TMyShape;
    QString ClassName() const override { return QStringLiteral("TMyPolyBezier"); }

    void DrawHot() override;
    int32_t HitHandle(QPoint p) override;
    bool HitBody(QPoint p) override;
    void ResizeChangeValue(QPoint from, QPoint to) override;
    void Draw(bool forPrint) override;
    void Drawing(QPoint from, QPoint to) override;
    void Draging(QPoint, QPoint) override {}
    void Sizing(QPoint, QPoint) override {}
};

} // namespace tessarine
