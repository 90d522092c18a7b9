#include "printwindows.h"

#include "previewfrm.h"
#include "prints.h"

#include "document/designdocument.h"
#include "print/previewrenderer.h"

#include <QMessageBox>
#include <QWidget>

namespace tessarine {

TPrintWindows::TPrintWindows(TDesignDocument& document, TPrinterSettings& settings, QWidget* mainWindow)
    : QObject(mainWindow), m_document(document), m_prints(new TPrints(document, settings, mainWindow)),
      m_preview(new TPreviewFrm(mainWindow))
{
    m_showMessage = [mainWindow](const QString& text) {
        QMessageBox::information(mainWindow, QStringLiteral("标签打印预览"), text);
    };
    connect(m_prints, &TPrints::PreviewRequested, this, &TPrintWindows::Preview);
    connect(m_preview, &TPreviewFrm::PrintRequested, m_prints, &TPrints::PrintClick);
}

void TPrintWindows::SetMessageHandler(std::function<void(const QString&)> handler)
{
    m_showMessage = std::move(handler);
}

void TPrintWindows::ShowPrintDialog(const TLabelLayout& pageSetupLayout)
{
    if (m_document.SelectionCount() == 1)
        m_document.Ungroup(m_document.SingleSelected());
    m_prints->Prepare(pageSetupLayout);
    m_prints->exec();
}

void TPrintWindows::ShowPreview(const TLabelLayout& pageSetupLayout)
{
    m_prints->Prepare(pageSetupLayout);
    Preview();
}

void TPrintWindows::Preview()
{
    TPreviewPages preview = RenderPreviewPages(m_document, m_prints->JobLayout(), m_prints->Run());
    if (!preview.Message.isEmpty()) {
        m_showMessage(preview.Message);
        return;
    }
    if (preview.Truncated)
        m_showMessage(QStringLiteral("预览只显示前 %1 页").arg(preview.Pages.size()));
    m_preview->SetPages(std::move(preview.Pages));
    m_preview->exec();
}

} // namespace tessarine
