#include "rulerpanel.h"

#include "platform/canvas.h"
#include "platform/round.h"

#include <QPainter>

namespace tessarine {

namespace {

constexpr double kScreenPpi = 96.0;
constexpr TColor clBtnFace = TColor(0x8000000Fu);
constexpr int kLabelInset = 21;

// The marker: a line one pixel thick in solid blue.
class TRulerMarker : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), ToQColor(clBlue)); }
};

} // namespace

QVector<TRulerTick> RulerTicks(double ppi, double zoom, int startOffset, int rulerLength)
{
    const double k = ppi * zoom / 25.4;
    const int step = Round(k);
    const int length = Round(k * rulerLength);
    const int last = k > 0 ? Round(length / k) : 0;
    const int origin = startOffset + 3;
    QVector<TRulerTick> ticks;
    ticks.reserve(last + 1);
    int skew = 0;
    for (int e = 0; e <= last; ++e) {
        if (e % 10 == 0 || e % 10 == 1)
            ++skew;
        ticks.append({e, origin + e * step - skew, e % 5 == 0 ? 14 : 7, e % 10 == 0});
    }
    return ticks;
}

TRulerPanel::TRulerPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RulerPanel1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRulerPanel::SetZoom(double value)
{
    if (value == m_zoom)
        return;
    m_zoom = value;
    update();
}

void TRulerPanel::SetStartOffset(int32_t value)
{
    m_startOffset = value;
    repaint();
}

void TRulerPanel::SetRulerLength(int32_t millimetres)
{
    m_rulerLength = millimetres;
    repaint();
}

void TRulerPanel::SetOrientation(TRulerOrientation value)
{
    m_orientation = value;
    repaint();
    SetMouseView(m_startOffset);
}

void TRulerPanel::SetRiskVisible(bool value)
{
    m_riskVisible = value;
    SetMouseView(m_startOffset);
}

void TRulerPanel::SetMouseView(int32_t value)
{
    m_mouseView = value;
    if (!m_marker) {
        m_marker = new TRulerMarker(this);
        m_marker->setObjectName(QStringLiteral("Risk"));
        m_marker->show();
    }
    if (!m_riskVisible)
        m_marker->move(-47, -47);
    else if (IsHorizontal())
        m_marker->setGeometry(m_startOffset + value, 0, 1, height());
    else
        m_marker->setGeometry(0, m_startOffset + value, width(), 1);
}

QImage TRulerPanel::RenderRuler() const
{
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    TCanvas canvas(&image);
    canvas.Brush = TBrush{clBtnFace, bsSolid};
    canvas.FillRect(image.rect());
    canvas.Brush.Style = bsClear;
    canvas.Pen = TPen{clBlack, psInsideFrame, 1, pmCopy};
    canvas.Font.Name = font().family();
    canvas.Font.Height = -Round(6 * kScreenPpi / 72.0); // six points
    canvas.Font.Color = clBlack;
    const int w = image.width();
    const int h = image.height();
    for (const TRulerTick& tick : RulerTicks(kScreenPpi, m_zoom, m_startOffset, m_rulerLength)) {
        const int p = tick.Position;
        const QString label = QString::number(tick.Millimetre / 10);
        switch (m_orientation) {
        case roTop:
            canvas.Line({p, 0}, {p, tick.Length});
            if (tick.Labelled)
                canvas.TextOut(p + 2, kLabelInset, label);
            break;
        case roBottom:
            canvas.Line({p, h}, {p, h - tick.Length});
            if (tick.Labelled)
                canvas.TextOut(p + 2, h - kLabelInset, label);
            break;
        case roLeft:
            canvas.Line({0, p}, {tick.Length, p});
            if (tick.Labelled)
                canvas.TextOut(kLabelInset, p + 2, label);
            break;
        case roRight:
            canvas.Line({w, p}, {w - tick.Length, p});
            if (tick.Labelled)
                canvas.TextOut(w - kLabelInset, p + 2, label);
            break;
        }
    }
    return image;
}

void TRulerPanel::paintEvent(QPaintEvent*)
{
    // One block copy of a fresh picture, so moving the marker never makes the ticks flicker.
    QPainter(this).drawImage(0, 0, RenderRuler());
}

} // namespace tessarine
