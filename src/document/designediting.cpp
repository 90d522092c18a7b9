// The mouse and keyboard on the design surface: creating, selecting, moving, resizing and
// turning objects.
#include "design.h"

#include "barcodedata.h"
#include "barcodeshapes.h"
#include "boxshapes.h"
#include "lineshapes.h"
#include "pdf417symbol.h"
#include "textshape.h"

#include "platform/gbk.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace tessarine {

namespace {

enum TMouseMode : uint8_t {
    mmFigure = 1,
    mmSelecting = 2,
    mmResizing = 3,
    mmMoving = 4,
    mmRotating = 5,
    mmPicture = 6,
    mmText = 7,
    mmTextBox = 8,
    mmBarCode = 9,
    mmPdf417 = 10,
};

enum TMouseState : uint8_t { msIdle = 0, msDoubleClicked = 1, msPressed = 9 };

uint8_t ModeOfTool(TDrawTool tool)
{
    switch (tool) {
    case SpSelecting: return mmSelecting;
    case SpRotating: return mmRotating;
    case SpImage: return mmPicture;
    case SpText: return mmText;
    case SpLinesText: return mmTextBox;
    case SpBarCode: return mmBarCode;
    case SpBarCodePDF417: return mmPdf417;
    default: return mmFigure;
    }
}

// The placing cursors: an arrow's cross with a small sign of what is placed.
QCursor PlacingCursor(char kind)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, 7, 14, 7);
    p.drawLine(7, 0, 7, 14);
    p.translate(14, 14);
    switch (kind) {
    case 'b':
        for (int x : {0, 2, 3, 6, 8, 9, 11, 14})
            p.drawLine(x, 0, x, 12);
        break;
    case 'p':
        for (int y = 0; y < 12; y += 3)
            for (int x = 0; x < 15; x += 3)
                if ((x + y) % 2 == 0)
                    p.fillRect(x, y, 2, 2, Qt::black);
        p.drawRect(0, 0, 15, 12);
        break;
    default:
        p.drawRect(0, 0, 15, 12);
        p.drawLine(2, 10, 6, 5);
        p.drawLine(6, 5, 9, 8);
        p.drawLine(9, 8, 13, 3);
        break;
    }
    return QCursor(pixmap, 7, 7);
}

QCursor CursorOfHandle(int handle)
{
    if (handle < 0)
        return Qt::ArrowCursor;
    if (handle <= 4)
        return Qt::SizeAllCursor;
    if (handle == 5 || handle == 8)
        return Qt::SizeVerCursor;
    return Qt::SizeHorCursor;
}

// Snaps one coordinate to the grid when it lies within s pixels of a grid line.
bool SnapCoordinate(int& v, int grid, int s)
{
    if (grid <= 0)
        return false;
    const int r = v % grid;
    if (r > 0 && r < s) {
        v = (v / grid) * grid;
        return true;
    }
    if (r > grid - s) {
        v = (v / grid + 1) * grid;
        return true;
    }
    return false;
}

} // namespace

void TDesign::SetLabelValue(QLabel* label)
{
    m_labelValue = label;
}

void TDesign::SetShapeTool(TDrawTool tool)
{
    m_document->ShapeTool = tool;
    MouseMode = ModeOfTool(tool);
    if ((tool >= SpLine && tool <= SpGlkg) || (tool >= SpPolygon && tool <= SpArc))
        m_document->NewShape.reset();
    UpdateCursor();
}

void TDesign::UpdateCursor()
{
    switch (MouseMode) {
    case mmFigure: setCursor(Qt::CrossCursor); break;
    case mmText: setCursor(Qt::IBeamCursor); break;
    case mmPicture: setCursor(PlacingCursor('i')); break;
    case mmBarCode: setCursor(PlacingCursor('b')); break;
    case mmPdf417: setCursor(PlacingCursor('p')); break;
    default: setCursor(Qt::ArrowCursor); break;
    }
}

template <class Paint>
void TDesign::PaintTransient(Paint paint)
{
    paint();
    update();
}

