#include "designdocument.h"

#include "barcodeshapes.h"
#include "boxshapes.h"
#include "lineshapes.h"
#include "platform/gbk.h"
#include "textshape.h"

#include <QDir>
#include <QStandardPaths>

#include <array>

namespace tessarine {

namespace {

struct PageSize
{
    TPageStyle style;
    uint32_t width;
    uint32_t height;
};

// Portrait sizes in millimetres.
constexpr std::array<PageSize, 6> kPageSizes = {{
    {A3, 297, 420},
    {A4, 210, 297},
    {A5, 148, 210},
    {B3, 353, 500},
    {B4, 257, 364},
    {B5, 182, 257},
}};

} // namespace

TDesignDocument::TDesignDocument(QObject* parent) : QObject(parent)
{
    Font.Name = QStringLiteral("宋体");
    Font.Charset = DEFAULT_CHARSET;
    Font.LogHeight = 11;
    Font.LogWidth = 9;
    ApplyPageStyle(false);
    // No host is listening yet, so nobody sees this first layer arrive.
    const QSignalBlocker quiet(this);
    AddLayer(QStringLiteral("Layer0"), true);
}

TDesignDocument::~TDesignDocument() = default;

void TDesignDocument::Repaint()
{
    if (!m_paintingOff)
        emit RepaintRequested();
}

void TDesignDocument::SetZoom(double value)
{
    m_paintingOff = true;
    m_context.Zoom = value;
    m_paintingOff = false;
    Repaint();
}

void TDesignDocument::SetColorOfBackGround(TColor value)
{
    m_colorOfBackGround = value;
    Repaint();
}

void TDesignDocument::SetSnapPixels(uint8_t value)
{
    if (value <= GridWidth && value <= GridHeight)
        m_snapPixels = value;
}

void TDesignDocument::SetClarityObject(bool value)
{
    m_clarityObject = value;
    Brush.Style = value ? bsClear : bsSolid;
}

// ---- Page geometry ----

TPageStyle TDesignDocument::StyleOfPageSize() const
{
    for (const PageSize& size : kPageSizes) {
        const bool portraitMatch = m_pageWidth == size.width && m_pageHeight == size.height;
        const bool landscapeMatch = m_pageWidth == size.height && m_pageHeight == size.width;
        if (m_pageOrientation == poPortrait ? portraitMatch : landscapeMatch)
            return size.style;
    }
    return CustomerPage;
}

void TDesignDocument::ApplyPageStyle(bool orientationChanged)
{
    m_paintingOff = true;
    bool found = false;
    for (const PageSize& size : kPageSizes) {
        if (size.style == m_pageStyle) {
            m_pageWidth = size.width;
            m_pageHeight = size.height;
            found = true;
        }
    }
    // A custom page keeps its size; it turns with the orientation, but only when that changes,
    // so applying the page again never flips it back and forth.
    const bool turn = found ? m_pageOrientation == poLandscape : orientationChanged;
    if (turn)
        std::swap(m_pageWidth, m_pageHeight);
    SetControlSize(PagePixelSize());
    m_paintingOff = false;
}

void TDesignDocument::SetPageStyle(TPageStyle style)
{
    m_pageStyle = style;
    ApplyPageStyle(false);
}

void TDesignDocument::SetPageOrientation(TPageOrientation orientation)
{
    if (orientation == m_pageOrientation)
        return;
    m_pageOrientation = orientation;
    ApplyPageStyle(true);
}

void TDesignDocument::SetPageWidth(uint32_t millimetres)
{
    m_pageWidth = millimetres;
    m_paintingOff = true;
    SetControlSize({PagePixelSize().width(), m_controlSize.height()});
    m_paintingOff = false;
    m_pageStyle = StyleOfPageSize();
}

void TDesignDocument::SetPageHeight(uint32_t millimetres)
{
    m_pageHeight = millimetres;
    m_paintingOff = true;
    SetControlSize({m_controlSize.width(), PagePixelSize().height()});
    m_paintingOff = false;
    m_pageStyle = StyleOfPageSize();
}

QSize TDesignDocument::PagePixelSize() const
{
    return {m_context.MmToScreen(m_pageWidth), m_context.MmToScreen(m_pageHeight)};
}

void TDesignDocument::SetControlSize(QSize size)
{
    if (size == m_controlSize)
        return;
    m_controlSize = size;
    emit ControlSizeChanged(size);
}

void TDesignDocument::ControlResized(QSize size)
{
    if (m_paintingOff)
        return;
    if (size != m_controlSize) {
        m_controlSize = size;
        emit ControlSizeChanged(size);
    }
    const double pxPerMm = m_context.PPI * m_context.Zoom / 25.4;
    m_pageHeight = uint32_t(std::max(0, Round(size.height() / pxPerMm)));
    m_pageWidth = uint32_t(std::max(0, Round(size.width() / pxPerMm)));
    m_pageStyle = StyleOfPageSize();
}

// ---- Objects ----

void TDesignDocument::AddShape(const TShapePtr& shape)
{
    shape->Canvas = &m_canvas;
    Shapes.append(shape);
    ++NextShapeID;
}

TShapePtr TDesignDocument::FindShape(int32_t id) const
{
    if (id < 0)
        return nullptr;
    for (int i = int(Shapes.size()) - 1; i >= 0; --i)
        if (Shapes[i]->ShapeID == id)
            return Shapes[i];
    return nullptr;
}

int TDesignDocument::IndexOfShape(const TMyShape* shape) const
{
    for (int i = 0; i < Shapes.size(); ++i)
        if (Shapes[i].get() == shape)
            return i;
    return -1;
}

void TDesignDocument::ClearDocument()
{
    Selection.clear();
    NewShape.reset();
    Shapes.clear();
    NextShapeID = 0;
    Repaint();
}

int32_t TDesignDocument::AddLayer(const QString& name, bool visible)
{
    for (const LayerRec& layer : Layers)
        if (layer.Name == name)
            return -1;
    const int32_t id = LayerCounter;
    Layers.append({name, id, uint8_t(visible ? 1 : 0)});
    CurrentLayerId = id;
    emit OnNewLayer(id, name, visible);
    ++LayerCounter;
    return id;
}

bool TDesignDocument::DeleteLayer(int32_t id)
{
    int layerIndex = -1;
    for (int i = 0; i < Layers.size(); ++i)
        if (Layers[i].Id == id)
            layerIndex = i;
    if (layerIndex < 0)
        return false;
    QVector<int32_t> doomed;
    for (const TShapePtr& shape : Shapes)
        if (shape->LayerId == id)
            doomed.append(shape->ShapeID);
    for (int32_t shapeId : doomed)
        DeleteShape(shapeId);
    const LayerRec layer = Layers.takeAt(layerIndex);
    emit OnDeleteLayer(layer.Id, layer.Name, layer.Visible != 0);
    CurrentLayerId = Layers.isEmpty() ? -1 : Layers.first().Id;
    Repaint();
    return true;
}

void TDesignDocument::DeleteAllLayers()
{
    const QVector<LayerRec> layers = Layers;
    for (const LayerRec& layer : layers)
        DeleteLayer(layer.Id);
}

void TDesignDocument::SetBackgroundPicture(const QImage& picture)
{
    BkBitmap.SetImage(picture);
    Repaint();
}

bool TDesignDocument::SetPicture(int32_t id, const QImage& picture)
{
    const TShapePtr shape = FindShape(id);
    auto* image = dynamic_cast<TKWZImage*>(shape.get());
    if (!image || picture.isNull())
        return false;
    image->Picture.SetImage(picture);
    Repaint();
    return true;
}

bool TDesignDocument::SetBarBitmap(int32_t id, const QImage& picture)
{
    const TShapePtr shape = FindShape(id);
    if (!shape)
        return false;
    const QString cls = shape->ClassName();
    if (cls != QLatin1String("TShowBarCode") && cls != QLatin1String("TShowBarCodePDF417"))
        return false;
    static_cast<TShowBarCode&>(*shape).BarBitmap.SetImage(picture);
    return true;
}

TShapePtr TDesignDocument::CreateShapeForTool(TDrawTool tool)
{
    TShapePtr shape;
    switch (tool) {
    case SpLine: shape = std::make_shared<TMyLine>(&m_context); break;
    case SpRuleLine: shape = std::make_shared<TKWZLine>(&m_context); break;
    case SpSector: shape = std::make_shared<TMySector>(&m_context); break;
    case SpPolygon: shape = std::make_shared<TMyPolygon>(&m_context); break;
    case SpPolyBezier: shape = std::make_shared<TMyPolyBezier>(&m_context); break;
    case SpRectangle: shape = std::make_shared<TKWZRectangle>(&m_context); break;
    case SpEllipse: shape = std::make_shared<TKWZEllipse>(&m_context); break;
    case SpText: shape = std::make_shared<TKWZText>(&m_context); break;
    case SpLinesText: shape = std::make_shared<TKWZLinesText>(&m_context); break;
    case SpImage: shape = std::make_shared<TKWZImage>(&m_context); break;
    case SpBarCode: shape = std::make_shared<TShowBarCode>(&m_context); break;
    case SpBarCodePDF417: shape = std::make_shared<TShowBarCodePDF417>(&m_context); break;
    default: return nullptr;
    }
    shape->Canvas = &m_canvas;
    shape->Pen = Pen;
    shape->Brush = Brush;
    shape->Font.CopyFrom(Font);
    return shape;
}

void TDesignDocument::AddNewShape(const TShapePtr& shape)
{
    shape->ShapeID = NextShapeID;
    shape->GroupPrev = -1;
    shape->GroupNext = -1;
    shape->LayerId = CurrentLayerId;
    AddShape(shape);
}

int32_t TDesignDocument::InsertShape(TDrawTool tool, const QVector<QPoint>& points, const QString& text,
                                     const QImage& bitmap)
{
    int needed = 0;
    switch (tool) {
    case SpLine: case SpRuleLine: case SpRectangle: case SpEllipse: case SpText: case SpImage: needed = 2; break;
    case SpSector: needed = 3; break;
    default: return isNoObjectForTool;
    }
    if (points.size() < needed)
        return isTooFewPoints;
    if (points.size() > needed)
        return isTooManyPoints;

    const TShapePtr shape = CreateShapeForTool(tool);
    if (tool == SpImage) {
        shape->AddPoint({0, 0});
        AddNewShape(shape);
        SetPicture(shape->ShapeID, bitmap);
        AddToSelection(shape);
        shape->AddPoint({bitmap.width(), bitmap.height()});
        Repaint();
        return 0;
    }
    for (const QPoint& p : points)
        shape->AddPoint(p);
    if (tool == SpText) {
        shape->Info.WordInfo.Text = text;
        const int characters = gbk::ByteLength(text);
        const QPoint v0 = shape->Point(0);
        shape->Points.resize(1);
        shape->AddPoint(v0 + QPoint(Round(characters * Font.LogWidth * Zoom()), Round(Font.LogHeight * Zoom())));
    }
    AddNewShape(shape);
    Repaint();
    return 0;
}

QString TDesignDocument::TempPath()
{
    const QString temp = QDir::tempPath();
    return QDir(temp).exists() ? temp : QString();
}

} // namespace tessarine
