#pragma once

#include "document/labelrecords.h"
#include "print/celllayout.h"
#include "print/systemprinters.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace tessarine {

class TDesignDocument;
class TKWZPreView;
class TPrintProgress;
struct TPrinterSettings;

// The print dialog "打印": how many labels, how many copies of each, from which cell, on the
// current printer. The preview control marks and numbers the cells of the first sheet that the
// job fills. "打印" runs the job on the live document with a progress window; the values stay
// between uses. The document and the settings must outlive the dialog.
class TPrints : public QDialog
{
    Q_OBJECT
public:
    TPrints(TDesignDocument& document, TPrinterSettings& settings, QWidget* parent = nullptr);
    ~TPrints() override;

    // Before the dialog is shown: the job's layout (a copy of the page setup's), which the preview
    // control takes at the page setup's zoom + 0.9, and the printer read-outs.
    void Prepare(const TLabelLayout& pageSetupLayout);

    // The run the fields describe, and the layout the job prints on.
    TPrintRun Run() const;
    const TLabelLayout& JobLayout() const { return m_jobLayout; }

    // "打印": prints on a driver printer (or the PDF printer when the system has none) and closes
    // the dialog; a thermal kind does nothing here.
    void PrintClick();
    // "预  览": asks for the main window's preview command when a printer exists.
    void PreviewClick();
    // "属性(&P)": the system's print dialog on the current printer; what it chooses becomes the
    // current printer.
    void PropertiesClick();

    // The widget whose painting stops while a job runs (the main window's scroll area).
    void SetViewToFreeze(QWidget* view) { m_frozenView = view; }
    // Messages go here; an information box by default.
    void SetMessageHandler(std::function<void(const QString&)> handler);
    // Where the printers are looked up; the installed ones by default.
    void SetPrinterLookup(std::function<TSystemPrinters(const QString& title)> lookup);

    QPrinter& Printer() const { return *m_printer; }
    TKWZPreView* PreView() const { return m_preView; }
    TPrintProgress* Progress() const { return m_progress; }
    QSpinBox* LabelCountEdit() const { return m_labelCount; }
    QSpinBox* CopiesEdit() const { return m_copies; }
    QSpinBox* TotalEdit() const { return m_total; }
    QSpinBox* StartEdit() const { return m_start; }
    QCheckBox* BorderCheck() const { return m_border; }
    QSpinBox* BorderOffsetEdit() const { return m_borderOffset; }
    QLabel* PrinterNameLabel() const { return m_printerName; }
    QLabel* PortLabel() const { return m_port; }
    QPushButton* PrintButton() const { return m_printButton; }
    QPushButton* ThermalPrintButton() const { return m_thermalButton; }
    QPushButton* PreviewButton() const { return m_previewButton; }
    QPushButton* PropertiesButton() const { return m_propertiesButton; }
    QPushButton* CancelButton() const { return m_cancelButton; }
    QPushButton* HelpButton() const { return m_helpButton; }

    // The most the total shows.
    static constexpr int kMaxTotal = 30000;

signals:
    // "预  览" with a printer present: the main window runs its preview command.
    void PreviewRequested();
    // The hidden "打印失真": the thermal job of a thermal printer kind.
    void ThermalPrintRequested();
    // "属性(&P)" for a thermal kind: its printer information.
    void ThermalPropertiesRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void CountChange();
    void StartChange();
    bool IsDriverPrinter() const;
    // Points the printer at the current printer; false when the system has none.
    bool ChoosePrinter();
    void RunJob();

    TDesignDocument& m_document;
    TPrinterSettings& m_settings;
    TLabelLayout m_jobLayout;
    std::unique_ptr<QPrinter> m_printer;
    QString m_chosenPdfPath; // a PDF file picked in the properties dialog
    QWidget* m_frozenView = nullptr;
    std::function<void(const QString&)> m_showMessage;
    std::function<TSystemPrinters(const QString&)> m_lookupPrinters;

    TKWZPreView* m_preView = nullptr;
    TPrintProgress* m_progress = nullptr;
    QSpinBox* m_labelCount = nullptr;
    QSpinBox* m_copies = nullptr;
    QSpinBox* m_total = nullptr;
    QSpinBox* m_start = nullptr;
    QCheckBox* m_border = nullptr;
    QSpinBox* m_borderOffset = nullptr;
    QLabel* m_printerName = nullptr;
    QLabel* m_port = nullptr;
    QPushButton* m_printButton = nullptr;
    QPushButton* m_thermalButton = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_propertiesButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_helpButton = nullptr;
};

} // namespace tessarine
