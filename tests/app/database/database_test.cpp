#include "app/database/database.h"
#include "app/database/querytable.h"
#include "app/database/recordgrid.h"
#include "data/module/datamodule.h"

#include "support/testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::TempDir;

namespace {

void Tick(QListWidget* list, const QString& text, bool on = true)
{
    const auto items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text.toStdString();
    items.first()->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

// A copy of the goods workbook under the given name.
QString Workbook(const QString& name)
{
    const QString path = TempDir() + QLatin1Char('/') + name;
    QFile::copy(QStringLiteral(TESSARINE_FIXTURES "/data/goods.xls"), path);
    return path;
}

struct DatabaseWindow
{
    TKWZDataModule records;
    TDataBase window{records};
    QStringList warnings;
    QString fileName;

    DatabaseWindow()
    {
        window.AskFileName = [this] { return fileName; };
        window.Warn = [this](const QString& text) { warnings << text; };
    }
    void ChooseWorkbook(const QString& name)
    {
        fileName = Workbook(name);
        window.ChooseFile();
    }
    void SetRow(int k, const QString& field, const QString& op, const QString& value)
    {
        const auto& row = window.ConditionRow(k);
        row.Field->setCurrentText(field);
        row.Operator->setCurrentText(op);
        row.Value->setText(value);
        emit row.Value->editingFinished();
    }
};

TEST(DatabaseWindow, AWorkbookListsItsSheetsAndQuotesThemInTheQuery)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    EXPECT_TRUE(w.window.Connection().endsWith("goods.xls;Extended Properties=Excel 8.0;Persist Security Info=False"));
    EXPECT_TRUE(Entries(w.window.TableList()).contains("Goods$"));
    Tick(w.window.TableList(), "Goods$");
    EXPECT_EQ(Entries(w.window.FieldList()), QStringList({"Goods$.Code", "Goods$.Name", "Goods$.Price", "Goods$.Made"}));
    EXPECT_EQ(w.window.Builder().TablesText(), "Goods$");

    auto* selectAll = w.window.findChild<QPushButton*>("SelectBaseField_BM");
    selectAll->click();
    EXPECT_EQ(selectAll->text(), QStringLiteral("取消选择"));
    EXPECT_EQ(w.window.QueryText(), "SELECT Goods$.Code,Goods$.Name,Goods$.Price,Goods$.Made FROM [Goods$]");
    EXPECT_EQ(Entries(w.window.SortList()).size(), 4);
    selectAll->click();
    EXPECT_EQ(selectAll->text(), QStringLiteral("全选"));
    EXPECT_EQ(w.window.QueryText(), QString());
}

TEST(DatabaseWindow, OkOpensTheFilteredQueryAndHandsBackTheSource)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    Tick(w.window.TableList(), "Goods$");
    Tick(w.window.FieldList(), "Goods$.Name");
    Tick(w.window.FieldList(), "Goods$.Price");
    EXPECT_TRUE(w.window.ConditionRow(1).Row->isHidden());
    w.SetRow(0, "Price", ">", "13");
    EXPECT_FALSE(w.window.ConditionRow(1).Row->isHidden());
    EXPECT_EQ(w.window.QueryText(), "SELECT Goods$.Name,Goods$.Price FROM [Goods$] WHERE Price > '13'");

    QSignalSpy accepted(&w.window, &TDataBase::SourceAccepted);
    QSignalSpy navigator(&w.window, &TDataBase::NavigatorWanted);
    w.window.findChild<QPushButton*>("OK_BM")->click();
    ASSERT_EQ(accepted.size(), 1);
    const auto source = accepted.first().first().value<TSourceDataBase>();
    EXPECT_EQ(source.ODBC, w.window.Connection());
    EXPECT_EQ(source.Sql, w.window.QueryText());
    EXPECT_EQ(navigator.size(), 1);
    ASSERT_TRUE(w.records.IsOpen());
    EXPECT_EQ(w.records.RecordCount(), 2);
}

TEST(DatabaseWindow, QuotesInConditionValuesCannotBreakTheQuery)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    Tick(w.window.TableList(), "Goods$");
    Tick(w.window.FieldList(), "Goods$.Name");
    w.SetRow(0, "Name", "=", "x' OR '1'='1");
    w.window.findChild<QPushButton*>("OK_BM")->click();
    ASSERT_TRUE(w.records.IsOpen()) << w.records.ErrorText().toStdString();
    EXPECT_EQ(w.records.RecordCount(), 0);
}

TEST(DatabaseWindow, CapitalExtensionsTakeThePlainConnectionText)
{
    DatabaseWindow w;
    w.ChooseWorkbook("GOODS.XLS");
    EXPECT_TRUE(w.window.Connection().endsWith("GOODS.XLS;Persist Security Info=False"));
    EXPECT_EQ(w.window.Builder().TableQuoteOpen(), QString());
}

TEST(DatabaseWindow, ACancelledChoiceLeavesEverythingEmpty)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    Tick(w.window.TableList(), "Goods$");
    w.fileName.clear();
    w.window.ChooseFile();
    EXPECT_EQ(w.window.TableList()->count(), 0);
    EXPECT_EQ(w.window.FieldList()->count(), 0);
    EXPECT_EQ(w.window.QueryText(), QString());
}