QPoint TDesign::Confined(QPoint position) const
{
    return QPoint(std::clamp(position.x(), 0, std::max(0, width() - 1)),
                  std::clamp(position.y(), 0, std::max(0, height() - 1)));
}

QPoint TDesign::Snapped(QPoint position)
{
    const TDesignDocument& doc = *m_document;
    if (!doc.Snap)
        return position;
    int x = position.x();
    int y = position.y();
    const bool snappedX = SnapCoordinate(x, doc.GridWidth, doc.SnapPixels());
    const bool snappedY = SnapCoordinate(y, doc.GridHeight, doc.SnapPixels());
    if (snappedX && snappedY && isVisible())
        QCursor::setPos(mapToGlobal(QPoint(x, y)));
    return {x, y};
}

void TDesign::ShowMouseMoveXY(QPoint position)
{
    const TSurfaceContext& c = m_document->Context();
    const QString text = QString::asprintf("%4.2f", c.ScreenToMm(position.x())) + QStringLiteral("，") +
                         QString::asprintf("%4.2f", c.ScreenToMm(position.y())) + QStringLiteral(" 毫米");
    emit m_document->OnShowMouseMoveXY(text);
}

void TDesign::Constrain(bool ctrl)
{
    const TShapePtr& shape = m_document->NewShape;
    if (!ctrl || MouseMode != mmFigure || !shape)
        return;
    QPoint& second = CurrentPoint;
    const QPoint first = PressPoint;
    if (dynamic_cast<TKWZRectangle*>(shape.get())) {
        if (second.x() == first.x())
            second.rx() += 1;
        if (second.y() == first.y())
            second.ry() += 1;
        const int dx = second.x() - first.x();
        const int dy = second.y() - first.y();
        if (std::abs(dy) < std::abs(dx))
            second.setX(first.x() + Round(double(std::abs(dx)) / dx * std::abs(dy)));
        else
            second.setY(first.y() + Round(double(std::abs(dy)) / dy * std::abs(dx)));
    } else if (dynamic_cast<TMyLine*>(shape.get())) {
        if (std::abs(second.x() - first.x()) >= std::abs(second.y() - first.y()))
            second.setY(first.y());
        else
            second.setX(first.x());
    }
}

void TDesign::MousePress(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    if (MouseState == msDoubleClicked) {
        MouseState = msIdle;
        MouseMode = mmSelecting;
        return;
    }
    if (m_document->ShapeTool != SpSelecting)
        emit m_document->OnInit();
    PressPoint = CurrentPoint = position;
    switch (MouseMode) {
    case mmFigure: PressFigure(position); break;
    case mmSelecting: PressSelecting(position, modifiers); break;
    case mmRotating: {
        // The single selected line is the one to turn.
        MouseState = msPressed;
        const TShapePtr single = m_document->SingleSelected();
        m_document->NewShape = dynamic_cast<TMyLine*>(single.get()) ? single : nullptr;
        break;
    }
    case mmPicture: PlacePicture(position); break;
    case mmText: PlaceText(position, false); break;
    case mmTextBox: PlaceText(position, true); break;
    case mmBarCode: PlaceBarcode(position); break;
    case mmPdf417: PlacePdf417(position); break;
    default: break;
    }
    NotifySetBar();
}

void TDesign::PressFigure(QPoint position)
{
    TDesignDocument& doc = *m_document;
    if (!doc.NewShape)
        doc.NewShape = doc.CreateShapeForTool(doc.ShapeTool);
    // Tools without an object class create nothing.
    if (!doc.NewShape)
        return;
    doc.NewShape->AddPoint(position);
    MouseState = msPressed;
}

