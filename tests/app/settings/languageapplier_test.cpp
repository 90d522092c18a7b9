#include "app/settings/languageapplier.h"
#include "app/settings/languagefiles.h"

#include "settingstestutil.h"
#include "support/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace tessarine;

namespace {

// A small application: the main window with its menu bar, a dialog of the twelve parented to
// it, the label-stock dialog and a window outside the twelve.
struct TWindows
{
    std::unique_ptr<QMainWindow> Main;
    QDialog* SetText = nullptr; // owned by Main
    std::unique_ptr<QDialog> SetPrint;
    std::unique_ptr<QWidget> Tools;

    QList<QObject*> All() const { return {Main.get(), SetText, SetPrint.get(), Tools.get()}; }
};

template <typename TWidget> TWidget* Named(TWidget* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QGroupBox* RadioGroup(QWidget* parent, const char* name, const QString& title, const QStringList& items,
                      int checked)
{
    auto* group = Named(new QGroupBox(title, parent), name);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], group);
        button->setChecked(i == checked);
        layout->addWidget(button);
    }
    parent->layout()->addWidget(group);
    return group;
}

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

TWindows MakeWindows()
{
    TWindows w;
    w.Main = std::make_unique<QMainWindow>();
    w.Main->setObjectName("Main");
    w.Main->setWindowTitle(U("Tessarine 标签排版设计[未定标题]"));
    QFont mainFont = w.Main->font();
    mainFont.setFamily("OriginalFace");
    w.Main->setFont(mainFont);
    QMenu* file = Named(w.Main->menuBar()->addMenu(U(" 文件(&F) ")), "Main_Menu_File");
    Named(file->addAction(U("打开 (&O)  Ctrl + O")), "Main_Menu_OpenFile");
    QMenu* document = Named(file->addMenu(U("文档属性")), "Main_Menu_Document");
    Named(document->addAction(U("文档信息")), "Main_Menu_FileInfo");
    Named(file->addAction(U("Email发送")), "Main_Menu_SendEmail");
    auto* central = new QWidget;
    central->setLayout(new QVBoxLayout);
    central->layout()->addWidget(Named(new QLabel(U("就绪")), "MainLabel"));
    w.Main->setCentralWidget(central);

    w.SetText = Named(new QDialog(w.Main.get()), "SetText");
    w.SetText->setWindowTitle(U("文字属性"));
    auto* layout = new QVBoxLayout(w.SetText);
    auto* tabs = Named(new QTabWidget(w.SetText), "SetText_Pages");
    tabs->addTab(Named(new QWidget, "PageConst"), U("固定内容"));
    tabs->addTab(Named(new QWidget, "PageSerial"), U("序列号"));
    tabs->addTab(Named(new QWidget, "PageKept"), U("保留"));
    layout->addWidget(tabs);
    layout->addWidget(Named(new QCheckBox(U("显示文字")), "ShowText"));
    layout->addWidget(Named(new QPushButton(U("确   定")), "OK_BM"));
    layout->addWidget(Named(new QLabel(U("字体:")), "FontLabel"));
    layout->addWidget(Named(new QGroupBox(U("字体")), "GroupFont"));
    RadioGroup(w.SetText, "AboveOrUnder", U("位置"), {U("上"), U("下")}, 1);
    RadioGroup(w.SetText, "StrLeftOrRight", U("填充"), {U("左"), U("右")}, 1);
    RadioGroup(w.SetText, "IncDec", U("增减"), {U("增")}, -1);
    RadioGroup(w.SetText, "BrushArea", U("区域"), {U("甲"), U("乙"), U("丙")}, 2);
    RadioGroup(w.SetText, "GetFileGroup", U("来源"), {U("文件"), U("数据")}, 1);
    auto* serial = Named(new QComboBox, "SetSerialType");
    serial->addItems({U("数字"), U("文字"), U("文字和数字")});
    serial->setCurrentIndex(2);
    layout->addWidget(serial);
    auto* source = Named(new QComboBox, "DataSourcBox");
    source->addItems({"A", "B", "C", "D", "E", "F"});
    source->setCurrentIndex(3);
    layout->addWidget(source);
    auto* kinds = Named(new QListWidget, "TypeKind");
    kinds->addItems({"t1", "t2", "t3"});
    kinds->setCurrentRow(1);
    layout->addWidget(kinds);

    w.SetPrint = std::make_unique<QDialog>();
    w.SetPrint->setObjectName("SetPrint");
    w.SetPrint->setWindowTitle(U("标签纸设置"));
    w.SetPrint->setLayout(new QVBoxLayout);
    auto* printers = Named(new QGroupBox(U("打印机"), w.SetPrint.get()), "SetPrint_PLGroup");
    printers->setLayout(new QVBoxLayout);
    w.SetPrint->layout()->addWidget(printers);
    w.SetPrint->layout()->addWidget(Named(new QListWidget, "SetPrint_Postion_LB"));
    auto* lcr = Named(new QListWidget, "SetPrint_Postion_LCR");
    lcr->addItems({U("左"), U("中"), U("右")});
    lcr->setCurrentRow(2);
    w.SetPrint->layout()->addWidget(lcr);

    w.Tools = std::make_unique<QWidget>();
    w.Tools->setObjectName("Tools");
    w.Tools->setWindowTitle(U("工具"));
    w.Tools->setFont(mainFont);
    w.Tools->setLayout(new QVBoxLayout);
    auto* toolButton = Named(new QToolButton, "ToolText");
    toolButton->setText(U("文字"));
    w.Tools->layout()->addWidget(toolButton);
    return w;
}

