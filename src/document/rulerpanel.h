#pragma once

#include <QVector>
#include <QWidget>

#include <cstdint>

namespace tessarine {

enum TRulerOrientation : uint8_t { roLeft, roTop, roRight, roBottom };

// One tick of a ruler: millimetre e, where it stands along the ruler and how long it is.
struct TRulerTick
{
    int Millimetre;
    int Position;
    int Length;
    bool Labelled; // whole centimetres carry their number
};

// The ticks of a ruler of rulerLength millimetres whose millimetre 0 lies at startOffset.
// Pixels per millimetre are rounded to a whole step; a skew that grows at every centimetre
// takes back what the rounding adds, so centimetre ticks stay within a pixel or so.
QVector<TRulerTick> RulerTicks(double ppi, double zoom, int startOffset, int rulerLength);

// A millimetre ruler along one edge of a panel, with a one-pixel marker at the mouse position.
class TRulerPanel : public QWidget
{
    Q_OBJECT
public:
    explicit TRulerPanel(QWidget* parent = nullptr);

    double Zoom() const { return m_zoom; }
    void SetZoom(double value);
    int32_t StartOffset() const { return m_startOffset; }
    void SetStartOffset(int32_t value);
    int32_t RulerLength() const { return m_rulerLength; }
    void SetRulerLength(int32_t millimetres);
    TRulerOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TRulerOrientation value);
    int32_t MouseView() const { return m_mouseView; }
    void SetMouseView(int32_t value);
    bool RiskVisible() const { return m_riskVisible; }
    void SetRiskVisible(bool value);

    // The marker child; none until MouseView was first set.
    QWidget* Marker() const { return m_marker; }
    // The ruler as it paints itself.
    QImage RenderRuler() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool IsHorizontal() const { return m_orientation == roTop || m_orientation == roBottom; }

    double m_zoom = 1.0;
    int32_t m_startOffset = 0;
    int32_t m_rulerLength = 100;
    TRulerOrientation m_orientation = roBottom;
    int32_t m_mouseView = 0;
    bool m_riskVisible = true;
    QWidget* m_marker = nullptr;
};

} // namespace tessarine
