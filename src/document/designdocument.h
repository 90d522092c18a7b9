#pragma once

#include "cadfont.h"
#include "labelrecords.h"
#include "myshape.h"
#include "objectinfo.h"
#include "surfacecontext.h"

#include "platform/bitmap.h"
#include "platform/canvas.h"

#include <QObject>
#include <QSize>
#include <QVector>

#include <functional>
#include <memory>

namespace tessarine {

enum TDrawTool : uint8_t {
    SpSelecting, SpRotating, SpLine, SpRuleLine, SpSector, SpPolyLine, SpRectangle, SpEllipse,
    SpWallLine, SpWaveLine, SpWallRect, SpByq, SpJdx, SpYXing, SpDl, SpGlkg, SpText, SpLinesText,
    SpImage, SpPolygon, SpPolyBezier, SpArc, SpBarCode, SpBarCodePDF417,
};

enum TLabelStyle : uint8_t { A4_AU2T14, A4_AU2T16, A4_CU2, A4_U3, A4_BU2 };
enum TPageStyle : uint8_t { A3, A4, A5, B3, B4, B5, CustomerPage };
enum TPageOrientation : uint8_t { poPortrait, poLandscape };
enum TBkBitmapMode : uint8_t { Tiled, Stretch, Center, LeftTop };

struct LayerRec
{
    QString Name;
    int32_t Id = 0;
    uint8_t Visible = 1;
};

// InsertShape's results besides success (0).
enum TInsertShapeResult : int32_t {
    isTooFewPoints = -1,
    isTooManyPoints = -2,
    isNoObjectForTool = -3,
};

// The label document behind the design surface: the objects in z-order (index 0 at the
// back), the selection, the internal clipboard, layers, page geometry and the settings label
// files keep. It needs no window, so files, printing and the command line work on it alone.
// Objects are shared: one removed from the document stays alive while the clipboard holds it.
class TDesignDocument : public QObject
{
    Q_OBJECT
public:
    explicit TDesignDocument(QObject* parent = nullptr);
    ~TDesignDocument() override;

    // The values every object of this document reads.
    const TSurfaceContext& Context() const { return m_context; }
    TCanvas* SurfaceCanvas() { return &m_canvas; }

    // ---- Published properties ----
    int16_t EditALeft = 24;
    int16_t EditATop = 24;
    int16_t EditARight = 600;
    int16_t EditABottom = 300;
    int16_t EditEllipse = 10;
    TDrawTool ShapeTool = SpSelecting;
    TLabelStyle LabelStyle = A4_AU2T14;
    int32_t GridWidth = 18;
    int32_t GridHeight = 18;
    bool GridShow = false;
    bool Snap = true;
    bool PrintBackground = false;
    bool PrintABorder = true;
    TBkBitmapMode BkBitmapMode = Center;
    bool ReturnToSelecting = true;
    bool IsOpenImage = false;
    TProductInfo ProductInfo;
    TPen Pen{clBlack, psSolid, 3, pmCopy};
    TBrush Brush{clWhite, bsClear};
    TCADFont Font;

    uint8_t ArrowLength() const { return m_context.ArrowLength; }
    void SetArrowLength(uint8_t value) { m_context.ArrowLength = value; }
    float ArrowAngle() const { return m_context.ArrowAngle; }
    void SetArrowAngle(float value) { m_context.ArrowAngle = value; }
    int32_t ArrowCount() const { return m_context.ArrowCount; }
    void SetArrowCount(int32_t value) { m_context.ArrowCount = value; }
    TColor ColorOfHot() const { return m_context.ColorOfHot; }
    void SetColorOfHot(TColor value) { m_context.ColorOfHot = value; }
    TUnits TheUNIT() const { return m_context.TheUNIT; }
    void SetTheUNIT(TUnits value) { m_context.TheUNIT = value; }
    double Ratio() const { return m_context.Ratio; }
    void SetRatio(double value) { m_context.Ratio = value; }
    double Zoom() const { return m_context.Zoom; }
    // Stores the zoom and repaints; the control keeps its size until the page is applied again.
    void SetZoom(double value);
    // Printing scales fonts and keeps scaled text sizes while it runs.
    void SetFontScale(double value) { m_context.FontScale = value; }
    void SetPrinting(bool value) { m_context.Printing = value; }

    TColor ColorOfBackGround() const { return m_colorOfBackGround; }
    void SetColorOfBackGround(TColor value);
    uint8_t SnapPixels() const { return m_snapPixels; }
    void SetSnapPixels(uint8_t value);
    bool ClarityObject() const { return m_clarityObject; }
    void SetClarityObject(bool value);

    uint32_t PageWidth() const { return m_pageWidth; }
    uint32_t PageHeight() const { return m_pageHeight; }
    TPageStyle PageStyle() const { return m_pageStyle; }
    TPageOrientation PageOrientation() const { return m_pageOrientation; }
    void SetPageWidth(uint32_t millimetres);
    void SetPageHeight(uint32_t millimetres);
    void SetPageStyle(TPageStyle style);
    void SetPageOrientation(TPageOrientation orientation);
    // The page in control pixels at the current zoom.
    QSize PagePixelSize() const;

    // The size of the design surface control, in screen pixels.
    QSize ControlSize() const { return m_controlSize; }
    // Called when the control was resized from outside: the page follows the control.
    void ControlResized(QSize size);
    bool PaintingOff() const { return m_paintingOff; }

