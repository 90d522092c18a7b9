#include "setsystem.h"

#include "data.h"
#include "languageapplier.h"
#include "settingsstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessarine {

namespace {

QWidget* NamedPage(const char* name)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    return page;
}

template <typename TWidget> TWidget* Named(TWidget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QList<QObject*> AllWindows()
{
    QList<QObject*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::Window || type == Qt::Dialog)
            windows.append(widget);
    }
    return windows;
}

TSetSystem::TSetSystem(TData& appData, TSettingsStore& store, TLanguageFiles languages, TWindowList windows,
                       QWidget* parent)
    : QDialog(parent), Data_(appData), Store_(store), Languages_(std::move(languages)),
      Windows_(std::move(windows))
{
    setObjectName(QStringLiteral("SetSystem"));
    setWindowTitle(QStringLiteral("参数设置"));

    PageControl_ = Named(new QTabWidget(this), "SetSystem_PageControl");

    // Database: the record roll interval. The box counts milliseconds whatever the unit label says.
    QWidget* dataBasePage = NamedPage("SetSystem_DataBaseSheet");
    auto* rollLabel =
        Named(new QLabel(QStringLiteral("滚动时间设置:"), dataBasePage), "SetSystem_RollTimeLabel");
    RollTimeEdit_ = Named(new QSpinBox(dataBasePage), "SetSystem_RollTimeEdit");
    RollTimeEdit_->setRange(1, 1000);
    auto* unitLabel = Named(new QLabel(QStringLiteral("秒"), dataBasePage), "SetSystem_RollTimeUnit");
    rollLabel->setBuddy(RollTimeEdit_);
    auto* dataBaseLayout = new QGridLayout(dataBasePage);
    dataBaseLayout->addWidget(rollLabel, 0, 0);
    dataBaseLayout->addWidget(RollTimeEdit_, 0, 1);
    dataBaseLayout->addWidget(unitLabel, 0, 2);
    dataBaseLayout->setColumnStretch(3, 1);
    dataBaseLayout->setRowStretch(1, 1);

    // Interface: the two new-document options.
    QWidget* interfacePage = NamedPage("SetSystem_InterfaceSheet");
    StartModule_ = Named(new QCheckBox(QStringLiteral("新建文件时显示模板选择对话框(&T)"), interfacePage),
                         "StartModule");
    NewWindow_ =
        Named(new QCheckBox(QStringLiteral("新建文件时启动别一个版面窗体(&N)"), interfacePage), "NewWindow");
    auto* interfaceLayout = new QVBoxLayout(interfacePage);
    interfaceLayout->addWidget(StartModule_);
    interfaceLayout->addWidget(NewWindow_);
    interfaceLayout->addStretch(1);

    // Language: the language files found.
    QWidget* languagePage = NamedPage("SetSystem_LanguageSheet");
    auto* selectLabel = Named(new QLabel(QStringLiteral("Select:"), languagePage), "SetSystem_SelectLabel");
    LanguageBox_ = Named(new QListWidget(languagePage), "SetSystem_LanguageBox");
    selectLabel->setBuddy(LanguageBox_);
    auto* languageLayout = new QVBoxLayout(languagePage);
    languageLayout->addWidget(selectLabel);
    languageLayout->addWidget(LanguageBox_, 1);

    PageControl_->addTab(dataBasePage, QStringLiteral("数据库设置"));
    PageControl_->addTab(interfacePage, QStringLiteral("界面设置"));
    PageControl_->addTab(languagePage, QStringLiteral("Language"));

    OkButton_ = Named(new QPushButton(QStringLiteral("确   定"), this), "OK_BM");
    CancelButton_ = Named(new QPushButton(QStringLiteral("取   消"), this), "Cancel_BM");
    HelpButton_ = Named(new QPushButton(QStringLiteral("帮  助"), this), "Help_BM");
    OkButton_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OkButton_);
    buttons->addWidget(CancelButton_);
    buttons->addWidget(HelpButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl_, 1);
    layout->addLayout(buttons);
    resize(380, 260);

    connect(OkButton_, &QPushButton::clicked, this, &TSetSystem::OK_BMClick);
    connect(CancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(LanguageBox_, &QListWidget::itemClicked, this, &TSetSystem::LanguageBoxClick);
    connect(LanguageBox_, &QListWidget::itemActivated, this, &TSetSystem::LanguageBoxClick);

    LoadControls();
    FillLanguageList();

    // Every window exists by now: give them the stored language.
    const QString stored = Store_.ReadLanguage();
    if (!stored.isEmpty()) {
        if (const auto language = TLanguage::Load(Languages_.PathOf(stored)))
            ApplyEverywhere(*language);
    }
}

void TSetSystem::ApplyEverywhere(const TLanguage& language)
{
    QList<QObject*> targets = Windows_ ? Windows_() : QList<QObject*>();
    if (!targets.contains(this))
        targets.append(this);
    for (QObject* window : targets)
        language.Apply(window);
}

void TSetSystem::LoadControls()
{
    RollTimeEdit_->setValue(Data_.CallRecordTime);
    StartModule_->setChecked(Data_.StartModule);
    NewWindow_->setChecked(Data_.NewWindow);
}

void TSetSystem::FillLanguageList()
{
    const QSignalBlocker blocker(LanguageBox_);
    LanguageBox_->clear();
    LanguageBox_->addItems(Languages_.ListLanguages());
    const QString stored = Store_.ReadLanguage();
    const QList<QListWidgetItem*> found =
        stored.isEmpty() ? QList<QListWidgetItem*>() : LanguageBox_->findItems(stored, Qt::MatchExactly);
    LanguageBox_->setCurrentItem(found.isEmpty() ? nullptr : found.front());
}

// Cancel leaves the stored values in force, so a later opening shows those, not the abandoned
// edits. A restore from minimised (a spontaneous show) keeps the edits in progress.
void TSetSystem::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        LoadControls();
        FillLanguageList();
    }
    QDialog::showEvent(event);
}

void TSetSystem::OK_BMClick()
{
    Data_.CallRecordTime = RollTimeEdit_->value();
    Data_.StartModule = StartModule_->isChecked();
    Data_.NewWindow = NewWindow_->isChecked();
    // The values take effect for this run either way; only keeping them can fail.
    if (!Store_.SaveSystemSettings(Data_))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("设置无法保存到 ") + Store_.FilePath());
    accept();
}

void TSetSystem::LanguageBoxClick(QListWidgetItem* item)
{
    if (item)
        ChooseLanguage(item->text());
}

void TSetSystem::ChooseLanguage(const QString& name)
{
    if (const auto language = TLanguage::Load(Languages_.PathOf(name)))
        ApplyEverywhere(*language);
    if (!Store_.WriteLanguage(name))
        QMessageBox::warning(this, windowTitle(), QStringLiteral("设置无法保存到 ") + Store_.FilePath());
}

} // namespace tessarine
