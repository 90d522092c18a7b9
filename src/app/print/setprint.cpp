#include "setprint.h"

#include "app/print/colorbox.h"
#include "app/print/printersettingsstore.h"
#include "app/settings/settingsstore.h"
#include "platform/round.h"
#include "print/kwzpreview.h"
#include "print/papersizes.h"
#include "print/printersettings.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessarine {

struct TSetPrint::LengthField
{
    QDoubleSpinBox* Box;
    double (TKWZPreView::*Get)() const;
    void (TKWZPreView::*Set)(double);
};

struct TSetPrint::CountField
{
    QSpinBox* Box;
    int16_t (TKWZPreView::*Get)() const;
};

namespace {

const QString kDefaultEntry = QStringLiteral("默认");
const QString kInitialDefaultEntry = QStringLiteral("默认格式");
const QString kCustomPaper = QStringLiteral("自定义尺寸");
const QString kFitsMessage = QStringLiteral("提示");

// The zoom that fits an A4 sheet in the frame, and the one for the narrow rolls of thermal printers.
constexpr double kSheetZoom = 3.8;
constexpr double kRollZoom = 1.2;
constexpr double kWideSheet = 210.0;

template <typename T> T* Named(T* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

QLabel* Caption(const char* name, const QString& text)
{
    return Named(new QLabel(text), name);
}

QDoubleSpinBox* LengthBox(const char* name)
{
    auto* box = Named(new QDoubleSpinBox, name);
    box->setDecimals(2);
    box->setRange(0.0, 9999.0);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

QSpinBox* CountBox(const char* name, int minimum, int maximum)
{
    auto* box = Named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    return box;
}

// A sheet with a large letter on it, upright or lying.
QPixmap OrientationPicture(bool landscape)
{
    const QSize sheet = landscape ? QSize(54, 38) : QSize(38, 54);
    QPixmap pixmap(60, 60);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect page(QPoint((60 - sheet.width()) / 2, (60 - sheet.height()) / 2), sheet);
    painter.fillRect(page.translated(3, 3), Qt::darkGray);
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(page.adjusted(0, 0, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(page, Qt::AlignCenter, QStringLiteral("A"));
    return pixmap;
}

} // namespace

TSetPrint::TSetPrint(TPrinterSettings& settings, TSettingsStore& store, TModuleStore modules,
                     std::shared_ptr<const TPrinterDirectory> printers, QWidget* parent)
    : QDialog(parent), Settings_(settings), Store_(store), ModuleStore_(std::move(modules)),
      SystemPrinters_(std::move(printers)), Printer_(std::make_unique<QPrinter>()),
      ShowInformation_([this](const QString& text) { QMessageBox::information(this, windowTitle(), text); })
{
    BuildWindow();
    ConnectFields();

    // The layout this dialog starts from until a template or a label file replaces it.
    TLabelLayout start = PreView_->Layout();
    start.Zoom = kSheetZoom;
    start.LabelEllipse = 8;
    start.PageWidth = 210;
    start.PageHeight = 297;
    start.MarginLeft = 1;
    start.MarginTop = 8;
    start.Row = 3;
    start.Column = 3;
    start.LabelWidth = 65;
    start.LabelHeight = 90;
    start.LabelMarginLeft = 1;
    start.LabelMarginTop = 1;
    start.LabelStart = 0;
    start.LabelTotal = 0;
    PreView_->SetLayout(start);
    CopyPreviewToFields();
    LoadModules();
    ReadPrinterSettings(Store_, Settings_);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    FillPrinterList();
    QApplication::restoreOverrideCursor();
    ChooseInitialPrinter();

    PreView_->SetZoom(PageWidth_->value() >= kWideSheet ? kSheetZoom : kRollZoom);
}

TSetPrint::~TSetPrint() = default;

void TSetPrint::BuildWindow()
{
    setObjectName(QStringLiteral("SetPrint"));
    setWindowTitle(QStringLiteral("打印设置"));

    PageControl_ = Named(new QTabWidget, "SetPrint_PageControl");
    PageControl_->addTab(BuildModelSheet(), QStringLiteral("型号"));
    PageControl_->addTab(BuildPaperSheet(), QStringLiteral("纸张类型"));
    PageControl_->addTab(BuildLabelSheet(), QStringLiteral("标签格式"));
    PageControl_->addTab(BuildOtherSheet(), QStringLiteral("其它"));
    PageControl_->addTab(BuildModuleSheet(), QStringLiteral("模版"));
    PageControl_->setUsesScrollButtons(false); // all five sheets stay in sight

    PreView_ = Named(new TKWZPreView, "KWZPreView1");
    auto* scroller = new QScrollArea;
    scroller->setWidget(PreView_);
    scroller->setAlignment(Qt::AlignCenter);
    scroller->setMinimumSize(260, 340);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* previewGroup = Named(new QGroupBox(QStringLiteral("标 签 预 览")), "SetPrint_PreviewGroup");
    auto* previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->addWidget(scroller);

    Message_ = Named(new QLabel(kFitsMessage), "SetPrint_MessagePanel");
    Message_->setFrameShape(QFrame::StyledPanel);
    Message_->setAlignment(Qt::AlignCenter);
    Message_->setMinimumHeight(24);
    connect(PreView_, &TKWZPreView::OnSlopOverMessage, this, &TSetPrint::ShowSlopOverMessage);

    OkButton_ = Named(new QPushButton(QStringLiteral("确定")), "OK_BM");
    CancelButton_ = Named(new QPushButton(QStringLiteral("取消")), "Cancel_BM");
    HelpButton_ = Named(new QPushButton(QStringLiteral("帮助")), "Help_BM");
    OkButton_->setDefault(true);
    connect(OkButton_, &QPushButton::clicked, this, &TSetPrint::OK_BMClick);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton_);
    buttons->addWidget(CancelButton_);
    buttons->addWidget(HelpButton_);

    auto* right = new QVBoxLayout;
    right->addWidget(previewGroup, 1);
    right->addWidget(Message_);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(PageControl_, 1);
    layout->addLayout(right);
}

QWidget* TSetPrint::BuildModelSheet()
{
    auto* sheet = Named(new QWidget, "SetPrint_ModelSheet");

    PrinterList_ = Named(new QListWidget, "SetPrint_PrinterList");
    connect(PrinterList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectPrinterEntry(PrinterList_->row(item)); });

    Darkness_ = CountBox("SetPrint_DarknessEdit", -15, 100);
    Darkness_->setValue(10);
    Speed_ = CountBox("SetPrint_SpeedEdit", 1, 8);
    Speed_->setValue(3);
    PortBox_ = Named(new QComboBox, "SetPrint_PortBox");
    for (const char* port : kPrinterPorts)
        PortBox_->addItem(QLatin1String(port));
    PortSettings_ = Named(new QPushButton(QStringLiteral("设置")), "SetPrint_PortSetup");
    PortSettings_->setEnabled(false); // "LPT1" is chosen first
    LabelPositioning_ = Named(new QPushButton(QStringLiteral("标签定位")), "SetPrint_LabelPositioning");
    connect(PortSettings_, &QPushButton::clicked, this,
            [this] { emit PortSettingsRequested(PortBox_->currentText()); });
    connect(LabelPositioning_, &QPushButton::clicked, this,
            [this] { emit LabelPositioningRequested(PortBox_->currentText()); });

    ParameterGroup_ = Named(new QGroupBox(QStringLiteral("参数")), "SetPrint_ParameterGroup");
    auto* parameters = new QFormLayout(ParameterGroup_);
    parameters->addRow(Caption("SetPrint_DarknessLabel", QStringLiteral("温度:")), Darkness_);
    parameters->addRow(Caption("SetPrint_SpeedLabel", QStringLiteral("速度:")), Speed_);
    parameters->addRow(Caption("SetPrint_PortLabel", QStringLiteral("端口:")), PortBox_);
    auto* portButtons = new QHBoxLayout;
    portButtons->addWidget(PortSettings_);
    portButtons->addWidget(LabelPositioning_);
    parameters->addRow(portButtons);
    ParameterGroup_->hide();

    auto* printerGroup = Named(new QGroupBox(QStringLiteral("打印机")), "SetPrint_PrinterGroup");
    auto* printer = new QVBoxLayout(printerGroup);
    printer->addWidget(Caption("SetPrint_NameLabel", QStringLiteral("名称:")));
    printer->addWidget(PrinterList_, 1);
    printer->addWidget(ParameterGroup_);

    // The driver's paper names are kept, not shown: only their custom entry is ever chosen.
    PaperList_ = Named(new QComboBox, "SetPrint_PaperList");
    PaperList_->hide();

    DriverButton_ = Named(new QPushButton(QStringLiteral("设    置")), "SetPrint_DriverSetup");
    connect(DriverButton_, &QPushButton::clicked, this, &TSetPrint::RunPrinterDriverDialog);
    auto* driverRow = new QHBoxLayout;
    driverRow->addStretch();
    driverRow->addWidget(DriverButton_);

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(printerGroup, 1);
    layout->addWidget(PaperList_);
    layout->addLayout(driverRow);
    return sheet;
}

QWidget* TSetPrint::BuildPaperSheet()
{
    auto* sheet = Named(new QWidget, "SetPrint_PaperSheet");
    PageWidth_ = LengthBox("SetPrint_PageWidthEdit");
    PageHeight_ = LengthBox("SetPrint_PageHeightEdit");
    MarginLeft_ = LengthBox("SetPrint_MarginLeftEdit");
    MarginTop_ = LengthBox("SetPrint_MarginTopEdit");
    auto* fields = new QFormLayout;
    fields->addRow(Caption("SetPrint_PageWidthLabel", QStringLiteral("宽度:")), PageWidth_);
    fields->addRow(Caption("SetPrint_PageHeightLabel", QStringLiteral("高度:")), PageHeight_);
    fields->addRow(Caption("SetPrint_MarginLeftLabel", QStringLiteral("左空:")), MarginLeft_);
    fields->addRow(Caption("SetPrint_MarginTopLabel", QStringLiteral("上空:")), MarginTop_);

    // A radio group: its items are the buttons directly inside it, in this order.
    auto* orientation = Named(new QGroupBox(QStringLiteral("打印方向")), "SetPrint_PLGroup");
    Portrait_ = new QRadioButton(QStringLiteral("纵向"), orientation);
    Landscape_ = new QRadioButton(QStringLiteral("横向"), orientation);
    Portrait_->setChecked(true);
    OrientationPicture_ = new QLabel;
    OrientationPicture_->setPixmap(OrientationPicture(false));
    auto* choices = new QVBoxLayout;
    choices->addWidget(Portrait_);
    choices->addWidget(Landscape_);
    auto* orientationLayout = new QHBoxLayout(orientation);
    orientationLayout->addLayout(choices);
    orientationLayout->addStretch();
    orientationLayout->addWidget(OrientationPicture_);
    connect(Portrait_, &QRadioButton::toggled, this, &TSetPrint::ApplyOrientation);

    auto* layout = new QVBoxLayout(sheet);
    layout->addLayout(fields);
    layout->addWidget(orientation);
    layout->addStretch();
    return sheet;
}

QWidget* TSetPrint::BuildLabelSheet()
{
    auto* sheet = Named(new QWidget, "SetPrint_LabelSheet");
    LabelWidth_ = LengthBox("SetPrint_LabelWidthEdit");
    LabelHeight_ = LengthBox("SetPrint_LabelHeightEdit");
    VerticalGap_ = LengthBox("SetPrint_VerticalGapEdit");
    HorizontalGap_ = LengthBox("SetPrint_HorizontalGapEdit");
    Rows_ = CountBox("SetPrint_RowsEdit", 1, 500);
    Columns_ = CountBox("SetPrint_ColumnsEdit", 1, 500);

    auto* size = Named(new QGroupBox(QStringLiteral("标签尺寸")), "SetPrint_LabelSizeGroup");
    auto* sizeFields = new QFormLayout(size);
    sizeFields->addRow(Caption("SetPrint_LabelWidthLabel", QStringLiteral("宽度:")), LabelWidth_);
    sizeFields->addRow(Caption("SetPrint_LabelHeightLabel", QStringLiteral("高度:")), LabelHeight_);

    auto* gaps = Named(new QGroupBox(QStringLiteral("标签间距")), "SetPrint_LabelGapGroup");
    auto* gapFields = new QFormLayout(gaps);
    gapFields->addRow(Caption("SetPrint_VerticalGapLabel", QStringLiteral("垂直:")), VerticalGap_);
    gapFields->addRow(Caption("SetPrint_HorizontalGapLabel", QStringLiteral("水平:")), HorizontalGap_);

    auto* grid = Named(new QGroupBox(QStringLiteral("行列")), "SetPrint_GridGroup");
    auto* gridFields = new QFormLayout(grid);
    gridFields->addRow(Caption("SetPrint_RowsLabel", QStringLiteral("行数:")), Rows_);
    gridFields->addRow(Caption("SetPrint_ColumnsLabel", QStringLiteral("列数:")), Columns_);

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(size);
    layout->addWidget(gaps);
    layout->addWidget(grid);
    layout->addStretch();
    return sheet;
}

QWidget* TSetPrint::BuildOtherSheet()
{
    auto* sheet = Named(new QWidget, "SetPrint_OtherSheet");
    SheetColor_ = Named(new TColorBox, "SetPrint_SheetColorBox");
    LabelColorBox_ = Named(new TColorBox, "SetPrint_LabelColorBox");
    Ellipse_ = CountBox("SetPrint_EllipseEdit", 0, 25);
    auto* fields = new QFormLayout;
    fields->addRow(Caption("SetPrint_SheetColorLabel", QStringLiteral("纸张颜色:")), SheetColor_);
    fields->addRow(Caption("SetPrint_LabelColorLabel", QStringLiteral("标签颜色:")), LabelColorBox_);
    fields->addRow(Caption("SetPrint_EllipseLabel", QStringLiteral("标签椭圆:")), Ellipse_);
    auto* layout = new QVBoxLayout(sheet);
    layout->addLayout(fields);
    layout->addStretch();
    return sheet;
}

QWidget* TSetPrint::BuildModuleSheet()
{
    auto* sheet = Named(new QWidget, "SetPrint_ModuleSheet");
    ModuleName_ = Named(new QLineEdit, "SetPrint_ModuleNameEdit");
    ModuleList_ = Named(new QListWidget, "SetPrint_ModuleList");
    ModuleList_->addItem(kInitialDefaultEntry);
    ModuleSize_ = Named(new QLabel, "SetPrint_ModuleSizePanel");
    ModuleSize_->setFrameShape(QFrame::StyledPanel);
    ModuleSize_->setAlignment(Qt::AlignCenter);
    AddModule_ = Named(new QPushButton(QStringLiteral("增加")), "SetPrint_AddModule");
    DeleteModule_ = Named(new QPushButton(QStringLiteral("删除")), "SetPrint_DeleteModule");
    AddModule_->setAutoDefault(false);
    ModuleName_->installEventFilter(this);
    connect(AddModule_, &QPushButton::clicked, this, &TSetPrint::AddModuleClick);
    connect(DeleteModule_, &QPushButton::clicked, this, &TSetPrint::DeleteModuleClick);
    connect(ModuleList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectModule(ModuleList_->row(item)); });

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(ModuleName_, 1);
    nameRow->addWidget(AddModule_);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(ModuleList_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(ModuleSize_);
    side->addWidget(DeleteModule_);
    side->addStretch();
    listRow->addLayout(side);

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(Caption("SetPrint_ModuleNameLabel", QStringLiteral("新版名称:")));
    layout->addLayout(nameRow);
    layout->addWidget(Caption("SetPrint_ModuleListLabel", QStringLiteral("模版名称:")));
    layout->addLayout(listRow, 1);
    return sheet;
}

void TSetPrint::ConnectFields()
{
    LengthFields_ = {
        {PageWidth_, &TKWZPreView::PageWidth, &TKWZPreView::SetPageWidth},
        {PageHeight_, &TKWZPreView::PageHeight, &TKWZPreView::SetPageHeight},
        {MarginLeft_, &TKWZPreView::MarginLeft, &TKWZPreView::SetMarginLeft},
        {MarginTop_, &TKWZPreView::MarginTop, &TKWZPreView::SetMarginTop},
        {LabelWidth_, &TKWZPreView::LabelWidth, &TKWZPreView::SetLabelWidth},
        {LabelHeight_, &TKWZPreView::LabelHeight, &TKWZPreView::SetLabelHeight},
        {VerticalGap_, &TKWZPreView::LabelMarginTop, &TKWZPreView::SetLabelMarginTop},
        {HorizontalGap_, &TKWZPreView::LabelMarginLeft, &TKWZPreView::SetLabelMarginLeft},
    };
    CountFields_ = {
        {Rows_, &TKWZPreView::Row},
        {Columns_, &TKWZPreView::Column},
        {Ellipse_, &TKWZPreView::LabelEllipse},
    };
    // Every edit, key press included, reaches the preview at once (keyboard tracking is on).
    for (const LengthField& field : LengthFields_)
        connect(field.Box, &QDoubleSpinBox::valueChanged, PreView_, field.Set);
    // Direct calls: called through a member-function pointer from a lambda, these made the
    // sanitizer build (GCC 12) report a stack-buffer-underflow inside the slot call.
    connect(Rows_, &QSpinBox::valueChanged, PreView_, [this](int value) { PreView_->SetRow(int16_t(value)); });
    connect(Columns_, &QSpinBox::valueChanged, PreView_, [this](int value) { PreView_->SetColumn(int16_t(value)); });
    connect(Ellipse_, &QSpinBox::valueChanged, PreView_,
            [this](int value) { PreView_->SetLabelEllipse(int16_t(value)); });
    connect(SheetColor_, &TColorBox::SelectedChanged, PreView_, &TKWZPreView::SetBackGroundColor);
    connect(LabelColorBox_, &TColorBox::SelectedChanged, PreView_, &TKWZPreView::SetLabelColor);

    connect(Darkness_, &QSpinBox::valueChanged, this, [this](int value) { Settings_.P_Current_Hot = value; });
    connect(Speed_, &QSpinBox::valueChanged, this, [this](int value) { Settings_.P_Rate = value; });
    connect(PortBox_, &QComboBox::currentIndexChanged, this, &TSetPrint::PortBoxChange);
}

// Shows the preview's values without writing them back: a field would round them to its decimals.
void TSetPrint::CopyPreviewToFields()
{
    for (const LengthField& field : LengthFields_) {
        const QSignalBlocker blocker(field.Box);
        field.Box->setValue((PreView_->*field.Get)());
    }
    for (const CountField& field : CountFields_) {
        const QSignalBlocker blocker(field.Box);
        field.Box->setValue((PreView_->*field.Get)());
    }
    SheetColor_->SetSelected(PreView_->BackGroundColor());
    LabelColorBox_->SetSelected(PreView_->LabelColor());
}

void TSetPrint::ShowSlopOverMessage(const QString& message)
{
    Message_->setText(message);
    QPalette palette = Message_->palette();
    palette.setColor(QPalette::WindowText, message == kFitsMessage ? QColor(Qt::black) : QColor(Qt::red));
    Message_->setPalette(palette);
}

// ---- templates -------------------------------------------------------------------------------

void TSetPrint::LoadModules()
{
    const std::optional<TModuleFile> file = ModuleStore_.Load();
    if (!file) {
        ModuleList_->setCurrentRow(0);
        SelectModule(0);
        return;
    }
    Modules_ = file->Modules;
    ModuleList_->clear();
    ModuleList_->addItem(kDefaultEntry);
    for (const TModule& module : Modules_)
        ModuleList_->addItem(module.Name);
    SelectModule(file->SelectedIndex);
}

void TSetPrint::SelectModule(int entry)
{
    if (entry < 0 || entry > int(Modules_.size()))
        return;
    ModuleList_->setCurrentRow(entry);
    ApplyModule(entry == 0 ? DefaultModule() : Modules_[size_t(entry - 1)]);
    ModuleSize_->setText(
        QStringLiteral("%1 * %2").arg(Round(PreView_->LabelWidth())).arg(Round(PreView_->LabelHeight())));
    CopyPreviewToFields();
}

void TSetPrint::ApplyModule(const TModule& m)
{
    PreView_->SetPageWidth(m.PageWidth);
    PreView_->SetPageHeight(m.PageHeight);
    PreView_->SetMarginLeft(m.MarginLeft);
    PreView_->SetMarginTop(m.MarginTop);
    PreView_->SetRow(m.Row);
    PreView_->SetColumn(m.Column);
    PreView_->SetLabelMarginLeft(m.LabelMarginLeft);
    PreView_->SetLabelMarginTop(m.LabelMarginTop);
    PreView_->SetLabelWidth(m.LabelWidth);
    PreView_->SetLabelHeight(m.LabelHeight);
    PreView_->SetBackGroundColor(m.BackGroundColor);
    PreView_->SetLabelColor(m.LabelColor);
    PreView_->SetLabelEllipse(m.LabelEllipse);
}

bool TSetPrint::SaveModules() const
{
    TModuleFile file;
    file.Modules = Modules_;
    file.SelectedIndex = std::max(ModuleList_->currentRow(), 0);
    return ModuleStore_.Save(file);
}

void TSetPrint::AddModuleClick()
{
    const QString name = ModuleName_->text();
    if (name.isEmpty()) {
        ShowInformation_(QStringLiteral("Sorry! 必须输入[新版名称]."));
        return;
    }
    TModule m;
    m.Name = name;
    m.PageWidth = PreView_->PageWidth();
    m.PageHeight = PreView_->PageHeight();
    m.MarginLeft = PreView_->MarginLeft();
    m.MarginTop = PreView_->MarginTop();
    m.LabelMarginLeft = PreView_->LabelMarginLeft();
    m.LabelMarginTop = PreView_->LabelMarginTop();
    m.LabelWidth = PreView_->LabelWidth();
    m.LabelHeight = PreView_->LabelHeight();
    m.Row = PreView_->Row();
    m.Column = PreView_->Column();
    m.LabelEllipse = PreView_->LabelEllipse();
    m.BackGroundColor = PreView_->BackGroundColor();
    m.LabelColor = PreView_->LabelColor();
    Modules_.push_back(m);
    ModuleList_->addItem(name);
    ModuleName_->clear();
    if (!SaveModules())
        ShowInformation_(QStringLiteral("无法保存设置,去除[Modules.dat]写保护功能即可."));
}

void TSetPrint::DeleteModuleClick()
{
    const int entry = ModuleList_->currentRow();
    if (entry <= 0 || entry > int(Modules_.size()))
        return;
    Modules_.erase(Modules_.begin() + (entry - 1));
    delete ModuleList_->takeItem(entry);
    ModuleList_->setCurrentRow(-1);
    SaveModules(); // deleting does not complain about a write-protected file
}

// ---- printers --------------------------------------------------------------------------------

void TSetPrint::FillPrinterList()
{
    const QStringList systemPrinters = SystemPrinters_->Names();
    SystemPrinterCount_ = int(systemPrinters.size());
    SystemPrinterIndex_ = std::max(0, int(systemPrinters.indexOf(SystemPrinters_->DefaultName())));
    PrinterList_->clear();
    for (const QString& entry : PrinterEntries(systemPrinters)) {
        auto* item = new QListWidgetItem(entry, PrinterList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TSetPrint::ChooseInitialPrinter()
{
    int index = -1;
    for (int i = 0; i < PrinterList_->count(); ++i) {
        if (PrinterList_->item(i)->text() == Settings_.P_Current_Name) {
            index = i;
            break;
        }
    }
    SelectPrinterEntry(index >= 0 ? index : SystemPrinterIndex_);
}

void TSetPrint::SelectPrinterEntry(int index)
{
    for (int i = 0; i < PrinterList_->count(); ++i)
        PrinterList_->item(i)->setCheckState(Qt::Unchecked);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (index >= 0 && index < SystemPrinterCount_) {
        SystemPrinterIndex_ = index;
        const QString name = PrinterList_->item(index)->text();
        Printer_->setPrinterName(name);
        QueryPaperNames(name);
    }
    QApplication::restoreOverrideCursor();
    PaperList_->setEnabled(true);

    if (index < 0 || index >= PrinterList_->count())
        index = 0;
    QListWidgetItem* chosen = PrinterList_->item(index);
    chosen->setCheckState(Qt::Checked);
    PrinterList_->setCurrentItem(chosen);
    Settings_.P_Current_Name = chosen->text();

    ParameterGroup_->hide();
    PreView_->SetZoom(kSheetZoom);
    Settings_.P_DPI = -1;

    if (const std::optional<TThermalKind> kind = ThermalKindOf(chosen->text())) {
        PaperList_->setEnabled(false);
        ParameterGroup_->show();
        PreView_->SetZoom(kRollZoom);
        const int32_t hot = Settings_.P_Current_Hot;
        const int32_t rate = Settings_.P_Rate;
        Darkness_->setValue(hot);
        Speed_->setValue(rate);
        PortBox_->setCurrentIndex(PrinterPortIndex(Settings_.P_Current_Port));
        Settings_.P_Current_ID = kind->Id;
        Settings_.P_DPI = kind->Dpi;
    }
    if (PortBox_->currentIndex() < 0) {
        PortBox_->setCurrentIndex(0);
        Settings_.P_Current_Port = QStringLiteral("LPT1");
    }
}

void TSetPrint::QueryPaperNames(const QString& printer)
{
    PaperList_->clear();
    PaperList_->addItems(SystemPrinters_->PaperNames(printer));
    PaperList_->addItem(kCustomPaper);
    PaperList_->setCurrentIndex(PaperList_->count() - 1);
}

void TSetPrint::PortBoxChange(int index)
{
    if (index >= 0)
        Settings_.P_Current_Port = PortBox_->itemText(index);
    PortSettings_->setEnabled(IsSerialPortIndex(index));
}

void TSetPrint::RunPrinterDriverDialog()
{
    QPageSetupDialog dialog(Printer_.get(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPageLayout page = Printer_->pageLayout();
    const QSizeF paper = PaperSizeInMillimetres(page.pageSize());
    PageWidth_->setValue(paper.width());
    PageHeight_->setValue(paper.height());
    if (page.orientation() == QPageLayout::Landscape)
        Landscape_->setChecked(true);
    ApplyOrientation();
}

void TSetPrint::ApplyOrientation()
{
    const bool landscape = Landscape_->isChecked();
    Printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    OrientationPicture_->setPixmap(OrientationPicture(landscape));
}

// ---- host and confirmation -------------------------------------------------------------------

QString TSetPrint::PrinterStatusText() const
{
    return QStringLiteral("打印机型号:") + Settings_.P_Current_Name;
}

QString TSetPrint::LabelSizeStatusText() const
{
    return QStringLiteral("标签尺寸:%1.0 * %2.0 毫米")
        .arg(Round(PreView_->LabelWidth()))
        .arg(Round(PreView_->LabelHeight()));
}

void TSetPrint::SetHost(TPageSetupHost host)
{
    Host_ = std::move(host);
    if (Host_.ShowStatus) {
        Host_.ShowStatus(0, PrinterStatusText());
        Host_.ShowStatus(1, LabelSizeStatusText());
    }
    if (Host_.SetLabelOutline)
        Host_.SetLabelOutline(Round(LabelWidth_->value()), Round(LabelHeight_->value()), Ellipse_->value());
}

void TSetPrint::SetInformationHandler(std::function<void(const QString&)> handler)
{
    ShowInformation_ = std::move(handler);
}

// Enter in the name field adds the template; it must not reach the dialog's default button.
bool TSetPrint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ModuleName_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddModuleClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSetPrint::showEvent(QShowEvent* event)
{
    CopyPreviewToFields();
    SelectPrinterEntry(PrinterList_->currentRow());
    QDialog::showEvent(event);
}

void TSetPrint::OK_BMClick()
{
    SaveModules(); // a write-protected file must not keep the dialog from closing
    Settings_.P_Current_Hot = Darkness_->value();
    Settings_.P_Current_Port = PortBox_->currentText();
    Settings_.P_Rate = Speed_->value();
    WritePrinterSettings(Store_, Settings_);

    if (Host_.ShowStatus)
        Host_.ShowStatus(0, PrinterStatusText());
    if (PageWidth_->value() >= kWideSheet && Host_.SetPageSize)
        Host_.SetPageSize(Round(PageWidth_->value()), Round(PageHeight_->value()));
    if (Host_.SetLabelOutline &&
        !Host_.SetLabelOutline(Round(LabelWidth_->value()), Round(LabelHeight_->value()), Ellipse_->value()))
        return;
    if (Host_.ShowStatus)
        Host_.ShowStatus(1, LabelSizeStatusText());
    emit LayoutConfirmed(PreView_->Layout());
    accept();
}

} // namespace tessarine
