#include "contentpage.h"

#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "data/serialstepping.h"
#include "platform/gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace tessarine {

namespace {

constexpr int kSpinMaximum = 3000;

struct TSerialRange
{
    const char* First;
    const char* Last;
};

// What each serial type shows as its first and last value, in list order.
constexpr TSerialRange kSerialRanges[] = {
    {"A", "Z"}, {"A&0", "Z&9"}, {"0", "9"}, {"0", "11011"}, {"0", "7"}, {"0", "FFFF"},
};

QLabel* MakeLabel(const QString& text, const char* name, QWidget* parent, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QSpinBox* MakeSpin(const char* name, int minimum, int maximum, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    return spin;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// A radio group whose items the language files can rebuild: the radio buttons are direct
// children of the group box, in item order.
QGroupBox* MakeRadioGroup(const char* name, const QStringList& items, QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* item = new QRadioButton(items[i], group);
        item->setObjectName(QString::fromLatin1(name) + QString::number(i + 1));
        row->addWidget(item);
        row->addSpacing(24);
    }
    row->addStretch();
    return group;
}

QList<QRadioButton*> RadioItems(const QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

int CheckedItem(const QGroupBox* group)
{
    const QList<QRadioButton*> items = RadioItems(group);
    for (int i = 0; i < items.size(); ++i)
        if (items[i]->isChecked())
            return i;
    return 0;
}

void CheckItem(const QGroupBox* group, int index)
{
    const QList<QRadioButton*> items = RadioItems(group);
    if (index >= 0 && index < items.size())
        items[index]->setChecked(true);
}

QPlainTextEdit* MakeMemo(const char* name, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setTabChangesFocus(true);
    return memo;
}

} // namespace

TContentPage::TSourceItem TContentPage::SourceItemOf(uint8_t sourceKind)
{
    switch (sourceKind) {
    case 1:
        return siDate;
    case 2:
        return siTime;
    case 3:
        return siDatabase;
    case 4:
        return siKeyboard;
    case 5:
        return siSerial;
    default:
        return siConstant;
    }
}

const std::array<QString, 6>& TContentPage::CanonicalSerialKinds()
{
    static const std::array<QString, 6> kinds{
        kSerialLetters,           kSerialLettersAndDigits,  kSerialDigits,
        QStringLiteral("二进制"), QStringLiteral("八进制"), QStringLiteral("十六进制"),
    };
    return kinds;
}

QString TContentPage::RangeFirst(int serialItem)
{
    if (serialItem < 0 || serialItem >= int(std::size(kSerialRanges)))
        return {};
    return QString::fromLatin1(kSerialRanges[serialItem].First);
}

QString TContentPage::RangeLast(int serialItem)
{
    if (serialItem < 0 || serialItem >= int(std::size(kSerialRanges)))
        return {};
    return QString::fromLatin1(kSerialRanges[serialItem].Last);
}

TContentPage::TContentPage(TKWZDataModule& records, QWidget* parent) : QWidget(parent), m_data(records)
{
    setObjectName(QStringLiteral("InfoSheet"));

    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("DataSourcBox"));
    m_source->addItems({QStringLiteral("常量"), QStringLiteral("数据库"), QStringLiteral("键盘输入"),
                        QStringLiteral("序号"), QStringLiteral("日期"), QStringLiteral("时间")});
    auto* sourceLabel = MakeLabel(QStringLiteral("数据源:"), "DataSourcLabel", this, m_source);

    m_panels = new QStackedWidget(this);
    m_panels->setObjectName(QStringLiteral("SourcePanels"));
    m_nothing = new QWidget(m_panels);
    m_constantPanel = MakeConstantPanel();
    m_databasePanel = MakeDatabasePanel();
    m_serialPanel = MakeSerialPanel();
    for (QWidget* panel : {m_nothing, m_constantPanel, m_databasePanel, m_serialPanel})
        m_panels->addWidget(panel);

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(sourceLabel);
    sourceRow->addWidget(m_source);
    sourceRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sourceRow);
    layout->addWidget(m_panels, 1);

