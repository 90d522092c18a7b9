#include "data/module/datamodule.h"

#include "../sources/mdbsample.h"
#include "support/testsupport.h"

#include <QSignalSpy>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

// A SQLite file with five products.
QString MakeDatabase()
{
    const QString path = test::TempDir() + QStringLiteral("/products.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("CREATE TABLE Products (Code TEXT, Name TEXT, Price REAL)")));
        const char* rows[][3] = {{"6901", "绿茶", "12.5"}, {"6902", "红茶", "15"}, {"7001", "乌龙", "20.25"},
                                 {"7002", "普洱", "31"}, {"8001", "Coffee", "9.9"}};
        for (const auto& row : rows) {
            q.prepare(QStringLiteral("INSERT INTO Products VALUES (?, ?, ?)"));
            for (int i = 0; i < 3; ++i)
                q.addBindValue(QString::fromUtf8(row[i]));
            EXPECT_TRUE(q.exec());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return path;
}

} // namespace

TEST(ConnectionString, NamesTheDriver)
{
    const struct
    {
        QString text;
        TConnectionTarget::Kind kind;
        QString driverText;
    } cases[] = {
        {"/data/labels.db", TConnectionTarget::Sqlite, "/data/labels.db"},
        {"Products", TConnectionTarget::Odbc, "Products"},
        {"DSN=Products", TConnectionTarget::Odbc, "Products"},
        {"DRIVER={SQLite3};Database=/tmp/a.db", TConnectionTarget::Odbc, "DRIVER={SQLite3};Database=/tmp/a.db"},
        {"postgresql://localhost/labels", TConnectionTarget::Postgres, "postgresql://localhost/labels"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/labels.sqlite;Persist Security Info=False",
         TConnectionTarget::Sqlite, "/data/labels.sqlite"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.xls;Extended Properties=Excel 8.0",
         TConnectionTarget::File, "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=a.xls;Extended Properties=Excel 8.0"},
    };
    for (const auto& c : cases) {
        const TConnectionTarget target = TargetOfConnection(c.text);
        EXPECT_EQ(target.kind, c.kind) << c.text.toStdString();
        EXPECT_EQ(target.driverText, c.driverText) << c.text.toStdString();
    }
}

TEST(DataModule, NavigatesAndReportsEveryMove)
{
    for (const QString& connection : {QStringLiteral("%1"), QStringLiteral("DRIVER={SQLite3};Database=%1")}) {
        TKWZDataModule data;
        ASSERT_TRUE(data.Connect(connection.arg(MakeDatabase()))) << data.ErrorText().toStdString();
        EXPECT_TRUE(data.Tables().contains(QStringLiteral("Products")));
        EXPECT_EQ(data.Fields(QStringLiteral("Products")), (QStringList{"Code", "Name", "Price"}));
        QSignalSpy moves(&data, &TKWZDataModule::RecordChanged);
        ASSERT_TRUE(data.Open(QStringLiteral("Select * From [Products] Order By Code")));
        EXPECT_EQ(data.RecordCount(), 5);
        EXPECT_EQ(data.RecordNo(), 1);
        EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("Name")).toString(), QStringLiteral("绿茶"));
        EXPECT_TRUE(data.Next());
        EXPECT_EQ(data.RecordNo(), 2);
        EXPECT_TRUE(data.Last());
        EXPECT_FALSE(data.Next()); // nothing after the last record
        EXPECT_EQ(data.RecordNo(), 5);
        EXPECT_TRUE(data.SetRecordNo(3));
        EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("Code")).toString(), QStringLiteral("7001"));
        EXPECT_FALSE(data.SetRecordNo(9));
        EXPECT_TRUE(data.First());
        EXPECT_FALSE(data.Prior());
        EXPECT_FALSE(data.Locate(QStringLiteral("Name"), QStringLiteral("co"))); // letter case counts
        EXPECT_TRUE(data.Locate(QStringLiteral("Name"), QStringLiteral("Co")));
        EXPECT_EQ(data.RecordNo(), 5);
        EXPECT_FALSE(data.Locate(QStringLiteral("Name"), QStringLiteral("zz")));
        EXPECT_EQ(data.RecordNo(), 5);
        EXPECT_EQ(moves.count(), 6); // open, next, last, set, first, locate
    }
}

