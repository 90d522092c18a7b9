#include "textshape.h"

#include "platform/gbk.h"

#include <algorithm>

namespace tessarine {

int TKWZText::CharacterCount() const
{
    return gbk::ByteLength(Info.WordInfo.Text);
}

int32_t TKWZText::HitHandle(QPoint p)
{
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    const int w = TextWidth;
    HotHandle = -1;
    auto test = [&](int32_t handle, QPoint at) {
        if (OnHandle(at, p, HandleSize))
            HotHandle = handle;
    };
    test(5, {a.x() + w / 2, a.y()});
    test(6, {a.x(), (a.y() - b.y()) / 2 + b.y()});
    test(8, {a.x() + w / 2, b.y()});
    if (Info.Angle == 0)
        test(1, a);
    test(2, {a.x() + w, a.y()});
    test(3, {a.x() + w, b.y()});
    test(4, {a.x(), b.y()});
    return HotHandle;
}

QPoint TKWZText::TurnedCorner() const
{
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    const int w = TextWidth;
    switch (Info.Angle) {
    case 90: return {b.y() + a.x() - a.y(), a.y() - w};
    case 180: return {a.x() - w, 2 * a.y() - b.y()};
    case 270: return {a.y() + a.x() - b.y(), a.y() + w};
    default: return b;
    }
}

bool TKWZText::HitBody(QPoint p)
{
    return InRect(NormalRect(Point(0), TurnedCorner()), p);
}

void TKWZText::ResizeChangeValue(QPoint from, QPoint to)
{
    const QPoint d = to - from;
    if (Points.size() < 2)
        return;
    switch (HotHandle) {
    case 1: MovePoint(0, d.x(), d.y()); break;
    case 4: OffsetPointX(0, d.x()); OffsetPointY(1, d.y()); break;
    case 5: OffsetPointY(0, d.y()); break;
    case 6: OffsetPointX(0, d.x()); break;
    case 8: OffsetPointY(1, d.y()); break;
    case 2:
    case 3:
    case 7:
        // The right edge sits where the measured text ended, moved by the drag.
        SetPointX(1, Point(0).x() + d.x() + TextWidth);
        if (HotHandle == 2)
            OffsetPointY(0, d.y());
        else if (HotHandle == 3)
            OffsetPointY(1, d.y());
        break;
    default: break;
    }
    const QPoint lo(std::min(Points[0].x(), Points[1].x()), std::min(Points[0].y(), Points[1].y()));
    const QPoint hi(std::max(Points[0].x(), Points[1].x()), std::max(Points[0].y(), Points[1].y()));
    Points[0] = lo;
    Points[1] = hi;
    // The font follows the box; an empty text keeps its width rather than divide by zero.
    const int characters = CharacterCount();
    if (characters > 0)
        Info.WordInfo.Width = Round(double(hi.x() - lo.x()) / characters);
    Info.WordInfo.Height = hi.y() - lo.y();
}

void TKWZText::ApplyStyle(bool)
{
    if (Canvas)
        Canvas->Brush.Style = bsClear;
}

void TKWZText::GetInfo(TObjectInfo& info)
{
    info.Kind = kindText;
    info.Position = Position;
    info.WordInfo.Text = Info.WordInfo.Text;
    info.Angle = Info.Angle;
}

} // namespace tessarine
