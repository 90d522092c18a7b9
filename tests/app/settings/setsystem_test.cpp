#include "app/settings/data.h"
#include "app/settings/setsystem.h"
#include "app/settings/settingsstore.h"

#include "settingstestutil.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Settings in a fresh file, language files in a fresh folder, and one other window for the
// dialog to translate.
class SetSystemDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LanguageDir = test::TempDir();
        Store = std::make_unique<TSettingsStore>(test::TempDir() + "/Tessarine.conf");
        test::WriteGbkFile(LanguageDir + "/English.Lga",
                           U("[Style]\nFont=TestFace\n"
                             "[SetSystem]\nSetSystem=Settings\nOK_BM=OK\n"
                             "Cancel_BM=Cancel\nSetSystem_DataBaseSheet=Database\n"
                             "StartModule=Show templates\n"
                             "[SetText]\nOK_BM=Fine\n"));
        test::WriteGbkFile(LanguageDir + U("/简体中文.Lga"),
                           U("[SetSystem]\nOK_BM=确   定\n[SetText]\nOK_BM=好\n"));
        Other = std::make_unique<QDialog>();
        Other->setObjectName("SetText");
        OtherOk = new QPushButton(U("确   定"), Other.get());
        OtherOk->setObjectName("OK_BM");
    }

    std::unique_ptr<TSetSystem> MakeDialog()
    {
        QDialog* other = Other.get();
        return std::make_unique<TSetSystem>(Data, *Store, TLanguageFiles({LanguageDir}),
                                            [other] { return QList<QObject*>{other}; });
    }

    // Clicks an entry of the language list the way a user does.
    static void ClickLanguage(TSetSystem& dialog, const QString& name)
    {
        dialog.PageControl()->setCurrentIndex(2);
        QApplication::processEvents();
        const QList<QListWidgetItem*> items = dialog.LanguageBox()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        const QRect rect = dialog.LanguageBox()->visualItemRect(items.front());
        ASSERT_FALSE(rect.isEmpty());
        QTest::mouseClick(dialog.LanguageBox()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QString LanguageDir;
    std::unique_ptr<TSettingsStore> Store;
    TData Data;
    std::unique_ptr<QDialog> Other;
    QPushButton* OtherOk = nullptr;
};

TEST_F(SetSystemDialog, ShowsTheDocumentedCaptionsUnderTheirComponentNames)
{
    const auto dialog = MakeDialog();
    EXPECT_EQ(dialog->objectName(), "SetSystem");
    EXPECT_EQ(dialog->windowTitle(), U("参数设置"));

    struct TCase
    {
        const char* Name;
        const char* Caption;
    };
    const TCase cases[] = {
        {"SetSystem_RollTimeLabel", "滚动时间设置:"},
        {"SetSystem_RollTimeUnit", "秒"},
        {"StartModule", "新建文件时显示模板选择对话框(&T)"},
        {"NewWindow", "新建文件时启动别一个版面窗体(&N)"},
        {"SetSystem_SelectLabel", "Select:"},
        {"OK_BM", "确   定"},
        {"Cancel_BM", "取   消"},
        {"Help_BM", "帮  助"},
    };
    for (const TCase& c : cases) {
        QWidget* widget = dialog->findChild<QWidget*>(c.Name);
        ASSERT_NE(widget, nullptr) << c.Name;
        QString caption;
        if (auto* label = qobject_cast<QLabel*>(widget))
            caption = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            caption = button->text();
        EXPECT_EQ(caption, U(c.Caption)) << c.Name;
    }

    const TCase tabs[] = {
        {"SetSystem_DataBaseSheet", "数据库设置"},
        {"SetSystem_InterfaceSheet", "界面设置"},
        {"SetSystem_LanguageSheet", "Language"},
    };
    QTabWidget* pages = dialog->PageControl();
    ASSERT_EQ(pages->count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), tabs[i].Name);
        EXPECT_EQ(pages->tabText(i), U(tabs[i].Caption));
    }
    EXPECT_EQ(dialog->LanguageBox()->objectName(), "SetSystem_LanguageBox");
    EXPECT_EQ(dialog->RollTimeEdit()->minimum(), 1);
    EXPECT_EQ(dialog->RollTimeEdit()->maximum(), 1000);

    // Every captioned widget carries a name a language file can use.
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QPushButton*>(widget) ||
            qobject_cast<QCheckBox*>(widget)) {
            EXPECT_FALSE(widget->objectName().isEmpty()) << widget->metaObject()->className();
        }
    }
}

TEST_F(SetSystemDialog, FirstRunShowsTheDefaultsAndEveryLanguage)
{
    TSettingsStore(Store->FilePath()).LoadSystemSettings(Data);
    const auto dialog = MakeDialog();
    EXPECT_EQ(dialog->RollTimeEdit()->value(), 1000);
    EXPECT_FALSE(dialog->StartModuleBox()->isChecked());
    EXPECT_FALSE(dialog->NewWindowBox()->isChecked());
    ASSERT_EQ(dialog->LanguageBox()->count(), 2);
    EXPECT_EQ(dialog->LanguageBox()->item(0)->text(), "English");
    EXPECT_EQ(dialog->LanguageBox()->item(1)->text(), U("简体中文"));
    EXPECT_EQ(dialog->LanguageBox()->currentItem(), nullptr);
    EXPECT_EQ(OtherOk->text(), U("确   定")); // no language applied
}

