#include "shapeplacement.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/textshape.h"

#include "platform/round.h"

namespace tessarine {

namespace {

// The "as last painted" record of the classes that keep one.
std::array<double, 4>* PaintedPosition(TMyShape& shape)
{
    if (auto* barcode = dynamic_cast<TShowBarCode*>(&shape))
        return &barcode->BarPosition;
    if (auto* box = dynamic_cast<TKWZRectangle*>(&shape))
        return &box->Position;
    if (auto* text = dynamic_cast<TKWZText*>(&shape))
        return &text->Position;
    return nullptr;
}

} // namespace

TShapePlacement::TShapePlacement(TMyShape& shape, QPoint cellTopLeft, double scaleX, double scaleY)
    : m_shape(shape), m_points(shape.Points), m_penWidth(shape.Info.PenWidth),
      m_cornerRadius(shape.Info.CornerRadius), m_textGap(shape.Info.BarCode.TextGap),
      m_fontHeight(shape.Info.WordInfo.Height), m_fontWidth(shape.Info.WordInfo.Width)
{
    if (const auto* painted = PaintedPosition(shape))
        m_paintedPosition = *painted;
    for (QPoint& p : shape.Points)
        p = QPoint(Round(p.x() * scaleX) + cellTopLeft.x(), Round(p.y() * scaleY) + cellTopLeft.y());
    shape.Info.PenWidth = m_penWidth * scaleX;
    shape.Info.CornerRadius = m_cornerRadius * scaleX;
    shape.Info.BarCode.TextGap = Round(m_textGap * scaleX);
    // Multi-line texts and barcode captions scale their fonts by the font scale; a single-line
    // text follows only the zoom, so its font is brought to device size here.
    if (dynamic_cast<TKWZText*>(&shape)) {
        const double scale = std::min(scaleX, scaleY);
        shape.Info.WordInfo.Height = Round(m_fontHeight * scale);
        shape.Info.WordInfo.Width = Round(m_fontWidth * scale);
    }
}

TShapePlacement::~TShapePlacement()
{
    m_shape.Points = m_points;
    m_shape.Info.PenWidth = m_penWidth;
    m_shape.Info.CornerRadius = m_cornerRadius;
    m_shape.Info.BarCode.TextGap = m_textGap;
    m_shape.Info.WordInfo.Height = m_fontHeight;
    m_shape.Info.WordInfo.Width = m_fontWidth;
    if (auto* painted = PaintedPosition(m_shape))
        *painted = m_paintedPosition;
}

} // namespace tessarine
