#include "design.h"

#include <QResizeEvent>

namespace tessarine {

TDesign::TDesign(QWidget* parent) : QWidget(parent), m_document(new TDesignDocument(this))
{
    setObjectName(QStringLiteral("Design1"));
    resize(m_document->ControlSize());
    connect(m_document, &TDesignDocument::ControlSizeChanged, this, [this](QSize size) { resize(size); });
    connect(m_document, &TDesignDocument::RepaintRequested, this, [this] { update(); });
}

TDesign::~TDesign() = default;

void TDesign::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A resize from outside (the host's layout) makes the page follow the control.
    m_document->ControlResized(event->size());
}

} // namespace tessarine