    connect(m_source, &QComboBox::currentIndexChanged, this, &TContentPage::DataSourcBoxChange);
    connect(&m_data, &TKWZDataModule::RecordChanged, this, [this] {
        if (m_attached)
            ShowFieldValue();
    });
    m_panels->setCurrentWidget(m_constantPanel);
}

QWidget* TContentPage::MakeConstantPanel()
{
    auto* panel = new QWidget(m_panels);
    panel->setObjectName(QStringLiteral("GetConstant"));
    m_constant = MakeMemo("ConstantMemo", panel);
    auto* label = MakeLabel(QStringLiteral("内容:"), "ConstantLabel", panel, m_constant);
    m_import = new QPushButton(QStringLiteral("导入文件..."), panel);
    m_import->setObjectName(QStringLiteral("ImportFile_BM"));
    m_import->setVisible(false);
    connect(m_import, &QPushButton::clicked, this, &TContentPage::ImportFileClick);

    auto* layout = new QGridLayout(panel);
    layout->addWidget(label, 0, 0, Qt::AlignTop);
    layout->addWidget(m_constant, 0, 1);
    layout->addWidget(m_import, 1, 1, Qt::AlignRight);
    return panel;
}

QWidget* TContentPage::MakeDatabasePanel()
{
    auto* panel = new QWidget(m_panels);
    panel->setObjectName(QStringLiteral("GetDataSourc"));
    m_fields = new QComboBox(panel);
    m_fields->setObjectName(QStringLiteral("FieldItmeBox"));
    m_fields->setMinimumContentsLength(16);
    auto* fieldLabel = MakeLabel(QStringLiteral("字段名:"), "FieldLabel", panel, m_fields);
    auto* open = new QPushButton(QStringLiteral("打开数据库"), panel);
    open->setObjectName(QStringLiteral("OpenDataBase_BM"));
    m_grid = new QTableView(panel);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_fieldValue = MakeMemo("DBMemo1", panel);
    m_fieldValue->setReadOnly(true);
    m_fieldValue->setMaximumHeight(64);

    connect(open, &QPushButton::clicked, this, &TContentPage::OpenDataBaseClick);
    connect(m_fields, &QComboBox::currentIndexChanged, this, &TContentPage::ShowFieldValue);

    auto* top = new QHBoxLayout;
    top->addWidget(fieldLabel);
    top->addWidget(m_fields, 1);
    top->addWidget(open);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_fieldValue);
    return panel;
}

QWidget* TContentPage::MakeSerialPanel()
{
    auto* panel = new QWidget(m_panels);
    panel->setObjectName(QStringLiteral("SetSerial"));

    m_serialType = new QComboBox(panel);
    m_serialType->setObjectName(QStringLiteral("SetSerialType"));
    const auto& kinds = CanonicalSerialKinds();
    m_serialType->addItems(QStringList(kinds.begin(), kinds.end()));
    m_startValue = MakeEdit("RecordNoMemo", panel);
    m_step = MakeSpin("NoSpringUp", 0, kSpinMaximum, panel);
    m_first = MakeEdit("FirstValue", panel);
    m_last = MakeEdit("LastValue", panel);
    for (QLineEdit* range : {m_first, m_last})
        range->setReadOnly(true);
    m_copies = MakeSpin("CounterLabel", 0, kSpinMaximum, panel);
    m_direction = MakeRadioGroup("AboveOrUnder", {QStringLiteral("递增"), QStringLiteral("递减")}, panel);
    m_prefix = MakeEdit("Prefix", panel);
    m_suffix = MakeEdit("Suffix", panel);

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(QStringLiteral("类型:"), "SerialTypeLabel", panel, m_serialType), 0, 0);
    grid->addWidget(m_serialType, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("跳越:"), "StepLabel", panel, m_step), 0, 2);
    grid->addWidget(m_step, 0, 3);
    grid->addWidget(MakeLabel(QStringLiteral("内容:"), "StartValueLabel", panel, m_startValue), 1, 0);
    grid->addWidget(m_startValue, 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("数量:"), "CopiesLabel", panel, m_copies), 1, 2);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(m_copies, 1);
    copiesRow->addWidget(MakeLabel(QStringLiteral("份标签"), "CopiesUnitLabel", panel));
    grid->addLayout(copiesRow, 1, 3);
    grid->addWidget(MakeLabel(QStringLiteral("最前:"), "FirstLabel", panel, m_first), 2, 0);
    grid->addWidget(m_first, 2, 1);
    grid->addWidget(MakeLabel(QStringLiteral("最后:"), "LastLabel", panel, m_last), 2, 2);
    grid->addWidget(m_last, 2, 3);
    grid->addWidget(MakeLabel(QStringLiteral("前缀:"), "PrefixLabel", panel, m_prefix), 3, 0);
    grid->addWidget(m_prefix, 3, 1);
    grid->addWidget(MakeLabel(QStringLiteral("后缀:"), "SuffixLabel", panel, m_suffix), 3, 2);
    grid->addWidget(m_suffix, 3, 3);
    grid->addWidget(m_direction, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(grid);
    layout->addWidget(MakeLengthGroup(panel));
    layout->addStretch();

    connect(m_serialType, &QComboBox::currentIndexChanged, this, &TContentPage::SetSerialTypeChange);
    CheckItem(m_direction, 0);
    SetSerialTypeChange(m_serialType->currentIndex());
    return panel;
}

