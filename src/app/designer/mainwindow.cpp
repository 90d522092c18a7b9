#include "mainwindow.h"

#include "workarea.h"

#include "app/dialogs/barcodepdf417.h"
#include "app/dialogs/fileinformation.h"
#include "app/dialogs/imagelibrary.h"
#include "app/dialogs/setimage.h"
#include "app/dialogs/setbar.h"
#include "app/dialogs/setobject.h"
#include "app/dialogs/settext.h"
#include "app/dialogs/tools.h"
#include "app/settings/setsystem.h"
#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "document/design.h"
#include "document/rulerpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QToolBar>
#include <QToolButton>

namespace tessarine {

const QString TMain::kUntitledTitle = QStringLiteral("Tessarine 标签排版设计[未定标题]");

namespace {

constexpr double kMinimumZoom = 0.2;

// Sizes offered by the size box; the window selects "16".
const QStringList kFontSizes = {"4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "14", "16",
                                "18", "20", "22", "24", "26", "28", "36", "48", "72", "96", "135"};

struct TMenuItem
{
    const char* name;
    const char* caption;
    void (TMain::*slot)();
};

struct TMenu
{
    const char* name;
    const char* caption;
    std::vector<TMenuItem> items;
};

} // namespace

TMain::TMain(QWidget* parent)
    : QMainWindow(parent), m_workArea(new TWorkArea), m_dataGrid(new QTableView), m_dataModule(new TKWZDataModule(this))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(kUntitledTitle);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    setFont(font);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_workArea, 1);
    m_dataGrid->setObjectName(QStringLiteral("ShowDBGrid"));
    m_dataGrid->setMinimumHeight(140);
    m_dataGrid->hide();
    column->addWidget(m_dataGrid);
    setCentralWidget(central);

    Warn = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
    Ask = [this](const QString& text, QMessageBox::StandardButtons buttons) {
        return QMessageBox::question(this, windowTitle(), text, buttons);
    };

    TDesignDocument& doc = Document();
    doc.EditALeft = 0;
    doc.EditATop = 0;
    doc.SetColorOfBackGround(clBackground);
    doc.SetSnapPixels(1);

    BuildMenus();
    BuildToolBars();
    BuildStatusBar();
    BuildPopupMenu();
    BuildShortcuts();
    BuildDialogs();
    ConnectDesign();
    ConnectData();
    ConnectPrinting();
    DisableInitialCommands();
    m_settings.LoadSystemSettings(m_data);
    ReconnectDataSource();
}

TMain::~TMain() = default;

TDesign* TMain::Design() const
{
    return m_workArea->Design();
}

TDesignDocument& TMain::Document() const
{
    return m_workArea->Design()->Document();
}

QToolBar* TMain::Bar(const QString& objectName) const
{
    return findChild<QToolBar*>(objectName);
}

QWidget* TMain::FormatControl(const QString& objectName) const
{
    return m_formatControls.value(objectName);
}

QAction* TMain::MakeAction(const QString& name, const QString& caption, void (TMain::*slot)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    m_actions.insert(name, action);
    return action;
}

