#pragma once

#include "designdocument.h"

#include <QImage>
#include <QWidget>

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

private:
    void Invalidate();

    TDesignDocument* m_document; // owned through Qt parenting
    QImage m_backBuffer;
    QImage m_screen;
    bool m_dirty = true;
    bool m_handlesHidden = false;
};

} // namespace tessarine