void TDesign::PressSelecting(QPoint position, Qt::KeyboardModifiers modifiers)
{
    TDesignDocument& doc = *m_document;
    const bool shift = modifiers & Qt::ShiftModifier;
    MouseState = msPressed;
    auto hitsGroup = [&](const TShapePtr& shape) {
        for (const TShapePtr& member : doc.GroupMembers(shape))
            if (member->HitBody(position))
                return true;
        return false;
    };
    for (int i = 0; i < doc.Selection.size(); ++i) {
        const TShapePtr shape = doc.Selection[i];
        if (shape->HitHandle(position) >= 0) {
            doc.NewShape = shape;
            MouseMode = mmResizing;
            return;
        }
        if (!shift && hitsGroup(shape)) {
            DragIndex = i;
            MouseMode = mmMoving;
            return;
        }
        if (shift && hitsGroup(shape)) {
            doc.RemoveFromSelection(shape);
            Invalidate();
            return;
        }
    }
    for (int i = int(doc.Shapes.size()) - 1; i >= 0; --i) {
        const TShapePtr shape = doc.Shapes[i];
        if (doc.IndexInSelection(doc.GroupHead(shape).get()) >= 0 || !shape->HitBody(position))
            continue;
        if (!shift) {
            const TShapePtr last = doc.Selection.isEmpty() ? nullptr : doc.Selection.first();
            emit doc.OnShapeSelected(last ? last->ShapeID : -1, last.get(), last ? last->LayerId : -1, shape->ShapeID,
                                     shape.get(), shape->LayerId);
            doc.ClearSelection();
        }
        doc.AddToSelection(shape);
        Invalidate();
        return;
    }
    // Nothing hit: the drag becomes a rubber band.
    doc.ClearSelection();
    Invalidate();
}

// The first steps of placing a picture or a symbol: the object at the press, its record as
// GetInfo fills it, added to the document with nothing selected.
TShapePtr TDesign::StartPlacing(TDrawTool tool, QPoint position)
{
    TDesignDocument& doc = *m_document;
    const TShapePtr shape = doc.CreateShapeForTool(tool);
    shape->AddPoint(position);
    TObjectInfo info;
    shape->GetInfo(info);
    shape->Info = info;
    doc.ClearSelection();
    doc.AddNewShape(shape);
    return shape;
}

void TDesign::PlacePicture(QPoint position)
{
    TDesignDocument& doc = *m_document;
    const TShapePtr image = StartPlacing(SpImage, position);
    // Only a picture the host confirms in this very placing keeps the object.
    doc.IsOpenImage = false;
    emit doc.OnInsertImage(image->LayerId, image->ShapeID, image.get(), doc.ShapeCount());
    doc.AddToSelection(image);
    image->AddPoint(position + QPoint(doc.ImageSize.width(), doc.ImageSize.height()));
    if (!doc.IsOpenImage)
        doc.DeleteSelected();
    doc.IsOpenImage = false;
    FinishPlacing();
}

void TDesign::PlaceText(QPoint position, bool box)
{
    TDesignDocument& doc = *m_document;
    const TShapePtr text = doc.CreateShapeForTool(box ? SpLinesText : SpText);
    text->AddPoint(position);
    if (doc.OnAddText && !doc.OnAddText()) {
        FallBackToSelecting();
        return;
    }
    TObjectInfo info;
    text->GetInfo(info);
    text->Info = info;
    TLogText& w = text->Info.WordInfo;
    w = doc.TextStyle;
    text->Info.Angle = 0;
    w.CharSet = GB2312_CHARSET;
    w.Height = TDesignDocument::PointsToHeight(doc.TextStyle.Height);
    w.Width = TDesignDocument::PointsToWidth(doc.TextStyle.Height);
    const double zoom = doc.Zoom();
    const QPoint extent = box ? QPoint(Round(30 * w.Width * zoom), Round(15 * w.Height * zoom))
                              : QPoint(Round(gbk::ByteLength(w.Text) * w.Width * zoom), Round(w.Height * zoom));
    text->AddPoint(position + extent);
    doc.ClearSelection();
    doc.AddNewShape(text);
    doc.AddToSelection(text);
    FinishPlacing();
}

