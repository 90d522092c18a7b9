#include "prints.h"

#include "printprogress.h"

#include "document/designdocument.h"
#include "print/kwzpreview.h"
#include "print/printersettings.h"
#include "print/printjob.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QSpinBox* CountBox(QWidget* parent, const QString& name, int maximum, int minimum = 1)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(1);
    return box;
}

QPushButton* Button(QWidget* parent, const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// The preview control's values as the dialog is designed.
void ApplyDesignValues(TKWZPreView& preView)
{
    preView.SetZoom(4.8);
    preView.SetLabelEllipse(4);
    preView.SetPageWidth(210);
    preView.SetPageHeight(297);
    preView.SetMarginLeft(1);
    preView.SetRow(1);
    preView.SetColumn(2);
    preView.SetLabelWidth(60);
    preView.SetLabelHeight(25);
    preView.SetLabelMarginLeft(1);
    preView.SetLabelMarginTop(2);
    preView.SetLabelStart(0);
    preView.SetLabelTotal(0);
    preView.SetShowStartEnd(true);
}

} // namespace

TPrints::TPrints(TDesignDocument& document, TPrinterSettings& settings, QWidget* parent)
    : QDialog(parent), m_document(document), m_settings(settings),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("TPrints"));
    setWindowTitle(QStringLiteral("打印"));
    m_showMessage = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };
    m_lookupPrinters = [](const QString& title) { return InstalledPrinters(title); };
    BuildWindow();
    m_progress = new TPrintProgress(this);
}

TPrints::~TPrints() = default;

void TPrints::BuildWindow()
{
    m_preView = new TKWZPreView(this);
    m_preView->setObjectName(QStringLiteral("KWZPreView1"));
    ApplyDesignValues(*m_preView);

    auto* fields = new QGroupBox(this);
    auto* form = new QFormLayout(fields);
    m_labelCount = CountBox(fields, QStringLiteral("LabelCountEdit"), 10000);
    m_copies = CountBox(fields, QStringLiteral("CopiesEdit"), 10000);
    m_total = CountBox(fields, QStringLiteral("TotalEdit"), kMaxTotal);
    m_total->setReadOnly(true);
    m_total->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_start = CountBox(fields, QStringLiteral("StartEdit"), 1000);
    form->addRow(QStringLiteral("标签数量:"), m_labelCount);
    form->addRow(QStringLiteral("标签份数:"), m_copies);
    form->addRow(QStringLiteral("打印总数:"), m_total);
    form->addRow(QStringLiteral("开始位:"), m_start);

    // Offered as it always was; the jobs take no account of either.
    m_border = new QCheckBox(QStringLiteral("打印标签边框(&E)"), fields);
    m_border->setObjectName(QStringLiteral("BorderCheck"));
    m_borderOffset = CountBox(fields, QStringLiteral("BorderOffsetEdit"), 15, 0);
    m_borderOffset->setEnabled(false);
    auto* border = new QHBoxLayout;
    border->addWidget(m_border);
    border->addWidget(m_borderOffset);
    form->addRow(border);

    auto* printerBox = new QGroupBox(this);
    auto* printerForm = new QFormLayout(printerBox);
    m_printerName = new QLabel(printerBox);
    m_printerName->setObjectName(QStringLiteral("PrinterNameLabel"));
    m_port = new QLabel(printerBox);
    m_port->setObjectName(QStringLiteral("PortLabel"));
    printerForm->addRow(QStringLiteral("名称:"), m_printerName);
    printerForm->addRow(QStringLiteral("位置:"), m_port);

    m_printButton = Button(this, QStringLiteral("打印"), QStringLiteral("Print_BM"));
    m_thermalButton = Button(this, QStringLiteral("打印失真"), QStringLiteral("ThermalPrint_BM"));
    m_thermalButton->hide();
    m_previewButton = Button(this, QStringLiteral("预  览"), QStringLiteral("Preview_BM"));
    m_propertiesButton = Button(this, QStringLiteral("属性(&P)"), QStringLiteral("Properties_BM"));
    m_cancelButton = Button(this, QStringLiteral("取消"), QStringLiteral("Cancel_BM"));
    m_helpButton = Button(this, QStringLiteral("帮助"), QStringLiteral("Help_BM"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button :
         {m_printButton, m_thermalButton, m_previewButton, m_propertiesButton, m_cancelButton, m_helpButton})
        buttons->addWidget(button);
    buttons->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(printerBox);
    left->addWidget(fields);
    left->addWidget(m_preView, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_labelCount, &QSpinBox::valueChanged, this, &TPrints::CountChange);
    connect(m_copies, &QSpinBox::valueChanged, this, &TPrints::CountChange);
    connect(m_start, &QSpinBox::valueChanged, this, &TPrints::StartChange);
    connect(m_border, &QCheckBox::toggled, m_borderOffset, &QSpinBox::setEnabled);
    connect(m_printButton, &QPushButton::clicked, this, &TPrints::PrintClick);
    connect(m_thermalButton, &QPushButton::clicked, this, &TPrints::ThermalPrintRequested);
    connect(m_previewButton, &QPushButton::clicked, this, &TPrints::PreviewClick);
    connect(m_propertiesButton, &QPushButton::clicked, this, &TPrints::PropertiesClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &TPrints::reject);
}

void TPrints::SetMessageHandler(std::function<void(const QString&)> handler)
{
    m_showMessage = std::move(handler);
}

void TPrints::SetPrinterLookup(std::function<TSystemPrinters(const QString& title)> lookup)
{
    m_lookupPrinters = std::move(lookup);
}

void TPrints::Prepare(const TLabelLayout& pageSetupLayout)
{
    m_jobLayout = pageSetupLayout;
    m_preView->SetPageWidth(pageSetupLayout.PageWidth);
    m_preView->SetPageHeight(pageSetupLayout.PageHeight);
    m_preView->SetLabelEllipse(pageSetupLayout.LabelEllipse);
    m_preView->SetLabelWidth(pageSetupLayout.LabelWidth);
    m_preView->SetLabelHeight(pageSetupLayout.LabelHeight);
    m_preView->SetLabelMarginLeft(pageSetupLayout.LabelMarginLeft);
    m_preView->SetLabelMarginTop(pageSetupLayout.LabelMarginTop);
    m_preView->SetRow(pageSetupLayout.Row);
    m_preView->SetColumn(pageSetupLayout.Column);
    m_preView->SetMarginLeft(pageSetupLayout.MarginLeft);
    m_preView->SetMarginTop(pageSetupLayout.MarginTop);
    m_preView->SetZoom(pageSetupLayout.Zoom + 0.9);
    // The marks follow the fields the dialog kept from its last use.
    CountChange();
    StartChange();
    m_printerName->setText(m_settings.P_Current_Name);
    m_port->setText(m_settings.P_Current_Port);
}

TPrintRun TPrints::Run() const
{
    return {m_labelCount->value(), m_copies->value(), m_start->value()};
}

void TPrints::CountChange()
{
    const qint64 total = qint64(m_labelCount->value()) * m_copies->value();
    m_total->setValue(int(std::min<qint64>(total, kMaxTotal)));
    m_preView->SetLabelTotal(int16_t(m_total->value()));
}

void TPrints::StartChange()
{
    m_preView->SetLabelStart(int16_t(m_start->value()));
}

void TPrints::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_printButton->setFocus();
}

