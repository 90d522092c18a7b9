#include "app/print/setprint.h"

#include "app/print/colorbox.h"
#include "app/print/printersettingsstore.h"
#include "app/settings/languageapplier.h"
#include "app/settings/profile.h"
#include "app/settings/settingsstore.h"
#include "print/kwzpreview.h"
#include "print/printersettings.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace tessarine {
namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// Two system printers, the second one the default.
class FakePrinters : public TPrinterDirectory
{
public:
    explicit FakePrinters(QStringList names = {"Office", "Archive"}, QString fallback = "Archive")
        : Names_(std::move(names)), Default_(std::move(fallback))
    {}
    QStringList Names() const override { return Names_; }
    QString DefaultName() const override { return Default_; }
    QStringList PaperNames(const QString&) const override { return {"A4", "Letter"}; }

private:
    QStringList Names_;
    QString Default_;
};

class SetPrintDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test::TempDir();
        Store = std::make_unique<TSettingsStore>(Dir + "/Tessarine.conf");
    }

    std::unique_ptr<TSetPrint>
    MakeDialog(std::shared_ptr<const TPrinterDirectory> printers = std::make_shared<FakePrinters>())
    {
        auto dialog =
            std::make_unique<TSetPrint>(Settings, *Store, TModuleStore(ModulesPath()), std::move(printers));
        dialog->SetInformationHandler([this](const QString& text) { Messages << text; });
        return dialog;
    }

    QString ModulesPath() const { return Dir + "/Modules.dat"; }

    static void ClickEntry(QListWidget* list, const QString& text)
    {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << text.toStdString();
        list->scrollToItem(items.front());
        const QRect rect = list->visualItemRect(items.front());
        ASSERT_FALSE(rect.isEmpty());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    static QStringList Checked(QListWidget* list)
    {
        QStringList checked;
        for (int i = 0; i < list->count(); ++i) {
            if (list->item(i)->checkState() == Qt::Checked)
                checked << list->item(i)->text();
        }
        return checked;
    }

    static QStringList Entries(QListWidget* list)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->item(i)->text();
        return entries;
    }

    QString Dir;
    std::unique_ptr<TSettingsStore> Store;
    TPrinterSettings Settings;
    QStringList Messages;
};

// ---- printer choice --------------------------------------------------------------------------

TEST_F(SetPrintDialog, FirstRunChoosesTheSystemsDefaultPrinter)
{
    const auto dialog = MakeDialog();
    EXPECT_EQ(Entries(dialog->PrinterList()).mid(0, 3),
              (QStringList{"Office", "Archive", U("Zebra 153DPI 内置")}));
    EXPECT_EQ(dialog->PrinterList()->count(), 12);
    EXPECT_EQ(Settings.P_Current_Name, "Archive");
    EXPECT_EQ(Settings.P_DPI, -1);
    EXPECT_EQ(Checked(dialog->PrinterList()), QStringList{"Archive"});
    EXPECT_TRUE(dialog->ParameterGroup()->isHidden());
    EXPECT_EQ(dialog->PaperList()->itemText(dialog->PaperList()->currentIndex()), U("自定义尺寸"));
    EXPECT_EQ(dialog->PaperList()->count(), 3);
}

TEST_F(SetPrintDialog, WithoutSystemPrintersTheFirstEntryIsChosen)
{
    const auto dialog = MakeDialog(std::make_shared<FakePrinters>(QStringList{}, QString()));
    EXPECT_EQ(Settings.P_Current_Name, U("Zebra 153DPI 内置"));
    EXPECT_EQ(Settings.P_DPI, 153);
    EXPECT_EQ(Checked(dialog->PrinterList()), QStringList{U("Zebra 153DPI 内置")});
}

TEST_F(SetPrintDialog, TheStoredPrinterIsChosenAgain)
{
    Settings.P_Current_Name = "Office";
    ASSERT_TRUE(WritePrinterSettings(*Store, {U("DataMax 289DPI 内置"), 7, 20, "COM3", 289, 5}));
    const auto dialog = MakeDialog();
    EXPECT_EQ(Settings.P_Current_Name, U("DataMax 289DPI 内置"));
    EXPECT_EQ(Checked(dialog->PrinterList()), QStringList{U("DataMax 289DPI 内置")});
    EXPECT_EQ(dialog->DarknessEdit()->value(), 20);
    EXPECT_EQ(dialog->SpeedEdit()->value(), 5);
    EXPECT_EQ(dialog->PortBox()->currentText(), "COM3");
    EXPECT_EQ(Settings.P_Current_ID, 7);
    EXPECT_EQ(Settings.P_DPI, 289);
}

