#include "databaseoperation.h"

#include "recordnavigator.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QSizeGrip>
#include <QWindow>

namespace tessarine {

TDataBaseOperation::TDataBaseOperation(TKWZDataModule& records, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_navigator(new TRecordNavigator(records, TRecordNavigator::TButtons::Moves, this))
{
    setObjectName(QStringLiteral("DataBaseOperation"));
    m_navigator->setToolTip(QStringLiteral("移动记录条"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto edge = [this] {
        auto* panel = new QFrame(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setFixedWidth(8);
        panel->setCursor(Qt::SizeAllCursor);
        panel->installEventFilter(this);
        return panel;
    };
    row->addWidget(edge());
    row->addWidget(m_navigator);
    row->addWidget(edge());
    row->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom);
    connect(m_navigator, &TRecordNavigator::Moved, this, &TDataBaseOperation::Moved);
    adjustSize();
}

QPoint TDataBaseOperation::PlaceIn(const QSize& hostClient, const QSize& own)
{
    return {hostClient.width() - own.width() - 22, hostClient.height() - 40};
}

void TDataBaseOperation::StartDrag()
{
    if (isMaximized())
        return;
    if (QWindow* window = windowHandle())
        window->startSystemMove();
}

void TDataBaseOperation::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        StartDrag();
    QWidget::mousePressEvent(event);
}

bool TDataBaseOperation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        StartDrag();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessarine
