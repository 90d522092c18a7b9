#pragma once

#include <QWidget>

class QScrollArea;

namespace tessarine {

class TDesign;
class TRulerPanel;

// The work area: the design surface in a scroll box, a millimetre ruler along its top and
// left edges, and the white corner square where they meet.
class TWorkArea : public QWidget
{
    Q_OBJECT
public:
    explicit TWorkArea(QWidget* parent = nullptr);

    TDesign* Design() const { return m_design; }
    TRulerPanel* HorizontalRuler() const { return m_horizontal; }
    TRulerPanel* VerticalRuler() const { return m_vertical; }
    QScrollArea* ScrollBox() const { return m_scroll; }

    // Zoom of the surface and both rulers together; the surface takes the page size again.
    void SetZoom(double zoom);
    // Scrolls by pixels vertically, as the mouse wheel does.
    void ScrollBy(int dy);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FollowScroll();

    static constexpr int kRulerStrip = 21;
    static constexpr int kSurfaceMargin = 3; // the surface sits at (25, 25) of the work area

    QWidget* m_corner;
    TRulerPanel* m_horizontal;
    TRulerPanel* m_vertical;
    QScrollArea* m_scroll;
    QWidget* m_canvasHolder;
    TDesign* m_design;
};

} // namespace tessarine