TEST_F(SetSystemDialog, OkStoresTheValuesInTheStateAndTheSettingsFile)
{
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->RollTimeEdit()->setValue(2);
    dialog->NewWindowBox()->setChecked(true);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Data.CallRecordTime, 2); // milliseconds for the roll timer
    EXPECT_FALSE(Data.StartModule);
    EXPECT_TRUE(Data.NewWindow);

    TData reloaded;
    TSettingsStore(Store->FilePath()).LoadSystemSettings(reloaded);
    EXPECT_EQ(reloaded.CallRecordTime, 2);
    EXPECT_FALSE(reloaded.StartModule);
    EXPECT_TRUE(reloaded.NewWindow);
}

class SetSystemCloseButton : public SetSystemDialog, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(SetSystemCloseButton, ClosesWithoutStoringAndTheNextShowingStartsFromTheStoredValues)
{
    Data.CallRecordTime = 300;
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->RollTimeEdit()->setValue(7);
    dialog->StartModuleBox()->setChecked(true);
    QTest::mouseClick(dialog->findChild<QPushButton*>(GetParam()), Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Data.CallRecordTime, 300);
    EXPECT_FALSE(Data.StartModule);
    EXPECT_EQ(Store->ReadInteger(TSettingsGroup::System, "CallRecordTime"), std::nullopt);
    EXPECT_EQ(Store->ReadInteger(TSettingsGroup::System, "StartModule"), std::nullopt);

    dialog->show();
    EXPECT_EQ(dialog->RollTimeEdit()->value(), 300);
    EXPECT_FALSE(dialog->StartModuleBox()->isChecked());
    dialog->hide();
}

INSTANTIATE_TEST_SUITE_P(Buttons, SetSystemCloseButton, ::testing::Values("Cancel_BM", "Help_BM"),
                         [](const auto& row) { return std::string(row.param); });

TEST_F(SetSystemDialog, AClickInTheLanguageListAppliesAndStoresItAtOnceEvenIfCancelled)
{
    const auto dialog = MakeDialog();
    dialog->show();
    ClickLanguage(*dialog, "English");

    EXPECT_EQ(OtherOk->text(), "Fine");
    EXPECT_EQ(dialog->OkButton()->text(), "OK");
    EXPECT_EQ(dialog->CancelButton()->text(), "Cancel");
    EXPECT_EQ(dialog->windowTitle(), "Settings");
    EXPECT_EQ(dialog->PageControl()->tabText(0), "Database");
    EXPECT_EQ(dialog->StartModuleBox()->text(), "Show templates");
    EXPECT_EQ(dialog->HelpButton()->text(), U("帮  助")); // not in the file
    EXPECT_EQ(dialog->font().family(), "TestFace");
    EXPECT_EQ(Store->ReadLanguage(), "English");

    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(Store->ReadLanguage(), "English");

    dialog->show();
    ClickLanguage(*dialog, U("简体中文"));
    EXPECT_EQ(OtherOk->text(), U("好"));
    EXPECT_EQ(dialog->OkButton()->text(), U("确   定"));
    EXPECT_EQ(Store->ReadLanguage(), U("简体中文"));
    dialog->hide();
}

TEST_F(SetSystemDialog, CreationAppliesTheStoredLanguageToEveryWindowAndSelectsIt)
{
    ASSERT_TRUE(Store->WriteLanguage("English"));
    const auto dialog = MakeDialog();
    EXPECT_EQ(OtherOk->text(), "Fine");
    EXPECT_EQ(dialog->OkButton()->text(), "OK");
    EXPECT_EQ(dialog->windowTitle(), "Settings");
    ASSERT_NE(dialog->LanguageBox()->currentItem(), nullptr);
    EXPECT_EQ(dialog->LanguageBox()->currentItem()->text(), "English");
}

TEST_F(SetSystemDialog, AStoredLanguageWithoutAFileChangesNothing)
{
    ASSERT_TRUE(Store->WriteLanguage("Removed"));
    const auto dialog = MakeDialog();
    EXPECT_EQ(OtherOk->text(), U("确   定"));
    EXPECT_EQ(dialog->OkButton()->text(), U("确   定"));
    EXPECT_EQ(dialog->windowTitle(), U("参数设置"));
    EXPECT_EQ(dialog->LanguageBox()->currentItem(), nullptr);
}

TEST_F(SetSystemDialog, AFailedSaveIsReportedAndTheValuesStillTakeEffect)
{
    const QString blocked = test::TempDir() + "/blocked.conf";
    ASSERT_TRUE(QDir().mkpath(blocked)); // a folder where the file should be
    TSettingsStore store(blocked);
    TSetSystem dialog(Data, store, TLanguageFiles({LanguageDir}), [] { return QList<QObject*>{}; });
    dialog.show();
    dialog.RollTimeEdit()->setValue(55);

    QString shown;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start();
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    closer.stop();

    EXPECT_TRUE(shown.contains(blocked)) << shown.toStdString();
    EXPECT_EQ(Data.CallRecordTime, 55);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(SetSystemDialog, NothingIsClippedOnAnyPage)
{
    const auto dialog = MakeDialog();
    dialog->show();
    for (int page = 0; page < dialog->PageControl()->count(); ++page) {
        dialog->PageControl()->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->objectName().isEmpty())
                continue;
            if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget))
                continue;
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << widget->objectName().toStdString();
            EXPECT_GE(widget->height(), widget->sizeHint().height()) << widget->objectName().toStdString();
        }
    }
    dialog->hide();
}

TEST(AllWindows, HoldsWindowsAndDialogsButNoPopups)
{
    QMainWindow main;
    auto* dialog = new QDialog(&main);
    auto* menu = new QMenu(&main);
    const QList<QObject*> windows = AllWindows();
    EXPECT_TRUE(windows.contains(&main));
    EXPECT_TRUE(windows.contains(dialog));
    EXPECT_FALSE(windows.contains(menu));
}

} // namespace
