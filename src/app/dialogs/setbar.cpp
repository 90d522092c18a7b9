#include "setbar.h"

#include "contentpage.h"
#include "dialogbuttons.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "platform/round.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessarine {

const QString TSetBar::kDefaultData = QStringLiteral("12345678");

namespace {

constexpr int kWidthItems = 7;
constexpr int kNewBarHeight = 65;

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent, QWidget* buddy)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

// EAN-8, EAN-13 and UPC-A data gets its check digit; false when it holds a non-digit.
bool Normalized(uint8_t symbology, QString& data)
{
    QString normalized;
    if (!NormalizeBarcodeData(symbology, data, normalized))
        return false;
    data = normalized;
    return true;
}

} // namespace

int TSetBar::SymbologyItemOf(uint8_t ordinal)
{
    for (int i = 0; i < int(kSymbologies.size()); ++i)
        if (kSymbologies[size_t(i)].Ordinal == ordinal)
            return i;
    return -1;
}

int TSetBar::WidthItemOf(int32_t level)
{
    if (level == kNarrowestLevel)
        return 0;
    return level >= 1 && level < kWidthItems ? level : -1;
}

int32_t TSetBar::WidthLevelOf(int item)
{
    return item == 0 ? kNarrowestLevel : item;
}

TSetBar::TSetBar(TDesignDocument& document, TKWZDataModule& records, QWidget* parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("SetBar"));
    setWindowTitle(QStringLiteral("条码参数设置"));

    m_symbology = new QComboBox(this);
    m_symbology->setObjectName(QStringLiteral("TypeBox"));
    for (const TSymbologyItem& item : kSymbologies)
        m_symbology->addItem(QString::fromLatin1(item.Text));
    auto* symbologyRow = new QHBoxLayout;
    symbologyRow->addWidget(MakeLabel(QStringLiteral("条码类型:"), "TypeBoxLabel", this, m_symbology));
    symbologyRow->addWidget(m_symbology);
    symbologyRow->addStretch();

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_content = new TContentPage(records, m_pages);
    m_pages->addTab(m_content, QStringLiteral("信息"));
    m_pages->addTab(MakeBarPage(), QStringLiteral("条码设置"));

    const TDialogButtons buttons = MakeOkCancelHelp(this);
    connect(buttons.Ok, &QPushButton::clicked, this, &TSetBar::OK_BMClick);
    connect(buttons.Help, &QPushButton::clicked, this, &TSetBar::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(symbologyRow);
    layout->addWidget(m_pages);
    layout->addLayout(buttons.Row);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_symbology, &QComboBox::currentIndexChanged, this, &TSetBar::TypeBoxChange);
    // Choosing the serial source starts from the barcode's present data.
    connect(m_content, &TContentPage::SourceChosen, this, [this](int item) {
        if (item == TContentPage::siSerial)
            m_content->SetStartValue(m_editInfo.BarCode.Data);
    });
    m_symbology->setCurrentIndex(kEan13Item);
}

QWidget* TSetBar::MakeBarPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("BarSheet"));

    m_width = new QComboBox(page);
    m_width->setObjectName(QStringLiteral("Scale"));
    for (int i = 0; i < kWidthItems; ++i)
        m_width->addItem(QString::number(i + 1));
    m_width->setCurrentIndex(0);
    // The symbol keeps the encoder's own module width; the list only shows it.
    m_width->setEnabled(false);

    m_height = new QSpinBox(page);
    m_height->setObjectName(QStringLiteral("Height"));
    m_height->setRange(0, 500);
    m_height->setValue(kNewBarHeight);

    m_angle = new QComboBox(page);
    m_angle->setObjectName(QStringLiteral("Angle"));
    m_angle->addItems(
        {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")});

    m_gap = new QSpinBox(page);
    m_gap->setObjectName(QStringLiteral("SetPrint_MarginUD"));
    m_gap->setRange(-150, 300);

    m_showText = new QCheckBox(QStringLiteral("显示条码文字"), page);
    m_showText->setObjectName(QStringLiteral("ShowBarText"));

    auto* grid = new QGridLayout(page);
    grid->addWidget(MakeLabel(QStringLiteral("条码比例:"), "ScaleLabel", page, m_width), 0, 0);
    grid->addWidget(m_width, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("条码高度:"), "HeightLabel", page, m_height), 1, 0);
    grid->addWidget(m_height, 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("旋 转"), "AngleLabel", page, m_angle), 2, 0);
    grid->addWidget(m_angle, 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("间距:"), "MarginLabel", page, m_gap), 3, 0);
    grid->addWidget(m_gap, 3, 1);
    grid->addWidget(m_showText, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    return page;
}