const char* const kLanguageFile = R"(; A translation that covers part of the program.
[Style]
Font=TestFace

[Main]
Main=Main title is not taken
Main_Menu_File=File(&F)
Main_Menu_OpenFile=Open (&O)
Main_Menu_Document=Document
Main_Menu_FileInfo=Information
MainLabel=Ready
OK_BM=Belongs to the main window only

[SetText]
SetText=Text properties
PageConst=Constant
PageSerial=Serial
ShowText=Show text
OK_BM=OK
FontLabel=Font:
GroupFont=Font
AboveOrUnder=Position
AboveOrUnder1=Above
StrLeftOrRight=Fill
FillLRLabel1=Left
FillLRLabel2=Right
0=Up
1=Down
SetSerialType1=Number
SetSerialType2=Letter
DataSourcBox0=Excel
DataSourcBox1=dBase
DataSourcBox2=Access
DataSourcBox3=ODBC
DataSourcBox4=SQLite
DataSourcBox5=PostgreSQL
TypeKind2=Code 39

[SetPrint]
SetPrint=Label stock
SetPrint_PLGroup=Printers
0=Printer list
2=Third

[Tools]
Tools=Tools title is not taken
ToolText=Text
)";

QString WriteLanguage(const QString& dir, const QString& name, const QString& text)
{
    const QString path = dir + "/" + name + ".Lga";
    test::WriteGbkFile(path, text);
    return path;
}

QTabWidget* TabsOf(QWidget* page)
{
    auto* stack = page ? qobject_cast<QStackedWidget*>(page->parentWidget()) : nullptr;
    return stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
}

// The caption a component shows, whatever its kind.
QString CaptionOf(QObject* object)
{
    if (auto* page = qobject_cast<QWidget*>(object); page && TabsOf(page))
        return TabsOf(page)->tabText(TabsOf(page)->indexOf(page));
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    ADD_FAILURE() << "no caption kind for " << object->objectName().toStdString();
    return {};
}

QList<QRadioButton*> RadioButtons(QGroupBox* group)
{
    return group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
}