TEST(DatabaseWindow, StartUpReconnectsTheStoredSource)
{
    DatabaseWindow w;
    const QString path = Workbook("goods.xls");
    const TFileConnection file = TQueryBuilder::ConnectionForFile(path);
    EXPECT_TRUE(w.window.StartUp({file.Connection, "Select * From [Goods$]"}));
    EXPECT_EQ(w.records.RecordCount(), 3);
    EXPECT_EQ(w.window.QueryText(), "Select * From [Goods$]");
    // A broken source is no error to the user at start-up: nothing is open.
    EXPECT_FALSE(w.window.StartUp({TQueryBuilder::ConnectionForFile(path + "-missing.xls").Connection, "Select * From [Goods$]"}));
    EXPECT_FALSE(w.window.StartUp({}));
    EXPECT_FALSE(w.records.IsOpen());
}

TEST(QueryTableWindow, SaysWhenEditsStayInMemory)
{
    TKWZDataModule records;
    const QString path = Workbook("goods.xls");
    ASSERT_TRUE(records.Connect(TQueryBuilder::ConnectionForFile(path).Connection));
    ASSERT_TRUE(records.Open("Select * From [Goods$]"));
    TQueryTable lookup(records);
    EXPECT_EQ(lookup.findChild<QLabel*>("EditNote")->text(), QStringLiteral("修改只作用于内存中的数据, 不写回源文件"));
    ASSERT_TRUE(records.Open("Select * From [Goods$], [价格 表$]"));
    TQueryTable joined(records);
    EXPECT_EQ(joined.findChild<QLabel*>("EditNote")->text(), QStringLiteral("此查询读取多个表, 不能编辑"));
}

TEST(DatabaseWindow, QueryShowsTheLookupOnlyWhenTheTextOpens)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    Tick(w.window.TableList(), "Goods$");
    Tick(w.window.FieldList(), "Goods$.Code");
    QSignalSpy lookup(&w.window, &TDataBase::LookupRequested);
    auto* query = w.window.findChild<QPushButton*>("Query_BM");
    query->click();
    EXPECT_EQ(lookup.size(), 1);
    EXPECT_EQ(w.records.RecordNo(), 1);
    w.window.QueryMemo()->setPlainText("SELECT nothing FROM [NoSuchSheet$]");
    query->click();
    EXPECT_EQ(lookup.size(), 1);
    EXPECT_EQ(w.warnings.size(), 1);
}

TEST(RecordGrid, OnlyPlainOneTableSelectsAreEditable)
{
    const std::pair<QString, QString> cases[] = {
        {"SELECT a,b FROM [Sheet1$]", "Sheet1$"},
        {"select * from goods where price > '1' order by name", "goods"},
        {"SELECT t.a FROM \"my table\"", "my table"},
        {"SELECT a FROM x, y", ""},
        {"SELECT a FROM x JOIN y ON x.id = y.id", ""},
        {"UPDATE x SET a = 1", ""},
    };
    for (const auto& [sql, table] : cases)
        EXPECT_EQ(TRecordGridModel::SingleTable(sql), table) << sql.toStdString();
}

TEST(RecordGrid, AnEditedCellIsWrittenToItsRowAndTheGridFollowsTheRecord)
{
    const QString path = TempDir() + "/goods.sqlite";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "grid-setup");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE goods (code TEXT, name TEXT)"));
        ASSERT_TRUE(q.exec("INSERT INTO goods VALUES ('1', 'tea'), ('2', 'tea'), ('3', NULL)"));
        db.close();
    }
    QSqlDatabase::removeDatabase("grid-setup");
    TKWZDataModule records;
    ASSERT_TRUE(records.Connect(path));
    ASSERT_TRUE(records.Open("SELECT code, name FROM goods"));
    TQueryTable lookup(records);
    TRecordGridModel* model = lookup.Model();
    ASSERT_EQ(model->EditableTable(), "goods");
    ASSERT_TRUE(model->setData(model->index(1, 1), "coffee"));
    ASSERT_TRUE(model->setData(model->index(2, 1), "milk")); // a NULL cell is found too
    QSqlQuery check(records.Database());
    ASSERT_TRUE(check.exec("SELECT name FROM goods ORDER BY code"));
    QStringList names;
    while (check.next())
        names << check.value(0).toString();
    EXPECT_EQ(names, QStringList({"tea", "coffee", "milk"}));

    records.SetRecordNo(3);
    EXPECT_EQ(lookup.Grid()->currentIndex().row(), 2);
    lookup.Grid()->setCurrentIndex(model->index(0, 0));
    EXPECT_EQ(records.RecordNo(), 1);
}

} // namespace

namespace {

// TESSARINE_SCREENSHOTS=DIR keeps pictures of the window's pages for a look by eye.
TEST(DatabaseWindow, EveryPageLaysOutItsControls)
{
    DatabaseWindow w;
    w.ChooseWorkbook("goods.xls");
    Tick(w.window.TableList(), "Goods$");
    Tick(w.window.FieldList(), "Goods$.Name");
    w.SetRow(0, "Name", "LIKE", "茶");
    w.window.show();
    auto* pages = w.window.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    const QString folder = qEnvironmentVariable("TESSARINE_SCREENSHOTS");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QImage picture = w.window.grab().toImage();
        EXPECT_GE(picture.width(), 400);
        for (QPushButton* button : pages->currentWidget()->findChildren<QPushButton*>())
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text())) << button->text().toStdString();
        if (!folder.isEmpty())
            picture.save(folder + QStringLiteral("/database-%1.png").arg(i));
    }
}

} // namespace
