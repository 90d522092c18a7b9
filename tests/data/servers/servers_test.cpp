#include "data/module/datamodule.h"
#include "data/recordfilling.h"

#include "barcode/barcodetypes.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

// What testservers.sh start wrote: where the servers listen and the libpq password file.
QHash<QString, QString> ServerEnvironment()
{
    QHash<QString, QString> values;
    QFile file(qEnvironmentVariable("TESSARINE_TEST_SERVERS") + QStringLiteral("/env"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return values;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1));
    }
    return values;
}

class ServersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_env = ServerEnvironment();
        ASSERT_FALSE(m_env.isEmpty()) << "No test servers: run through ctest, whose fixture starts them";
        // The password reaches libpq (and psqlODBC through it) from its own password file only.
        qputenv("PGPASSFILE", m_env.value("PGPASSFILE").toLocal8Bit());
        qputenv("ODBCSYSINI", m_env.value("ODBC_DIR").toLocal8Bit());
        qputenv("ODBCINI", (m_env.value("ODBC_DIR") + QStringLiteral("/odbc.ini")).toLocal8Bit());
    }

    QString PostgresUrl() const
    {
        return QStringLiteral("postgresql://%1@127.0.0.1:%2/%3")
            .arg(m_env.value("PG_USER"), m_env.value("PG_PORT"), m_env.value("PG_DATABASE"));
    }

    QHash<QString, QString> m_env;
};

struct Bound
{
    TShapePtr name;
    TShapePtr price;
    std::shared_ptr<TShowBarCode> code;
};

Bound MakeLabel(TDesignDocument& document)
{
    auto text = [&](const QString& field) {
        TShapePtr shape = document.CreateShapeForTool(SpText);
        shape->AddStoredPoint(QPoint(5, 5));
        shape->AddStoredPoint(QPoint(5, 5));
        shape->Info.WordInfo.Width = 8;
        shape->Info.WordInfo.Height = 16;
        shape->Info.SourceKind = skDatabaseField;
        shape->Info.FieldName = field;
        document.AddNewShape(shape);
        return shape;
    };
    Bound bound{text(QStringLiteral("name")), text(QStringLiteral("price")), nullptr};
    bound.code = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    bound.code->AddStoredPoint(QPoint(0, 40));
    bound.code->AddStoredPoint(QPoint(240, 120));
    bound.code->Info.BarCode.Symbology = bcCode128B;
    bound.code->Info.BarCode.Data = QStringLiteral("0");
    bound.code->Info.BarCode.BarHeight = 60;
    bound.code->Info.BarCode.WidthLevel = 1;
    bound.code->Info.SourceKind = skDatabaseField;
    bound.code->Info.FieldName = QStringLiteral("code");
    document.AddNewShape(bound.code);
    return bound;
}

TEST_F(ServersTest, EachDriverConnectsNavigatesLocatesAndFills)
{
    const struct
    {
        const char* driver;
        QString connection; // as a document or the settings store it
    } cases[] = {
        {"QPSQL", PostgresUrl()},
        {"psqlODBC", QStringLiteral("DSN=TessarinePg")},
        {"SQLite ODBC", QStringLiteral("TessarineSqlite")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.driver);
        TKWZDataModule data;
        ASSERT_TRUE(data.Connect(c.connection)) << data.ErrorText().toStdString();
        EXPECT_TRUE(data.Tables().contains(QStringLiteral("products")));
        EXPECT_EQ(data.Fields(QStringLiteral("products")), (QStringList{"code", "name", "price"}));

        ASSERT_TRUE(data.Open(QStringLiteral("Select * From products Order By code")))
            << data.ErrorText().toStdString();
        EXPECT_EQ(data.RecordCount(), 3);
        EXPECT_EQ(data.RecordNo(), 1);
        EXPECT_TRUE(data.Next());
        EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("name")).toString(), QStringLiteral("红茶"));
        EXPECT_TRUE(data.Last());
        EXPECT_FALSE(data.Next());
        EXPECT_TRUE(data.Prior());
        EXPECT_EQ(data.RecordNo(), 2);
        EXPECT_TRUE(data.SetRecordNo(1));
        EXPECT_EQ(data.CurrentRecord().value(QStringLiteral("name")).toString(), QStringLiteral("绿茶"));

        ASSERT_TRUE(data.Locate(QStringLiteral("name"), QStringLiteral("乌")));
        EXPECT_EQ(data.RecordNo(), 3);
        EXPECT_FALSE(data.Locate(QStringLiteral("name"), QStringLiteral("咖啡")));
        EXPECT_EQ(data.RecordNo(), 3);

        TDesignDocument document;
        const Bound bound = MakeLabel(document);
        FillFromRecord(document, data.CurrentRecord(), QLocale::c());
        EXPECT_EQ(bound.name->Info.WordInfo.Text, QStringLiteral("乌龙"));
        EXPECT_EQ(bound.price->Info.WordInfo.Text, QStringLiteral("20.25"));
        EXPECT_EQ(bound.code->Info.BarCode.Data, QStringLiteral("7001234567897"));
        data.Close();
    }
}

TEST_F(ServersTest, PostgresPasswordComesFromLibpqOrTheUserNeverTheConnection)
{
    // The harness's own copy of the password, as a user would type it.
    QFile passwords(m_env.value("PGPASSFILE"));
    ASSERT_TRUE(passwords.open(QIODevice::ReadOnly));
    const QString password = QString::fromUtf8(passwords.readLine().trimmed()).section(QLatin1Char(':'), 4);
    ASSERT_FALSE(password.isEmpty());
    EXPECT_FALSE(PostgresUrl().contains(password));

    // Beside the server, so stopping it removes the file too.
    const QString noPasswords = m_env.value("WORK_DIR") + QStringLiteral("/empty-pgpass");
    QFile empty(noPasswords);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    qputenv("PGPASSFILE", QFile::encodeName(noPasswords));
    qunsetenv("PGPASSWORD");
    for (const QString& connection : {PostgresUrl(), QStringLiteral("DSN=TessarinePg")}) {
        TKWZDataModule data;
        EXPECT_FALSE(data.Connect(connection)) << connection.toStdString();
        EXPECT_TRUE(IsPasswordRefusal(data.ErrorText())) << data.ErrorText().toStdString();
    }
    TKWZDataModule data;
    EXPECT_FALSE(data.Connect(PostgresUrl(), QStringLiteral("wrong")));
    EXPECT_TRUE(IsPasswordRefusal(data.ErrorText())) << data.ErrorText().toStdString();
    ASSERT_TRUE(data.Connect(PostgresUrl(), password)) << data.ErrorText().toStdString();
    ASSERT_TRUE(data.Open(QStringLiteral("Select name From products Where price > 13")));
    EXPECT_EQ(data.RecordCount(), 2);
}

} // namespace
} // namespace tessarine
