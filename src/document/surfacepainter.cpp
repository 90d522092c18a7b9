#include "surfacepainter.h"

#include "designdocument.h"

#include "platform/canvas.h"

namespace tessarine {

namespace {

void PaintLabelArea(const TDesignDocument& document, TCanvas& canvas)
{
    const TSurfaceContext& c = document.Context();
    // Left and top are not zoomed: the main window keeps them at 0.
    const int left = Round(document.EditALeft * c.PPI / 25.4);
    const int top = Round(document.EditATop * c.PPI / 25.4);
    const int right = c.MmToScreen(document.EditARight);
    const int bottom = c.MmToScreen(document.EditABottom);
    canvas.Pen = TPen{clWhite, psSolid, 1, pmCopy};
    canvas.Brush = TBrush{clWhite, bsSolid};
    canvas.RoundRect(GdiRect(left, top, right, bottom), document.EditEllipse, document.EditEllipse);
}

void PaintGroupFrame(const TDesignDocument& document, const TShapePtr& shape, TCanvas& canvas)
{
    const QVector<TShapePtr> members = document.GroupMembers(shape);
    QPoint lo = members.first()->MinCorner();
    QPoint hi = members.first()->MaxCorner();
    for (const TShapePtr& member : members) {
        lo = QPoint(std::min(lo.x(), member->MinCorner().x()), std::min(lo.y(), member->MinCorner().y()));
        hi = QPoint(std::max(hi.x(), member->MaxCorner().x()), std::max(hi.y(), member->MaxCorner().y()));
    }
    lo = document.Context().ToScreen(lo);
    hi = document.Context().ToScreen(hi);
    canvas.Pen = TPen{document.ColorOfHot(), psSolid, shape->Pen.Width, pmNotXor};
    canvas.Brush = TBrush{document.ColorOfHot(), bsSolid};
    for (QPoint corner : {lo, QPoint(hi.x(), lo.y()), QPoint(lo.x(), hi.y()), hi})
        canvas.Rectangle(GdiRect(corner.x() - 4, corner.y() - 4, corner.x() + 4, corner.y() + 4));
}

} // namespace

void PaintSurface(TDesignDocument& document, QImage& image)
{
    if (document.PaintingOff())
        return;
    TCanvas canvas(&image);
    canvas.Brush = TBrush{document.ColorOfBackGround(), bsSolid};
    canvas.Pen = TPen{clBackground, psSolid, 1, pmCopy};
    canvas.Rectangle(GdiRect(-1, -1, image.width(), image.height()));
    PaintLabelArea(document, canvas);
    for (const TShapePtr& shape : document.Shapes) {
        shape->Canvas = &canvas;
        shape->Draw(false);
        shape->Canvas = document.SurfaceCanvas();
    }
}

void PaintSelectionHandles(TDesignDocument& document, TCanvas& canvas)
{
    for (const TShapePtr& shape : document.Selection) {
        if (shape->IsGrouped()) {
            PaintGroupFrame(document, shape, canvas);
            continue;
        }
        TCanvas* previous = shape->Canvas;
        shape->Canvas = &canvas;
        shape->DrawHot();
        shape->Canvas = previous;
    }
}

QImage RenderSurface(TDesignDocument& document)
{
    const QSize size = document.ControlSize().expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    PaintSurface(document, image);
    return image;
}

} // namespace tessarine
