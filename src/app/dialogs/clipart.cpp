#include "clipart.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

#include <cmath>

namespace tessarine {

namespace {

// Sign colours after ISO 7010; ink is a soft black that prints well on thermal stock.
const QColor kInk(26, 26, 26);
const QColor kYellow(255, 200, 0);
const QColor kRed(215, 25, 32);
const QColor kBlue(22, 94, 168);
const QColor kGreen(20, 136, 62);
const QColor kOrange(242, 107, 29);
const QColor kWater(46, 134, 222);
const QColor kLeaf(76, 160, 60);
const QColor kBrown(133, 87, 45);
const QColor kGold(250, 190, 20);

QPen Stroke(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A unit-square path placed into a box.
QPainterPath InBox(const QPainterPath& unit, const QRectF& box)
{
    QTransform place;
    place.translate(box.x(), box.y());
    place.scale(box.width(), box.height());
    return place.map(unit);
}

// An arrow head with its tip at tip, pointing along direction (degrees, counter-clockwise
// from three o'clock, as QLineF measures).
QPolygonF ArrowHead(QPointF tip, qreal direction, qreal length, qreal width)
{
    QTransform turn;
    turn.translate(tip.x(), tip.y());
    turn.rotate(-direction);
    return turn.map(QPolygonF({QPointF(0, 0), QPointF(-length, -width / 2), QPointF(-length, width / 2)}));
}

QPainterPath ArrowPath(QPointF from, QPointF to, qreal shaft, qreal headLength, qreal headWidth,
                       bool bothEnds = false)
{
    const QLineF line(from, to);
    const qreal length = line.length();
    const qreal s = shaft / 2;
    const qreal h = headWidth / 2;
    QPolygonF outline;
    if (bothEnds) {
        outline << QPointF(0, 0) << QPointF(headLength, -h) << QPointF(headLength, -s)
                << QPointF(length - headLength, -s) << QPointF(length - headLength, -h) << QPointF(length, 0)
                << QPointF(length - headLength, h) << QPointF(length - headLength, s)
                << QPointF(headLength, s) << QPointF(headLength, h);
    } else {
        outline << QPointF(0, -s) << QPointF(length - headLength, -s) << QPointF(length - headLength, -h)
                << QPointF(length, 0) << QPointF(length - headLength, h) << QPointF(length - headLength, s)
                << QPointF(0, s);
    }
    QTransform place;
    place.translate(from.x(), from.y());
    place.rotate(-line.angle());
    QPainterPath path;
    path.addPolygon(place.map(outline));
    path.closeSubpath();
    return path;
}

// A stroked arc of a circle with a head where it ends; angles as QPainter takes them.
void ArcArrow(QPainter& p, QPointF centre, qreal radius, qreal start, qreal span, qreal width,
              qreal headLength, qreal headWidth, const QColor& color)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, span);
    p.strokePath(arc, QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    const qreal end = qDegreesToRadians(start + span);
    const QPointF endPoint(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const qreal direction = start + span + (span > 0 ? 90 : -90);
    const qreal d = qDegreesToRadians(direction);
    const QPointF tip = endPoint + QPointF(headLength * std::cos(d), -headLength * std::sin(d));
    QPainterPath head;
    head.addPolygon(ArrowHead(tip, direction, headLength, headWidth));
    p.fillPath(head, color);
}

QPainterPath UnitFlame()
{
    QPainterPath f;
    f.moveTo(0.5, 0);
    f.cubicTo(0.85, 0.3, 1.0, 0.5, 0.95, 0.7);
    f.cubicTo(0.92, 0.88, 0.75, 1.0, 0.5, 1.0);
    f.cubicTo(0.22, 1.0, 0.03, 0.87, 0.05, 0.68);
    f.cubicTo(0.07, 0.5, 0.2, 0.42, 0.28, 0.28);
    f.cubicTo(0.32, 0.42, 0.38, 0.5, 0.45, 0.52);
    f.cubicTo(0.5, 0.38, 0.42, 0.2, 0.5, 0);
    f.closeSubpath();
    return f;
}

QPainterPath UnitDrop()
{
    QPainterPath d;
    d.moveTo(0.5, 0);
    d.cubicTo(0.62, 0.25, 1.0, 0.5, 1.0, 0.7);
    d.cubicTo(1.0, 0.88, 0.78, 1.0, 0.5, 1.0);
    d.cubicTo(0.22, 1.0, 0, 0.88, 0, 0.7);
    d.cubicTo(0, 0.5, 0.38, 0.25, 0.5, 0);
    d.closeSubpath();
    return d;
}

QPainterPath UnitLeaf()
{
    QPainterPath l;
    l.moveTo(0.05, 0.95);
    l.cubicTo(0.0, 0.45, 0.4, 0.0, 0.95, 0.05);
    l.cubicTo(1.0, 0.55, 0.6, 1.0, 0.05, 0.95);
    l.closeSubpath();
    return l;
}

void Leaf(QPainter& p, const QRectF& box, const QColor& color)
{
    p.fillPath(InBox(UnitLeaf(), box), color);
    p.setPen(Stroke(QColor(255, 255, 255, 200), 2));
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.x() + x * box.width(), box.y() + y * box.height());
    };
    p.drawLine(at(0.08, 0.92), at(0.8, 0.2));
    p.drawLine(at(0.35, 0.62), at(0.3, 0.4));
    p.drawLine(at(0.35, 0.62), at(0.58, 0.68));
    p.drawLine(at(0.55, 0.42), at(0.52, 0.22));
    p.drawLine(at(0.55, 0.42), at(0.78, 0.46));
}

// An upright hand, palm to the viewer, in a box of about (13, 8) to (44, 52); a glove adds
// a cuff at the wrist.
QPainterPath HandPath(bool glove = false)
{
    QPainterPath hand;
    hand.addRoundedRect(QRectF(21, 28, 22, 24), 7, 7);
    const qreal fingers[][3] = {{21, 12, 25}, {26.6, 8, 27}, {32.2, 10, 25}, {37.8, 15, 21}};
    for (const auto& f : fingers) {
        QPainterPath finger;
        finger.addRoundedRect(QRectF(f[0], f[1], 5.0, f[2]), 2.5, 2.5);
        hand = hand.united(finger);
    }
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-3, -11, 6, 20), 3, 3);
    QTransform tilt;
    tilt.translate(19, 38);
    tilt.rotate(-32);
    hand = hand.united(tilt.map(thumb));
    if (glove) {
        QPainterPath cuff;
        cuff.addRoundedRect(QRectF(19, 48, 26, 9), 2, 2);
        hand = hand.united(cuff);
    }
    return hand;
}

void Hand(QPainter& p, QPointF centre, qreal scale, const QColor& color, bool glove = false)
{
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.scale(scale, scale);
    place.translate(-29, -32);
    p.fillPath(place.map(HandPath(glove)), color);
}

void Snowflake(QPainter& p, QPointF centre, qreal radius, const QPen& pen)
{
    p.setPen(pen);
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(90.0 + 60.0 * i);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(centre, centre + dir * radius);
        const QPointF fork = centre + dir * (radius * 0.55);
        for (int side : {-1, 1}) {
            const qreal b = a + side * qDegreesToRadians(45.0);
            p.drawLine(fork, fork + QPointF(std::cos(b), -std::sin(b)) * (radius * 0.32));
        }
    }
}