TEST(DataModule, FailuresAreReportedNotCrashed)
{
    TKWZDataModule data;
    EXPECT_FALSE(data.Open(QStringLiteral("Select 1")));
    EXPECT_FALSE(data.ErrorText().isEmpty());
    EXPECT_FALSE(data.Connect(test::TempDir() + QStringLiteral("/missing.db")));
    EXPECT_FALSE(data.Connect(QStringLiteral("NoSuchDataSourceName")));
    EXPECT_FALSE(data.ErrorText().isEmpty());
    ASSERT_TRUE(data.Connect(MakeDatabase()));
    EXPECT_FALSE(data.Open(QStringLiteral("Select * From [Nothing]")));
    EXPECT_FALSE(data.Next());
    EXPECT_EQ(data.RecordNo(), 0);
    EXPECT_TRUE(data.CurrentRecord().isEmpty());
    EXPECT_FALSE(data.Connect(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.xls")));
}

TEST(DataModule, TextFilesThroughTheJetTextForm)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/goods.csv"),
                                QStringLiteral("Code,Name\n6901,\"绿茶, 500g\"\n6902,红茶\n").toUtf8()));
    TKWZDataModule data;
    ASSERT_TRUE(data.Connect(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dir +
                             QStringLiteral(";Extended Properties=text;HDR=Yes;FMT=Delimited")))
        << data.ErrorText().toStdString();
    ASSERT_TRUE(data.Open(QStringLiteral("Select * From [goods.csv]"))) << data.ErrorText().toStdString();
    EXPECT_EQ(data.RecordCount(), 2);
    EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("Name")).toString(), QStringLiteral("绿茶, 500g"));
}

namespace {

QString JetConnection(const QString& source, const QString& extended)
{
    QString text = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + source;
    if (!extended.isEmpty())
        text += QStringLiteral(";Extended Properties=") + extended;
    return text + QStringLiteral(";Persist Security Info=False");
}

} // namespace

TEST(DataModule, ListsTablesAndTheirFieldsForEveryKindOfSource)
{
    const QString fixtures = QStringLiteral(TESSARINE_FIXTURES "/data");
    const QString goods = QStringLiteral("goods.csv");
    const struct
    {
        const char* kind;
        QString connection;
        QStringList tables;
        QString table;
        QStringList fields;
    } cases[] = {
        {"sqlite", MakeDatabase(), {"Products"}, "Products", {"Code", "Name", "Price"}},
        // A dotted name: the driver's own record() cannot find "goods.csv".
        {"csv", JetConnection(fixtures, "text;HDR=Yes;FMT=Delimited"), {goods}, goods,
         {"Code", "Name", "Price", "Made"}},
        {"xls", JetConnection(fixtures + "/goods.xls", "Excel 8.0"), {"Goods$", "价格 表$"}, "Goods$",
         {"Code", "Name", "Price", "Made"}},
    };
    for (const auto& c : cases) {
        TKWZDataModule data;
        ASSERT_TRUE(data.Connect(c.connection)) << c.kind << ": " << data.ErrorText().toStdString();
        QStringList tables = data.Tables();
        tables.sort();
        EXPECT_EQ(tables, c.tables) << c.kind;
        EXPECT_EQ(data.Fields(c.table), c.fields) << c.kind;
        EXPECT_TRUE(data.Fields(QStringLiteral("NoSuchTable")).isEmpty()) << c.kind;
    }
    TKWZDataModule unconnected;
    EXPECT_TRUE(unconnected.Tables().isEmpty());
    EXPECT_TRUE(unconnected.Fields(QStringLiteral("Products")).isEmpty());
}

TEST(DataModule, AccessTablesAnswerTheirOwnQueryTexts)
{
    QString error;
    const QString sample = test::MdbSample(&error);
    ASSERT_FALSE(sample.isEmpty()) << error.toStdString();
    TKWZDataModule data;
    ASSERT_TRUE(data.Connect(JetConnection(sample, QString()))) << data.ErrorText().toStdString();
    EXPECT_EQ(data.Tables(), QStringList{QStringLiteral("Users")});
    EXPECT_EQ(data.Fields(QStringLiteral("Users")),
              (QStringList{"UserId", "UserName", "UserSex", "UserBirthday", "UserMarried"}));
    ASSERT_TRUE(data.Open(QStringLiteral("Select * From [Users]"))) << data.ErrorText().toStdString();
    EXPECT_EQ(data.RecordCount(), 3);
    ASSERT_TRUE(data.Locate(QStringLiteral("UserSex"), QStringLiteral("男")));
    EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("UserName")).toString(), QStringLiteral("张三"));
    EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("UserBirthday")).toString(), QStringLiteral("1986-12-18"));
}