struct ThermalCase
{
    const char* entry;
    int id, dpi;
};

class SetPrintThermalKind : public SetPrintDialog, public ::testing::WithParamInterface<ThermalCase>
{
};

TEST_P(SetPrintThermalKind, ChoosingItSetsIdResolutionAndShowsTheParameters)
{
    const auto dialog = MakeDialog();
    dialog->show();
    Settings.P_Current_Hot = 42;
    Settings.P_Rate = 6;
    ClickEntry(dialog->PrinterList(), U(GetParam().entry));
    EXPECT_EQ(Settings.P_Current_Name, U(GetParam().entry));
    EXPECT_EQ(Settings.P_Current_ID, GetParam().id);
    EXPECT_EQ(Settings.P_DPI, GetParam().dpi);
    EXPECT_EQ(Checked(dialog->PrinterList()), QStringList{U(GetParam().entry)});
    EXPECT_FALSE(dialog->ParameterGroup()->isHidden());
    EXPECT_FALSE(dialog->PaperList()->isEnabled());
    EXPECT_EQ(dialog->PreView()->Zoom(), 1.2);
    EXPECT_EQ(dialog->DarknessEdit()->value(), 42);
    EXPECT_EQ(dialog->SpeedEdit()->value(), 6);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SetPrintThermalKind,
                         ::testing::Values(ThermalCase{"Zebra 600DPI 内置", 3, 600},
                                           ThermalCase{"Zebra 300DPI 内置", 3, 300},
                                           ThermalCase{"Argox 203dpi 内置", 4, 203},
                                           ThermalCase{"DataMax 153DPI 内置", 5, 153}));

TEST_F(SetPrintDialog, ASystemPrinterKeepsTheKindsIdAndHasNoResolution)
{
    const auto dialog = MakeDialog();
    dialog->show();
    ClickEntry(dialog->PrinterList(), U("DataMax 203DPI 内置"));
    ASSERT_EQ(Settings.P_Current_ID, 6);
    ClickEntry(dialog->PrinterList(), "Office");
    EXPECT_EQ(Settings.P_Current_Name, "Office");
    EXPECT_EQ(Settings.P_Current_ID, 6);
    EXPECT_EQ(Settings.P_DPI, -1);
    EXPECT_TRUE(dialog->ParameterGroup()->isHidden());
    EXPECT_TRUE(dialog->PaperList()->isEnabled());
    EXPECT_EQ(dialog->PreView()->Zoom(), 3.8);
    EXPECT_EQ(Checked(dialog->PrinterList()), QStringList{"Office"});
}

TEST_F(SetPrintDialog, AThermalKindWithoutAStoredPortTakesLPT1)
{
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->PortBox()->setCurrentIndex(4);
    Settings.P_Current_Port.clear();
    ClickEntry(dialog->PrinterList(), U("Zebra 203DPI 内置"));
    EXPECT_EQ(dialog->PortBox()->currentText(), "LPT1");
    EXPECT_EQ(Settings.P_Current_Port, "LPT1");
    EXPECT_FALSE(dialog->PortSettingsButton()->isEnabled());

    Settings.P_Current_Port = "COM2";
    ClickEntry(dialog->PrinterList(), U("Zebra 300DPI 内置"));
    EXPECT_EQ(dialog->PortBox()->currentText(), "COM2");
    EXPECT_EQ(Settings.P_Current_Port, "COM2");
    EXPECT_TRUE(dialog->PortSettingsButton()->isEnabled());
}

TEST_F(SetPrintDialog, PortSettingsAreOnlyForSerialPorts)
{
    const auto dialog = MakeDialog();
    const std::pair<const char*, bool> ports[] = {{"LPT2", false}, {"LPT3", false}, {"COM1", true},
                                                  {"COM2", true},  {"COM3", true},  {"COM4", true},
                                                  {"LPT1", false}};
    for (const auto& [port, enabled] : ports) {
        dialog->PortBox()->setCurrentText(port);
        EXPECT_EQ(Settings.P_Current_Port, port);
        EXPECT_EQ(dialog->PortSettingsButton()->isEnabled(), enabled) << port;
    }
}