void TDesign::PlaceBarcode(QPoint position)
{
    TDesignDocument& doc = *m_document;
    const auto barcode = std::static_pointer_cast<TShowBarCode>(StartPlacing(SpBarCode, position));
    if (doc.OnShowBarCodeFrm)
        doc.OnShowBarCodeFrm();

    TObjectInfo& bar = barcode->Info;
    bar = doc.BarCodeTemplate;
    QString normalized;
    if (!NormalizeBarcodeData(bar.BarCode.Symbology, bar.BarCode.Data, normalized))
        bar.BarCode.Data = QStringLiteral("12345678");
    bar.WordInfo.Format = 1;
    bar.ObjectIndex = barcode->ShapeID;
    bar.Kind = kindBarCode;
    bar.WordInfo.FontName = doc.Font.Name;
    bar.WordInfo.Height = 16;
    bar.WordInfo.CharSet = doc.Font.Charset;
    QString settled;
    const bool rendered = RenderLinearBarcode(*barcode, &settled);
    if (rendered)
        bar.BarCode.Data = settled;
    doc.AddToSelection(barcode);
    // The box is the unturned rendering's size, turned with it, plus room for the text.
    barcode->AddPoint(rendered ? position + QPoint(barcode->BarBitmap.Width() + 25, barcode->BarBitmap.Height())
                               : position);
    if (!doc.IsOpenImage)
        doc.DeleteSelected();
    doc.IsOpenImage = false;
    FinishPlacing();
}

void TDesign::PlacePdf417(QPoint position)
{
    TDesignDocument& doc = *m_document;
    const auto symbol = std::static_pointer_cast<TShowBarCodePDF417>(StartPlacing(SpBarCodePDF417, position));
    doc.IsOpenImage = false;
    bool made = false;
    if (doc.OnShowBarCodePDF417Frm) {
        doc.OnShowBarCodePDF417Frm();
        made = MakePdf417Symbol(*symbol, TKWZFunction::DataFilePath(), TDesignDocument::TempPath(), doc.IsOpenImage);
    }
    doc.IsOpenImage = false;
    if (!made)
        doc.DeleteShape(symbol->ShapeID);
    FinishPlacing();
}

void TDesign::FinishPlacing()
{
    Invalidate();
    MouseState = msIdle;
    m_document->NewShape.reset();
    FallBackToSelecting();
}

void TDesign::FallBackToSelecting()
{
    MouseMode = mmSelecting;
    UpdateCursor();
    emit m_document->OnActionToolToSelecting();
}

void TDesign::MouseMove(QPoint position, Qt::KeyboardModifiers modifiers)
{
    TDesignDocument& doc = *m_document;
    ShowMouseMoveXY(position);
    position = Snapped(position);
    if (MouseState == msPressed) {
        position = Confined(position);
        switch (MouseMode) {
        case mmFigure: {
            const TShapePtr shape = doc.NewShape;
            if (!shape)
                break;
            PaintTransient([&] { shape->Drawing(PressPoint, CurrentPoint); });
            CurrentPoint = position;
            Constrain(modifiers & Qt::ControlModifier);
            PaintTransient([&] { shape->Drawing(PressPoint, CurrentPoint); });
            if (m_labelValue)
                m_labelValue->setText(shape->MeasureText(PressPoint, CurrentPoint));
            break;
        }
        case mmSelecting: {
            TCanvas& canvas = *doc.SurfaceCanvas();
            PaintTransient([&] { canvas.FocusRect(TMyShape::NormalRect(PressPoint, CurrentPoint)); });
            CurrentPoint = position;
            PaintTransient([&] { canvas.FocusRect(TMyShape::NormalRect(PressPoint, CurrentPoint)); });
            break;
        }
        case mmResizing: {
            const TShapePtr shape = doc.NewShape;
            if (doc.SelectionCount() != 1 || !shape || shape->Info.Locked)
                break;
            PaintTransient([&] { shape->Sizing(PressPoint, CurrentPoint); });
            CurrentPoint = position;
            shape->ResizeChangeValue(PressPoint, CurrentPoint);
            PaintTransient([&] { shape->Sizing(PressPoint, CurrentPoint); });
            PressPoint = CurrentPoint;
            Invalidate();
            break;
        }
        case mmMoving: {
            if (doc.SelectionCount() != 1 || DragIndex < 0 || DragIndex >= doc.SelectionCount())
                break;
            const TShapePtr shape = doc.Selection[DragIndex];
            if (shape->Info.Locked)
                break;
            if (shape->IsGrouped()) {
                const QVector<TShapePtr> members = doc.GroupMembers(shape);
                for (const TShapePtr& member : members)
                    PaintTransient([&] { member->Draging(PressPoint, CurrentPoint); });
                for (const TShapePtr& member : members)
                    PaintTransient([&] { member->Draging(PressPoint, position); });
                CurrentPoint = position;
                break;
            }
            setCursor(Qt::ClosedHandCursor);
            CurrentPoint = position;
            shape->MoveBetween(PressPoint, CurrentPoint);
            PressPoint = position;
            m_handlesHidden = true;
            Invalidate();
            break;
        }
        case mmRotating: {
            const TShapePtr shape = doc.NewShape;
            if (!shape)
                break;
            PaintTransient([&] { shape->RotatingPreview(CurrentPoint); });
            CurrentPoint = position;
            PaintTransient([&] { shape->RotatingPreview(CurrentPoint); });
            break;
        }
        default: break;
        }
        return;
    }
    if (MouseState != msDoubleClicked) {
        PressPoint = CurrentPoint = position;
        QCursor cursor = Qt::ArrowCursor;
        for (const TShapePtr& shape : doc.Selection)
            cursor = CursorOfHandle(shape->HitHandle(position));
        if (MouseMode == mmSelecting)
            setCursor(cursor);
        else
            UpdateCursor();
    }
}