bool TPrints::IsDriverPrinter() const
{
    return m_settings.P_DPI == -1;
}

bool TPrints::ChoosePrinter()
{
    const TSystemPrinters printers = m_lookupPrinters(m_document.FileInfo.Title);
    const QString name = printers.Resolve(m_settings.P_Current_Name, QPrinterInfo::defaultPrinterName());
    if (name.isEmpty() || !SelectPrinter(*m_printer, name, printers))
        return false;
    if (name == kPdfPrinterName && !m_chosenPdfPath.isEmpty())
        m_printer->setOutputFileName(m_chosenPdfPath);
    return true;
}

void TPrints::PrintClick()
{
    // A thermal kind prints through its own command stream, as the hidden "打印失真" does.
    if (!IsDriverPrinter()) {
        emit ThermalPrintRequested();
        return;
    }
    if (!ChoosePrinter()) {
        m_showMessage(kInstallPrinterMessage);
        return;
    }
    if (const QString why = CheckPrintRun(m_jobLayout, Run()); !why.isEmpty()) {
        m_showMessage(why);
        return;
    }
    RunJob();
    accept();
}

void TPrints::RunJob()
{
    m_printer->setDocName(m_document.FileInfo.Title);
    UseLayoutPage(*m_printer, m_jobLayout);
    if (m_frozenView)
        m_frozenView->setUpdatesEnabled(false);
    TPrintJob job(m_document, m_jobLayout, Run());
    m_progress->Start();
    job.OnProgress = [this](int sheet, int sheets) { return m_progress->Update(sheet, sheets); };
    const TPrintOutcome outcome = job.Print(*m_printer);
    m_progress->Finish();
    if (m_frozenView) {
        m_frozenView->setUpdatesEnabled(true);
        m_frozenView->update();
    }
    if (outcome.status == TPrintOutcome::Failed || outcome.status == TPrintOutcome::Refused)
        m_showMessage(outcome.message);
}

void TPrints::PreviewClick()
{
    if (!m_lookupPrinters(m_document.FileInfo.Title).HasPrinter()) {
        m_showMessage(kInstallPrinterFirstMessage);
        return;
    }
    emit PreviewRequested();
}

void TPrints::PropertiesClick()
{
    if (!IsDriverPrinter()) {
        emit ThermalPropertiesRequested();
        return;
    }
    ChoosePrinter();
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (m_printer->outputFormat() == QPrinter::PdfFormat) {
        m_settings.P_Current_Name = kPdfPrinterName;
        m_chosenPdfPath = m_printer->outputFileName();
    } else {
        m_settings.P_Current_Name = m_printer->printerName();
    }
    m_settings.P_DPI = -1;
    m_printerName->setText(m_settings.P_Current_Name);
}

} // namespace tessarine
