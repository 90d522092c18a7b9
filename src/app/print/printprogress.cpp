#include "printprogress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessarine {

QString SheetProgressText(int sheet, int sheets)
{
    return QStringLiteral("正在打印第 %1 页, 共 %2 页").arg(sheet).arg(sheets);
}

TPrintProgress::TPrintProgress(QWidget* parent)
    : QDialog(parent), m_sheetLabel(new QLabel(this)),
      m_cancelButton(new QPushButton(QStringLiteral("取消"), this))
{
    setObjectName(QStringLiteral("PrintProgressFrm"));
    setWindowTitle(QStringLiteral("打印"));
    setModal(true);
    m_sheetLabel->setObjectName(QStringLiteral("SheetLabel"));
    m_cancelButton->setObjectName(QStringLiteral("Cancel_BM"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_sheetLabel);
    layout->addWidget(m_cancelButton, 0, Qt::AlignHCenter);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

void TPrintProgress::Start()
{
    m_cancelled = false;
    m_lastEvents = 0;
    m_sheetLabel->clear();
    m_running.start();
}

bool TPrintProgress::Update(int sheet, int sheets)
{
    const qint64 now = m_running.elapsed();
    if (now - m_lastEvents < kEventIntervalMs)
        return !m_cancelled;
    m_lastEvents = now;
    m_sheetLabel->setText(SheetProgressText(sheet, sheets));
    if (!isVisible() && now >= kShowAfterMs)
        show();
    // The window is modal: the clicks that get through are its own.
    QCoreApplication::processEvents();
    return !m_cancelled;
}

void TPrintProgress::Finish()
{
    hide();
}

} // namespace tessarine
