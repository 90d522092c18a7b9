#include "app/database/database.h"
#include "app/designer/mainwindow.h"
#include "app/dialogs/aboutbox.h"
#include "app/dialogs/barcodepdf417.h"
#include "app/dialogs/fileinformation.h"
#include "app/dialogs/imagelibrary.h"
#include "app/dialogs/setimage.h"
#include "app/dialogs/setbar.h"
#include "app/dialogs/setobject.h"
#include "app/dialogs/settext.h"
#include "app/designer/workarea.h"
#include "app/print/setprint.h"
#include "app/settings/languageapplier.h"
#include "app/settings/profile.h"
#include "app/settings/setsystem.h"

#include "document/design.h"
#include "document/labelfile.h"
#include "document/rulerpanel.h"

#include "support/testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::TempDir;
using tessarine::test::WriteFile;

namespace {

// A main window whose questions are answered by the test.
struct Window
{
    TMain main;
    QStringList warnings;
    QString openName;
    QString saveName;
    QString pictureName;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QStringList questions;

    Window()
    {
        main.Warn = [this](const QString& text) { warnings.append(text); };
        main.Ask = [this](const QString& text, QMessageBox::StandardButtons) {
            questions.append(text);
            return answer;
        };
        main.AskOpenFileName = [this] { return openName; };
        main.AskSaveFileName = [this] { return saveName; };
        main.AskPictureFileName = [this] { return pictureName; };
        main.resize(1200, 800);
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    TDesign* Surface() { return main.Design(); }
    TDesignDocument& Doc() { return main.Document(); }

    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(Surface(), Qt::LeftButton, modifiers, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(Surface(), from + (to - from) * step / 4);
        QTest::mouseRelease(Surface(), Qt::LeftButton, modifiers, to);
    }
    void Click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Surface(), Qt::LeftButton, modifiers, at);
    }
    void Tool(const char* menuItem) { main.Action(QString::fromUtf8(menuItem))->trigger(); }
};

} // namespace

TEST(MainWindow, StartsUntitledWithItsPanelsAndDisabledCommands)
{
    Window w;
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("Tessarine 标签排版设计[未定标题]"));
    // The page setup names the current printer and the label size in the first two.
    const QStringList panels = {"打印机型号:", "标签尺寸:", "XY", "未使用数据库", "就绪"};
    for (int i = 0; i < panels.size(); ++i)
        EXPECT_TRUE(w.main.StatusPanel(i)->text().startsWith(panels[i])) << i;
    EXPECT_EQ(w.main.StatusPanel(1)->text(), QStringLiteral("标签尺寸:65.0 * 90.0 毫米"));
    for (const char* name : {"Cut", "CopyObj", "DelObj", "ShowObjectOp", "AlignLeft", "RightRotate", "Main_Menu_PDF417"})
        EXPECT_FALSE(w.main.Action(QString::fromUtf8(name))->isEnabled()) << name;
    EXPECT_EQ(w.Doc().SnapPixels(), 1);
    EXPECT_EQ(w.Doc().EditALeft, 0);
    EXPECT_EQ(w.Surface()->pos(), QPoint(3, 3)); // (25, 25) of the work area
    EXPECT_EQ(static_cast<QComboBox*>(w.main.FormatControl("WordSize"))->currentText(), QStringLiteral("16"));
    EXPECT_FALSE(w.main.DataGrid()->isVisible());
    w.main.Action("Main_Menu_ShowDGrid")->trigger();
    EXPECT_TRUE(w.main.DataGrid()->isVisible());
}

