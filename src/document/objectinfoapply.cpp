// Applying dialog results and the combined text style and rotation command.
#include "designdocument.h"

#include "barcodedata.h"
#include "barcodeshapes.h"
#include "boxshapes.h"
#include "textshape.h"

#include <QTransform>

namespace tessarine {

namespace {

// Positive angles turn counter-clockwise, like text escapement.
int16_t NextAngle(int16_t angle, int step)
{
    if (step == 0)
        return angle;
    int next = (angle + (step < 0 ? 90 : -90)) % 360;
    if (next < 0)
        next += 360;
    return int16_t(next);
}

} // namespace

void TDesignDocument::FinishTextFont(TMyShape& shape, int32_t points)
{
    shape.Info.WordInfo.Height = PointsToHeight(points);
    shape.Info.WordInfo.Width = PointsToWidth(points);
}

void TDesignDocument::TurnPicture(TMyShape& shape, int quarterTurns)
{
    auto* image = dynamic_cast<TKWZImage*>(&shape);
    if (!image || image->Picture.IsEmpty())
        return;
    QTransform turn;
    turn.rotate(-90.0 * quarterTurns);
    image->Picture.SetImage(image->Picture.Image().transformed(turn).convertToFormat(QImage::Format_RGB888));
}

void TDesignDocument::SwapBoxSides(TMyShape& shape)
{
    if (shape.Points.size() < 2)
        return;
    const QPoint v0 = shape.Points[0];
    const QPoint v1 = shape.Points[1];
    shape.Points[1] = QPoint(v0.x() + (v1.y() - v0.y()), v0.y() + (v1.x() - v0.x()));
}

void TDesignDocument::SetObjectInfo(int index, const TObjectInfo& info)
{
    if (index < 0 || index >= Shapes.size())
        return;
    const TShapePtr shape = Shapes[index];
    if (info.Kind != kindImage && IndexInSelection(shape.get()) < 0)
        return;
    switch (info.Kind) {
    case kindText:
    case kindLinesText: {
        shape->Info = info;
        FinishTextFont(*shape, info.WordInfo.Height);
        if (auto* text = dynamic_cast<TKWZText*>(shape.get()); text && text->Points.size() >= 2) {
            const QPoint far(Round(text->CharacterCount() * shape->Info.WordInfo.Width * Zoom() + info.Position[0]),
                             Round(shape->Info.WordInfo.Height * Zoom() + info.Position[1]));
            text->Points[1] = m_context.ToStored(far);
        }
        break;
    }
    case kindBarCode:
        shape->Info = info;
        if (auto* barcode = dynamic_cast<TShowBarCode*>(shape.get()))
            RenderLinearBarcode(*barcode);
        break;
    case kindBox:
    case kindLine:
        shape->Info.BrushColor = info.BrushColor;
        shape->Pen.Color = info.PenColor;
        shape->Info.BrushStyle = info.BrushStyle;
        shape->Info.PenStyle = info.PenStyle;
        shape->Info.PenWidth = info.PenWidth;
        shape->Info.CornerRadius = info.CornerRadius;
        break;
    case kindImage: {
        const int quarterTurns = ((info.Angle % 4) + 4) % 4;
        TurnPicture(*shape, quarterTurns);
        if (quarterTurns % 2 == 1)
            SwapBoxSides(*shape);
        break;
    }
    default: break;
    }
    Repaint();
}

void TDesignDocument::ApplyTextStyle(int angleStep)
{
    for (int i = int(Shapes.size()) - 1; i >= 0; --i) {
        const TShapePtr shape = Shapes[i];
        if (IndexInSelection(shape.get()) < 0)
            continue;
        TObjectInfo& info = shape->Info;
        switch (info.Kind) {
        case kindText:
        case kindLinesText: {
            info.WordInfo.Format = TextStyle.Format;
            info.WordInfo.FontName = TextStyle.FontName;
            info.WordInfo.Weight = TextStyle.Weight;
            info.WordInfo.Italic = TextStyle.Italic;
            info.WordInfo.Underline = TextStyle.Underline;
            FinishTextFont(*shape, TextStyle.Height);
            info.Angle = NextAngle(info.Angle, angleStep);
            if (auto* text = dynamic_cast<TKWZText*>(shape.get()); text && text->Points.size() >= 2) {
                const QPoint v0 = text->Point(0);
                text->Points[1] = m_context.ToStored(v0 + QPoint(Round(text->CharacterCount() * info.WordInfo.Width * Zoom()),
                                                                 Round(info.WordInfo.Height * Zoom())));
            }
            break;
        }
        case kindBarCode: {
            info.WordInfo = TextStyle;
            FinishTextFont(*shape, TextStyle.Height);
            const int16_t before = int16_t(info.BarCode.BarAngle);
            const int16_t after = NextAngle(before, angleStep);
            info.BarCode.BarAngle = after;
            info.Angle = after;
            if (auto* barcode = dynamic_cast<TShowBarCode*>(shape.get()))
                RenderLinearBarcode(*barcode);
            if (after != before)
                SwapBoxSides(*shape);
            break;
        }
        case kindImage:
            // Only the rotate commands turn a picture: a font change leaves it as it is.
            if (angleStep == 0)
                break;
            info.Angle = angleStep > 0 ? 270 : 90;
            TurnPicture(*shape, info.Angle / 90);
            SwapBoxSides(*shape);
            break;
        default: break;
        }
    }
    Repaint();
}

} // namespace tessarine