void TDesign::FinishFigure(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    TDesignDocument& doc = *m_document;
    const TShapePtr shape = doc.NewShape;
    if (!shape)
        return;
    Constrain(modifiers & Qt::ControlModifier);
    bool finished = false;
    switch (doc.ShapeTool) {
    case SpSector:
        finished = shape->PointCount() > 2;
        break;
    case SpPolygon:
    case SpPolyBezier:
        if (button == Qt::RightButton && shape->PointCount() > 1) {
            shape->AddPoint(position);
            if (doc.ShapeTool == SpPolygon)
                shape->AddPoint(shape->Point(0));
            finished = true;
        }
        break;
    default:
        shape->AddPoint(CurrentPoint);
        finished = true;
        break;
    }
    if (!finished)
        return;
    doc.AddNewShape(shape);
    TObjectInfo info;
    shape->GetInfo(info);
    shape->Info = info;
    doc.ClearSelection();
    doc.AddToSelection(shape);
    Invalidate();
    MouseState = msIdle;
    doc.NewShape.reset();
    if (doc.ReturnToSelecting)
        FallBackToSelecting();
}

void TDesign::MouseRelease(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    TDesignDocument& doc = *m_document;
    m_handlesHidden = false;
    CurrentPoint = position;
    switch (MouseMode) {
    case mmFigure:
        if (MouseState == msPressed)
            FinishFigure(position, button, modifiers);
        break;
    case mmSelecting:
        if (MouseState == msPressed) {
            if (doc.SelectionCount() == 0) {
                for (const TShapePtr& shape : doc.Shapes)
                    if (doc.InRubberBand(PressPoint, CurrentPoint, *shape))
                        doc.AddToSelection(shape);
            }
            Invalidate();
            MouseState = msIdle;
        }
        break;
    case mmResizing:
        MouseMode = mmSelecting;
        MouseState = msIdle;
        break;
    case mmMoving:
        // A group shows its outline while dragged and moves as one when let go.
        if (DragIndex >= 0 && DragIndex < doc.SelectionCount() && doc.SelectionCount() == 1) {
            const TShapePtr shape = doc.Selection[DragIndex];
            if (shape->IsGrouped() && !shape->Info.Locked)
                for (const TShapePtr& member : doc.GroupMembers(shape))
                    member->MoveBetween(PressPoint, position);
        }
        MouseState = msIdle;
        DragIndex = -1;
        MouseMode = mmSelecting;
        Invalidate();
        break;
    case mmRotating:
        MouseMode = mmSelecting;
        if (doc.NewShape)
            doc.NewShape->RotateToward(position);
        doc.NewShape.reset();
        Invalidate();
        MouseState = msIdle;
        break;
    default: break;
    }
    UpdateCursor();
}