    // ---- Internal state ----
    QVector<TShapePtr> Shapes;
    QVector<TShapePtr> Selection;
    QVector<TShapePtr> ClipList;
    TShapePtr NewShape; // the object the mouse is creating
    int32_t NextShapeID = 0;
    QVector<LayerRec> Layers;
    int32_t LayerCounter = 0;
    int32_t CurrentLayerId = -1;
    TLogText TextStyle;
    TObjectInfo BarCodeTemplate;
    QSize ImageSize{0, 0}; // height and width of a new picture, screen pixels
    TBitmap BkBitmap;
    TFileInformat FileInfo;
    bool ReservedFlag = false; // saved in files, otherwise unused

    // ---- Document-level operations ----
    int ShapeCount() const { return int(Shapes.size()); }
    void AddShape(const TShapePtr& shape);
    TShapePtr FindShape(int32_t id) const;
    int IndexOfShape(const TMyShape* shape) const;
    void ClearDocument();
    int32_t AddLayer(const QString& name, bool visible);
    bool DeleteLayer(int32_t id);
    void DeleteAllLayers();
    void SetBackgroundPicture(const QImage& picture);
    bool SetPicture(int32_t id, const QImage& picture);
    bool SetBarBitmap(int32_t id, const QImage& picture);
    // Creates an object programmatically; 0 on success, else a TInsertShapeResult.
    int32_t InsertShape(TDrawTool tool, const QVector<QPoint>& points, const QString& text, const QImage& bitmap);
    // An empty object for a tool, with the surface's pen, brush and font, not yet added.
    TShapePtr CreateShapeForTool(TDrawTool tool);
    // Gives a new object its id, no group and the current layer, then adds it.
    void AddNewShape(const TShapePtr& shape);
    static QString TempPath();

    // ---- Selection and groups ----
    int SelectionCount() const { return int(Selection.size()); }
    TShapePtr SingleSelected() const;
    int IndexInSelection(const TMyShape* shape) const;
    void AddToSelection(const TShapePtr& shape);
    void RemoveFromSelection(const TShapePtr& shape);
    void ClearSelection();
    bool InRubberBand(QPoint a, QPoint b, const TMyShape& shape) const;
    TShapePtr GroupHead(const TShapePtr& shape) const;
    // The members of shape's group from its head along the chain (just shape when ungrouped).
    QVector<TShapePtr> GroupMembers(const TShapePtr& shape) const;
    void Ungroup(const TShapePtr& shape);
    void LockShape(const TShapePtr& shape);
    void UnlockShape(const TShapePtr& shape);
    void ExcludeFromPrint(const TShapePtr& shape);
    void IncludeInPrint(const TShapePtr& shape);

    // ---- Object list commands ----
    bool DeleteShape(int32_t shapeId);
    bool DeleteSelected();
    void BringToFront();
    void SendToBack();
    void AlignLeft();
    void AlignRight();
    void AlignTop();
    void AlignBottom();
    void CopySelection();
    void CutSelection();
    void Paste();
    // Applies a property dialog's result to the object at index.
    void SetObjectInfo(int index, const TObjectInfo& info);
    // The combined text style and rotation command: angleStep 0, 90 or -90.
    void ApplyTextStyle(int angleStep);

    // Font sizes travel as points and are stored as pixels with the fixed factor 96 / 72.
    static int32_t PointsToHeight(int32_t points) { return Round(points * 96.0 / 72.0); }
    static int32_t PointsToWidth(int32_t points) { return Round(points * 96.0 / 72.0 / 2.0); }
    static int32_t HeightToPoints(int32_t height) { return Round(height * 72.0 / 96.0); }
    static int32_t WidthToPoints(int32_t width) { return 2 * Round(width * 72.0 / 96.0); }

    // Asks the view to paint again.
    void Repaint();

    // Host callbacks for events that answer.
    std::function<bool()> OnShowBarCodeFrm;
    std::function<bool()> OnShowBarCodePDF417Frm;
    std::function<bool(TObjectInfo& shape)> OnShowSetObjFrm;
    std::function<bool()> OnAddText;

signals:
    void OnNewLayer(int32_t LayerId, const QString& LayerName, bool Visible);
    void OnDeleteLayer(int32_t LayerId, const QString& LayerName, bool Visible);
    void OnShowMouseMoveXY(const QString& MouseMoveXY);
    void OnShapeSelected(int32_t LastSelectedShapeID, tessarine::TMyShape* LastSelectedShape, int32_t LastLayId,
                         int32_t SelectedShapeId, tessarine::TMyShape* SelectedShape, int32_t LayerId);
    void OnActionToolToSelecting();
    void OnMoveDR(bool First, bool Last);
    void OnInsertImage(int32_t LayerId, int32_t ShapeID, tessarine::TMyShape* AShape, int32_t ShapeCount);
    void OnInit();
    // The view should paint again.
    void RepaintRequested();
    // The control should take this size.
    void ControlSizeChanged(QSize size);

private:
    void ApplyPageStyle(bool orientationChanged);
    void SetControlSize(QSize size);
    TPageStyle StyleOfPageSize() const;
    void FinishTextFont(TMyShape& shape, int32_t points);
    void TurnPicture(TMyShape& shape, int quarterTurns);
    void SwapBoxSides(TMyShape& shape);
    void Align(bool horizontal, bool towardMaximum);

    TSurfaceContext m_context;
    TCanvas m_canvas;
    TColor m_colorOfBackGround = clWhite;
    uint8_t m_snapPixels = 4;
    bool m_clarityObject = false;
    uint32_t m_pageWidth = 210;
    uint32_t m_pageHeight = 297;
    TPageStyle m_pageStyle = A4;
    TPageOrientation m_pageOrientation = poPortrait;
    QSize m_controlSize{0, 0};
    bool m_paintingOff = false;
};

} // namespace tessarine