QGroupBox* TContentPage::MakeLengthGroup(QWidget* parent)
{
    auto* group = new QGroupBox(QStringLiteral("字符长度"), parent);
    group->setObjectName(QStringLiteral("StrLongGroup"));
    m_fixedLength = new QCheckBox(QStringLiteral("设置"), group);
    m_fixedLength->setObjectName(QStringLiteral("SetStrLong"));
    m_minLength = MakeSpin("StrLong", 0, kSpinMaximum, group);
    m_padSide = MakeRadioGroup("StrLeftOrRight", {QStringLiteral("左侧"), QStringLiteral("右侧")}, group);
    CheckItem(m_padSide, 0);
    m_padChar = MakeEdit("Fillstring", group);
    m_padChar->setText(QStringLiteral("1"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(m_fixedLength, 0, 0);
    grid->addWidget(MakeLabel(QStringLiteral("最小字符数:"), "StrLongLabel", group, m_minLength), 0, 1);
    grid->addWidget(m_minLength, 0, 2);
    grid->addWidget(MakeLabel(QStringLiteral("长度不足:"), "FillLRLabel", group, m_padSide), 1, 0);
    grid->addWidget(m_padSide, 1, 1, 1, 2);
    grid->addWidget(MakeLabel(QStringLiteral("填充字符:"), "FillstringLabel", group, m_padChar), 2, 1);
    grid->addWidget(m_padChar, 2, 2);
    grid->setColumnStretch(2, 1);

    connect(m_fixedLength, &QCheckBox::toggled, this, &TContentPage::SetStrLongClick);
    SetStrLongClick(false);
    return group;
}

void TContentPage::SetImportVisible(bool visible)
{
    m_import->setVisible(visible);
}

TContentPage::TSourceItem TContentPage::SourceItem() const
{
    const int item = m_source->currentIndex();
    return item >= siConstant && item <= siTime ? TSourceItem(item) : siKeyboard;
}

void TContentPage::SelectSource(TSourceItem item)
{
    m_source->setCurrentIndex(item); // the present source keeps its panel as it is
}

void TContentPage::ShowPanelOf(int item)
{
    switch (item) {
    case siConstant:
        m_panels->setCurrentWidget(m_constantPanel);
        break;
    case siDatabase:
        m_panels->setCurrentWidget(m_databasePanel);
        break;
    case siSerial:
        m_panels->setCurrentWidget(m_serialPanel);
        break;
    default:
        m_panels->setCurrentWidget(m_nothing);
        break;
    }
}

void TContentPage::DataSourcBoxChange(int item)
{
    ShowPanelOf(item);
    if (item == siDatabase)
        RefillFields(QString());
    emit SourceChosen(item);
}

void TContentPage::Load(const TObjectInfo& info, const QString& content)
{
    const TSourceItem item = SourceItemOf(info.SourceKind);
    {
        // The record decides every control below; the choice handlers would fill some of them
        // with what a user's choice gives instead.
        const QSignalBlocker blocker(m_source);
        m_source->setCurrentIndex(item);
    }
    ShowPanelOf(item);
    m_constant->setPlainText(content);
    m_fieldValue->clear();
    if (item == siDatabase)
        RefillFields(info.FieldName);
    if (item == siSerial)
        LoadSerial(info.RecordNo, content);
}

void TContentPage::ResetForNewObject()
{
    m_constant->clear();
    m_fieldValue->clear();
    const QSignalBlocker blocker(m_source);
    m_source->setCurrentIndex(siConstant);
    ShowPanelOf(siConstant);
}

int TContentPage::SerialItemOf(const QString& kind) const
{
    const auto& kinds = CanonicalSerialKinds();
    for (int i = 0; i < int(kinds.size()); ++i)
        if (kinds[size_t(i)] == kind)
            return i;
    // Records made before the kinds were stored by index may hold a translated item text.
    return m_serialType->findText(kind);
}

void TContentPage::LoadSerial(const TRecordNo& serial, const QString& content)
{
    const int type = SerialItemOf(serial.SerialKind);
    {
        // The type's handler would empty prefix and suffix of the types that have none.
        const QSignalBlocker blocker(m_serialType);
        m_serialType->setCurrentIndex(type);
    }
    m_first->setText(RangeFirst(type));
    m_last->setText(RangeLast(type));
    m_prefix->setEnabled(type == stLettersAndDigits);
    m_suffix->setEnabled(type == stLettersAndDigits);
    m_step->setValue(serial.Step);
    m_copies->setValue(serial.Copies);
    CheckItem(m_direction, serial.Decrement);
    m_fixedLength->setChecked(serial.FixedLength != 0);
    if (serial.FixedLength != 0) {
        m_minLength->setValue(serial.MinLength);
        CheckItem(m_padSide, serial.PadSide);
        m_padChar->setText(serial.PadChar);
    }
    m_prefix->setText(serial.Prefix);
    m_suffix->setText(serial.Suffix);

    QString start = content;
    if (!serial.Prefix.isEmpty())
        start.remove(0, serial.Prefix.size());
    if (!serial.Suffix.isEmpty())
        start.chop(serial.Suffix.size());
    m_startValue->setText(start);
}

void TContentPage::SetSerialTypeChange(int item)
{
    if (item == stLettersAndDigits && !m_lettersAndDigitsAllowed) {
        m_serialType->setCurrentIndex(stDigits); // runs this handler again for digits
        return;
    }
    m_first->setText(RangeFirst(item));
    m_last->setText(RangeLast(item));
    const bool affixes = item == stLettersAndDigits;
    for (QLineEdit* affix : {m_prefix, m_suffix}) {
        if (!affixes)
            affix->clear();
        affix->setEnabled(affixes);
    }
}

void TContentPage::SetStrLongClick(bool checked)
{
    m_minLength->setEnabled(checked);
    m_padSide->setEnabled(checked);
    m_padChar->setEnabled(checked);
}

void TContentPage::ImportFileClick()
{
    const QString path =
        AskImportFileName ? AskImportFileName()
                          : QFileDialog::getOpenFileName(this, QString(), QString(),
                                                         QStringLiteral("Format file(*.TXT);;Any file(*.*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Text files come in the system code page, like the label files.
    QString text = gbk::Decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    m_constant->setPlainText(text);
}

void TContentPage::OpenDataBaseClick()
{
    // The database dialog may close the connection the grid reads.
    DetachField();
    emit OpenDatabaseRequested();
    RefillFields(QString());
}

QStringList TContentPage::Fields() const
{
    QStringList names;
    for (int i = 0; i < m_fields->count(); ++i)
        names.append(m_fields->itemText(i));
    return names;
}

void TContentPage::RefillFields(const QString& wanted)
{
    const QSqlRecord record = m_data.IsOpen() ? m_data.CurrentRecord() : QSqlRecord();
    {
        const QSignalBlocker blocker(m_fields);
        m_fields->clear();
        for (int i = 0; i < record.count(); ++i)
            m_fields->addItem(record.fieldName(i));
        // A binding to a field the present query lacks (or with no database open) stays
        // offered, so OK without a choice keeps it.
        if (!wanted.isEmpty() && m_fields->findText(wanted) < 0)
            m_fields->addItem(wanted);
        m_fields->setCurrentIndex(wanted.isEmpty() ? 0 : m_fields->findText(wanted));
    }
    AttachGrid();
    ShowFieldValue();
}

void TContentPage::AttachGrid()
{
    m_attached = true;
    if (!m_gridModel) {
        m_gridModel = new QSqlQueryModel(m_grid);
        m_grid->setModel(m_gridModel);
        connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { GridRowChosen(current.row()); });
    }
    if (m_data.IsOpen())
        m_gridModel->setQuery(m_data.Sql(), m_data.Database());
    else
        m_gridModel->clear();
}

void TContentPage::GridRowChosen(int row)
{
    if (m_attached && row >= 0 && row + 1 != m_data.RecordNo())
        m_data.SetRecordNo(row + 1);
}

void TContentPage::ShowFieldValue()
{
    QString text;
    const QString field = ChosenField();
    if (!field.isEmpty() && m_data.IsOpen()) {
        const QSqlRecord record = m_data.CurrentRecord();
        const int index = record.indexOf(field);
        if (index >= 0)
            FieldValueText(record.value(index), text);
    }
    m_fieldValue->setPlainText(text);
    if (m_gridModel && m_data.RecordNo() > 0) {
        const QSignalBlocker blocker(m_grid->selectionModel());
        m_grid->selectRow(m_data.RecordNo() - 1);
    }
}

void TContentPage::DetachField()
{
    m_attached = false;
    if (m_gridModel)
        m_gridModel->clear();
}

QString TContentPage::ConstantText() const
{
    return m_constant->toPlainText();
}

QString TContentPage::DatabaseText() const
{
    return m_fieldValue->toPlainText();
}

QString TContentPage::StartValue() const
{
    return m_startValue->text();
}

void TContentPage::SetStartValue(const QString& value)
{
    m_startValue->setText(value);
}

QString TContentPage::ChosenField() const
{
    return m_fields->currentText();
}

void TContentPage::StoreSerialSettings(TRecordNo& serial) const
{
    const int type = m_serialType->currentIndex();
    const auto& kinds = CanonicalSerialKinds();
    serial.SerialKind =
        type >= 0 && type < int(kinds.size()) ? kinds[size_t(type)] : m_serialType->currentText();
    serial.Step = m_step->value();
    serial.Copies = m_copies->value();
    serial.Decrement = uint8_t(CheckedItem(m_direction));
    serial.FixedLength = m_fixedLength->isChecked() ? 1 : 0;
    serial.MinLength = m_minLength->value();
    serial.PadSide = uint8_t(CheckedItem(m_padSide));
    serial.PadChar = m_padChar->text();
    serial.Prefix = m_prefix->text();
    serial.Suffix = m_suffix->text();
}

bool TContentPage::Store(TObjectInfo& info, QString& content, const QString& fallback) const
{
    auto orFallback = [&fallback](const QString& text) { return text.isEmpty() ? fallback : text; };
    switch (SourceItem()) {
    case siConstant:
        content = orFallback(ConstantText());
        info.SourceKind = skTyped;
        info.FieldName.clear();
        return true;
    case siDatabase:
        content = orFallback(DatabaseText());
        info.SourceKind = skDatabaseField;
        info.FieldName = ChosenField();
        return true;
    case siSerial:
        StoreSerialSettings(info.RecordNo);
        content = info.RecordNo.Prefix + orFallback(StartValue()) + info.RecordNo.Suffix;
        info.SourceKind = skSerial;
        info.FieldName.clear();
        return true;
    default:
        return false;
    }
}

} // namespace tessarine