TEST(MainWindow, CreatesObjectsWithTheMouseAndFollowsTheSelection)
{
    Window w;
    w.Tool("Main_Menu_CreateRectangle");
    w.Drag({40, 40}, {200, 120});
    ASSERT_EQ(w.Doc().ShapeCount(), 1);
    EXPECT_EQ(w.Doc().Shapes[0]->ClassName(), QStringLiteral("TKWZRectangle"));
    EXPECT_FALSE(w.main.Action("DelObj")->isEnabled()); // the bars follow the next press
    w.Click({100, 80});
    EXPECT_TRUE(w.main.Action("DelObj")->isEnabled());
    EXPECT_TRUE(w.main.StatusPanel(2)->text().endsWith(QStringLiteral(" 毫米")));

    static_cast<QLineEdit*>(w.main.FormatControl("InText"))->setText(QStringLiteral("价格标签"));
    w.Tool("Main_Menu_CreateText");
    w.Click({300, 200});
    ASSERT_EQ(w.Doc().ShapeCount(), 2);
    const TShapePtr text = w.Doc().Shapes[1];
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("价格标签"));
    EXPECT_EQ(text->Info.WordInfo.Height, 21); // 16 points
    EXPECT_TRUE(w.main.FormatControl("BoldButton")->isEnabled()); // a text shows the format bar

    w.Tool("Main_Menu_CreateLine");
    w.Drag({40, 300}, {300, 300});
    EXPECT_EQ(w.Doc().Shapes.last()->ClassName(), QStringLiteral("TKWZLine"));
    EXPECT_EQ(w.Surface()->MouseMode, 2); // back to selecting
}

TEST(MainWindow, PicturesComeFromTheFileDialog)
{
    Window w;
    const QString dir = TempDir();
    QImage picture(60, 40, QImage::Format_RGB888);
    picture.fill(Qt::green);
    w.pictureName = dir + QStringLiteral("/logo.jpg");
    ASSERT_TRUE(picture.save(w.pictureName, "JPEG"));
    w.Tool("Main_Menu_CreateImage");
    w.Click({100, 100});
    ASSERT_EQ(w.Doc().ShapeCount(), 1);
    EXPECT_EQ(w.Doc().Shapes[0]->Points[1], QPoint(160, 140));

    const QString bmpNamedJpg = dir + QStringLiteral("/really-a-bitmap.jpg");
    ASSERT_TRUE(picture.save(bmpNamedJpg, "BMP"));
    w.pictureName = bmpNamedJpg;
    w.Tool("Main_Menu_CreateImage");
    w.Click({300, 100});
    EXPECT_EQ(w.Doc().ShapeCount(), 2);

    w.pictureName.clear(); // cancelled: nothing stays
    w.Tool("Main_Menu_CreateImage");
    w.Click({300, 300});
    EXPECT_EQ(w.Doc().ShapeCount(), 2);
}