void Sun(QPainter& p, QPointF centre, qreal radius, qreal rayGap, qreal rayLength, const QColor& color,
         qreal width)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, radius, radius);
    p.setPen(Stroke(color, width));
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(45.0 * i);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.drawLine(centre + dir * (radius + rayGap), centre + dir * (radius + rayGap + rayLength));
    }
}

QPolygonF Star(QPointF centre, int points, qreal outer, qreal inner, qreal startDegrees = 90)
{
    QPolygonF star;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = qDegreesToRadians(startDegrees + 180.0 * i / points);
        const qreal r = i % 2 == 0 ? outer : inner;
        star << centre + QPointF(r * std::cos(a), -r * std::sin(a));
    }
    return star;
}

void WarningSign(QPainter& p)
{
    QPainterPath triangle;
    triangle.moveTo(32, 5);
    triangle.lineTo(60, 55);
    triangle.lineTo(4, 55);
    triangle.closeSubpath();
    p.setPen(Stroke(kInk, 4));
    p.setBrush(kYellow);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
}

void ProhibitionGround(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(32, 32), 29, 29);
    p.setBrush(Qt::NoBrush);
}

void ProhibitionMark(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRed, 6));
    p.drawEllipse(QPointF(32, 32), 27, 27);
    const qreal d = 27 * M_SQRT1_2;
    p.setPen(QPen(kRed, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(32 - d, 32 - d), QPointF(32 + d, 32 + d));
}

void Disc(QPainter& p, const QColor& color, qreal radius = 30)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(32, 32), radius, radius);
    p.setBrush(Qt::NoBrush);
}

void SafeGround(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 6, 6);
    p.setBrush(Qt::NoBrush);
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath Goblet(qreal top, qreal bowlBottom, qreal foot)
{
    QPainterPath g;
    g.moveTo(17, top);
    g.lineTo(47, top);
    g.cubicTo(48, top + 16, 44, bowlBottom - 3, 34.5, bowlBottom);
    g.lineTo(34.5, foot - 8);
    g.lineTo(44, foot - 2);
    g.lineTo(44, foot);
    g.lineTo(20, foot);
    g.lineTo(20, foot - 2);
    g.lineTo(29.5, foot - 8);
    g.lineTo(29.5, bowlBottom);
    g.cubicTo(20, bowlBottom - 3, 16, top + 16, 17, top);
    g.closeSubpath();
    return g;
}

QPainterPath Bin(qreal top, qreal bottom, qreal topHalfWidth, qreal bottomHalfWidth)
{
    return Polygon({{32 - topHalfWidth, top},
                    {32 + topHalfWidth, top},
                    {32 + bottomHalfWidth, bottom},
                    {32 - bottomHalfWidth, bottom}});
}

using ClipArtPainter = void (*)(QPainter&);

struct TClipArt
{
    const char* name;
    ClipArtPainter paint;
};

