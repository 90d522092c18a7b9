#include "previewfrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tessarine {

TPreviewFrm::TPreviewFrm(QWidget* parent)
    : QDialog(parent), m_scrollBox(new QScrollArea(this)), m_pagePanel(new QLabel),
      m_buttonBar(new QWidget(this))
{
    setObjectName(QStringLiteral("TPreviewFrm"));
    setWindowTitle(QStringLiteral("标签打印预览"));
    m_showMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };

    auto* buttons = new QHBoxLayout(m_buttonBar);
    m_print = AddButton(QStringLiteral("打印"), QStringLiteral("Print_BM"));
    m_prior = AddButton(QStringLiteral("上页"), QStringLiteral("Prior_BM"));
    m_next = AddButton(QStringLiteral("下页"), QStringLiteral("Next_BM"));
    m_standard = AddButton(QStringLiteral("标 准"), QStringLiteral("Standard_BM"));
    m_zoomIn = AddButton(QStringLiteral("放大"), QStringLiteral("ZoomIn_BM"));
    m_zoomOut = AddButton(QStringLiteral("缩小"), QStringLiteral("ZoomOut_BM"));
    m_close = AddButton(QStringLiteral("关闭"), QStringLiteral("Close_BM"));
    for (QPushButton* button : {m_print, m_prior, m_next, m_standard, m_zoomIn, m_zoomOut, m_close})
        buttons->addWidget(button);
    buttons->addStretch();

    m_pagePanel->setObjectName(QStringLiteral("PagePanel"));
    m_pagePanel->setScaledContents(true);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox"));
    m_scrollBox->setWidget(m_pagePanel);
    m_scrollBox->setWidgetResizable(false);
    // Smaller than the visible area: centred; larger: from the top left.
    m_scrollBox->setAlignment(Qt::AlignCenter);
    m_scrollBox->setBackgroundRole(QPalette::Dark);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_buttonBar);
    layout->addWidget(m_scrollBox, 1);
    resize(900, 700);

    connect(m_print, &QPushButton::clicked, this, &TPreviewFrm::PrintRequested);
    connect(m_prior, &QPushButton::clicked, this, &TPreviewFrm::PriorPageClick);
    connect(m_next, &QPushButton::clicked, this, &TPreviewFrm::NextPageClick);
    connect(m_standard, &QPushButton::clicked, this, &TPreviewFrm::StandardClick);
    connect(m_zoomIn, &QPushButton::clicked, this, &TPreviewFrm::ZoomInClick);
    connect(m_zoomOut, &QPushButton::clicked, this, &TPreviewFrm::ZoomOutClick);
    connect(m_close, &QPushButton::clicked, this, &TPreviewFrm::CloseClick);
}

QPushButton* TPreviewFrm::AddButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, m_buttonBar);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void TPreviewFrm::SetMessageHandler(std::function<void(const QString&)> handler)
{
    m_showMessage = std::move(handler);
}

void TPreviewFrm::SetPages(QVector<QImage> pages)
{
    m_pages = std::move(pages);
    m_pageIndex = 0;
    StandardClick();
}

void TPreviewFrm::ShowStandard()
{
    m_zoomStep = kStandardStep;
    if (m_pages.isEmpty()) {
        m_pagePanel->clear();
        return;
    }
    const QImage& page = m_pages[m_pageIndex];
    m_pagePanel->setPixmap(QPixmap::fromImage(page));
    m_pagePanel->resize(page.size());
    m_scrollBox->horizontalScrollBar()->setValue(0);
    m_scrollBox->verticalScrollBar()->setValue(0);
}

void TPreviewFrm::ShowAtStep(int step)
{
    m_zoomStep = step;
    if (m_pages.isEmpty())
        return;
    const QImage& page = m_pages[m_pageIndex];
    const double factor = kZoomSteps[size_t(step - 1)];
    // Truncated toward zero, never below one pixel.
    const QSize size(std::max(1, int(page.width() * factor)), std::max(1, int(page.height() * factor)));
    m_pagePanel->setPixmap(QPixmap::fromImage(page));
    m_pagePanel->resize(size);
}

void TPreviewFrm::NextPageClick()
{
    if (m_pageIndex + 1 >= PageCount()) {
        m_showMessage(QStringLiteral("END"));
        return;
    }
    ++m_pageIndex;
    ShowAtStep(m_zoomStep);
}

void TPreviewFrm::PriorPageClick()
{
    if (m_pageIndex <= 0) {
        m_showMessage(QStringLiteral("First"));
        return;
    }
    --m_pageIndex;
    ShowAtStep(m_zoomStep);
}

void TPreviewFrm::StandardClick()
{
    ShowStandard();
    m_zoomIn->setEnabled(true);
    m_zoomOut->setEnabled(true);
}

void TPreviewFrm::ZoomInClick()
{
    if (m_zoomStep >= int(kZoomSteps.size()))
        return;
    ShowAtStep(m_zoomStep + 1);
    if (m_zoomStep == int(kZoomSteps.size()))
        m_zoomIn->setEnabled(false);
    else if (m_zoomStep >= 2)
        m_zoomOut->setEnabled(true);
}

void TPreviewFrm::ZoomOutClick()
{
    if (m_zoomStep <= 1)
        return;
    ShowAtStep(m_zoomStep - 1);
    if (m_zoomStep == 1)
        m_zoomOut->setEnabled(false);
    else if (m_zoomStep <= int(kZoomSteps.size()) - 1)
        m_zoomIn->setEnabled(true);
}

void TPreviewFrm::CloseClick()
{
    m_pages.clear();
    m_pageIndex = 0;
    m_pagePanel->clear();
    close();
}

} // namespace tessarine