QStringList ItemsOf(QObject* object)
{
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(object))
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
    else if (auto* list = qobject_cast<QListWidget*>(object))
        for (int i = 0; i < list->count(); ++i)
            items.append(list->item(i)->text());
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        for (QRadioButton* button : RadioButtons(group))
            items.append(button->text());
    return items;
}

int SelectedOf(QObject* object)
{
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(object))
        return list->currentRow();
    if (auto* group = qobject_cast<QGroupBox*>(object)) {
        const QList<QRadioButton*> buttons = RadioButtons(group);
        for (int i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return i;
    }
    return -1;
}

QObject* Find(QObject* window, const char* name)
{
    QObject* found = window->findChild<QObject*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

class LanguageApplier : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test::TempDir();
        WriteLanguage(Dir, "English", U(kLanguageFile));
        W = MakeWindows();
    }

    void ApplyEverywhere(const QString& name)
    {
        const TLanguageFiles files({Dir});
        for (QObject* window : W.All())
            EXPECT_TRUE(ApplyLanguage(files, name, window));
    }

    QString Dir;
    TWindows W;
};

struct TCaptionCase
{
    const char* Window;
    const char* Component;
    const char* Expected; // UTF-8
};

TEST_F(LanguageApplier, ComponentCaptionsFollowTheirWindowsSection)
{
    ApplyEverywhere("English");

    const TCaptionCase cases[] = {
        {"Main", "Main_Menu_File", "File(&F)"},        // menu
        {"Main", "Main_Menu_OpenFile", "Open (&O)"},   // menu item
        {"Main", "Main_Menu_Document", "Document"},    // submenu
        {"Main", "Main_Menu_FileInfo", "Information"}, // item of the submenu
        {"Main", "Main_Menu_SendEmail", "Email发送"},  // not in the file: kept
        {"Main", "MainLabel", "Ready"},                // label
        {"SetText", "PageConst", "Constant"},          // tab page
        {"SetText", "PageSerial", "Serial"},
        {"SetText", "PageKept", "保留"},         // not in the file: kept
        {"SetText", "ShowText", "Show text"},    // check box
        {"SetText", "OK_BM", "OK"},              // button: the dialog's own key, not Main's
        {"SetText", "FontLabel", "Font:"},       // label
        {"SetText", "GroupFont", "Font"},        // group box
        {"SetText", "AboveOrUnder", "Position"}, // radio group caption
        {"SetPrint", "SetPrint_PLGroup", "Printers"},
        {"Tools", "ToolText", "Text"}, // components of any window follow
    };
    for (const TCaptionCase& c : cases) {
        QObject* window = nullptr;
        for (QObject* candidate : W.All())
            if (candidate->objectName() == QLatin1String(c.Window))
                window = candidate;
        ASSERT_NE(window, nullptr) << c.Window;
        QObject* component = Find(window, c.Component);
        ASSERT_NE(component, nullptr);
        EXPECT_EQ(CaptionOf(component), U(c.Expected)) << c.Window << "/" << c.Component;
    }
}

TEST_F(LanguageApplier, ADialogInsideTheMainWindowKeepsItsOwnSection)
{
    const TLanguageFiles files({Dir});
    ASSERT_TRUE(ApplyLanguage(files, "English", W.Main.get()));
    EXPECT_EQ(CaptionOf(Find(W.Main.get(), "MainLabel")), "Ready");
    EXPECT_EQ(CaptionOf(Find(W.SetText, "OK_BM")), U("确   定"));
    EXPECT_EQ(W.SetText->windowTitle(), U("文字属性"));
    EXPECT_NE(W.SetText->font().family(), "TestFace");
    EXPECT_FALSE(W.SetText->testAttribute(Qt::WA_SetFont));
}

TEST_F(LanguageApplier, TitlesAndFontsOnlyForTheWindowsThatTakeThem)
{
    ApplyEverywhere("English");
    EXPECT_EQ(W.SetText->windowTitle(), "Text properties");
    EXPECT_EQ(W.SetPrint->windowTitle(), "Label stock");
    EXPECT_EQ(W.Main->windowTitle(), U("Tessarine 标签排版设计[未定标题]"));
    EXPECT_EQ(W.Tools->windowTitle(), U("工具"));

    EXPECT_EQ(W.Main->font().family(), "TestFace");
    EXPECT_EQ(W.SetText->font().family(), "TestFace");
    EXPECT_EQ(W.SetPrint->font().family(), "TestFace");
    EXPECT_EQ(W.Tools->font().family(), "OriginalFace");
}

struct TListCase
{
    const char* Window;
    const char* Control;
    QStringList Items;
    int Selected;
};

TEST_F(LanguageApplier, ItemListsAreRebuiltFromTheirKeys)
{
    ApplyEverywhere("English");
    const TListCase cases[] = {
        // Missing keys keep the item that stood there; beyond the old items, the list's first item.
        {"SetText", "SetSerialType", {"Number", "Letter", U("文字和数字"), "Number", "Number", "Number"}, 2},
        {"SetText", "DataSourcBox", {"Excel", "dBase", "Access", "ODBC", "SQLite", "PostgreSQL"}, 0},
        // Beyond the old items, empty; the selection stays.
        {"SetText", "TypeKind", {"t1", "Code 39", "t3", "", "", ""}, 1},
        {"SetText", "AboveOrUnder", {"Above", U("下")}, 0},
        {"SetText", "StrLeftOrRight", {"Left", "Right"}, 1},
        {"SetText", "IncDec", {"Up", "Down"}, 0},               // a button added
        {"SetText", "BrushArea", {"Up", "Down"}, 0},            // the surplus button removed
        {"SetText", "GetFileGroup", {U("文件"), U("数据")}, 1}, // no key in the file: untouched
        // The printer group had no items: a missing key gives its caption.
        {"SetPrint", "SetPrint_PLGroup", {"Printer list", "Printers"}, 0},
        {"SetPrint", "SetPrint_Postion_LB", {"Printer list", "", "Third"}, 0},
        {"SetPrint", "SetPrint_Postion_LCR", {U("左"), U("中"), U("右")}, 2},
    };
    for (const TListCase& c : cases) {
        QObject* window =
            c.Window == QLatin1String("SetText") ? static_cast<QObject*>(W.SetText) : W.SetPrint.get();
        QObject* control = Find(window, c.Control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ItemsOf(control), c.Items) << c.Control;
        EXPECT_EQ(SelectedOf(control), c.Selected) << c.Control;
    }
}

TEST_F(LanguageApplier, AddedRadioButtonsJoinTheGroupsLayoutAndRemovedOnesAreGone)
{
    auto* incDec = qobject_cast<QGroupBox*>(Find(W.SetText, "IncDec"));
    auto* brush = qobject_cast<QGroupBox*>(Find(W.SetText, "BrushArea"));
    ASSERT_TRUE(incDec && brush);
    W.SetText->show();
    ApplyEverywhere("English");
    const QList<QRadioButton*> added = RadioButtons(incDec);
    ASSERT_EQ(added.size(), 2);
    EXPECT_GE(incDec->layout()->indexOf(added[1]), 0);
    EXPECT_TRUE(added[1]->isVisible());
    EXPECT_EQ(brush->layout()->count(), 2);
    // Still one exclusive group: checking the second unchecks the first.
    added[1]->click();
    EXPECT_FALSE(added[0]->isChecked());
    W.SetText->hide();
}

TEST_F(LanguageApplier, ListenersHearOnlyOfSelectionsThatReallyChange)
{
    auto* source = qobject_cast<QComboBox*>(Find(W.SetText, "DataSourcBox"));
    auto* serial = qobject_cast<QComboBox*>(Find(W.SetText, "SetSerialType"));
    ASSERT_TRUE(source && serial);
    QSignalSpy sourceSpy(source, &QComboBox::currentIndexChanged);
    QSignalSpy serialSpy(serial, &QComboBox::currentIndexChanged);
    ApplyEverywhere("English");
    ASSERT_EQ(sourceSpy.count(), 1);
    EXPECT_EQ(sourceSpy.front().front().toInt(), 0);
    EXPECT_EQ(serialSpy.count(), 0);
}