TEST_F(SetPrintDialog, PortButtonsAskForTheChosenPort)
{
    const auto dialog = MakeDialog();
    dialog->show();
    ClickEntry(dialog->PrinterList(), U("Zebra 203DPI 内置"));
    QSignalSpy settings(dialog.get(), &TSetPrint::PortSettingsRequested);
    QSignalSpy positioning(dialog.get(), &TSetPrint::LabelPositioningRequested);
    dialog->PortBox()->setCurrentText("COM4");
    QTest::mouseClick(dialog->PortSettingsButton(), Qt::LeftButton);
    dialog->PortBox()->setCurrentText("LPT2");
    QTest::mouseClick(dialog->PortSettingsButton(), Qt::LeftButton); // disabled: nothing
    QTest::mouseClick(dialog->LabelPositioningButton(), Qt::LeftButton);
    ASSERT_EQ(settings.count(), 1);
    EXPECT_EQ(settings.at(0).at(0).toString(), "COM4");
    ASSERT_EQ(positioning.count(), 1);
    EXPECT_EQ(positioning.at(0).at(0).toString(), "LPT2");
}

TEST_F(SetPrintDialog, DarknessAndSpeedReachTheSettingsAtOnce)
{
    const auto dialog = MakeDialog();
    dialog->show();
    ClickEntry(dialog->PrinterList(), U("Zebra 203DPI 内置"));
    dialog->DarknessEdit()->setFocus();
    dialog->DarknessEdit()->selectAll();
    QTest::keyClicks(dialog->DarknessEdit(), "-7");
    EXPECT_EQ(Settings.P_Current_Hot, -7);
    QTest::keyClick(dialog->SpeedEdit(), Qt::Key_Up);
    EXPECT_EQ(Settings.P_Rate, dialog->SpeedEdit()->value());
    EXPECT_EQ(dialog->DarknessEdit()->minimum(), -15);
    EXPECT_EQ(dialog->DarknessEdit()->maximum(), 100);
    EXPECT_EQ(dialog->SpeedEdit()->minimum(), 1);
    EXPECT_EQ(dialog->SpeedEdit()->maximum(), 8);
    // Nothing is stored before "确定".
    TPrinterSettings stored;
    ReadPrinterSettings(*Store, stored);
    EXPECT_TRUE(stored.P_Current_Name.isEmpty());
}

TEST_F(SetPrintDialog, ConfirmingStoresTheSixValues)
{
    const auto dialog = MakeDialog();
    dialog->show();
    ClickEntry(dialog->PrinterList(), U("Argox 300dpi 内置"));
    dialog->DarknessEdit()->setValue(33);
    dialog->SpeedEdit()->setValue(2);
    dialog->PortBox()->setCurrentText("COM1");
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    TPrinterSettings stored;
    ReadPrinterSettings(*Store, stored);
    EXPECT_EQ(stored.P_Current_Name, U("Argox 300dpi 内置"));
    EXPECT_EQ(stored.P_Current_ID, 4);
    EXPECT_EQ(stored.P_Current_Hot, 33);
    EXPECT_EQ(stored.P_Current_Port, "COM1");
    EXPECT_EQ(stored.P_DPI, 300);
    EXPECT_EQ(stored.P_Rate, 2);
}

// ---- reading the stored settings -------------------------------------------------------------

struct ReadCase
{
    const char* name;
    const char* file; // the "Print" group
    TPrinterSettings expected;
};

class PrinterSettingsRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(PrinterSettingsRead, StopsAtTheFirstMissingInteger)
{
    const QString path = test::TempDir() + "/Tessarine.conf";
    ASSERT_TRUE(test::WriteFile(path, QByteArray("[Print]\n") + GetParam().file));
    TPrinterSettings settings{"before", 91, 92, "COM4", 93, 94};
    ReadPrinterSettings(TSettingsStore(path), settings);
    const TPrinterSettings& e = GetParam().expected;
    EXPECT_EQ(settings.P_Current_Name, e.P_Current_Name);
    EXPECT_EQ(settings.P_Current_ID, e.P_Current_ID);
    EXPECT_EQ(settings.P_Current_Hot, e.P_Current_Hot);
    EXPECT_EQ(settings.P_Current_Port, e.P_Current_Port);
    EXPECT_EQ(settings.P_DPI, e.P_DPI);
    EXPECT_EQ(settings.P_Rate, e.P_Rate);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrinterSettingsRead,
    ::testing::Values(
        ReadCase{"All",
                 "P_Current_Name=Office\nP_Current_ID=3\nP_Current_Hot=12\nP_Current_Port=COM2\nP_DPI=-1\nP_"
                 "Rate=4\n",
                 {"Office", 3, 12, "COM2", -1, 4}},
        ReadCase{"Empty", "", {"", 91, 92, "COM4", 93, 94}},
        ReadCase{"NoName",
                 "P_Current_ID=3\nP_Current_Hot=12\nP_Current_Port=LPT2\nP_DPI=203\nP_Rate=4\n",
                 {"", 3, 12, "LPT2", 203, 4}},
        ReadCase{"NoId",
                 "P_Current_Name=Office\nP_Current_Hot=12\nP_Current_Port=LPT2\nP_DPI=203\nP_Rate=4\n",
                 {"Office", 91, 92, "COM4", 93, 94}},
        ReadCase{"HotNotANumber",
                 "P_Current_Name=A\nP_Current_ID=2\nP_Current_Hot=hot\nP_Current_Port=LPT2\nP_DPI=203\n",
                 {"A", 2, 92, "COM4", 93, 94}},
        ReadCase{"NoPort",
                 "P_Current_Name=A\nP_Current_ID=2\nP_Current_Hot=5\nP_DPI=203\nP_Rate=4\n",
                 {"A", 2, 5, "", 203, 4}},
        ReadCase{"NoDpi",
                 "P_Current_Name=A\nP_Current_ID=2\nP_Current_Hot=5\nP_Current_Port=LPT3\nP_Rate=4\n",
                 {"A", 2, 5, "LPT3", 93, 94}},
        ReadCase{"NoRate",
                 "P_Current_Name=A\nP_Current_ID=2\nP_Current_Hot=5\nP_Current_Port=LPT3\nP_DPI=7\n",
                 {"A", 2, 5, "LPT3", 7, 94}}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- fields and preview ----------------------------------------------------------------------

TEST_F(SetPrintDialog, EveryFieldWritesIntoThePreviewAtOnceAndCancelKeepsIt)
{
    const auto dialog = MakeDialog();
    dialog->show();
    TKWZPreView* preview = dialog->PreView();
    struct Field
    {
        QDoubleSpinBox* box;
        double (TKWZPreView::*get)() const;
    };
    const Field fields[] = {
        {dialog->PageWidthEdit(), &TKWZPreView::PageWidth},
        {dialog->PageHeightEdit(), &TKWZPreView::PageHeight},
        {dialog->MarginLeftEdit(), &TKWZPreView::MarginLeft},
        {dialog->MarginTopEdit(), &TKWZPreView::MarginTop},
        {dialog->LabelWidthEdit(), &TKWZPreView::LabelWidth},
        {dialog->LabelHeightEdit(), &TKWZPreView::LabelHeight},
        {dialog->VerticalGapEdit(), &TKWZPreView::LabelMarginTop},
        {dialog->HorizontalGapEdit(), &TKWZPreView::LabelMarginLeft},
    };
    double value = 11.25;
    for (const Field& field : fields) {
        field.box->setFocus();
        field.box->selectAll();
        QTest::keyClicks(field.box, QString::number(value)); // each key press is written through
        EXPECT_EQ((preview->*field.get)(), value) << field.box->objectName().toStdString();
        value += 1.5;
    }
    dialog->RowsEdit()->setValue(4);
    dialog->ColumnsEdit()->setValue(5);
    dialog->EllipseEdit()->setValue(25);
    EXPECT_EQ(preview->Row(), 4);
    EXPECT_EQ(preview->Column(), 5);
    EXPECT_EQ(preview->LabelEllipse(), 25);
    EXPECT_EQ(dialog->RowsEdit()->maximum(), 500);
    EXPECT_EQ(dialog->EllipseEdit()->maximum(), 25);

    QTest::mouseClick(dialog->CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(preview->PageWidth(), 11.25);
    EXPECT_EQ(preview->Column(), 5);
}

TEST_F(SetPrintDialog, ColourBoxesWriteTheSheetAndLabelColours)
{
    const auto dialog = MakeDialog();
    dialog->show();
    const int teal = dialog->SheetColorBox()->findText("Teal");
    ASSERT_GE(teal, 0);
    dialog->SheetColorBox()->setCurrentIndex(teal);
    emit dialog->SheetColorBox()->activated(teal);
    EXPECT_EQ(dialog->PreView()->BackGroundColor(), 0x808000);
    const int red = dialog->LabelColorBox()->findText("Red");
    emit dialog->LabelColorBox()->activated(red);
    EXPECT_EQ(dialog->PreView()->LabelColor(), 0x0000FF);
}

TEST_F(SetPrintDialog, ShowingTheDialogShowsThePreviewsValues)
{
    const auto dialog = MakeDialog();
    TLabelLayout layout = dialog->PreView()->Layout();
    layout.PageWidth = 101.126; // as a label file may hold it
    layout.Row = 9;
    layout.BackGroundColor = 0x00123456;
    dialog->PreView()->SetLayout(layout);
    dialog->show();
    EXPECT_DOUBLE_EQ(dialog->PageWidthEdit()->value(), 101.13); // shown with two decimals...
    EXPECT_EQ(dialog->PreView()->PageWidth(), 101.126);         // ...without changing the layout
    EXPECT_EQ(dialog->RowsEdit()->value(), 9);
    EXPECT_EQ(dialog->SheetColorBox()->Selected(), 0x00123456);
}

TEST_F(SetPrintDialog, TheMessagePanelKeepsTheLastMessage)
{
    const auto dialog = MakeDialog();
    dialog->show();
    QLabel* panel = dialog->MessagePanel();
    emit dialog->PreView()->OnSlopOverMessage(U("警告!Label 右边出界"));
    EXPECT_EQ(panel->text(), U("警告!Label 右边出界"));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::red));
    emit dialog->PreView()->OnSlopOverMessage(U("提示"));
    EXPECT_EQ(panel->text(), U("提示"));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(SetPrintDialog, AGridWiderThanTheSheetIsReportedInRed)
{
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->ColumnsEdit()->setValue(4); // 4 x 65 mm on a 210 mm sheet
    dialog->PreView()->grab();          // paints, and painting reports
    EXPECT_EQ(dialog->MessagePanel()->text(), U("警告!Label 右边出界"));
}

// ---- templates -------------------------------------------------------------------------------

TEST_F(SetPrintDialog, WithoutATemplateFileTheDefaultIsApplied)
{
    const auto dialog = MakeDialog();
    EXPECT_EQ(Entries(dialog->ModuleList()), QStringList{U("默认格式")});
    EXPECT_EQ(dialog->ModuleList()->currentRow(), 0);
    const TLabelLayout layout = dialog->PreView()->Layout();
    EXPECT_EQ(layout.MarginLeft, 2);
    EXPECT_EQ(layout.MarginTop, 12);
    EXPECT_EQ(layout.BackGroundColor, 0x00F0FBFF);
    EXPECT_EQ(layout.LabelEllipse, 8);
    EXPECT_EQ(layout.LabelStart, 0);
    EXPECT_EQ(dialog->MarginTopEdit()->value(), 12);
    EXPECT_EQ(dialog->ModuleSizePanel()->text(), "65 * 90");
    EXPECT_EQ(dialog->PreView()->Zoom(), 3.8); // the sheet is 210 mm wide
}

TEST_F(SetPrintDialog, TheStoredTemplateIsSelectedAndApplied)
{
    TModule narrow = DefaultModule();
    narrow.Name = U("卷标");
    narrow.PageWidth = 80;
    narrow.PageHeight = 400;
    narrow.LabelWidth = 60.4;
    narrow.LabelHeight = 39.5;
    narrow.Row = 9;
    narrow.Column = 1;
    ASSERT_TRUE(TModuleStore(ModulesPath()).Save({{DefaultModule(), narrow}, 2}));
    const auto dialog = MakeDialog();
    EXPECT_EQ(Entries(dialog->ModuleList()), (QStringList{U("默认"), "", U("卷标")}));
    EXPECT_EQ(dialog->ModuleList()->currentRow(), 2);
    EXPECT_EQ(dialog->PreView()->PageWidth(), 80);
    EXPECT_EQ(dialog->PageWidthEdit()->value(), 80);
    EXPECT_EQ(dialog->RowsEdit()->value(), 9);
    EXPECT_EQ(dialog->ModuleSizePanel()->text(), "60 * 40"); // 39.5 rounds to even
    EXPECT_EQ(dialog->PreView()->Zoom(), 1.2);               // narrower than 210 mm
}

TEST_F(SetPrintDialog, AddingATemplateNeedsAName)
{
    const auto dialog = MakeDialog();
    dialog->show();
    QTest::mouseClick(dialog->AddModuleButton(), Qt::LeftButton);
    EXPECT_EQ(Messages, QStringList{U("Sorry! 必须输入[新版名称].")});
    EXPECT_TRUE(dialog->Modules().empty());
    EXPECT_FALSE(QFile::exists(ModulesPath()));
}

TEST_F(SetPrintDialog, AddedTemplatesAreListedAndWrittenEvenWithEqualNames)
{
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->PageControl()->setCurrentIndex(4);
    dialog->LabelWidthEdit()->setValue(50);
    dialog->ModuleNameEdit()->setText("A");
    QTest::mouseClick(dialog->AddModuleButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->ModuleNameEdit()->text().isEmpty());
    dialog->ModuleNameEdit()->setFocus();
    QTest::keyClicks(dialog->ModuleNameEdit(), "A");
    QTest::keyClick(dialog->ModuleNameEdit(), Qt::Key_Return); // Enter adds too
    EXPECT_TRUE(Messages.isEmpty());
    EXPECT_TRUE(dialog->isVisible()); // Enter in the name field does not confirm the dialog
    EXPECT_EQ(Entries(dialog->ModuleList()), (QStringList{U("默认格式"), "A", "A"}));

    const std::optional<TModuleFile> file = TModuleStore(ModulesPath()).Load();
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Modules.size(), 2u);
    EXPECT_EQ(file->Modules[0].LabelWidth, 50);
    EXPECT_EQ(file->Modules[1].Name, "A");
    EXPECT_EQ(file->Modules[1].Trailer, 0);
}

TEST_F(SetPrintDialog, AnUnwritableTemplateFileIsReportedWhenAdding)
{
    ASSERT_TRUE(test::WriteFile(Dir + "/plain", "x"));
    TSetPrint dialog(Settings, *Store, TModuleStore(Dir + "/plain/Modules.dat"),
                     std::make_shared<FakePrinters>());
    dialog.SetInformationHandler([this](const QString& text) { Messages << text; });
    dialog.ModuleNameEdit()->setText("B");
    QTest::mouseClick(dialog.AddModuleButton(), Qt::LeftButton);
    EXPECT_EQ(Messages, QStringList{U("无法保存设置,去除[Modules.dat]写保护功能即可.")});
    EXPECT_EQ(dialog.Modules().size(), 1u); // the template is kept for this run
    Messages.clear();
    dialog.ModuleList()->setCurrentRow(1);
    QTest::mouseClick(dialog.DeleteModuleButton(), Qt::LeftButton);
    EXPECT_TRUE(Messages.isEmpty()); // deleting does not complain
    EXPECT_TRUE(dialog.Modules().empty());
}

TEST_F(SetPrintDialog, DeletingRemovesTheSelectedTemplateButNeverTheDefault)
{
    TModule a = DefaultModule(), b = DefaultModule(), c = DefaultModule();
    a.Name = "a";
    b.Name = "b";
    c.Name = "c";
    ASSERT_TRUE(TModuleStore(ModulesPath()).Save({{a, b, c}, 0}));
    const auto dialog = MakeDialog();
    dialog->show();
    QTest::mouseClick(dialog->DeleteModuleButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(dialog->ModuleList()), (QStringList{U("默认"), "a", "b", "c"}));
    EXPECT_EQ(TModuleStore(ModulesPath()).Load()->Modules.size(), 3u);

    dialog->PageControl()->setCurrentIndex(4);
    ClickEntry(dialog->ModuleList(), "b");
    QTest::mouseClick(dialog->DeleteModuleButton(), Qt::LeftButton);
    EXPECT_EQ(Entries(dialog->ModuleList()), (QStringList{U("默认"), "a", "c"}));
    const std::optional<TModuleFile> file = TModuleStore(ModulesPath()).Load();
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Modules.size(), 2u);
    EXPECT_EQ(file->Modules[1].Name, "c");
}