TEST(MainWindow, SelectsMovesNudgesCopiesAndDeletes)
{
    Window w;
    w.Tool("Main_Menu_CreateRectangle");
    w.Drag({40, 40}, {120, 100});
    w.Tool("Main_Menu_CreateEllipse");
    w.Drag({200, 60}, {280, 140});
    const TShapePtr box = w.Doc().Shapes[0];
    const TShapePtr ellipse = w.Doc().Shapes[1];
    w.Click({80, 70});
    EXPECT_EQ(w.Doc().SingleSelected(), box);
    w.Click({240, 100}, Qt::ShiftModifier);
    EXPECT_EQ(w.Doc().SelectionCount(), 2);
    EXPECT_TRUE(w.main.Action("AlignTop")->isEnabled());
    w.main.Action("AlignTop")->trigger();
    EXPECT_EQ(ellipse->Points[0], QPoint(200, 40));

    w.Click({500, 500}); // empty spot
    EXPECT_EQ(w.Doc().SelectionCount(), 0);
    w.Drag({30, 30}, {130, 110}); // rubber band around the rectangle
    EXPECT_EQ(w.Doc().SingleSelected(), box);
    w.Drag({80, 70}, {100, 90}); // move
    EXPECT_EQ(box->Points[0], QPoint(60, 60));
    w.main.setFocus();
    QTest::keyClick(&w.main, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&w.main, Qt::Key_Up);
    EXPECT_EQ(box->Points[0], QPoint(95, 59));

    QTest::keyClick(&w.main, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&w.main, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(w.Doc().ShapeCount(), 3);
    EXPECT_EQ(w.Doc().Shapes[2]->Points[0], QPoint(135, 99));

    w.Click({100, 80});
    QTest::keyClick(&w.main, Qt::Key_Delete);
    EXPECT_EQ(w.Doc().ShapeCount(), 2);
    EXPECT_FALSE(w.main.Action("DelObj")->isEnabled());
}

TEST(MainWindow, ZoomStepsAndItsLowerLimit)
{
    Window w;
    const struct
    {
        void (TMain::*command)();
        double from;
        double to;
    } cases[] = {{&TMain::ZoomIn, 1.0, 0.8}, {&TMain::ZoomOut, 0.4, 0.6}, {&TMain::ZoomOut, 1.0, 1.8},
                 {&TMain::ZoomIn, 2.6, 1.8}, {&TMain::ZoomIn, 0.2, 0.2}, {&TMain::ZoomReset, 3.4, 1.0}};
    for (const auto& c : cases) {
        w.main.WorkArea()->SetZoom(c.from);
        (w.main.*c.command)();
        EXPECT_NEAR(w.Doc().Zoom(), c.to, 1e-9) << c.from;
        EXPECT_NEAR(w.main.WorkArea()->HorizontalRuler()->Zoom(), c.to, 1e-9);
    }
    w.main.WorkArea()->SetZoom(2.0);
    EXPECT_EQ(w.Surface()->size(), QSize(1587, 2245)); // the page at twice the size
}

TEST(MainWindow, SaveAsksForANameOnceThenSavesThere)
{
    Window w;
    const QString dir = TempDir();
    w.Tool("Main_Menu_CreateRectangle");
    w.Drag({40, 40}, {120, 100});
    w.saveName = dir + QStringLiteral("/a");
    w.main.SaveFile();
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/a.KWZ")));
    EXPECT_EQ(w.main.windowTitle(), QStringLiteral("Tessarine 标签排版设计 [") + dir + QStringLiteral("/a]"));
    w.saveName.clear();
    w.Tool("Main_Menu_CreateEllipse");
    w.Drag({200, 40}, {280, 100});
    w.main.SaveFile(); // no dialog now
    TDesignDocument reread;
    TLabelLayout layout;
    TSourceDataBase source;
    ASSERT_TRUE(LoadLabelFile(reread, dir + QStringLiteral("/a.KWZ"), layout, source));
    EXPECT_EQ(reread.ShapeCount(), 2);

    w.saveName = dir + QStringLiteral("/labelKWZ");
    w.main.SaveFileAs();
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/labelKWZ")));
    w.saveName = dir + QStringLiteral("/b.KWZ");
    w.main.SaveFileAs();
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("/b.KWZ")));
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/b.KWZ.KWZ")));

    w.saveName = dir + QStringLiteral("/no/such/dir/c");
    const QString title = w.main.windowTitle();
    w.main.SaveFileAs();
    EXPECT_EQ(w.warnings.last(), QStringLiteral("保存失败!"));
    EXPECT_EQ(w.main.windowTitle(), title);
}

TEST(MainWindow, OpenReportsBadFilesAndReopensGoodOnes)
{
    Window w;
    const QString dir = TempDir();
    const QString good = dir + QStringLiteral("/good.KWZ");
    TDesignDocument doc;
    doc.AddNewShape(doc.CreateShapeForTool(SpRectangle));
    doc.Shapes[0]->AddPoint({1, 1});
    doc.Shapes[0]->AddPoint({9, 9});
    ASSERT_TRUE(SaveLabelFile(doc, good, {}, {QStringLiteral("DSN=x"), QStringLiteral("Select 1")}));
    const QString foreign = dir + QStringLiteral("/foreign.KWZ");
    WriteFile(foreign, QByteArray("\x03\x00\x00\x00" "abc", 7));
    const QString damaged = dir + QStringLiteral("/damaged.KWZ");
    WriteFile(damaged, test::ReadFile(good).left(200));

    w.openName = foreign;
    w.main.OpenFile();
    EXPECT_EQ(w.warnings.last(), foreign + QStringLiteral("文件头破坏."));
    w.openName = damaged;
    w.main.OpenFile();
    EXPECT_EQ(w.warnings.last(), QStringLiteral("File Error!"));
    w.openName = dir + QStringLiteral("/missing.KWZ");
    w.main.OpenFile();
    EXPECT_EQ(w.warnings.last(), QStringLiteral("错误!找不到打开文件!"));
    w.openName = good;
    w.main.OpenFile();
    EXPECT_EQ(w.Doc().ShapeCount(), 1);
    EXPECT_EQ(w.main.Data().CurrentFileName, good);
    EXPECT_EQ(w.main.Settings().ReadDataSource().Sql, QStringLiteral("Select 1"));

    w.main.NewFile();
    EXPECT_EQ(w.Doc().ShapeCount(), 0);
    EXPECT_EQ(w.main.windowTitle(), TMain::kUntitledTitle);
    EXPECT_TRUE(w.main.Data().CurrentFileName.isEmpty());
}

