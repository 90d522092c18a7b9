#pragma once

#include "designdocument.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;

namespace tessarine {

// The design surface: the label document and its editing view in one control. The document
// lives in a TDesignDocument the surface owns, so files, printing and the command line can
// work on a document without a window; the surface keeps its size equal to the document's
// control size and repaints when the document asks.
//
// Painting goes to an off-screen picture (BackBuffer) that is copied to the screen in one
// block; the document's canvas stays on the screen picture, so the transient outlines drawn
// in XOR while the mouse works are erased by drawing them again.
class TDesign : public QWidget
{
    Q_OBJECT
public:
    explicit TDesign(QWidget* parent = nullptr);
    ~TDesign() override;

    TDesignDocument& Document() { return *m_document; }
    const TDesignDocument& Document() const { return *m_document; }

    // Chooses the tool and with it what a press does.
    void SetShapeTool(TDrawTool tool);
    TDrawTool ShapeTool() const { return m_document->ShapeTool; }

    // The mouse, as the control's event handlers feed it (positions in control pixels).
    void MousePress(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MouseMove(QPoint position, Qt::KeyboardModifiers modifiers);
    void MouseRelease(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void MouseDoubleClick();
    // Moves the selected objects' first two vertices by amount zoom-1 units:
    // direction 0 up, 1 down, 2 left, 3 right.
    void Nudge(int direction, int amount);

    // The label that shows the size read-out while an object is drawn (LabelValue).
    void SetLabelValue(QLabel* label);

    // Told after every left press: what the selection allows, for the host's tool bars.
    std::function<void(bool ShowBar, bool SetObjectBar, bool ObjectDel, bool ObjectLayerAbove, bool ObjectLayerUnder,
                       bool Rotate, bool Align, TLogText& WordInfo, bool GetLock, bool GetYNPrint)>
        OnShowSetBar;

    uint8_t MouseState = 0; // 0 idle, 9 left press in progress, 1 a double click just happened
    uint8_t MouseMode = 2;  // what a press does, chosen from the tool
    QPoint PressPoint;
    QPoint CurrentPoint;
    int DragIndex = -1;

    // The last repaint, without handles.
    const QImage& BackBuffer() const { return m_backBuffer; }
    // What the control shows: the last repaint, the handles and any transient outlines.
    const QImage& Screen() const { return m_screen; }
    // A move in progress hides the selection handles.
    void SetHandlesHidden(bool hidden);
    // Repaints now, as the next paint event would. While the application is not the active one
    // the last picture is kept and no object is drawn.
    void RepaintNow();

signals:
    void OnPaint(QObject* Sender);

protected:
    // Whether this program is the one the user works in.
    virtual bool IsApplicationActive() const;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Invalidate();
    // Paints onto the screen picture at once, outside a repaint: the XOR outlines.
    template <class Paint>
    void PaintTransient(Paint paint);
    QPoint Snapped(QPoint position);
    QPoint Confined(QPoint position) const;
    void ShowMouseMoveXY(QPoint position);
    void Constrain(bool ctrl);
    void PressSelecting(QPoint position, Qt::KeyboardModifiers modifiers);
    void PressFigure(QPoint position);
    TShapePtr StartPlacing(TDrawTool tool, QPoint position);
    void PlacePicture(QPoint position);
    void PlaceText(QPoint position, bool box);
    void PlaceBarcode(QPoint position);
    void PlacePdf417(QPoint position);
    void FinishPlacing();
    void FinishFigure(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void NotifySetBar();
    void UpdateCursor();
    void FallBackToSelecting();

    TDesignDocument* m_document; // owned through Qt parenting
    QImage m_backBuffer;
    QImage m_screen;
    bool m_dirty = true;
    bool m_handlesHidden = false;
    QPointer<QLabel> m_labelValue;
};

} // namespace tessarine