// Everything the windows show, to compare before and after.
QStringList Snapshot(const TWindows& w)
{
    QStringList lines;
    for (QObject* window : w.All()) {
        auto* widget = qobject_cast<QWidget*>(window);
        lines << window->objectName() + " title " + widget->windowTitle() + " font " +
                     widget->font().family();
        for (QObject* child : window->findChildren<QObject*>()) {
            const QString name = child->objectName();
            if (name.isEmpty() || name.startsWith("qt_"))
                continue;
            if (qobject_cast<QAbstractButton*>(child) || qobject_cast<QLabel*>(child) ||
                qobject_cast<QGroupBox*>(child) || qobject_cast<QMenu*>(child) ||
                qobject_cast<QAction*>(child) || TabsOf(qobject_cast<QWidget*>(child)))
                lines << name + " = " + CaptionOf(child);
            lines << name + " items " + ItemsOf(child).join('|') + " @" + QString::number(SelectedOf(child));
        }
    }
    return lines;
}

TEST_F(LanguageApplier, AMissingLanguageFileChangesNothing)
{
    const QStringList before = Snapshot(W);
    ASSERT_GT(before.size(), 30);
    const TLanguageFiles files({Dir});
    for (QObject* window : W.All())
        EXPECT_FALSE(ApplyLanguage(files, "Klingon", window));
    EXPECT_EQ(Snapshot(W), before);
}

TEST_F(LanguageApplier, AnEmptyFileChangesNothing)
{
    WriteLanguage(Dir, "Empty", "");
    const QStringList before = Snapshot(W);
    ApplyEverywhere("Empty");
    EXPECT_EQ(Snapshot(W), before);
}

TEST_F(LanguageApplier, AnEmptyFontKeepsTheFace)
{
    WriteLanguage(Dir, "NoFace", "[Style]\nFont=\n[Main]\nMainLabel=Ready\n");
    ApplyEverywhere("NoFace");
    EXPECT_EQ(W.Main->font().family(), "OriginalFace");
    EXPECT_EQ(CaptionOf(Find(W.Main.get(), "MainLabel")), "Ready");
}

TEST_F(LanguageApplier, ChineseFileRestoresTheChineseCaptions)
{
    ApplyEverywhere("English");
    WriteLanguage(Dir, U("简体中文"),
                  U("[Style]\nFont=宋体\n[SetText]\nSetText=文字属性\nOK_BM=确   定\n"
                    "SetSerialType1=数字\nSetSerialType2=文字\nSetSerialType3=文字和数字\n"));
    ApplyEverywhere(U("简体中文"));
    EXPECT_EQ(W.SetText->windowTitle(), U("文字属性"));
    EXPECT_EQ(CaptionOf(Find(W.SetText, "OK_BM")), U("确   定"));
    EXPECT_EQ(W.SetText->font().family(), U("宋体"));
    EXPECT_EQ(ItemsOf(Find(W.SetText, "SetSerialType")).mid(0, 3),
              QStringList({U("数字"), U("文字"), U("文字和数字")}));
}

TEST_F(LanguageApplier, WindowsWithoutANameOrSectionAreLeftAlone)
{
    QWidget anonymous;
    auto* label = new QLabel("kept", &anonymous);
    label->setObjectName("MainLabel");
    const TLanguageFiles files({Dir});
    EXPECT_TRUE(ApplyLanguage(files, "English", &anonymous));
    EXPECT_EQ(label->text(), "kept");
    EXPECT_TRUE(ApplyLanguage(files, "English", nullptr)); // the file exists; nothing to apply to
}

} // namespace
