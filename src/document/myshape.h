#pragma once

#include "cadfont.h"
#include "objectinfo.h"
#include "surfacecontext.h"

#include "platform/canvas.h"
#include "platform/gdistyle.h"

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

namespace tessarine {

// The root of the label object classes. Vertices are stored in zoom-1 pixels; every
// operation that takes or gives points speaks screen pixels of the owning surface's zoom.
class TMyShape
{
public:
    explicit TMyShape(const TSurfaceContext* context);
    virtual ~TMyShape();
    TMyShape(const TMyShape&) = delete;
    TMyShape& operator=(const TMyShape&) = delete;

    // The class name, which is also the object's type tag in label files.
    virtual QString ClassName() const = 0;

    // Virtual operations, in slot order.
    virtual void Assign(const TMyShape& source);
    // Paints the selection handles.
    virtual void DrawHot() = 0;
    virtual int32_t HitHandle(QPoint p) = 0;
    virtual bool HitBody(QPoint p) = 0;
    virtual void RotateToward(QPoint p);
    virtual void ResizeChangeValue(QPoint from, QPoint to) = 0;
    virtual void MoveBetween(QPoint from, QPoint to);
    virtual void MoveBy(int32_t dx, int32_t dy);
    virtual void ApplyStyle(bool forPrint);
    virtual void GetInfo(TObjectInfo& info);
    virtual QString MeasureText(QPoint from, QPoint to);
    // Paints the object onto Canvas.
    virtual void Draw(bool forPrint) = 0;
    // Transient outlines, erased by drawing them again: while the object is created, moved,
    // resized or turned.
    virtual void Drawing(QPoint from, QPoint to) = 0;
    virtual void Draging(QPoint from, QPoint to) = 0;
    virtual void Sizing(QPoint from, QPoint to) = 0;
    virtual void RotatingPreview(QPoint p);
    virtual QRect InflateForHit(const QRect& r, int32_t d);
    // Dotted lines from the rulers to the corners a and b.
    virtual void DrawGuides(QPoint a, QPoint b);

    // Vertex access.
    void AddPoint(QPoint screen);
    void AddStoredPoint(QPoint stored) { Points.append(stored); }
    QPoint Point(int i) const; // screen; (0, 0) past the end
    void MovePoint(int i, int32_t dx, int32_t dy);
    void SetPointX(int i, int32_t screenX);
    void SetPointY(int i, int32_t screenY);
    void OffsetPointX(int i, int32_t screenDx);
    void OffsetPointY(int i, int32_t screenDy);
    int PointCount() const { return int(Points.size()); }
    QPoint MinCorner() const; // zoom-1 units
    QPoint MaxCorner() const;

    static int32_t Distance(QPoint a, QPoint b);
    static QPoint Delta(QPoint from, QPoint to) { return to - from; }
    // Left/top inclusive, right/bottom exclusive, like the hit tests expect.
    static QRect NormalRect(QPoint a, QPoint b);
    static bool InRect(const QRect& r, QPoint p);

    bool IsGrouped() const { return GroupPrev >= 0 || GroupNext >= 0; }
    const TSurfaceContext& Context() const { return *m_context; }

    int32_t ShapeID = 0;
    int32_t LayerId = 0;
    TCanvas* Canvas = nullptr; // borrowed
    int32_t HotHandle = -1;
    uint8_t HandleSize = 3;
    TPen Pen;
    TBrush Brush;
    TCADFont Font;
    int32_t GroupPrev = -1;
    int32_t GroupNext = -1;
    TPen GuidePen{clBlue, psDot, 1, pmNotXor};
    QVector<QPoint> Points;
    TObjectInfo Info;

protected:
    // The canvas states shared by the classes' painting.
    void UseRubberStyle();
    void UseHotStyle();
    void UseHandleStyle();
    void UseVertexHandleStyle();
    void UseSolidStyle();
    void DrawHandle(QPoint at);
    void DrawVertexHandle(QPoint at);
    // Hot style, then a vertex handle on each of the first count vertices.
    void DrawVertexHandles(int count);
    QPolygon ScreenPolygon(QPoint offset = {}) const;

    struct TCanvasStyle
    {
        TPen Pen;
        TBrush Brush;
    };
    // The pen and brush the canvas holds after the last ApplyStyle, or what this object's
    // ApplyStyle would give when it has no canvas yet.
    TCanvasStyle StyleOnCanvas();
    // A handle test: the square h +- HandleSize.
    bool OnHandle(QPoint h, QPoint p, int32_t halfSize) const;

    const TSurfaceContext* m_context;
};

using TShapePtr = std::shared_ptr<TMyShape>;

} // namespace tessarine