void TMain::BuildMenus()
{
    using M = TMain;
    const std::vector<TMenu> menus = {
        {"Main_Menu_File", " 文件(&F) ",
         {{"Main_Menu_NewFile", "新建(&N)   Ctrl + N", &M::NewFile},
          {"Main_Menu_OpenFile", "打开 (&O)  Ctrl + O", &M::OpenFile},
          {"Main_Menu_SaveFile", "保存 (&S)   Ctrl + S", &M::SaveFile},
          {"Main_Menu_OtherSaveFile", "另存为... (&A)   Ctrl + A", &M::SaveFileAs},
          {nullptr, nullptr, nullptr},
          {"Main_Menu_SetLabel", "标签纸设置(&S)Ctrl +S", nullptr},
          {"Main_Menu_Preview", "打印预览(&V)   Ctrl + V", nullptr},
          {"Main_Menu_Print", "打印 (&P)          Ctrl + P", nullptr},
          {nullptr, nullptr, nullptr},
          {"Main_Menu_SendEmail", "Email发送", nullptr},
          {"SysExit", "退 出 (&X)          Ctrl + X", nullptr}}},
        {"Main_Menu_Edit", " 编辑(&E)",
         {{"Main_Menu_Undo", "取消(&Z)  Ctrl + Z", nullptr},
          {"Main_Menu_Repeat", "重复(&Y)  Ctrl + Y", nullptr},
          {nullptr, nullptr, nullptr},
          {"Main_Menu_Cut", "剪切 (&X)  Ctrl + X", nullptr},
          {"Main_Menu_Copy", "复制 (&C)  Ctrl + C", nullptr},
          {"Main_Menu_Paste", "粘贴 (&V)  Ctrl + V", nullptr},
          {"Main_Menu_DelObjItem", "删除(D)  Ctrl + D", &M::DeleteSelected},
          {nullptr, nullptr, nullptr},
          {"Main_Menu_ShowObjectOpItem", "属性      Alt + Enter", &M::ShowPropertyDialogs},
          {"Main_Menu_ToBack", "下移层(&N)", nullptr},
          {"Main_Menu_ToFront", "下移层(&N)", nullptr}}},
        {"Main_Menu_View", " 视图(&V) ",
         {{"Main_Menu_Views", "全屏显示(&U)  Ctrl + U", &M::ToggleFullScreen},
          {"Main_Menu_SpacePage", "版面(&W)        Ctrl + W", nullptr},
          {"Main_Menu_MessageBar", "状态栏(&S)      Ctrl + S", nullptr},
          {"Main_Menu_ShowDGrid", "显示数据表(&D) Ctrl + D", nullptr}}},
        {"Main_Menu_Tools", " 工具(&T) ",
         {{"Main_Menu_CreateText", "文字(&T)", nullptr},
          {"Main_Menu_CreateLinesText", "文本(&S)", nullptr},
          {"Main_Menu_CreateLine", "线条(&L)", nullptr},
          {"Main_Menu_CreateRectangle", "矩形(&R)", nullptr},
          {"Main_Menu_CreateEllipse", "椭圆(&E)", nullptr},
          {"Main_Menu_CreateBarCode", "条码(&B)", nullptr},
          {"Main_Menu_CreateImage", "图片(&I)", nullptr},
          {"Main_Menu_PDF417", "二维码(&F)", nullptr}}},
        {"Main_Menu_DataBaseMenu", " 数据库(&D)",
         {{"Main_Menu_Database", "数据源(&D) Ctrl + D", nullptr},
          {"Main_Menu_QueryData", "查询数据", nullptr},
          {"Main_Menu_Op", "操作数据库", nullptr},
          {"Main_Menu_FindLoacd", "记录定位(&F) Ctrl + F", nullptr},
          {"Main_Menu_FindKey", "关键字查找(&F) Ctrl + W", nullptr},
          {"Main_Menu_DBFirst", "第一条记录", nullptr},
          {"Main_Menu_DBNext", "下一条记录", nullptr},
          {"Main_Menu_DBPrior", "上一条记录", nullptr},
          {"Main_Menu_DBLast", "最后一条记录", nullptr},
          {"Main_Menu_DBRoll", "自动滚动信息", nullptr}}},
        {"Main_Menu_Settings", " 设置(&S) ", {{"Main_Menu_SetSystem", "系统设置(&S)", nullptr}}},
        {"Main_Menu_HelpMenu", " 帮助(&H)",
         {{"Main_Menu_Help", "Tessarine帮助(&H)", &M::Help}, {"Main_Menu_About", "关于Tessarine(&A)", &M::About}}},
    };
    for (const TMenu& menu : menus) {
        QMenu* m = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        m->setObjectName(QString::fromUtf8(menu.name));
        for (const TMenuItem& item : menu.items) {
            if (!item.name) {
                m->addSeparator();
                continue;
            }
            m->addAction(MakeAction(QString::fromUtf8(item.name), QString::fromUtf8(item.caption), item.slot));
        }
    }

    // The document-information item sits in a submenu of the file menu.
    QMenu* fileMenu = menuBar()->actions().first()->menu();
    QMenu* documentMenu = new QMenu(QStringLiteral("文档属性"), fileMenu);
    documentMenu->setObjectName(QStringLiteral("Main_Menu_Document"));
    documentMenu->addAction(MakeAction(QStringLiteral("Main_Menu_FileInfo"), QStringLiteral("文档信息"), nullptr));
    fileMenu->insertMenu(Action(QStringLiteral("Main_Menu_SendEmail")), documentMenu);

    // Bar visibility items live in a submenu of the view menu.
    QMenu* viewMenu = menuBar()->actions().at(2)->menu();
    QMenu* barsMenu = new QMenu(QStringLiteral("格式栏"), viewMenu);
    barsMenu->setObjectName(QStringLiteral("Main_Menu_BarFormat"));
    viewMenu->insertMenu(Action(QStringLiteral("Main_Menu_SpacePage")), barsMenu);
    for (auto [name, caption] : {std::pair{"Main_Menu_CommonBar", "常用"}, std::pair{"Main_Menu_FormatBar", "格式"},
                                 std::pair{"Main_Menu_ObjectBar", "属性栏"}, std::pair{"Main_Menu_DatabaseBar", "数据库"}})
        barsMenu->addAction(MakeAction(QString::fromUtf8(name), QString::fromUtf8(caption), nullptr));

    TDesignDocument& doc = Document();
    connect(Action("SysExit"), &QAction::triggered, this, &QWidget::close);
    connect(Action("Main_Menu_SetSystem"), &QAction::triggered, this, [this] { SetSystem()->exec(); });
    connect(Action("Main_Menu_Cut"), &QAction::triggered, this, [&doc] { doc.CutSelection(); });
    connect(Action("Main_Menu_Copy"), &QAction::triggered, this, [&doc] { doc.CopySelection(); });
    connect(Action("Main_Menu_Paste"), &QAction::triggered, this, [&doc] { doc.Paste(); });
    connect(Action("Main_Menu_ToBack"), &QAction::triggered, this, [&doc] { doc.SendToBack(); });
    connect(Action("Main_Menu_ToFront"), &QAction::triggered, this, [&doc] { doc.BringToFront(); });
    Action("Main_Menu_ToFront")->setStatusTip(QStringLiteral("将被选对象向上层移动"));
    connect(Action("Main_Menu_MessageBar"), &QAction::triggered, this,
            [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    const std::pair<const char*, TDrawTool> tools[] = {
        {"Main_Menu_CreateText", SpText},       {"Main_Menu_CreateLinesText", SpLinesText},
        {"Main_Menu_CreateLine", SpRuleLine},   {"Main_Menu_CreateRectangle", SpRectangle},
        {"Main_Menu_CreateEllipse", SpEllipse}, {"Main_Menu_CreateBarCode", SpBarCode},
        {"Main_Menu_CreateImage", SpImage},     {"Main_Menu_PDF417", SpBarCodePDF417},
    };
    for (const auto& entry : tools) {
        const TDrawTool tool = entry.second;
        connect(Action(QString::fromUtf8(entry.first)), &QAction::triggered, this, [this, tool] { SelectTool(tool); });
    }
}

void TMain::BuildToolBars()
{
    QStyle* s = style();
    auto bar = [this](const char* name, const char* caption, Qt::ToolBarArea area) {
        QToolBar* toolBar = new QToolBar(QString::fromUtf8(caption), this);
        toolBar->setObjectName(QString::fromUtf8(name));
        toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        addToolBar(area, toolBar);
        return toolBar;
    };
    auto button = [this](QToolBar* toolBar, const char* name, const QString& text, QAction* repeats = nullptr,
                         const QIcon& icon = {}) {
        QAction* action = repeats ? new QAction(icon, text, this) : MakeAction(QString::fromUtf8(name), text, nullptr);
        if (repeats) {
            action->setObjectName(QString::fromUtf8(name));
            m_actions.insert(action->objectName(), action);
            connect(action, &QAction::triggered, repeats, &QAction::trigger);
        } else {
            action->setIcon(icon);
        }
        toolBar->addAction(action);
        return action;
    };

    QToolBar* standard = bar("StandardTools", "常用", Qt::TopToolBarArea);
    standard->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button(standard, "NewFile", QStringLiteral("新建"), Action("Main_Menu_NewFile"), s->standardIcon(QStyle::SP_FileIcon));
    button(standard, "OpenFile", QStringLiteral("打开"), Action("Main_Menu_OpenFile"),
           s->standardIcon(QStyle::SP_DialogOpenButton));
    button(standard, "SaveFile", QStringLiteral("保存"), Action("Main_Menu_SaveFile"),
           s->standardIcon(QStyle::SP_DialogSaveButton));
    standard->addSeparator();
    button(standard, "SetLabel", QStringLiteral("标签纸设置"), Action("Main_Menu_SetLabel"),
           s->standardIcon(QStyle::SP_FileDialogDetailedView));
    button(standard, "SetPrintDrive", QStringLiteral("打印机设置"), nullptr, s->standardIcon(QStyle::SP_ComputerIcon));
    button(standard, "Print", QStringLiteral("打印"), Action("Main_Menu_Print"), s->standardIcon(QStyle::SP_DriveHDIcon));
    button(standard, "Preview", QStringLiteral("打印预览"), Action("Main_Menu_Preview"),
           s->standardIcon(QStyle::SP_FileDialogContentsView));
    standard->addSeparator();
    button(standard, "Cut", QStringLiteral("剪切"), Action("Main_Menu_Cut"), s->standardIcon(QStyle::SP_DialogDiscardButton));
    button(standard, "CopyObj", QStringLiteral("复制"), Action("Main_Menu_Copy"), s->standardIcon(QStyle::SP_FileLinkIcon));
    button(standard, "Paste", QStringLiteral("粘贴"), Action("Main_Menu_Paste"), s->standardIcon(QStyle::SP_DialogApplyButton));
    button(standard, "DelObj", QStringLiteral("删除"), Action("Main_Menu_DelObjItem"),
           s->standardIcon(QStyle::SP_TrashIcon));
    button(standard, "ShowObjectOp", QStringLiteral("属性"), Action("Main_Menu_ShowObjectOpItem"),
           s->standardIcon(QStyle::SP_FileDialogInfoView));

    QToolBar* page = bar("TBToolWindow2", "版面栏", Qt::TopToolBarArea);
    page->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button(page, "View", QStringLiteral("全屏显示"), Action("Main_Menu_Views"), s->standardIcon(QStyle::SP_TitleBarMaxButton));
    button(page, "Help", QStringLiteral("帮助"), Action("Main_Menu_Help"), s->standardIcon(QStyle::SP_DialogHelpButton));

    QToolBar* format = bar("BarFormat", "格式", Qt::TopToolBarArea);
    BuildFormatBar(format);

    addToolBarBreak(Qt::TopToolBarArea);
    QToolBar* layers = bar("LayerTools", "属性栏", Qt::TopToolBarArea);
    layers->setToolButtonStyle(Qt::ToolButtonTextOnly);
    TDesignDocument& doc = Document();
    connect(button(layers, "LayerUnder", QStringLiteral("置底")), &QAction::triggered, this, [&doc] { doc.SendToBack(); });
    connect(button(layers, "LayerAbove", QStringLiteral("置顶")), &QAction::triggered, this, [&doc] { doc.BringToFront(); });
    connect(button(layers, "AlignBottom", QStringLiteral("底对齐")), &QAction::triggered, this, [&doc] { doc.AlignBottom(); });
    connect(button(layers, "AlignLeft", QStringLiteral("左对齐")), &QAction::triggered, this, [&doc] { doc.AlignLeft(); });
    connect(button(layers, "AlignRight", QStringLiteral("右对齐")), &QAction::triggered, this, [&doc] { doc.AlignRight(); });
    connect(button(layers, "AlignTop", QStringLiteral("顶对齐")), &QAction::triggered, this, [&doc] { doc.AlignTop(); });
    layers->addSeparator();
    connect(button(layers, "RightRotate", QStringLiteral("右旋")), &QAction::triggered, this, [this] { ApplyTextStyle(90); });
    connect(button(layers, "LeftRotate", QStringLiteral("左旋")), &QAction::triggered, this, [this] { ApplyTextStyle(-90); });
    layers->addSeparator();
    connect(button(layers, "ZoomOut", QStringLiteral("放大")), &QAction::triggered, this, &TMain::ZoomOut);
    connect(button(layers, "ZoomIn", QStringLiteral("缩小")), &QAction::triggered, this, &TMain::ZoomIn);
    connect(button(layers, "TeThemeSpeedButton1", QStringLiteral("1:1")), &QAction::triggered, this, &TMain::ZoomReset);
    layers->addSeparator();
    button(layers, "InsertImage", QStringLiteral("图库"));

    QToolBar* database = bar("TBToolWindow3", "数据数据栏", Qt::TopToolBarArea);
    database->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button(database, "M_Database", QStringLiteral("数据源"), Action("Main_Menu_Database"));
    button(database, "M_DataRoll", QStringLiteral("滚动"), Action("Main_Menu_DBRoll"));
    button(database, "M_DbGrid", QStringLiteral("数据表"), Action("Main_Menu_ShowDGrid"));
    button(database, "M_FindKey", QStringLiteral("查找"), Action("Main_Menu_FindKey"));
    button(database, "M_FindLocad", QStringLiteral("定位"), Action("Main_Menu_FindLoacd"));

    const std::pair<const char*, const char*> barItems[] = {{"Main_Menu_CommonBar", "StandardTools"},
                                                            {"Main_Menu_FormatBar", "BarFormat"},
                                                            {"Main_Menu_ObjectBar", "LayerTools"},
                                                            {"Main_Menu_DatabaseBar", "TBToolWindow3"}};
    for (const auto& [item, barName] : barItems) {
        QToolBar* toolBar = Bar(QString::fromUtf8(barName));
        connect(Action(QString::fromUtf8(item)), &QAction::triggered, this,
                [toolBar] { toolBar->setVisible(!toolBar->isVisible()); });
    }
}

void TMain::BuildFormatBar(QToolBar* format)
{
    auto toggle = [this, format](const char* name, const QString& text, bool bold = false, bool italic = false,
                                 bool underline = false) {
        auto* b = new QToolButton(format);
        b->setObjectName(QString::fromUtf8(name));
        b->setText(text);
        b->setCheckable(true);
        QFont f = b->font();
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        b->setFont(f);
        format->addWidget(b);
        m_formatControls.insert(b->objectName(), b);
        connect(b, &QToolButton::clicked, this, [this] {
            TakeStyleFromBar();
            ApplyTextStyle(0);
        });
        return b;
    };
    toggle("BoldButton", QStringLiteral("B"), true);
    toggle("ItalicButton", QStringLiteral("I"), false, true);
    toggle("UnderlineButton", QStringLiteral("U"), false, false, true);
    format->addSeparator();
    toggle("TextLeft", QStringLiteral("左"));
    toggle("TextCenter", QStringLiteral("中"));
    toggle("TextRight", QStringLiteral("右"));
    format->addSeparator();

    m_fontBox = new QComboBox(format);
    m_fontBox->setObjectName(QStringLiteral("Wordclass"));
    m_fontBox->addItems(QFontDatabase::families());
    if (m_fontBox->findText(QStringLiteral("宋体")) < 0)
        m_fontBox->insertItem(0, QStringLiteral("宋体"));
    m_fontBox->setCurrentText(QStringLiteral("宋体"));
    m_fontBox->setMinimumContentsLength(10);
    format->addWidget(m_fontBox);
    m_formatControls.insert(m_fontBox->objectName(), m_fontBox);
    connect(m_fontBox, &QComboBox::currentTextChanged, this, [this](const QString& face) {
        // A change made while following the selection only arms the box.
        if (!m_fontBoxApplies) {
            m_fontBoxApplies = true;
            return;
        }
        Document().TextStyle.FontName = face;
        ApplyTextStyle(0);
    });

    m_sizeBox = new QComboBox(format);
    m_sizeBox->setObjectName(QStringLiteral("WordSize"));
    m_sizeBox->setEditable(true);
    m_sizeBox->addItems(kFontSizes);
    m_sizeBox->setCurrentIndex(10);
    m_sizeBox->setMinimumContentsLength(3);
    format->addWidget(m_sizeBox);
    m_formatControls.insert(m_sizeBox->objectName(), m_sizeBox);
    connect(m_sizeBox, &QComboBox::textActivated, this, [this] {
        TakeStyleFromBar();
        ApplyTextStyle(0);
    });

    m_inText = new QLineEdit(QStringLiteral("请输入内容"), format);
    m_inText->setObjectName(QStringLiteral("InText"));
    m_inText->setMinimumWidth(160);
    format->addWidget(m_inText);
    m_formatControls.insert(m_inText->objectName(), m_inText);
    m_sizeBox->installEventFilter(this);
    m_inText->installEventFilter(this);
}

void TMain::BuildStatusBar()
{
    const struct
    {
        const char* text;
        int width;
        Qt::Alignment alignment;
    } panels[] = {{"打印机型号:", 220, Qt::AlignLeft}, {"标签尺寸:", 160, Qt::AlignLeft}, {"XY", 110, Qt::AlignLeft},
                  {"未使用数据库", 150, Qt::AlignRight}, {"就绪", 50, Qt::AlignCenter}};
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(QString::fromUtf8(panels[i].text), bar);
        label->setMinimumWidth(panels[i].width);
        label->setAlignment(panels[i].alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::StyledPanel);
        bar->addPermanentWidget(label, i == 4 ? 1 : 0);
        m_panels.insert(i, label);
    }
    // Hints of the control under the pointer go to the last panel.
    connect(bar, &QStatusBar::messageChanged, this, [this](const QString& hint) {
        m_panels[4]->setText(hint.isEmpty() ? QStringLiteral("就绪") : hint);
    });
}

void TMain::BuildPopupMenu()
{
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    TDesignDocument& doc = Document();
    const struct
    {
        const char* name;
        const char* caption;
        std::function<void()> run;
    } items[] = {
        {"PopUp_Cut", "剪切 (&X)  Ctrl + X", [&doc] { doc.CutSelection(); }},
        {"PopUp_Copy", "复制 (&C)  Ctrl + C", [&doc] { doc.CopySelection(); }},
        {"PopUp_Paste", "粘贴 (&V)  Ctrl + V", [&doc] { doc.Paste(); }},
        {"PopUp_DelObj", "删除(D)  Ctrl + D", [this] { DeleteSelected(); }},
        {"PopUp_Lock", "锁住", [&doc] { doc.LockShape(doc.SingleSelected()); }},
        {"PopUp_UnLock", "解锁", [&doc] { doc.UnlockShape(doc.SingleSelected()); }},
        {"PopUp_NPrintObj", "打印对象", [&doc] { doc.IncludeInPrint(doc.SingleSelected()); }},
        {"PopUp_YPrintObj", "不打印对象", [&doc] { doc.ExcludeFromPrint(doc.SingleSelected()); }},
        {"PopUpObjOp", "属性... Alt + Enter", [this] { ShowPropertyDialogs(); }},
        {"N61", "标签设置", {}},
        {"N62", "打印", {}},
    };
    for (const auto& item : items) {
        QAction* action = MakeAction(QString::fromUtf8(item.name), QString::fromUtf8(item.caption), nullptr);
        if (item.run)
            connect(action, &QAction::triggered, this, item.run);
        m_popup->addAction(action);
    }
    Design()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Design(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        // A right release that ends a polygon is no request for the menu.
        if (Design()->MouseMode == 2 && Design()->MouseState == 0)
            m_popup->popup(Design()->mapToGlobal(at));
    });
}

