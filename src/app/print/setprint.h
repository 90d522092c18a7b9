#pragma once

#include "document/labelrecords.h"
#include "print/labeltemplates.h"
#include "print/printerchoice.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tessarine {

class TColorBox;
class TKWZPreView;
class TSettingsStore;
struct TPrinterSettings;

// What the page-setup dialog changes outside itself. Any member may be left empty.
struct TPageSetupHost
{
    // Status bar panel 0 (the printer) or 1 (the label size).
    std::function<void(int panel, const QString& text)> ShowStatus;
    // The sheet in whole millimetres, given only for sheets at least 210 mm wide: the design
    // surface adds its 3 mm to each and the rulers take the sheet's length.
    std::function<void(int widthMm, int heightMm)> SetPageSize;
    // The label outline of the design surface: right = left + widthMm, bottom = top + heightMm.
    // Returns false when an edge falls outside the 16-bit range; confirming then stops and the
    // dialog stays open.
    std::function<bool(int widthMm, int heightMm, int ellipse)> SetLabelOutline;
};

// The page-setup dialog "打印设置": printer choice and thermal parameters, sheet, label grid,
// colours and named templates. Created once; its preview control holds the current layout, and
// every field writes into it (or into the printer settings) at once, so cancelling keeps what was
// typed. Confirming stores the templates and the printer settings and updates the host.
// settings and store must outlive the dialog.
class TSetPrint : public QDialog
{
    Q_OBJECT

public:
    TSetPrint(TPrinterSettings& settings, TSettingsStore& store, TModuleStore modules = TModuleStore(),
              std::shared_ptr<const TPrinterDirectory> printers = std::make_shared<TPrinterDirectory>(),
              QWidget* parent = nullptr);
    ~TSetPrint() override;

    // The holder of the current layout: the print dialog copies from it, label files load into it.
    TKWZPreView* PreView() const { return PreView_; }
    // The system printer that orientation and the driver's page setup act on.
    QPrinter* Printer() const { return Printer_.get(); }

    // Connects the dialog to the main window and, as the dialog's creation does, shows both status
    // texts and sets the label outline.
    void SetHost(TPageSetupHost host);

    // "打印机型号:" + the current printer.
    QString PrinterStatusText() const;
    // "标签尺寸:" + the preview's label size in whole millimetres.
    QString LabelSizeStatusText() const;

    // The printer driver's page setup ("设    置" and the main window's driver button): the chosen
    // paper goes into the sheet width and height, its orientation into "打印方向".
    void RunPrinterDriverDialog();

    // Information boxes go here; a message box by default.
    void SetInformationHandler(std::function<void(const QString&)> handler);

    // The controls, for the main window's language files and for tests.
    QTabWidget* PageControl() const { return PageControl_; }
    QListWidget* PrinterList() const { return PrinterList_; }
    QGroupBox* ParameterGroup() const { return ParameterGroup_; }
    QSpinBox* DarknessEdit() const { return Darkness_; }
    QSpinBox* SpeedEdit() const { return Speed_; }
    QComboBox* PortBox() const { return PortBox_; }
    QPushButton* PortSettingsButton() const { return PortSettings_; }
    QPushButton* LabelPositioningButton() const { return LabelPositioning_; }
    QPushButton* DriverButton() const { return DriverButton_; }
    QComboBox* PaperList() const { return PaperList_; }
    QDoubleSpinBox* PageWidthEdit() const { return PageWidth_; }
    QDoubleSpinBox* PageHeightEdit() const { return PageHeight_; }
    QDoubleSpinBox* MarginLeftEdit() const { return MarginLeft_; }
    QDoubleSpinBox* MarginTopEdit() const { return MarginTop_; }
    QRadioButton* PortraitButton() const { return Portrait_; }
    QRadioButton* LandscapeButton() const { return Landscape_; }
    QDoubleSpinBox* LabelWidthEdit() const { return LabelWidth_; }
    QDoubleSpinBox* LabelHeightEdit() const { return LabelHeight_; }
    QDoubleSpinBox* VerticalGapEdit() const { return VerticalGap_; }
    QDoubleSpinBox* HorizontalGapEdit() const { return HorizontalGap_; }
    QSpinBox* RowsEdit() const { return Rows_; }
    QSpinBox* ColumnsEdit() const { return Columns_; }
    TColorBox* SheetColorBox() const { return SheetColor_; }
    TColorBox* LabelColorBox() const { return LabelColorBox_; }
    QSpinBox* EllipseEdit() const { return Ellipse_; }
    QLineEdit* ModuleNameEdit() const { return ModuleName_; }
    QListWidget* ModuleList() const { return ModuleList_; }
    QLabel* ModuleSizePanel() const { return ModuleSize_; }
    QPushButton* AddModuleButton() const { return AddModule_; }
    QPushButton* DeleteModuleButton() const { return DeleteModule_; }
    QLabel* MessagePanel() const { return Message_; }
    QPushButton* OkButton() const { return OkButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }
    QPushButton* HelpButton() const { return HelpButton_; }