void TDesign::MouseDoubleClick()
{
    TDesignDocument& doc = *m_document;
    for (int i = int(doc.Shapes.size()) - 1; i >= 0; --i) {
        const TShapePtr shape = doc.Shapes[i];
        if (doc.IndexInSelection(shape.get()) < 0 || !doc.OnShowSetObjFrm)
            continue;
        TObjectInfo measured;
        shape->GetInfo(measured);
        TObjectInfo record;
        switch (shape->Info.Kind) {
        case kindText:
        case kindLinesText:
            record = shape->Info;
            record.ObjectIndex = i;
            record.Position = measured.Position;
            record.WordInfo.Height = TDesignDocument::HeightToPoints(shape->Info.WordInfo.Height);
            record.WordInfo.Width = TDesignDocument::WidthToPoints(shape->Info.WordInfo.Width);
            break;
        case kindBarCode:
            record = shape->Info;
            record.ObjectIndex = i;
            record.Position = measured.Position;
            break;
        case kindBox:
        case kindLine:
            record.ObjectIndex = i;
            record.Position = measured.Position;
            record.Kind = shape->Info.Kind;
            record.BrushStyle = shape->Info.BrushStyle;
            record.PenStyle = shape->Info.PenStyle;
            record.PenColor = shape->Pen.Color;
            record.BrushColor = shape->Info.BrushColor;
            record.PenWidth = shape->Info.PenWidth;
            record.CornerRadius = shape->Info.CornerRadius;
            break;
        case kindImage:
            record = shape->Info;
            record.ObjectIndex = i;
            break;
        default: break;
        }
        doc.OnShowSetObjFrm(record);
        Invalidate();
    }
    MouseState = msDoubleClicked;
}

void TDesign::Nudge(int direction, int amount)
{
    static const QPoint kSteps[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    if (direction < 0 || direction > 3)
        return;
    const QPoint step = kSteps[direction] * amount;
    for (const TShapePtr& shape : m_document->Selection)
        for (int i = 0; i < std::min(2, shape->PointCount()); ++i)
            shape->Points[i] += step;
    Invalidate();
}

void TDesign::NotifySetBar()
{
    if (!OnShowSetBar)
        return;
    TDesignDocument& doc = *m_document;
    const bool align = doc.SelectionCount() > 1;
    for (int i = int(doc.Shapes.size()) - 1; i >= 0; --i) {
        const TShapePtr shape = doc.Shapes[i];
        TObjectInfo& info = shape->Info;
        if (doc.IndexInSelection(shape.get()) < 0) {
            OnShowSetBar(false, false, false, false, false, false, false, info.WordInfo, info.Locked, info.NoPrint);
            continue;
        }
        const bool above = shape->ShapeID <= 0;
        const bool under = shape->ShapeID > 0;
        switch (info.Kind) {
        case kindText:
        case kindLinesText:
            OnShowSetBar(true, true, true, above, under, true, align, info.WordInfo, info.Locked, info.NoPrint);
            break;
        case kindBarCode:
            OnShowSetBar(true, true, true, true, true, true, align, info.WordInfo, info.Locked, info.NoPrint);
            break;
        case kindBox:
        case kindImage:
            OnShowSetBar(false, true, true, above, under, true, align, info.WordInfo, info.Locked, info.NoPrint);
            break;
        default:
            OnShowSetBar(false, false, true, above, under, false, align, info.WordInfo, info.Locked, info.NoPrint);
            break;
        }
        return;
    }
}

void TDesign::mousePressEvent(QMouseEvent* event)
{
    MousePress(event->position().toPoint(), event->button(), event->modifiers());
}

void TDesign::mouseMoveEvent(QMouseEvent* event)
{
    MouseMove(event->position().toPoint(), event->modifiers());
}

void TDesign::mouseReleaseEvent(QMouseEvent* event)
{
    MouseRelease(event->position().toPoint(), event->button(), event->modifiers());
}

void TDesign::mouseDoubleClickEvent(QMouseEvent* event)
{
    MouseDoubleClick();
    // The platform delivers the double click as a press too; the double-click state swallows it.
    MousePress(event->position().toPoint(), event->button(), event->modifiers());
}

} // namespace tessarine
