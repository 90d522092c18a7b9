#pragma once

#include "languagefiles.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace tessarine {

struct TData;
class TLanguage;
class TSettingsStore;

// The windows a language is applied to.
using TWindowList = std::function<QList<QObject*>()>;

// Every window of the application that exists now (dialogs included, popups and tool tips not).
QList<QObject*> AllWindows();

// The system settings dialog: the record roll interval, the two new-document options and the
// user-interface language. Created once, after every other window, since creating it applies
// the stored language to every window. OK stores the interval and options in data and the
// settings file; a click in the language list applies and stores that language at once.
// appData and store must outlive the dialog (the main window owns all three).
class TSetSystem : public QDialog
{
    Q_OBJECT

public:
    TSetSystem(TData& appData, TSettingsStore& store, TLanguageFiles languages = TLanguageFiles(),
               TWindowList windows = AllWindows, QWidget* parent = nullptr);

    QTabWidget* PageControl() const { return PageControl_; }
    QSpinBox* RollTimeEdit() const { return RollTimeEdit_; }
    QCheckBox* StartModuleBox() const { return StartModule_; }
    QCheckBox* NewWindowBox() const { return NewWindow_; }
    QListWidget* LanguageBox() const { return LanguageBox_; }
    QPushButton* OkButton() const { return OkButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }
    QPushButton* HelpButton() const { return HelpButton_; }

    // Applies a language to every window and stores it, as a click in the list does.
    void ChooseLanguage(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ApplyEverywhere(const TLanguage& language);
    void LoadControls();
    void FillLanguageList();
    void OK_BMClick();
    void LanguageBoxClick(QListWidgetItem* item);

    TData& Data_;
    TSettingsStore& Store_;
    TLanguageFiles Languages_;
    TWindowList Windows_;

    QTabWidget* PageControl_ = nullptr;
    QSpinBox* RollTimeEdit_ = nullptr;
    QCheckBox* StartModule_ = nullptr;
    QCheckBox* NewWindow_ = nullptr;
    QListWidget* LanguageBox_ = nullptr;
    QPushButton* OkButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
    QPushButton* HelpButton_ = nullptr;
};

} // namespace tessarine