const TClipArt kClipArt[kClipArtCount] = {
    // ---- Arrows ----
    {"arrow up",
     [](QPainter& p) {
         p.fillPath(ArrowPath({32, 59}, {32, 5}, 14, 24, 42), kInk);
     }},
    {"arrow down",
     [](QPainter& p) {
         p.fillPath(ArrowPath({32, 5}, {32, 59}, 14, 24, 42), kInk);
     }},
    {"arrow left",
     [](QPainter& p) {
         p.fillPath(ArrowPath({59, 32}, {5, 32}, 14, 24, 42), kInk);
     }},
    {"arrow right",
     [](QPainter& p) {
         p.fillPath(ArrowPath({5, 32}, {59, 32}, 14, 24, 42), kInk);
     }},
    {"arrow left and right",
     [](QPainter& p) {
         p.fillPath(ArrowPath({4, 32}, {60, 32}, 12, 20, 36, true), kInk);
     }},
    {"arrow up and down",
     [](QPainter& p) {
         p.fillPath(ArrowPath({32, 4}, {32, 60}, 12, 20, 36, true), kInk);
     }},
    {"turn clockwise",
     [](QPainter& p) {
         ArcArrow(p, {32, 33}, 20, 150, -270, 7, 14, 22, kInk);
     }},
    {"turn counter-clockwise",
     [](QPainter& p) {
         ArcArrow(p, {32, 33}, 20, 30, 270, 7, 14, 22, kInk);
     }},
    {"arrow up right",
     [](QPainter& p) {
         p.fillPath(ArrowPath({10, 54}, {56, 8}, 13, 22, 38), kInk);
     }},
    {"move",
     [](QPainter& p) {
         for (QPointF to : {QPointF(32, 4), QPointF(32, 60), QPointF(4, 32), QPointF(60, 32)})
             p.fillPath(ArrowPath({32, 32}, to, 8, 14, 22), kInk);
     }},
    {"refresh",
     [](QPainter& p) {
         ArcArrow(p, {32, 32}, 20, 100, 140, 6, 13, 19, kInk);
         ArcArrow(p, {32, 32}, 20, 280, 140, 6, 13, 19, kInk);
     }},
    {"return",
     [](QPainter& p) {
         QPainterPath u;
         u.moveTo(44, 60);
         u.lineTo(44, 28);
         u.arcTo(QRectF(20, 16, 24, 24), 0, 180);
         u.lineTo(20, 38);
         p.strokePath(u, QPen(kInk, 8, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
         p.fillPath(Polygon({{7, 37}, {33, 37}, {20, 56}}), kInk);
     }},

    // ---- Handling marks ----
    {"this side up",
     [](QPainter& p) {
         p.fillRect(QRectF(8, 53, 48, 6), kInk);
         p.fillPath(ArrowPath({21, 50}, {21, 5}, 8, 17, 22), kInk);
         p.fillPath(ArrowPath({43, 50}, {43, 5}, 8, 17, 22), kInk);
     }},
    {"fragile",
     [](QPainter& p) {
         p.fillPath(Goblet(6, 35, 58), kInk);
         p.setPen(Stroke(Qt::white, 2.5));
         const QPointF crack[] = {{30, 7}, {35, 14}, {29, 20}, {34, 27}};
         p.drawPolyline(crack, 4);
     }},
    {"keep dry",
     [](QPainter& p) {
         QPainterPath canopy;
         canopy.moveTo(6, 38);
         canopy.arcTo(QRectF(6, 18, 52, 40), 180, -180);
         const qreal scallop = 52.0 / 3;
         for (int k = 0; k < 3; ++k)
             canopy.arcTo(QRectF(58 - scallop * (k + 1), 34, scallop, 8), 0, 180);
         canopy.closeSubpath();
         p.fillPath(canopy, kInk);
         QPainterPath handle;
         handle.moveTo(32, 36);
         handle.lineTo(32, 54);
         handle.arcTo(QRectF(24, 50, 8, 8), 0, -180);
         p.strokePath(handle, Stroke(kInk, 4));
         p.setPen(Stroke(kInk, 3.5));
         p.drawLine(QPointF(16, 4), QPointF(13, 12));
         p.drawLine(QPointF(32, 2), QPointF(29, 10));
         p.drawLine(QPointF(48, 4), QPointF(45, 12));
     }},
    {"keep away from heat",
     [](QPainter& p) {
         Sun(p, {32, 11}, 5.5, 2, 3.5, kInk, 2.5);
         QPainterPath shield;
         shield.moveTo(6, 36);
         shield.quadTo(32, 18, 58, 36);
         p.strokePath(shield, Stroke(kInk, 5));
         p.setPen(Stroke(kInk, 3.5));
         p.setBrush(Qt::NoBrush);
         p.drawRect(QRectF(15, 38, 34, 20));
     }},
    {"do not stack",
     [](QPainter& p) {
         p.fillRect(QRectF(12, 38, 40, 20), kInk);
         p.setPen(Stroke(kInk, 3));
         p.drawRect(QRectF(20, 10, 24, 20));
         p.setPen(Stroke(kInk, 4));
         p.drawLine(QPointF(12, 5), QPointF(52, 34));
         p.drawLine(QPointF(52, 5), QPointF(12, 34));
     }},
    {"stacking limit",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3.5));
         p.drawRect(QRectF(12, 35, 40, 23));
         p.fillRect(QRectF(8, 27, 48, 4), kInk);
         p.fillPath(ArrowPath({32, 3}, {32, 25}, 7, 11, 18), kInk);
     }},
    {"centre of gravity",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.drawRect(QRectF(10, 8, 44, 48));
         const QRectF circle(22, 18, 20, 20);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawPie(circle, 0, 90 * 16);
         p.drawPie(circle, 180 * 16, 90 * 16);
         p.setBrush(Qt::NoBrush);
         p.setPen(Stroke(kInk, 2));
         p.drawEllipse(circle);
         p.setPen(Stroke(kInk, 2.5));
         p.drawLine(QPointF(32, 38), QPointF(32, 52));
     }},
    {"clamp here",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.drawRect(QRectF(23, 18, 18, 28));
         p.fillRect(QRectF(5, 8, 5, 48), kInk);
         p.fillRect(QRectF(54, 8, 5, 48), kInk);
         p.fillPath(ArrowPath({10, 32}, {21, 32}, 4, 7, 11), kInk);
         p.fillPath(ArrowPath({54, 32}, {43, 32}, 4, 7, 11), kInk);
     }},
    {"use no hooks",
     [](QPainter& p) {
         QPainterPath hook;
         hook.moveTo(36, 8);
         hook.lineTo(36, 38);
         hook.arcTo(QRectF(20, 30, 16, 16), 0, -180);
         hook.lineTo(20, 32);
         p.strokePath(hook, Stroke(kInk, 5));
         p.setPen(Stroke(kInk, 4));
         p.drawLine(QPointF(10, 12), QPointF(54, 56));
         p.drawLine(QPointF(54, 12), QPointF(10, 56));
     }},
    {"do not roll",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 2.5));
         p.setBrush(QColor(200, 200, 200));
         p.drawPath(Polygon({{12, 28}, {22, 18}, {48, 18}, {38, 28}}));
         p.setBrush(QColor(130, 130, 130));
         p.drawPath(Polygon({{38, 28}, {48, 18}, {48, 44}, {38, 54}}));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(12, 28, 26, 26));
         ArcArrow(p, {25, 41}, 7, 120, -260, 2.5, 5, 7, kInk);
         p.setPen(Stroke(kInk, 4));
         p.drawLine(QPointF(6, 10), QPointF(56, 60));
         p.drawLine(QPointF(56, 10), QPointF(6, 60));
     }},
    {"temperature limits",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(24, 6, 9, 42), 4.5, 4.5);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(28.5, 51), 7.5, 7.5);
         p.drawRect(QRectF(27, 24, 3, 24));
         p.setPen(Stroke(kInk, 3.5));
         p.drawLine(QPointF(40, 12), QPointF(56, 12));
         p.drawLine(QPointF(40, 40), QPointF(56, 40));
         p.fillPath(ArrowPath({48, 30}, {48, 15}, 2.5, 6, 8), kInk);
         p.fillPath(ArrowPath({48, 22}, {48, 37}, 2.5, 6, 8), kInk);
     }},
    {"sling here",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 4));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QRectF(23, 3, 18, 24));
         p.drawRoundedRect(QRectF(29, 20, 6, 24), 3, 3);
         p.drawEllipse(QRectF(23, 37, 18, 24));
     }},

    // ---- Warning signs ----
    {"warning",
     [](QPainter& p) {
         WarningSign(p);
         p.setPen(Stroke(kInk, 6));
         p.drawLine(QPointF(32, 22), QPointF(32, 39));
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(32, 47.5), 3.4, 3.4);
     }},
    {"electric hazard",
     [](QPainter& p) {
         WarningSign(p);
         p.fillPath(Polygon({{36, 18}, {24, 38}, {31, 38}, {26, 53}, {41, 32}, {33, 32}, {38, 18}}), kInk);
     }},
    {"flammable",
     [](QPainter& p) {
         WarningSign(p);
         p.fillPath(InBox(UnitFlame(), QRectF(22, 20, 20, 31)), kInk);
         p.fillRect(QRectF(20, 49, 24, 3), kInk);
     }},
    {"toxic",
     [](QPainter& p) {
         WarningSign(p);
         p.setPen(Stroke(kInk, 3));
         p.drawLine(QPointF(22, 40), QPointF(42, 51));
         p.drawLine(QPointF(42, 40), QPointF(22, 51));
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(32, 29), 8.5, 7.5);
         p.drawRoundedRect(QRectF(27, 32, 10, 9), 2, 2);
         p.setBrush(kYellow);
         p.drawEllipse(QPointF(28.8, 29.5), 2.3, 2.3);
         p.drawEllipse(QPointF(35.2, 29.5), 2.3, 2.3);
         p.drawPath(Polygon({{32, 32}, {30.8, 35}, {33.2, 35}}));
         p.setPen(QPen(kYellow, 1));
         p.drawLine(QPointF(30, 37.5), QPointF(30, 41));
         p.drawLine(QPointF(32, 37.5), QPointF(32, 41));
         p.drawLine(QPointF(34, 37.5), QPointF(34, 41));
     }},
    {"corrosive",
     [](QPainter& p) {
         WarningSign(p);
         QPainterPath tube;
         tube.addRoundedRect(QRectF(-3.5, -11, 7, 22), 3, 3);
         QTransform tilt;
         tilt.translate(27, 29);
         tilt.rotate(55);
         p.fillPath(tilt.map(tube), kInk);
         p.fillPath(InBox(UnitDrop(), QRectF(34, 34, 4.5, 6)), kInk);
         p.fillPath(InBox(UnitDrop(), QRectF(35, 41, 4, 5)), kInk);
         QPainterPath surface;
         surface.addRect(QRectF(19, 48, 26, 4));
         QPainterPath bite;
         bite.addEllipse(QPointF(37, 48), 3.5, 2.5);
         p.fillPath(surface.subtracted(bite), kInk);
     }},
    {"explosive",
     [](QPainter& p) {
         WarningSign(p);
         QPainterPath burst;
         burst.addPolygon(Star({32, 40}, 9, 12, 5));
         burst.closeSubpath();
         p.fillPath(burst, kInk);
         p.setPen(Stroke(kInk, 2.5));
         p.drawLine(QPointF(22, 26), QPointF(24, 29));
         p.drawLine(QPointF(42, 26), QPointF(40, 29));
         p.drawLine(QPointF(18, 38), QPointF(20, 39));
         p.drawLine(QPointF(46, 38), QPointF(44, 39));
     }},
    {"radiation",
     [](QPainter& p) {
         WarningSign(p);
         const QPointF c(32, 39);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(c, 3, 3);
         const QRectF outer(c.x() - 13, c.y() - 13, 26, 26);
         const QRectF inner(c.x() - 5, c.y() - 5, 10, 10);
         for (qreal a : {90.0, 210.0, 330.0}) {
             QPainterPath blade;
             blade.arcMoveTo(outer, a - 30);
             blade.arcTo(outer, a - 30, 60);
             blade.arcTo(inner, a + 30, -60);
             blade.closeSubpath();
             p.fillPath(blade, kInk);
         }
     }},
    {"biohazard",
     [](QPainter& p) {
         WarningSign(p);
         const QPointF c(32, 40);
         p.setPen(Stroke(kInk, 2.5));
         for (qreal a : {90.0, 210.0, 330.0}) {
             const qreal r = qDegreesToRadians(a);
             p.drawEllipse(c + QPointF(6 * std::cos(r), -6 * std::sin(r)), 7, 7);
         }
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(c, 3, 3);
     }},
    {"hot surface",
     [](QPainter& p) {
         WarningSign(p);
         p.setPen(Stroke(kInk, 2.5));
         p.setBrush(Qt::NoBrush);
         for (qreal x : {26.0, 32.0, 38.0}) {
             QPainterPath wave;
             wave.moveTo(x, 45);
             wave.cubicTo(x - 4, 40, x + 4, 35, x, 30);
             wave.cubicTo(x - 3, 27, x + 2, 25, x, 23);
             p.drawPath(wave);
         }
         p.fillRect(QRectF(20, 48, 24, 4), kInk);
     }},
    {"liquid hazard",
     [](QPainter& p) {
         WarningSign(p);
         p.fillPath(InBox(UnitDrop(), QRectF(24, 20, 16, 24)), kInk);
         QPainterPath ripple;
         ripple.moveTo(18, 50);
         ripple.cubicTo(22, 46, 26, 54, 32, 50);
         ripple.cubicTo(38, 46, 42, 54, 46, 50);
         p.strokePath(ripple, Stroke(kInk, 2.5));
     }},
    {"laser",
     [](QPainter& p) {
         WarningSign(p);
         const QPointF c(38, 40);
         p.setPen(Stroke(kInk, 2));
         for (int i = 0; i < 12; ++i) {
             const qreal a = qDegreesToRadians(30.0 * i);
             const QPointF dir(std::cos(a), -std::sin(a));
             p.drawLine(c + dir * 4, c + dir * (i % 2 ? 7 : 9.5));
         }
         p.setPen(Stroke(kInk, 3));
         p.drawLine(QPointF(17, 40), QPointF(33, 40));
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(c, 2.5, 2.5);
     }},
    {"low temperature",
     [](QPainter& p) {
         WarningSign(p);
         Snowflake(p, {32, 39}, 11, Stroke(kInk, 2.5));
     }},

    // ---- Prohibition signs ----
    {"no smoking",
     [](QPainter& p) {
         ProhibitionGround(p);
         p.setPen(Stroke(kInk, 2));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(10, 31, 34, 8));
         p.fillRect(QRectF(44, 31, 7, 8), kInk);
         QPainterPath smoke;
         smoke.moveTo(48, 28);
         smoke.cubicTo(44, 23, 52, 19, 48, 12);
         p.strokePath(smoke, Stroke(kInk, 2.5));
         ProhibitionMark(p);
     }},
    {"no entry",
     [](QPainter& p) {
         Disc(p, kRed, 29);
         p.fillRect(QRectF(12, 26, 40, 12), Qt::white);
     }},
    {"no open flame",
     [](QPainter& p) {
         ProhibitionGround(p);
         // A burning match, so the sign does not read as a drop of water.
         p.fillPath(InBox(UnitFlame(), QRectF(23, 9, 18, 27)), kInk);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(29.5, 38, 5, 17), 1.5, 1.5);
         ProhibitionMark(p);
     }},
    {"no mobile phones",
     [](QPainter& p) {
         ProhibitionGround(p);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(23, 12, 18, 40), 3.5, 3.5);
         p.fillRect(QRectF(25.5, 17, 13, 25), Qt::white);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(32, 46.5), 2, 2);
         ProhibitionMark(p);
     }},
    {"do not touch",
     [](QPainter& p) {
         ProhibitionGround(p);
         Hand(p, {32, 32}, 0.82, kInk);
         ProhibitionMark(p);
     }},
    {"no food or drink",
     [](QPainter& p) {
         ProhibitionGround(p);
         p.fillPath(Polygon({{22, 22}, {42, 22}, {39.5, 50}, {24.5, 50}}), kInk);
         p.fillRect(QRectF(20, 18, 24, 4), kInk);
         p.setPen(Stroke(kInk, 3));
         p.drawLine(QPointF(35, 18), QPointF(41, 8));
         ProhibitionMark(p);
     }},
    {"do not wet",
     [](QPainter& p) {
         ProhibitionGround(p);
         p.fillPath(InBox(UnitDrop(), QRectF(21, 12, 22, 36)), kInk);
         ProhibitionMark(p);
     }},
    {"no photography",
     [](QPainter& p) {
         ProhibitionGround(p);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(12, 24, 40, 24), 4, 4);
         p.drawRect(QRectF(24, 19, 12, 6));
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(32, 36), 8.5, 8.5);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(32, 36), 5.5, 5.5);
         ProhibitionMark(p);
     }},

    // ---- Mandatory signs ----
    {"wear gloves",
     [](QPainter& p) {
         Disc(p, kBlue);
         Hand(p, {32, 31}, 0.85, Qt::white, true);
     }},
    {"wear eye protection",
     [](QPainter& p) {
         Disc(p, kBlue);
         p.setPen(Stroke(Qt::white, 3));
         p.drawLine(QPointF(5, 30), QPointF(12, 32));
         p.drawLine(QPointF(59, 30), QPointF(52, 32));
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(10, 23, 44, 19), 8, 8);
         p.setBrush(kBlue);
         p.drawEllipse(QRectF(14, 26, 15, 12));
         p.drawEllipse(QRectF(35, 26, 15, 12));
         p.drawEllipse(QPointF(32, 43), 4, 4);
     }},
    {"information",
     [](QPainter& p) {
         Disc(p, kBlue);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(32, 16), 5, 5);
         p.drawRect(QRectF(27, 25, 10, 24));
         p.drawRect(QRectF(23, 25, 6, 4));
         p.drawRect(QRectF(23, 46, 18, 4));
     }},
    {"read the manual",
     [](QPainter& p) {
         Disc(p, kBlue);
         p.fillPath(Polygon({{11, 19}, {31, 23}, {31, 48}, {11, 44}}), Qt::white);
         p.fillPath(Polygon({{53, 19}, {33, 23}, {33, 48}, {53, 44}}), Qt::white);
         p.setPen(QPen(kBlue, 1.5));
         for (int k = 0; k < 4; ++k) {
             const qreal y = 27 + 5 * k;
             p.drawLine(QPointF(15, y - 3), QPointF(27, y - 0.6));
             p.drawLine(QPointF(49, y - 3), QPointF(37, y - 0.6));
         }
     }},
    {"wear ear protection",
     [](QPainter& p) {
         Disc(p, kBlue);
         QPainterPath band;
         band.arcMoveTo(QRectF(16, 12, 32, 36), 180);
         band.arcTo(QRectF(16, 12, 32, 36), 180, -180);
         p.strokePath(band, QPen(Qt::white, 5, Qt::SolidLine, Qt::FlatCap));
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(10, 28, 12, 21), 4, 4);
         p.drawRoundedRect(QRectF(42, 28, 12, 21), 4, 4);
     }},
    {"wash your hands",
     [](QPainter& p) {
         Disc(p, kBlue);
         Hand(p, {32, 39}, 0.72, Qt::white);
         for (QPointF at : {QPointF(18, 8), QPointF(29.5, 5), QPointF(41, 8)})
             p.fillPath(InBox(UnitDrop(), QRectF(at.x(), at.y(), 5.5, 8)), Qt::white);
     }},

    // ---- Safe condition signs ----
    {"first aid",
     [](QPainter& p) {
         SafeGround(p);
         p.fillRect(QRectF(26, 12, 12, 40), Qt::white);
         p.fillRect(QRectF(12, 26, 40, 12), Qt::white);
     }},
    {"emergency exit",
     [](QPainter& p) {
         SafeGround(p);
         p.setPen(Stroke(Qt::white, 3));
         p.drawRect(QRectF(37, 12, 16, 40));
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(49, 33), 1.8, 1.8);
         p.fillPath(ArrowPath({9, 32}, {32, 32}, 7, 12, 18), Qt::white);
     }},
    {"approved",
     [](QPainter& p) {
         Disc(p, kGreen, 29);
         QPainterPath check;
         check.moveTo(17, 33);
         check.lineTo(28, 44);
         check.lineTo(47, 21);
         p.strokePath(check, Stroke(Qt::white, 7));
     }},
    {"drinking water",
     [](QPainter& p) {
         SafeGround(p);
         p.fillRect(QRectF(12, 14, 24, 7), Qt::white);
         p.fillRect(QRectF(29, 14, 7, 13), Qt::white);
         p.fillRect(QRectF(17, 9, 12, 3), Qt::white);
         p.fillRect(QRectF(21.5, 11, 3, 4), Qt::white);
         p.fillPath(InBox(UnitDrop(), QRectF(30, 30, 5, 7)), Qt::white);
         p.setPen(Stroke(Qt::white, 2.5));
         p.drawPath(Polygon({{23, 39}, {43, 39}, {40.5, 56}, {25.5, 56}}));
         p.fillPath(Polygon({{24.3, 46}, {41.7, 46}, {40.5, 56}, {25.5, 56}}), Qt::white);
     }},

    // ---- Recycling and environment ----
    {"recycling",
     [](QPainter& p) {
         const QPointF corners[] = {{32, 6}, {59, 53}, {5, 53}};
         for (int i = 0; i < 3; ++i) {
             const QPointF a = corners[i];
             const QPointF b = corners[(i + 1) % 3];
             p.fillPath(ArrowPath(a + (b - a) * 0.16, a + (b - a) * 0.84, 8, 14, 21), kGreen);
         }
     }},
    {"dispose in bin",
     [](QPainter& p) {
         p.fillPath(Bin(24, 58, 14, 11), kInk);
         p.fillRect(QRectF(14, 17, 36, 5), kInk);
         p.setPen(Stroke(kInk, 2.5));
         p.drawRect(QRectF(27, 12, 10, 5));
         p.setPen(Stroke(Qt::white, 2));
         p.drawLine(QPointF(25, 29), QPointF(26.5, 53));
         p.drawLine(QPointF(32, 29), QPointF(32, 53));
         p.drawLine(QPointF(39, 29), QPointF(37.5, 53));
     }},
    {"separate collection",
     [](QPainter& p) {
         p.fillPath(Bin(17, 47, 12, 9), kInk);
         p.fillRect(QRectF(16, 11, 32, 4), kInk);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(40, 49), 4, 4);
         p.setPen(Stroke(kInk, 3.5));
         p.drawLine(QPointF(12, 6), QPointF(52, 52));
         p.drawLine(QPointF(52, 6), QPointF(12, 52));
         p.fillRect(QRectF(12, 56, 40, 5), kInk);
     }},
    {"leaf", [](QPainter& p) { Leaf(p, QRectF(6, 6, 52, 52), kLeaf); }},
    {"water drop",
     [](QPainter& p) {
         p.fillPath(InBox(UnitDrop(), QRectF(14, 4, 36, 56)), kWater);
         QPainterPath shine;
         const QRectF box(20, 27, 24, 26);
         shine.arcMoveTo(box, 190);
         shine.arcTo(box, 190, 55);
         p.strokePath(shine, Stroke(QColor(255, 255, 255, 220), 3.5));
     }},
    {"globe",
     [](QPainter& p) {
         p.setPen(Stroke(kWater, 3));
         p.setBrush(QColor(214, 234, 250));
         p.drawEllipse(QPointF(32, 32), 27, 27);
         p.setBrush(Qt::NoBrush);
         p.setPen(Stroke(kWater, 2));
         p.drawEllipse(QPointF(32, 32), 12, 27);
         p.drawLine(QPointF(32, 5), QPointF(32, 59));
         p.drawLine(QPointF(5, 32), QPointF(59, 32));
         const qreal half = std::sqrt(27.0 * 27.0 - 13.0 * 13.0);
         p.drawLine(QPointF(32 - half, 19), QPointF(32 + half, 19));
         p.drawLine(QPointF(32 - half, 45), QPointF(32 + half, 45));
     }},
    {"tree",
     [](QPainter& p) {
         p.fillRect(QRectF(28, 38, 8, 22), kBrown);
         QPainterPath crown;
         crown.addEllipse(QPointF(32, 21), 16, 16);
         crown.addEllipse(QPointF(19, 33), 12, 11);
         crown.addEllipse(QPointF(45, 33), 12, 11);
         crown.setFillRule(Qt::WindingFill);
         p.fillPath(crown.simplified(), kLeaf);
     }},
    {"seedling",
     [](QPainter& p) {
         QPainterPath soil;
         soil.moveTo(6, 58);
         soil.quadTo(32, 38, 58, 58);
         soil.closeSubpath();
         p.fillPath(soil, kBrown);
         p.setPen(Stroke(kLeaf, 3.5));
         p.drawLine(QPointF(32, 50), QPointF(32, 26));
         QPainterPath left;
         left.moveTo(32, 36);
         left.cubicTo(26, 24, 16, 22, 8, 26);
         left.cubicTo(13, 37, 24, 40, 32, 36);
         p.fillPath(left, kLeaf);
         QPainterPath right;
         right.moveTo(32, 28);
         right.cubicTo(36, 14, 48, 8, 57, 12);
         right.cubicTo(53, 25, 42, 31, 32, 28);
         p.fillPath(right, kLeaf);
     }},

    // ---- Food and temperature ----
    {"frozen",
     [](QPainter& p) {
         Snowflake(p, {32, 32}, 27, Stroke(kWater, 4));
     }},
    {"thermometer",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 2.5));
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(26, 4, 12, 44), 6, 6);
         p.setBrush(kRed);
         p.drawEllipse(QPointF(32, 50), 10, 10);
         p.setPen(Qt::NoPen);
         p.drawRect(QRectF(29.5, 20, 5, 30));
         p.setPen(Stroke(kInk, 2));
         for (int k = 0; k < 5; ++k)
             p.drawLine(QPointF(42, 10 + 6 * k), QPointF(k % 2 ? 46 : 49, 10 + 6 * k));
     }},
    {"keep refrigerated",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(14, 4, 36, 56), 4, 4);
         p.drawLine(QPointF(14, 24), QPointF(50, 24));
         p.drawLine(QPointF(20, 11), QPointF(20, 18));
         p.drawLine(QPointF(20, 30), QPointF(20, 40));
         Snowflake(p, {37, 43}, 9, Stroke(kWater, 2.2));
     }},
    {"microwave safe",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(5, 13, 54, 38), 4, 4);
         p.setPen(Stroke(kInk, 2));
         p.setBrush(QColor(225, 225, 225));
         p.drawRect(QRectF(10, 18, 30, 28));
         p.setBrush(Qt::NoBrush);
         for (int k = 0; k < 3; ++k) {
             const qreal y = 25 + 7 * k;
             QPainterPath wave;
             wave.moveTo(14, y);
             wave.cubicTo(18, y - 4, 21, y + 4, 25, y);
             wave.cubicTo(29, y - 4, 32, y + 4, 36, y);
             p.drawPath(wave);
         }
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(49.5, 23), 2.5, 2.5);
         p.drawEllipse(QPointF(49.5, 31), 2.5, 2.5);
         p.drawRect(QRectF(45.5, 38, 8, 4));
     }},
    {"flame",
     [](QPainter& p) {
         p.fillPath(InBox(UnitFlame(), QRectF(13, 4, 38, 56)), kOrange);
         p.fillPath(InBox(UnitFlame(), QRectF(22, 27, 20, 31)), kYellow);
     }},
    {"hot drink",
     [](QPainter& p) {
         QPainterPath cup;
         cup.moveTo(12, 28);
         cup.lineTo(44, 28);
         cup.lineTo(42, 48);
         cup.quadTo(41, 56, 33, 56);
         cup.lineTo(23, 56);
         cup.quadTo(15, 56, 14, 48);
         cup.closeSubpath();
         QPainterPath handle;
         handle.arcMoveTo(QRectF(37, 32, 16, 14), 90);
         handle.arcTo(QRectF(37, 32, 16, 14), 90, -180);
         p.strokePath(handle, Stroke(kInk, 3.5));
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawPath(cup);
         p.fillRect(QRectF(15, 31, 26, 5), kBrown);
         p.drawLine(QPointF(7, 60), QPointF(49, 60));
         p.setPen(Stroke(QColor(110, 110, 110), 2.5));
         p.setBrush(Qt::NoBrush);
         for (qreal x : {20.0, 28.0, 36.0}) {
             QPainterPath steam;
             steam.moveTo(x, 23);
             steam.cubicTo(x - 4, 18, x + 4, 13, x, 6);
             p.drawPath(steam);
         }
     }},
    {"apple",
     [](QPainter& p) {
         QPainterPath apple;
         apple.moveTo(32, 20);
         apple.cubicTo(40, 12, 58, 16, 56, 36);
         apple.cubicTo(55, 50, 44, 60, 38, 58);
         apple.cubicTo(35, 57, 29, 57, 26, 58);
         apple.cubicTo(20, 60, 8, 50, 8, 36);
         apple.cubicTo(6, 16, 24, 12, 32, 20);
         apple.closeSubpath();
         p.fillPath(apple, kRed);
         p.setPen(Stroke(kBrown, 3));
         p.drawLine(QPointF(32, 20), QPointF(34, 7));
         QPainterPath leaf;
         leaf.moveTo(34, 12);
         leaf.cubicTo(38, 4, 48, 3, 53, 7);
         leaf.cubicTo(47, 14, 39, 15, 34, 12);
         p.fillPath(leaf, kLeaf);
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(255, 255, 255, 150));
         p.drawEllipse(QPointF(19, 31), 3, 6);
     }},
    {"fish",
     [](QPainter& p) {
         QPainterPath body;
         body.moveTo(6, 32);
         body.cubicTo(16, 14, 40, 14, 48, 32);
         body.cubicTo(40, 50, 16, 50, 6, 32);
         body.closeSubpath();
         p.fillPath(Polygon({{44, 32}, {60, 18}, {55, 32}, {60, 46}}), kWater);
         p.fillPath(body, kWater);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(17, 29), 3.2, 3.2);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(17.5, 29), 1.6, 1.6);
         QPainterPath gill;
         gill.moveTo(25, 22);
         gill.quadTo(30, 32, 25, 42);
         p.strokePath(gill, Stroke(QColor(255, 255, 255, 200), 2));
     }},
    {"wheat",
     [](QPainter& p) {
         const QColor straw(190, 140, 40);
         const QColor grain(214, 166, 60);
         p.setPen(Stroke(straw, 2.5));
         p.drawLine(QPointF(32, 61), QPointF(32, 12));
         p.setPen(Qt::NoPen);
         p.setBrush(grain);
         p.drawEllipse(QPointF(32, 9), 3.5, 6.5);
         for (int k = 0; k < 5; ++k) {
             const qreal y = 19 + 8 * k;
             for (int side : {-1, 1}) {
                 p.save();
                 p.translate(32 + side * 5, y);
                 p.rotate(side * 35);
                 p.drawEllipse(QPointF(0, 0), 3.5, 6.5);
                 p.restore();
             }
         }
     }},
    {"milk",
     [](QPainter& p) {
         QPainterPath bottle;
         bottle.moveTo(24, 8);
         bottle.lineTo(40, 8);
         bottle.lineTo(40, 14);
         bottle.cubicTo(40, 18, 48, 22, 48, 30);
         bottle.lineTo(48, 56);
         bottle.quadTo(48, 60, 44, 60);
         bottle.lineTo(20, 60);
         bottle.quadTo(16, 60, 16, 56);
         bottle.lineTo(16, 30);
         bottle.cubicTo(16, 22, 24, 18, 24, 14);
         bottle.closeSubpath();
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawPath(bottle);
         p.setPen(Qt::NoPen);
         p.setBrush(kBlue);
         p.drawRoundedRect(QRectF(22, 2, 20, 7), 2, 2);
         p.drawRect(QRectF(17.5, 34, 29, 15));
         p.fillPath(InBox(UnitDrop(), QRectF(28.5, 35.5, 7, 11)), Qt::white);
     }},
    {"egg",
     [](QPainter& p) {
         QPainterPath egg;
         egg.moveTo(32, 4);
         egg.cubicTo(46, 4, 54, 30, 52, 42);
         egg.cubicTo(50, 54, 42, 60, 32, 60);
         egg.cubicTo(22, 60, 14, 54, 12, 42);
         egg.cubicTo(10, 30, 18, 4, 32, 4);
         egg.closeSubpath();
         p.setPen(Stroke(QColor(180, 140, 90), 3));
         p.setBrush(QColor(250, 238, 210));
         p.drawPath(egg);
     }},
    {"hot and spicy",
     [](QPainter& p) {
         QPainterPath pod;
         pod.moveTo(13, 20);
         pod.cubicTo(9, 42, 30, 60, 58, 57);
         pod.cubicTo(40, 50, 27, 38, 25, 17);
         pod.cubicTo(21, 14, 16, 15, 13, 20);
         pod.closeSubpath();
         p.fillPath(pod, kRed);
         p.fillPath(Polygon({{11, 19}, {27, 16}, {24, 11}, {14, 12}}), kLeaf);
         p.setPen(Stroke(kLeaf, 3));
         p.drawLine(QPointF(19, 12), QPointF(15, 3));
     }},
    {"vegetarian",
     [](QPainter& p) {
         p.setPen(Stroke(kGreen, 4));
         p.drawEllipse(QPointF(32, 32), 27, 27);
         Leaf(p, QRectF(16, 16, 32, 32), kLeaf);
     }},
    {"cutlery",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 2.5));
         for (qreal x : {15.0, 20.0, 25.0})
             p.drawLine(QPointF(x, 5), QPointF(x, 20));
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(13.5, 17, 13, 9), 4, 4);
         p.drawRoundedRect(QRectF(17.5, 24, 5, 35), 2.5, 2.5);
         QPainterPath blade;
         blade.moveTo(42, 5);
         blade.cubicTo(51, 9, 51, 26, 49, 33);
         blade.lineTo(42, 33);
         blade.closeSubpath();
         p.fillPath(blade, kInk);
         p.drawRoundedRect(QRectF(41, 31, 6.5, 28), 3, 3);
     }},
    {"wine",
     [](QPainter& p) {
         const QPainterPath glass = Goblet(4, 34, 58);
         p.save();
         p.setClipPath(glass);
         p.fillRect(QRectF(0, 16, 64, 19), QColor(140, 20, 50));
         p.restore();
         p.setPen(Stroke(kInk, 2.5));
         p.setBrush(Qt::NoBrush);
         p.drawPath(glass);
     }},
    {"bread",
     [](QPainter& p) {
         QPainterPath loaf;
         loaf.moveTo(8, 44);
         loaf.lineTo(8, 32);
         loaf.cubicTo(8, 18, 20, 14, 32, 14);
         loaf.cubicTo(44, 14, 56, 18, 56, 32);
         loaf.lineTo(56, 44);
         loaf.quadTo(56, 50, 50, 50);
         loaf.lineTo(14, 50);
         loaf.quadTo(8, 50, 8, 44);
         loaf.closeSubpath();
         p.setPen(Stroke(QColor(150, 100, 40), 2.5));
         p.setBrush(QColor(214, 160, 80));
         p.drawPath(loaf);
         p.setPen(Stroke(QColor(245, 215, 160), 2.5));
         p.drawLine(QPointF(19, 24), QPointF(24, 33));
         p.drawLine(QPointF(29, 22), QPointF(34, 31));
         p.drawLine(QPointF(39, 24), QPointF(44, 33));
     }},

    // ---- Everyday symbols ----
    {"check mark",
     [](QPainter& p) {
         QPainterPath check;
         check.moveTo(9, 34);
         check.lineTo(25, 50);
         check.lineTo(55, 15);
         p.strokePath(check, Stroke(kGreen, 10));
     }},
    {"cross mark",
     [](QPainter& p) {
         p.setPen(Stroke(kRed, 10));
         p.drawLine(QPointF(13, 13), QPointF(51, 51));
         p.drawLine(QPointF(51, 13), QPointF(13, 51));
     }},
    {"star",
     [](QPainter& p) {
         p.setPen(Stroke(QColor(200, 140, 0), 2));
         p.setBrush(kGold);
         p.drawPolygon(Star({32, 34}, 5, 28, 11.5));
     }},
    {"heart",
     [](QPainter& p) {
         QPainterPath heart;
         heart.moveTo(32, 56);
         heart.cubicTo(4, 36, 6, 10, 20, 10);
         heart.cubicTo(27, 10, 31, 15, 32, 20);
         heart.cubicTo(33, 15, 37, 10, 44, 10);
         heart.cubicTo(58, 10, 60, 36, 32, 56);
         heart.closeSubpath();
         p.fillPath(heart, kRed);
     }},
    {"house",
     [](QPainter& p) {
         p.fillPath(Polygon({{32, 5}, {60, 31}, {4, 31}}), kInk);
         p.fillRect(QRectF(12, 30, 40, 28), kInk);
         p.fillRect(QRectF(17, 36, 11, 22), Qt::white);
         p.fillRect(QRectF(35, 36, 11, 10), Qt::white);
     }},
    {"telephone",
     [](QPainter& p) {
         QPainterPath grip;
         grip.arcMoveTo(QRectF(16, -10, 56, 56), 180);
         grip.arcTo(QRectF(16, -10, 56, 56), 180, 90);
         p.strokePath(grip, QPen(kInk, 9, Qt::SolidLine, Qt::FlatCap));
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(8, 10, 18, 16), 4, 4);
         p.drawRoundedRect(QRectF(38, 38, 16, 18), 4, 4);
     }},
    {"mail",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(6, 14, 52, 36));
         p.drawPolyline(QPolygonF({QPointF(6, 14), QPointF(32, 35), QPointF(58, 14)}));
         p.setPen(Stroke(kInk, 2));
         p.drawLine(QPointF(6, 50), QPointF(25, 31));
         p.drawLine(QPointF(58, 50), QPointF(39, 31));
     }},
    {"clock",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 4));
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(32, 32), 27, 27);
         for (int k = 0; k < 12; ++k) {
             const qreal a = qDegreesToRadians(30.0 * k);
             const QPointF dir(std::cos(a), -std::sin(a));
             p.setPen(Stroke(kInk, k % 3 == 0 ? 3 : 1.8));
             p.drawLine(QPointF(32, 32) + dir * (k % 3 == 0 ? 19 : 21), QPointF(32, 32) + dir * 23);
         }
         p.setPen(Stroke(kInk, 4));
         p.drawLine(QPointF(32, 32), QPointF(32, 17));
         p.setPen(Stroke(kInk, 3));
         p.drawLine(QPointF(32, 32), QPointF(44, 40));
         p.setPen(Qt::NoPen);
         p.setBrush(kRed);
         p.drawEllipse(QPointF(32, 32), 2.5, 2.5);
     }},
    {"calendar",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(8, 12, 48, 46));
         p.fillRect(QRectF(9.5, 13.5, 45, 10), kRed);
         p.setPen(Stroke(kInk, 4));
         p.drawLine(QPointF(20, 6), QPointF(20, 16));
         p.drawLine(QPointF(44, 6), QPointF(44, 16));
         for (int row = 0; row < 3; ++row)
             for (int column = 0; column < 4; ++column)
                 p.fillRect(QRectF(14 + 10 * column, 29 + 9 * row, 6, 5),
                            row == 1 && column == 2 ? kRed : QColor(90, 90, 90));
     }},
    {"location",
     [](QPainter& p) {
         QPainterPath pin;
         pin.moveTo(32, 60);
         pin.cubicTo(26, 48, 12, 38, 12, 24);
         pin.cubicTo(12, 12, 21, 4, 32, 4);
         pin.cubicTo(43, 4, 52, 12, 52, 24);
         pin.cubicTo(52, 38, 38, 48, 32, 60);
         pin.closeSubpath();
         QPainterPath hole;
         hole.addEllipse(QPointF(32, 24), 8, 8);
         p.fillPath(pin.subtracted(hole), kRed);
     }},
    {"delivery truck",
     [](QPainter& p) {
         p.fillRect(QRectF(3, 14, 37, 29), kInk);
         p.fillPath(Polygon({{42, 22}, {52, 22}, {61, 33}, {61, 43}, {42, 43}}), kInk);
         p.fillPath(Polygon({{45, 25}, {51, 25}, {57, 33}, {45, 33}}), Qt::white);
         for (qreal x : {14.0, 50.0}) {
             p.setPen(QPen(Qt::white, 2));
             p.setBrush(kInk);
             p.drawEllipse(QPointF(x, 48), 6.5, 6.5);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawEllipse(QPointF(x, 48), 2.2, 2.2);
         }
     }},
    {"air freight",
     [](QPainter& p) {
         p.translate(32, 32);
         p.rotate(45);
         p.translate(-32, -32);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawRoundedRect(QRectF(28, 4, 8, 54), 4, 4);
         p.drawPath(Polygon({{32, 21}, {60, 37}, {60, 43}, {32, 35}, {4, 43}, {4, 37}}));
         p.drawPath(Polygon({{32, 48}, {44, 55}, {44, 59}, {32, 56}, {20, 59}, {20, 55}}));
     }},
    {"package",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 2));
         p.setBrush(QColor(222, 184, 135));
         p.drawPath(Polygon({{32, 8}, {58, 20}, {32, 32}, {6, 20}}));
         p.setBrush(QColor(196, 150, 100));
         p.drawPath(Polygon({{6, 20}, {32, 32}, {32, 60}, {6, 48}}));
         p.setBrush(QColor(170, 125, 80));
         p.drawPath(Polygon({{32, 32}, {58, 20}, {58, 48}, {32, 60}}));
         p.setPen(QPen(QColor(245, 228, 190), 4, Qt::SolidLine, Qt::FlatCap));
         p.drawLine(QPointF(20, 14.5), QPointF(46, 26.5));
     }},
    {"cut here",
     [](QPainter& p) {
         p.fillPath(Polygon({{18, 25}, {56, 38}, {53, 41}, {20, 31}}), kInk);
         p.fillPath(Polygon({{18, 39}, {56, 26}, {53, 23}, {20, 33}}), kInk);
         p.setPen(Stroke(kInk, 3.5));
         p.setBrush(Qt::NoBrush);
         p.drawEllipse(QPointF(12, 22), 6.5, 6.5);
         p.drawEllipse(QPointF(12, 42), 6.5, 6.5);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawEllipse(QPointF(31, 32), 1.6, 1.6);
         p.setPen(QPen(kInk, 2, Qt::DashLine, Qt::FlatCap));
         p.drawLine(QPointF(2, 57), QPointF(62, 57));
     }},
    {"idea",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 2.5));
         p.setBrush(QColor(255, 214, 0));
         QPainterPath bulb;
         bulb.addEllipse(QPointF(32, 26), 14, 14);
         bulb = bulb.united(Polygon({{24, 36}, {40, 36}, {38, 44}, {26, 44}}));
         p.drawPath(bulb);
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(110, 110, 110));
         p.drawRect(QRectF(26, 45, 12, 4));
         p.drawRect(QRectF(26, 50, 12, 4));
         p.drawRoundedRect(QRectF(29, 55, 6, 4), 2, 2);
         p.setPen(Stroke(kInk, 2.5));
         for (int k = 0; k < 5; ++k) {
             const qreal a = qDegreesToRadians(30.0 + 30.0 * k);
             const QPointF dir(std::cos(a), -std::sin(a));
             p.drawLine(QPointF(32, 26) + dir * 17, QPointF(32, 26) + dir * 22);
         }
     }},
    {"battery",
     [](QPainter& p) {
         p.setPen(Stroke(kInk, 3.5));
         p.setBrush(Qt::white);
         p.drawRoundedRect(QRectF(5, 18, 49, 28), 4, 4);
         p.fillRect(QRectF(55, 26, 5, 12), kInk);
         for (int k = 0; k < 3; ++k)
             p.fillRect(QRectF(10.5 + 13 * k, 23.5, 11, 17), kGreen);
     }},
    {"lock",
     [](QPainter& p) {
         QPainterPath shackle;
         shackle.moveTo(44, 30);
         shackle.lineTo(44, 20);
         shackle.arcTo(QRectF(20, 8, 24, 24), 0, 180);
         shackle.lineTo(20, 30);
         p.strokePath(shackle, QPen(kInk, 6, Qt::SolidLine, Qt::FlatCap));
         p.setPen(Stroke(kInk, 3));
         p.setBrush(kGold);
         p.drawRoundedRect(QRectF(12, 28, 40, 30), 4, 4);
         p.setPen(Qt::NoPen);
         p.setBrush(kInk);
         p.drawEllipse(QPointF(32, 40), 4, 4);
         p.drawRect(QRectF(30.5, 40, 3, 10));
     }},
    {"settings",
     [](QPainter& p) {
         // Each tooth: root, tip, tip, root, as (angle offset, radius).
         const qreal tooth[][2] = {{-15, 21}, {-8, 28}, {8, 28}, {15, 21}};
         QPolygonF teeth;
         for (int i = 0; i < 8; ++i) {
             for (const auto& corner : tooth) {
                 const qreal a = qDegreesToRadians(45.0 * i + corner[0]);
                 teeth << QPointF(32 + corner[1] * std::cos(a), 32 - corner[1] * std::sin(a));
             }
         }
         QPainterPath gear;
         gear.addPolygon(teeth);
         gear.closeSubpath();
         QPainterPath hole;
         hole.addEllipse(QPointF(32, 32), 8, 8);
         p.setPen(Stroke(kInk, 2));
         p.setBrush(QColor(120, 130, 140));
         p.drawPath(gear.subtracted(hole));
     }},
};

} // namespace

QImage ClipArtPicture(int index)
{
    if (index < 0 || index >= kClipArtCount)
        return QImage();
    QImage picture(kClipArtSize, kClipArtSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    kClipArt[index].paint(painter);
    painter.end();
    return picture;
}

QImage ClipArtBitmap(int index)
{
    const QImage picture = ClipArtPicture(index);
    if (picture.isNull())
        return picture;
    QImage bitmap(picture.size(), QImage::Format_RGB888);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, picture);
    painter.end();
    return bitmap;
}

QString ClipArtName(int index)
{
    if (index < 0 || index >= kClipArtCount)
        return QString();
    return QString::fromLatin1(kClipArt[index].name);
}

} // namespace tessarine