void TSetBar::TypeBoxChange(int item)
{
    m_content->SetLettersAndDigitsAllowed(item != kEan13Item);
}

bool TSetBar::HasCheckDigit() const
{
    const int item = m_symbology->currentIndex();
    if (item < 0)
        return false;
    const uint8_t ordinal = kSymbologies[size_t(item)].Ordinal;
    return ordinal == kSymbologyEAN8 || ordinal == kSymbologyEAN13 || ordinal == kSymbologyUPCA;
}

void TSetBar::Load(const TObjectInfo& object)
{
    m_editInfo = object;
    const TBarCodes& bar = object.BarCode;
    m_content->Load(object, bar.Data);
    m_showText->setChecked(bar.ShowText);
    m_symbology->setCurrentIndex(SymbologyItemOf(bar.Symbology));
    m_width->setCurrentIndex(WidthItemOf(bar.WidthLevel));
    m_height->setValue(bar.BarHeight);
    m_angle->setCurrentIndex(((bar.BarAngle / 90) % 4 + 4) % 4);
    const double pixelsPerMillimetre = m_document.Context().PPI / 25.4;
    m_loadedTextGap = bar.TextGap;
    m_loadedGapMillimetres = Round(bar.TextGap / pixelsPerMillimetre);
    m_gap->setValue(m_loadedGapMillimetres);
    m_pages->setCurrentIndex(0);
}

void TSetBar::LoadNewBarcode()
{
    m_editInfo = TObjectInfo{};
    m_editInfo.Kind = kindNone;
    m_content->ResetForNewObject();
    m_width->setCurrentIndex(0);
    m_symbology->setCurrentIndex(kEan13Item);
    m_height->setValue(kNewBarHeight);
    m_angle->setCurrentIndex(0);
    m_loadedTextGap = Round(m_gap->value() * m_document.Context().PPI / 25.4);
    m_loadedGapMillimetres = m_gap->value();
    m_pages->setCurrentIndex(0);
}

bool TSetBar::Renders(const TObjectInfo& info) const
{
    TShowBarCode probe(&m_document.Context());
    probe.Info = info;
    return RenderLinearBarcode(probe);
}

void TSetBar::OK_BMClick()
{
    TBarCodes& bar = m_editInfo.BarCode;
    const int item = m_symbology->currentIndex();
    if (item >= 0)
        bar.Symbology = kSymbologies[size_t(item)].Ordinal;
    // A level the list cannot show was not chosen here: it stays.
    if (const int width = m_width->currentIndex(); width >= 0)
        bar.WidthLevel = WidthLevelOf(width);
    bar.BarAngle = m_angle->currentIndex() * 90;
    bar.ShowText = m_showText->isChecked();
    bar.BarHeight = m_height->value();
    bar.TextGap = m_gap->value() == m_loadedGapMillimetres
                      ? m_loadedTextGap
                      : Round(m_gap->value() * m_document.Context().PPI / 25.4);

    const bool checkDigit = HasCheckDigit();
    if (m_content->SourceItem() == TContentPage::siSerial && checkDigit) {
        // These symbologies step their digits only: the start value alone, with its check digit.
        m_content->StoreSerialSettings(m_editInfo.RecordNo);
        m_editInfo.SourceKind = skSerial;
        m_editInfo.FieldName.clear();
        const QString start = m_content->StartValue();
        bar.Data = start.isEmpty() ? kDefaultData : start;
        Normalized(bar.Symbology, bar.Data);
    } else if (QString content; m_content->Store(m_editInfo, content, kDefaultData)) {
        bar.Data = content;
        if (checkDigit && m_content->SourceItem() != TContentPage::siSerial)
            Normalized(bar.Symbology, bar.Data);
    }
    if (checkDigit && !Normalized(bar.Symbology, bar.Data))
        bar.Data = kDefaultData;
    m_content->DetachField();

    if (m_editInfo.Kind != kindNone) {
        // Data the symbology cannot encode would leave the old symbol under new data.
        if (!Renders(m_editInfo))
            bar.Data = kDefaultData;
        m_document.SetObjectInfo(m_editInfo.ObjectIndex, m_editInfo);
        m_editInfo.Kind = kindNone;
    } else {
        m_document.BarCodeTemplate = m_editInfo;
        m_document.IsOpenImage = true;
    }
    accept();
}

void TSetBar::reject()
{
    m_document.IsOpenImage = false;
    m_content->DetachField();
    QDialog::reject();
}

} // namespace tessarine
