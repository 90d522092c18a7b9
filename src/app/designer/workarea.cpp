#include "workarea.h"

#include "document/design.h"
#include "document/rulerpanel.h"

#include "platform/tcolor.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

namespace tessarine {

TWorkArea::TWorkArea(QWidget* parent)
    : QWidget(parent), m_corner(new QWidget(this)), m_horizontal(new TRulerPanel(this)),
      m_vertical(new TRulerPanel(this)), m_scroll(new QScrollArea(this)), m_canvasHolder(new QWidget),
      m_design(new TDesign(m_canvasHolder))
{
    setObjectName(QStringLiteral("ScrollBox1"));
    m_corner->setAutoFillBackground(true);
    m_corner->setPalette(QPalette(Qt::white));
    m_horizontal->setObjectName(QStringLiteral("RulerPanel1"));
    m_horizontal->SetOrientation(roBottom);
    m_horizontal->SetRulerLength(210);
    m_vertical->setObjectName(QStringLiteral("RulerPanel2"));
    m_vertical->SetOrientation(roRight);
    m_vertical->SetRulerLength(297);

    // The scroll box shows the desktop colour around the page.
    QPalette background;
    background.setColor(QPalette::Window, ToQColor(clBackground));
    m_scroll->setPalette(background);
    m_scroll->setBackgroundRole(QPalette::Window);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_canvasHolder->setPalette(background);
    m_canvasHolder->setAutoFillBackground(true);
    m_scroll->setWidget(m_canvasHolder);
    m_design->move(kSurfaceMargin, kSurfaceMargin);
    m_canvasHolder->resize(m_design->size() + QSize(2 * kSurfaceMargin, 2 * kSurfaceMargin));
    connect(&m_design->Document(), &TDesignDocument::ControlSizeChanged, this, [this](QSize size) {
        m_canvasHolder->resize(size + QSize(2 * kSurfaceMargin, 2 * kSurfaceMargin));
    });
    connect(m_scroll->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TWorkArea::FollowScroll);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::valueChanged, this, &TWorkArea::FollowScroll);
    m_scroll->viewport()->installEventFilter(this);
    m_design->installEventFilter(this);
}

void TWorkArea::SetZoom(double zoom)
{
    TDesignDocument& doc = m_design->Document();
    doc.SetZoom(zoom);
    doc.SetPageStyle(doc.PageStyle());
    m_horizontal->SetZoom(zoom);
    m_vertical->SetZoom(zoom);
}

void TWorkArea::ScrollBy(int dy)
{
    QScrollBar* bar = m_scroll->verticalScrollBar();
    bar->setValue(bar->value() + dy);
}

void TWorkArea::FollowScroll()
{
    m_horizontal->SetStartOffset(-m_scroll->horizontalScrollBar()->value());
    m_vertical->SetStartOffset(-m_scroll->verticalScrollBar()->value());
}

void TWorkArea::resizeEvent(QResizeEvent*)
{
    const int strip = kRulerStrip + 1;
    m_corner->setGeometry(0, 0, kRulerStrip, kRulerStrip);
    m_horizontal->setGeometry(strip, 0, std::max(0, width() - strip), kRulerStrip);
    m_vertical->setGeometry(0, strip, kRulerStrip, std::max(0, height() - strip));
    m_scroll->setGeometry(strip, strip, std::max(0, width() - strip), std::max(0, height() - strip));
    FollowScroll();
}

bool TWorkArea::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        // Thirty pixels a notch, whichever way the wheel turns.
        const auto* wheel = static_cast<QWheelEvent*>(event);
        ScrollBy(wheel->angleDelta().y() > 0 ? -30 : 30);
        return true;
    }
    if (watched == m_design && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        m_horizontal->SetMouseView(at.x() + kSurfaceMargin);
        m_vertical->SetMouseView(at.y() + kSurfaceMargin);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessarine
