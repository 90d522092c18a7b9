#include "design.h"

#include "surfacepainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>

namespace tessarine {

TDesign::TDesign(QWidget* parent) : QWidget(parent), m_document(new TDesignDocument(this))
{
    setObjectName(QStringLiteral("Design1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(m_document->ControlSize());
    connect(m_document, &TDesignDocument::ControlSizeChanged, this, [this](QSize size) { resize(size); });
    connect(m_document, &TDesignDocument::RepaintRequested, this, &TDesign::Invalidate);
}

TDesign::~TDesign()
{
    m_document->SurfaceCanvas()->End();
}

void TDesign::Invalidate()
{
    m_dirty = true;
    update();
}

void TDesign::SetHandlesHidden(bool hidden)
{
    m_handlesHidden = hidden;
    Invalidate();
}

void TDesign::RepaintNow()
{
    TCanvas& canvas = *m_document->SurfaceCanvas();
    canvas.End();
    const bool active = IsApplicationActive();
    if (active || m_backBuffer.isNull()) {
        QImage picture(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        picture.fill(Qt::white);
        PaintSurface(*m_document, picture);
        m_backBuffer = picture;
    }
    m_screen = m_backBuffer.copy();
    canvas.Begin(&m_screen);
    if (active && !m_handlesHidden)
        PaintSelectionHandles(*m_document, canvas);
    m_dirty = false;
    emit OnPaint(this);
}

bool TDesign::IsApplicationActive() const
{
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void TDesign::paintEvent(QPaintEvent* event)
{
    if (m_dirty || m_screen.size() != size())
        RepaintNow();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_screen, event->rect());
}

void TDesign::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A resize from outside (the host's layout) makes the page follow the control.
    m_document->ControlResized(event->size());
    Invalidate();
}

} // namespace tessarine