    // The templates after the default entry.
    const std::vector<TModule>& Modules() const { return Modules_; }

signals:
    // "设置" of the parameters group, for a serial port.
    void PortSettingsRequested(const QString& port);
    // "标签定位".
    void LabelPositioningRequested(const QString& port);
    // Raised when "确定" has stored everything and the dialog closes.
    void LayoutConfirmed(const TLabelLayout& layout);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct LengthField;
    struct CountField;

    void BuildWindow();
    QWidget* BuildModelSheet();
    QWidget* BuildPaperSheet();
    QWidget* BuildLabelSheet();
    QWidget* BuildOtherSheet();
    QWidget* BuildModuleSheet();
    void ConnectFields();

    void CopyPreviewToFields();
    void ShowSlopOverMessage(const QString& message);

    void LoadModules();
    void SelectModule(int entry);
    void ApplyModule(const TModule& module);
    void AddModuleClick();
    void DeleteModuleClick();
    bool SaveModules() const;

    void FillPrinterList();
    void ChooseInitialPrinter();
    void SelectPrinterEntry(int index);
    void QueryPaperNames(const QString& printer);
    void PortBoxChange(int index);

    void ApplyOrientation();
    void OK_BMClick();

    TPrinterSettings& Settings_;
    TSettingsStore& Store_;
    TModuleStore ModuleStore_;
    std::shared_ptr<const TPrinterDirectory> SystemPrinters_;
    std::unique_ptr<QPrinter> Printer_;
    TPageSetupHost Host_;
    std::function<void(const QString&)> ShowInformation_;
    std::vector<TModule> Modules_;
    int SystemPrinterCount_ = 0;
    int SystemPrinterIndex_ = 0;

    std::vector<LengthField> LengthFields_;
    std::vector<CountField> CountFields_;

    TKWZPreView* PreView_ = nullptr;
    QTabWidget* PageControl_ = nullptr;
    QListWidget* PrinterList_ = nullptr;
    QGroupBox* ParameterGroup_ = nullptr;
    QSpinBox* Darkness_ = nullptr;
    QSpinBox* Speed_ = nullptr;
    QComboBox* PortBox_ = nullptr;
    QPushButton* PortSettings_ = nullptr;
    QPushButton* LabelPositioning_ = nullptr;
    QPushButton* DriverButton_ = nullptr;
    QComboBox* PaperList_ = nullptr;
    QDoubleSpinBox* PageWidth_ = nullptr;
    QDoubleSpinBox* PageHeight_ = nullptr;
    QDoubleSpinBox* MarginLeft_ = nullptr;
    QDoubleSpinBox* MarginTop_ = nullptr;
    QRadioButton* Portrait_ = nullptr;
    QRadioButton* Landscape_ = nullptr;
    QLabel* OrientationPicture_ = nullptr;
    QDoubleSpinBox* LabelWidth_ = nullptr;
    QDoubleSpinBox* LabelHeight_ = nullptr;
    QDoubleSpinBox* VerticalGap_ = nullptr;
    QDoubleSpinBox* HorizontalGap_ = nullptr;
    QSpinBox* Rows_ = nullptr;
    QSpinBox* Columns_ = nullptr;
    TColorBox* SheetColor_ = nullptr;
    TColorBox* LabelColorBox_ = nullptr;
    QSpinBox* Ellipse_ = nullptr;
    QLineEdit* ModuleName_ = nullptr;
    QListWidget* ModuleList_ = nullptr;
    QLabel* ModuleSize_ = nullptr;
    QPushButton* AddModule_ = nullptr;
    QPushButton* DeleteModule_ = nullptr;
    QLabel* Message_ = nullptr;
    QPushButton* OkButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QPushButton* HelpButton_ = nullptr;
};

} // namespace tessarine