TEST_F(SetPrintDialog, SelectingATemplateAppliesItToThePreviewAndTheFields)
{
    TModule m = DefaultModule();
    m.Name = "m";
    m.LabelWidth = 70;
    m.LabelMarginLeft = 3;
    m.LabelColor = 0x00C0C0C0;
    ASSERT_TRUE(TModuleStore(ModulesPath()).Save({{m}, 0}));
    const auto dialog = MakeDialog();
    dialog->show();
    dialog->PageControl()->setCurrentIndex(4);
    ClickEntry(dialog->ModuleList(), "m");
    EXPECT_EQ(dialog->PreView()->LabelWidth(), 70);
    EXPECT_EQ(dialog->PreView()->LabelMarginLeft(), 3);
    EXPECT_EQ(dialog->LabelWidthEdit()->value(), 70);
    EXPECT_EQ(dialog->HorizontalGapEdit()->value(), 3);
    EXPECT_EQ(dialog->LabelColorBox()->Selected(), 0x00C0C0C0);
    EXPECT_EQ(dialog->ModuleSizePanel()->text(), "70 * 90");
    ClickEntry(dialog->ModuleList(), U("默认"));
    EXPECT_EQ(dialog->PreView()->LabelWidth(), 65);

    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton); // confirming stores the selection
    EXPECT_EQ(TModuleStore(ModulesPath()).Load()->SelectedIndex, 0);
}

// ---- confirmation and the host ---------------------------------------------------------------

struct HostLog
{
    QStringList status[2];
    std::vector<QSize> pages;
    std::vector<std::tuple<int, int, int>> outlines;
    bool accept = true;

    TPageSetupHost Host()
    {
        return {[this](int panel, const QString& text) { status[panel] << text; },
                [this](int w, int h) { pages.emplace_back(w, h); },
                [this](int w, int h, int e) {
                    outlines.emplace_back(w, h, e);
                    return accept;
                }};
    }
};

TEST_F(SetPrintDialog, TheHostGetsTheStatusTextsAndTheOutlineAtOnce)
{
    const auto dialog = MakeDialog();
    HostLog log;
    dialog->SetHost(log.Host());
    EXPECT_EQ(log.status[0], QStringList{U("打印机型号:Archive")});
    EXPECT_EQ(log.status[1], QStringList{U("标签尺寸:65.0 * 90.0 毫米")});
    ASSERT_EQ(log.outlines.size(), 1u);
    EXPECT_EQ(log.outlines[0], std::make_tuple(65, 90, 8));
    EXPECT_TRUE(log.pages.empty());
}

struct ConfirmCase
{
    const char* name;
    double pageWidth, pageHeight;
    bool pageSet;
    int roundedWidth, roundedHeight;
};

class SetPrintConfirm : public SetPrintDialog, public ::testing::WithParamInterface<ConfirmCase>
{
};

TEST_P(SetPrintConfirm, ResizesThePageOnlyForWideSheetsAndAlwaysSetsTheOutline)
{
    const auto dialog = MakeDialog();
    HostLog log;
    dialog->SetHost(log.Host());
    log = HostLog{};
    dialog->show();
    dialog->PageWidthEdit()->setValue(GetParam().pageWidth);
    dialog->PageHeightEdit()->setValue(GetParam().pageHeight);
    dialog->LabelWidthEdit()->setValue(50.5);
    dialog->LabelHeightEdit()->setValue(30.5);
    QSignalSpy confirmed(dialog.get(), &TSetPrint::LayoutConfirmed);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);

    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(log.pages.size(), GetParam().pageSet ? 1u : 0u);
    if (GetParam().pageSet) {
        EXPECT_EQ(log.pages[0], QSize(GetParam().roundedWidth, GetParam().roundedHeight));
    }
    ASSERT_EQ(log.outlines.size(), 1u);
    EXPECT_EQ(log.outlines[0], std::make_tuple(50, 30, 8)); // 50.5 and 30.5 round to even
    EXPECT_EQ(log.status[1], QStringList{U("标签尺寸:50.0 * 30.0 毫米")});
    ASSERT_EQ(confirmed.count(), 1);
    EXPECT_EQ(confirmed.at(0).at(0).value<TLabelLayout>().LabelWidth, 50.5);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SetPrintConfirm,
                         ::testing::Values(ConfirmCase{"A4", 210, 297, true, 210, 297},
                                           ConfirmCase{"Wider", 250.5, 353.5, true, 250, 354},
                                           ConfirmCase{"JustNarrower", 209.99, 297, false, 0, 0},
                                           ConfirmCase{"Roll", 80, 400, false, 0, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(SetPrintDialog, AnOutlineOutOfRangeKeepsTheDialogOpen)
{
    const auto dialog = MakeDialog();
    HostLog log;
    log.accept = false;
    dialog->SetHost(log.Host());
    dialog->show();
    QSignalSpy confirmed(dialog.get(), &TSetPrint::LayoutConfirmed);
    QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(confirmed.count(), 0);
    EXPECT_EQ(log.status[1].size(), 1); // only the one SetHost showed
}

// ---- look -----------------------------------------------------------------------------------

// Every caption of every sheet has the room it asks for. With TESSARINE_SCREENSHOTS set to a
// folder, each sheet is saved there as a picture to look at.
TEST_F(SetPrintDialog, NoCaptionIsClippedOnAnySheet)
{
    const auto dialog = MakeDialog();
    dialog->show();
    const QString folder = qEnvironmentVariable("TESSARINE_SCREENSHOTS");
    const auto check = [&](const QString& pictureName) {
        QApplication::processEvents();
        if (!folder.isEmpty())
            dialog->grab().save(folder + "/" + pictureName);
        // All five tabs are in sight, without scroll arrows.
        EXPECT_GE(dialog->PageControl()->width(), dialog->PageControl()->tabBar()->sizeHint().width());
        QList<QWidget*> captions;
        for (QLabel* label : dialog->PageControl()->currentWidget()->findChildren<QLabel*>())
            captions << label;
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            captions << button;
        for (QWidget* caption : captions) {
            if (!caption->isVisibleTo(dialog.get()) || qobject_cast<QTabBar*>(caption->parentWidget()) ||
                caption->objectName() == "SetPrint_ModuleSizePanel")
                continue;
            EXPECT_GE(caption->width(), caption->minimumSizeHint().width())
                << pictureName.toStdString() << " " << caption->objectName().toStdString();
        }
    };
    for (int sheet = 0; sheet < dialog->PageControl()->count(); ++sheet) {
        dialog->PageControl()->setCurrentIndex(sheet);
        check(QStringLiteral("setprint-%1.png").arg(sheet));
    }
    dialog->PageControl()->setCurrentIndex(0);
    ClickEntry(dialog->PrinterList(), U("Zebra 203DPI 内置")); // shows the parameters group
    check(QStringLiteral("setprint-thermal.png"));
}

// ---- the language file -----------------------------------------------------------------------

TEST(SetPrintLanguage, TheEnglishFileNamesOnlyComponentsOfTheDialog)
{
    const QString path = QStringLiteral(TESSARINE_SOURCE_DIR "/resources/languages/English.Lga");
    const std::optional<TProfile> profile = TProfile::Load(path);
    ASSERT_TRUE(profile.has_value());
    ASSERT_TRUE(profile->HasSection("SetPrint"));
    TPrinterSettings settings;
    TSettingsStore store(test::TempDir() + "/Tessarine.conf");
    TSetPrint dialog(settings, store, TModuleStore(test::TempDir() + "/Modules.dat"),
                     std::make_shared<FakePrinters>());
    const QStringList keys = profile->Keys("SetPrint");
    EXPECT_GE(keys.size(), 30);
    const QStringList listKeys{"0", "1"}; // the orientation group's items
    for (const QString& key : keys) {
        const bool found = dialog.objectName() == key || dialog.findChild<QObject*>(key) != nullptr ||
                           listKeys.contains(key);
        EXPECT_TRUE(found) << key.toStdString();
    }
}

TEST(SetPrintLanguage, TheEnglishFileTranslatesTheDialog)
{
    const std::optional<TLanguage> english =
        TLanguage::Load(QStringLiteral(TESSARINE_SOURCE_DIR "/resources/languages/English.Lga"));
    ASSERT_TRUE(english.has_value());
    TPrinterSettings settings;
    TSettingsStore store(test::TempDir() + "/Tessarine.conf");
    TSetPrint dialog(settings, store, TModuleStore(test::TempDir() + "/Modules.dat"), std::make_shared<FakePrinters>());
    english->Apply(&dialog);
    EXPECT_EQ(dialog.windowTitle(), "Page Setup");
    EXPECT_EQ(dialog.PageControl()->tabText(4), "Templates");
    EXPECT_EQ(dialog.ParameterGroup()->title(), "Parameters");
    EXPECT_EQ(dialog.OkButton()->text(), "OK");
    EXPECT_EQ(dialog.PortraitButton()->text(), "Portrait"); // the orientation group keeps its buttons
    EXPECT_EQ(dialog.LandscapeButton()->text(), "Landscape");
    EXPECT_TRUE(dialog.PortraitButton()->isChecked());
    dialog.LandscapeButton()->setChecked(true);
    EXPECT_EQ(dialog.Printer()->pageLayout().orientation(), QPageLayout::Landscape);
}

} // namespace
} // namespace tessarine