TEST(MainWindow, CommandLineJoinsItsPartsAndRefusesBadFiles)
{
    const QString dir = TempDir() + QStringLiteral("/with blanks");
    QDir().mkpath(dir);
    const QString path = dir + QStringLiteral("/my label.KWZ");
    TDesignDocument doc;
    ASSERT_TRUE(SaveLabelFile(doc, path, {}, {}));
    Window w;
    EXPECT_TRUE(w.main.OpenCommandLine(path.split(QLatin1Char(' '))));
    EXPECT_EQ(w.main.Data().CurrentFileName, path);

    const QString foreign = TempDir() + QStringLiteral("/foreign.KWZ");
    WriteFile(foreign, QByteArray("\x03\x00\x00\x00" "abc", 7));
    Window other;
    EXPECT_FALSE(other.main.OpenCommandLine({foreign}));
    EXPECT_EQ(other.warnings.last(), foreign + QStringLiteral("文件头破坏."));
}

TEST(MainWindow, ClosingAsksAboutPrintingAndSaving)
{
    Window w;
    w.answer = QMessageBox::Cancel;
    EXPECT_FALSE(w.main.close());
    EXPECT_EQ(w.questions.last(), QStringLiteral("是否保存文档"));
    PrintingToPort = true;
    w.answer = QMessageBox::No;
    EXPECT_FALSE(w.main.close()); // No to stopping the printer keeps the window
    EXPECT_EQ(w.questions.last(), QStringLiteral("正在打印中,是否终止打印"));
    PrintingToPort = false;
    EXPECT_TRUE(w.main.close());
}

TEST(MainWindow, FullScreenHidesAndRestoresTheBars)
{
    Window w;
    w.main.Bar("LayerTools")->hide();
    w.main.ToggleFullScreen();
    for (const char* bar : {"StandardTools", "BarFormat", "LayerTools", "TBToolWindow3"})
        EXPECT_FALSE(w.main.Bar(QString::fromUtf8(bar))->isVisible()) << bar;
    w.main.ToggleFullScreen();
    EXPECT_TRUE(w.main.Bar("StandardTools")->isVisible());
    EXPECT_FALSE(w.main.Bar("LayerTools")->isVisible());
}

TEST(MainWindow, TheEnglishLanguageFileTranslatesEveryComponentItNames)
{
    const QString path = QStringLiteral(TESSARINE_SOURCE_DIR "/resources/languages/English.Lga");
    const std::optional<TProfile> profile = TProfile::Load(path);
    ASSERT_TRUE(profile.has_value());
    Window w;
    QObject* setSystem = w.main.SetSystem();
    TDesignDocument doc;
    TImageLibrary library(doc);
    TFileInformation information(doc);
    TAboutBox about(QStringLiteral("Ver3.1"), QStringLiteral("Build 3002"));
    TBarCodePDF417 pdf417(doc);
    const std::pair<QString, QObject*> windows[] = {
        {QStringLiteral("Main"), &w.main},
        {QStringLiteral("SetSystem"), setSystem},
        {QStringLiteral("SetObject"), w.main.SetObjectDialog()},
        {QStringLiteral("SetImage"), w.main.SetImageDialog()},
        {QStringLiteral("SetText"), w.main.SetTextDialog()},
        {QStringLiteral("SetBar"), w.main.SetBarDialog()},
        {QStringLiteral("SetPrint"), w.main.PageSetup()},
        {QStringLiteral("DataBase"), w.main.DatabaseDialog()},
        {QStringLiteral("ImageLibrary"), &library},
        {QStringLiteral("FileInformation"), &information},
        {QStringLiteral("AboutBox"), &about},
        {QStringLiteral("BarCodePDF417"), &pdf417},
    };
    EXPECT_EQ(profile->Sections().size(), int(std::size(windows)) + 1); // and "Style"
    for (const auto& [section, window] : windows) {
        ASSERT_TRUE(profile->HasSection(section)) << section.toStdString();
        for (const QString& key : profile->Keys(section)) {
            // Item keys of the rebuilt lists: key prefix, then the list they fill.
            const std::pair<QString, QString> itemKeys[] = {
                {"DataSourcBox", "DataSourcBox"}, {"SetSerialType", "SetSerialType"}, {"TypeKind", "TypeKind"},
                {"AboveOrUnder", "AboveOrUnder"}, {"FillLRLabel", "StrLeftOrRight"},
                {"GetData", "GetFileGroup"}};
            const bool itemKey = std::any_of(std::begin(itemKeys), std::end(itemKeys), [&](const auto& rule) {
                const QString number = key.mid(rule.first.size());
                return key.startsWith(rule.first) && number.size() == 1 && number[0].isDigit() &&
                       window->findChild<QObject*>(rule.second) != nullptr;
            });
            // Bare numbers name the items of a window's option group.
            const bool groupItem = key.size() == 1 && key[0].isDigit();
            const bool found = itemKey || groupItem || window->objectName() == key ||
                               window->findChild<QObject*>(key) != nullptr;
            EXPECT_TRUE(found) << section.toStdString() << "/" << key.toStdString();
        }
    }
    const std::optional<TLanguage> english = TLanguage::Load(path);
    ASSERT_TRUE(english.has_value());
    english->Apply(&w.main);
    english->Apply(setSystem);
    EXPECT_EQ(w.main.Action("Main_Menu_NewFile")->text(), QStringLiteral("&New          Ctrl+N"));
    EXPECT_EQ(w.main.findChild<QMenu*>(QStringLiteral("Main_Menu_File"))->title(), QStringLiteral("&File"));
    EXPECT_EQ(static_cast<QWidget*>(setSystem)->windowTitle(), QStringLiteral("System Settings"));
}

