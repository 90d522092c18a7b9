#include "textshape.h"

#include "textfont.h"

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

namespace {

// Where the corners of a text box end when handle is dragged by d, in screen pixels, before
// normalising: the right edge follows the measured text, not vertex 1.
void ApplyTextRule(int32_t handle, QPoint& a, QPoint& b, QPoint d, int32_t textWidth)
{
    switch (handle) {
    case 1: a += d; break;
    case 4: a.rx() += d.x(); b.ry() += d.y(); break;
    case 5: a.ry() += d.y(); break;
    case 6: a.rx() += d.x(); break;
    case 8: b.ry() += d.y(); break;
    case 2:
    case 3:
    case 7:
        b.setX(a.x() + d.x() + textWidth);
        if (handle == 2)
            a.ry() += d.y();
        else if (handle == 3)
            b.ry() += d.y();
        break;
    default: break;
    }
}

} // namespace

void TKWZText::ResizeChangeValue(QPoint from, QPoint to)
{
    if (Points.size() < 2)
        return;
    const QPoint d = to - from;
    QPoint a = Point(0);
    QPoint b = Point(1);
    // Edges that do not move keep their stored value; moved ones move by the stored delta.
    QPoint storedA = Points[0];
    QPoint storedB = Points[1];
    ApplyTextRule(HotHandle, storedA, storedB, Context().ToStored(d), 0);
    if (HotHandle == 2 || HotHandle == 3 || HotHandle == 7) {
        ApplyTextRule(HotHandle, a, b, d, TextWidth);
        storedB.setX(Context().ToStored(b.x()));
    }
    Points[0] = QPoint(std::min(storedA.x(), storedB.x()), std::min(storedA.y(), storedB.y()));
    Points[1] = QPoint(std::max(storedA.x(), storedB.x()), std::max(storedA.y(), storedB.y()));
    // The font follows the box; an empty text keeps its width rather than divide by zero.
    const int characters = CharacterCount();
    if (characters > 0)
        Info.WordInfo.Width = Round(double(Points[1].x() - Points[0].x()) / characters);
    Info.WordInfo.Height = Points[1].y() - Points[0].y();
}

void TKWZText::DrawHot()
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint c = TurnedCorner();
    UseHotStyle();
    Canvas->Pen = TPen{clBlack, psSolid, 4, pmNotXor};
    Canvas->Brush = TBrush{clBlack, bsSolid};
    DrawGuides(a, c);
    UseHandleStyle();
    const int midX = (a.x() - c.x()) / 2 + c.x();
    const int midY = (a.y() - c.y()) / 2 + c.y();
    for (QPoint at : {QPoint(midX, a.y()), QPoint(a.x(), midY), QPoint(c.x(), midY), QPoint(midX, c.y()), a,
                      QPoint(c.x(), a.y()), c, QPoint(a.x(), c.y())})
        DrawHandle(at);
}

void TKWZText::Draw(bool forPrint)
{
    if (!Canvas)
        return;
    const QPoint a = Point(0);
    const QPoint b = Point(1);
    Position = {double(a.x()), double(a.y()), double(b.x()), double(b.y())};
    ApplyStyle(forPrint);
    TLogText& w = Info.WordInfo;
    w.X = a.x();
    w.Y = a.y();
    const int32_t height = w.Height;
    const int32_t width = w.Width;
    w.Height = Round(height * Context().Zoom);
    w.Width = Round(width * Context().Zoom);
    Canvas->Font = FontOfText(w, w.Height, w.Width, Info.Angle * 10);
    Canvas->TextOut(w.X, w.Y, w.Text);
    const QSize extent = Canvas->TextExtent(w.Text);
    TextWidth = extent.width();
    TextHeight = extent.height();
    // Printing keeps the scaled sizes in the object; the screen puts the stored ones back.
    if (!Context().Printing) {
        w.Height = height;
        w.Width = width;
    }
}

void TKWZText::Drawing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    UseRubberStyle();
    Canvas->Rectangle(NormalRect(from, to));
}

void TKWZText::Draging(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    const QPoint d = to - from;
    const QRect box = NormalRect(Point(0) + d, Point(1) + d);
    Canvas->FocusRect(box);
    Canvas->FocusRect(box.adjusted(-10, -10, 10, 10));
}

void TKWZText::Sizing(QPoint from, QPoint to)
{
    if (!Canvas)
        return;
    QPoint a = Point(0);
    QPoint b = Point(1);
    ApplyTextRule(HotHandle, a, b, to - from, TextWidth);
    Canvas->FocusRect(NormalRect(a, b));
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