void TMain::BuildShortcuts()
{
    // Application-wide, not desktop-wide: other programs keep their own Ctrl+C, Ctrl+V and Esc.
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_X), [this] { Document().CutSelection(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_C), [this] { Document().CopySelection(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_V), [this] { Document().Paste(); }},
        {QKeySequence(Qt::ALT | Qt::Key_Return), [this] { ShowPropertyDialogs(); }},
        {QKeySequence(Qt::ALT | Qt::Key_Enter), [this] { ShowPropertyDialogs(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_P), [this] { Action("Main_Menu_Print")->trigger(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_S), [this] { SaveFile(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_W), [this] { Action("Main_Menu_SetLabel")->trigger(); }},
        {QKeySequence(Qt::Key_Escape), [] {
             for (QWidget* window : QApplication::topLevelWidgets())
                 if (window->isModal() && window->isVisible())
                     window->close();
         }},
        {QKeySequence(Qt::Key_F1), [this] { Help(); }},
    };
    for (const auto& [sequence, run] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, run);
    }
}

void TMain::BuildDialogs()
{
    TDesignDocument& doc = Document();
    m_setObject = new TSetObject(this);
    m_setImage = new TSetImage(this);
    m_setText = new TSetText(doc, *m_dataModule, this);
    m_setBar = new TSetBar(doc, *m_dataModule, this);
    m_pdf417 = new TBarCodePDF417(doc, this);
    auto apply = [this](int index, const TObjectInfo& info) { Document().SetObjectInfo(index, info); };
    connect(m_setObject, &TSetObject::ObjectInfoAccepted, this, apply);
    connect(m_setImage, &TSetImage::ObjectInfoAccepted, this, apply);
    m_tools = new TTools(doc, this);
    connect(m_tools, &TTools::ToolChosen, this, [this](TDrawTool tool) { Design()->SetShapeTool(tool); });
    connect(m_tools, &TTools::LeaveFullScreenRequested, this, &TMain::ToggleFullScreen);
    connect(Action("Main_Menu_FileInfo"), &QAction::triggered, this, [this] { TFileInformation(Document(), this).exec(); });
    connect(Action("InsertImage"), &QAction::triggered, this, [this] { TImageLibrary(Document(), this).exec(); });
    doc.OnShowBarCodePDF417Frm = [this] {
        m_pdf417->exec();
        return true;
    };
    doc.OnShowBarCodeFrm = [this] {
        m_setBar->LoadNewBarcode();
        m_data.EditInfo = m_setBar->EditInfo();
        m_setBar->exec();
        m_data.EditInfo = m_setBar->EditInfo();
        return true;
    };
    doc.OnShowSetObjFrm = [this](TObjectInfo& record) {
        ShowObjectDialog(record);
        return true;
    };
}

void TMain::ShowObjectDialog(TObjectInfo& record)
{
    // The shape dialog fills its boxes from the record; the others read EditInfo whole.
    m_data.EditInfo = record;
    switch (record.Kind) {
    case kindBox:
    case kindLine:
        m_setObject->Load(record);
        m_setObject->exec();
        break;
    case kindImage:
        m_setImage->Load(record);
        m_setImage->exec();
        break;
    case kindText:
    case kindLinesText:
        m_setText->SetImportVisible(record.Kind == kindLinesText);
        m_setText->Load(record);
        m_setText->exec();
        m_data.EditInfo = m_setText->EditInfo();
        break;
    case kindBarCode:
        m_setBar->Load(record);
        m_setBar->exec();
        m_data.EditInfo = m_setBar->EditInfo();
        break;
    default: break;
    }
}

void TMain::ConnectDesign()
{
    TDesign* design = Design();
    TDesignDocument& doc = Document();
    design->SetLabelValue(m_panels.value(4));
    connect(&doc, &TDesignDocument::OnShowMouseMoveXY, this, [this](const QString& text) { m_panels[2]->setText(text); });
    connect(&doc, &TDesignDocument::OnActionToolToSelecting, this, [this] { Design()->SetShapeTool(SpSelecting); });
    connect(&doc, &TDesignDocument::OnInsertImage, this,
            [this](int32_t, int32_t shapeId, TMyShape*, int32_t) { InsertPicture(shapeId); });
    doc.OnAddText = [this] {
        TLogText& style = Document().TextStyle;
        style.Text = m_inText->text().isEmpty() ? QStringLiteral("0123456789") : m_inText->text();
        style.FontName = m_fontBox->currentText();
        style.Underline = static_cast<QToolButton*>(FormatControl("UnderlineButton"))->isChecked();
        style.Italic = static_cast<QToolButton*>(FormatControl("ItalicButton"))->isChecked();
        style.Weight = static_cast<QToolButton*>(FormatControl("BoldButton"))->isChecked() ? 900 : 400;
        bool ok = false;
        const int size = m_sizeBox->currentText().toInt(&ok);
        if (ok && size > 0)
            style.Height = size;
        return true;
    };
    design->OnShowSetBar = [this](bool showBar, bool setObjectBar, bool objectDel, bool, bool, bool rotate, bool align,
                                  TLogText& word, bool locked, bool noPrint) {
        ShowSetBar(showBar, setObjectBar, objectDel, rotate, align, word, locked, noPrint);
    };
}

void TMain::DisableInitialCommands()
{
    for (const char* name : {"Cut", "CopyObj", "DelObj", "ShowObjectOp", "AlignBottom", "AlignLeft", "AlignRight",
                             "AlignTop", "RightRotate", "LeftRotate", "PopUp_Cut", "PopUp_Copy", "PopUp_DelObj",
                             "PopUp_Lock", "PopUp_UnLock", "PopUpObjOp", "PopUp_YPrintObj", "Main_Menu_PDF417"})
        Action(QString::fromUtf8(name))->setEnabled(false);
    for (const char* name : {"BoldButton", "ItalicButton", "UnderlineButton", "Wordclass", "WordSize"})
        FormatControl(QString::fromUtf8(name))->setEnabled(false);
}

void TMain::ShowSetBar(bool showBar, bool setObjectBar, bool objectDel, bool rotate, bool align, const TLogText& word,
                       bool locked, bool noPrint)
{
    for (QWidget* control : std::as_const(m_formatControls))
        control->setEnabled(showBar || control == m_inText);
    if (showBar) {
        m_fontBoxApplies = false;
        if (m_fontBox->findText(word.FontName) >= 0)
            m_fontBox->setCurrentText(word.FontName);
        if (word.Height != 0)
            m_sizeBox->setCurrentText(QString::number(word.Height));
        static_cast<QToolButton*>(FormatControl("BoldButton"))->setChecked(word.Weight == 900);
        static_cast<QToolButton*>(FormatControl("ItalicButton"))->setChecked(word.Italic);
        static_cast<QToolButton*>(FormatControl("UnderlineButton"))->setChecked(word.Underline);
    }
    for (const char* name : {"ShowObjectOp", "Main_Menu_ShowObjectOpItem", "PopUpObjOp"})
        Action(QString::fromUtf8(name))->setEnabled(setObjectBar);
    for (const char* name : {"DelObj", "Main_Menu_DelObjItem", "PopUp_DelObj", "CopyObj", "Main_Menu_Copy",
                             "PopUp_Copy", "Cut", "Main_Menu_Cut", "PopUp_Cut", "PopUp_Lock"})
        Action(QString::fromUtf8(name))->setEnabled(objectDel);
    Action("RightRotate")->setEnabled(rotate);
    Action("LeftRotate")->setEnabled(rotate);
    if (rotate)
        for (const char* name : {"AlignBottom", "AlignLeft", "AlignRight", "AlignTop"})
            Action(QString::fromUtf8(name))->setEnabled(align);
    Action("PopUp_Lock")->setEnabled(!locked);
    Action("PopUp_UnLock")->setEnabled(locked);
    Action("PopUp_YPrintObj")->setEnabled(!noPrint);
    Action("PopUp_NPrintObj")->setEnabled(noPrint);
    Action("InsertImage")->setEnabled(true);
}

void TMain::TakeStyleFromBar()
{
    TLogText& style = Document().TextStyle;
    style.Weight = static_cast<QToolButton*>(FormatControl("BoldButton"))->isChecked() ? 900 : 400;
    style.Italic = static_cast<QToolButton*>(FormatControl("ItalicButton"))->isChecked();
    style.Underline = static_cast<QToolButton*>(FormatControl("UnderlineButton"))->isChecked();
    int alignment = 0;
    for (auto [name, value] : {std::pair{"TextLeft", 0}, std::pair{"TextCenter", 1}, std::pair{"TextRight", 2}})
        if (static_cast<QToolButton*>(FormatControl(QString::fromUtf8(name)))->isChecked())
            alignment = value;
    style.Format = uint32_t(alignment);
    if (!m_sizeBox->currentText().isEmpty()) {
        bool ok = false;
        const int size = m_sizeBox->currentText().toInt(&ok);
        if (!ok || size <= 0) {
            Warn(QStringLiteral("'%1' is not a valid integer value").arg(m_sizeBox->currentText()));
            return;
        }
        style.Height = size;
        style.FontName = m_fontBox->currentText();
    }
}

void TMain::ShowToolPalette()
{
    const QRect work = m_workArea->geometry();
    m_tools->move(mapToGlobal(TTools::PalettePosition(size(), work.top(), work.height())));
    m_tools->show();
}

void TMain::ApplyTextStyle(int angleStep)
{
    Document().ApplyTextStyle(angleStep);
}

TSetSystem* TMain::SetSystem()
{
    if (!m_setSystem)
        m_setSystem = new TSetSystem(m_data, m_settings, TLanguageFiles(), AllWindows, this);
    return m_setSystem;
}

void TMain::SelectTool(int tool)
{
    Design()->SetShapeTool(TDrawTool(tool));
}

void TMain::DeleteSelected()
{
    Document().DeleteSelected();
    Action("DelObj")->setEnabled(false);
    Action("Main_Menu_DelObjItem")->setEnabled(false);
}

void TMain::ShowPropertyDialogs()
{
    Design()->MouseDoubleClick();
    Design()->MouseState = 0;
}

void TMain::InsertPicture(int32_t shapeId)
{
    TDesignDocument& doc = Document();
    const QString path = AskPictureFileName ? AskPictureFileName() : QString();
    if (path.isEmpty()) {
        doc.IsOpenImage = false;
        return;
    }
    // JPEG first, then a bitmap, whatever the file is called.
    QImage picture;
    for (const char* format : {"JPEG", "BMP"}) {
        QImageReader reader(path, format);
        if (reader.read(&picture))
            break;
    }
    if (picture.isNull()) {
        Warn(QStringLiteral("Bitmap image is not valid"));
        doc.IsOpenImage = false;
        return;
    }
    if (doc.SetPicture(shapeId, picture)) {
        doc.IsOpenImage = true;
        doc.ImageSize = picture.size();
    }
}

void TMain::SetZoom(double zoom)
{
    m_workArea->SetZoom(std::max(kMinimumZoom, zoom));
}

void TMain::ZoomOut()
{
    const double zoom = Document().Zoom();
    SetZoom(zoom + (Round(zoom) >= 1 ? 0.8 : 0.2));
}

void TMain::ZoomIn()
{
    const double zoom = Document().Zoom();
    SetZoom(zoom - (Round(zoom) >= 2 ? 0.8 : 0.2));
}

void TMain::ZoomReset()
{
    SetZoom(1.0);
}

void TMain::ToggleFullScreen()
{
    static const char* const kBars[] = {"StandardTools", "BarFormat", "LayerTools", "TBToolWindow3"};
    m_fullScreen = !m_fullScreen;
    m_tools->SetFullScreenMode(m_fullScreen);
    for (int i = 0; i < 4; ++i) {
        QToolBar* toolBar = Bar(QString::fromUtf8(kBars[i]));
        if (m_fullScreen) {
            m_data.SavedBarVisible[i] = toolBar->isVisible();
            toolBar->hide();
        } else {
            toolBar->setVisible(m_data.SavedBarVisible[i]);
        }
    }
    showMaximized();
}

void TMain::keyPressEvent(QKeyEvent* event)
{
    const int amount = (event->modifiers() & Qt::ControlModifier) ? 35 : 1;
    switch (event->key()) {
    case Qt::Key_Up: Design()->Nudge(0, amount); break;
    case Qt::Key_Down: Design()->Nudge(1, amount); break;
    case Qt::Key_Left: Design()->Nudge(2, amount); break;
    case Qt::Key_Right: Design()->Nudge(3, amount); break;
    case Qt::Key_Delete: DeleteSelected(); break;
    default: QMainWindow::keyPressEvent(event); return;
    }
    event->accept();
}

bool TMain::eventFilter(QObject* watched, QEvent* event)
{
    // Delete in the size box or the text box deletes the selected objects as well.
    if ((watched == m_sizeBox || watched == m_inText) && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete)
        Document().DeleteSelected();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tessarine