TEST(MainWindow, DoubleClickOpensTheDialogOfTheKind)
{
    Window w;
    w.Tool("Main_Menu_CreateRectangle");
    w.Drag({40, 40}, {200, 120});
    w.Click({100, 80});
    bool shown = false;
    TObjectInfo loaded;
    QTimer::singleShot(0, [&] {
        shown = w.main.SetObjectDialog()->isVisible();
        loaded = w.main.SetObjectDialog()->EditInfo();
        w.main.SetObjectDialog()->reject();
    });
    QTest::mouseDClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 80));
    EXPECT_TRUE(shown);
    EXPECT_EQ(loaded.Kind, kindBox);
    EXPECT_EQ(w.main.Data().EditInfo.Kind, kindBox);
    EXPECT_EQ(w.Surface()->MouseState, 0);
}

TEST(MainWindow, OpeningALabelConnectsItsDataAndFillsTheObjects)
{
    const QString dir = TempDir();
    const QString database = dir + QStringLiteral("/products.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Products (Name TEXT)")));
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO Products VALUES ('绿茶'), ('红茶'), ('乌龙')")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));

    TDesignDocument doc;
    TShapePtr text = doc.CreateShapeForTool(SpText);
    text->AddPoint({10, 10});
    text->AddPoint({50, 26});
    text->Info.Kind = kindText;
    text->Info.SourceKind = skDatabaseField;
    text->Info.FieldName = QStringLiteral("Name");
    text->Info.WordInfo.Width = 8;
    text->Info.WordInfo.Height = 16;
    doc.AddNewShape(text);
    const QString label = dir + QStringLiteral("/bound.KWZ");
    ASSERT_TRUE(SaveLabelFile(doc, label, {}, {database, QStringLiteral("Select * From [Products]")}));

    Window w;
    w.openName = label;
    w.main.OpenFile();
    ASSERT_EQ(w.Doc().ShapeCount(), 1);
    EXPECT_EQ(w.main.StatusPanel(3)->text(), QStringLiteral("记录号: 1  /3"));
    EXPECT_EQ(w.Doc().Shapes[0]->Info.WordInfo.Text, QStringLiteral("绿茶"));
    w.main.Action("Main_Menu_DBNext")->trigger();
    EXPECT_EQ(w.Doc().Shapes[0]->Info.WordInfo.Text, QStringLiteral("红茶"));
    emit w.Doc().OnMoveDR(true, false);
    EXPECT_EQ(w.main.StatusPanel(3)->text(), QStringLiteral("记录号: 1  /3"));
    ASSERT_NE(w.main.DataGrid()->model(), nullptr);
    EXPECT_EQ(w.main.DataGrid()->model()->rowCount(), 3);
}
