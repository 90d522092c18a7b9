#include "data/sources/filesource.h"
#include "sourcetestsupport.h"
#include "support/testsupport.h"

#include <QFile>

namespace tessarine {
namespace {

// Two sheets: typed cells with a header row, and a sheet whose header has a gap.
const char* const kWriteXls = R"PY(
import sys, datetime, xlwt
book = xlwt.Workbook(encoding='utf-8')
s = book.add_sheet('Sheet1')
for c, v in enumerate(['Name', 'Qty', 'Price', 'Made', 'Note']):
    s.write(0, c, v)
date = xlwt.easyxf(num_format_str='YYYY-MM-DD')
stamp = xlwt.easyxf(num_format_str='YYYY-MM-DD HH:MM:SS')
s.write(1, 0, '苹果'); s.write(1, 1, 3); s.write(1, 2, 2.5); s.write(1, 3, datetime.date(2024, 2, 29), date)
s.write(2, 0, 'pear'); s.write(2, 1, 12345678); s.write(2, 2, -0.125)
s.write(2, 3, datetime.datetime(2023, 12, 31, 23, 59, 58), stamp); s.write(2, 4, 'late')
t = book.add_sheet('价格 表')
t.write(0, 0, 'Code'); t.write(0, 2, 'Code')
t.write(1, 0, 'A1'); t.write(1, 1, 7); t.write(1, 2, 'B')
book.add_sheet('Empty')
book.save(sys.argv[1])
)PY";

class XlsReaderTest : public test::SourceTest
{
protected:
    QString MakeWorkbook()
    {
        const QString path = test::TempDir() + QStringLiteral("/goods.xls");
        QString output;
        EXPECT_TRUE(RunPython(QString::fromUtf8(kWriteXls), {path}, &output)) << output.toStdString();
        return path;
    }
    bool Load(const QString& connection, QString* error)
    {
        return LoadFileSource(ParseConnectionString(connection), m_db, error);
    }
};

TEST_F(XlsReaderTest, SheetsBecomeDollarTables)
{
    const QString path = MakeWorkbook();
    QString error;
    ASSERT_TRUE(
        Load(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Excel "
                            "8.0;Persist Security Info=False")
                 .arg(path),
             &error))
        << error.toStdString();
    EXPECT_EQ(Tables(),
              (QStringList{QStringLiteral("Empty$"), QStringLiteral("Sheet1$"), QStringLiteral("价格 表$")}));
    EXPECT_EQ(Columns(QStringLiteral("Sheet1$")),
              (QStringList{QStringLiteral("Name"), QStringLiteral("Qty"), QStringLiteral("Price"),
                           QStringLiteral("Made"), QStringLiteral("Note")}));

    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select * From [Sheet1$]"));
    ASSERT_EQ(rows.size(), 2u);
    struct Expect
    {
        int row, column;
        const char* text;
    };
    for (const Expect& e :
         {Expect{0, 0, "苹果"}, Expect{0, 1, "3"}, Expect{0, 2, "2.5"}, Expect{0, 3, "2024-02-29"},
          Expect{1, 0, "pear"}, Expect{1, 1, "12345678"}, Expect{1, 2, "-0.125"},
          Expect{1, 3, "2023-12-31 23:59:58"}, Expect{1, 4, "late"}})
        EXPECT_EQ(rows[size_t(e.row)][e.column].toString(), QString::fromUtf8(e.text))
            << e.row << "," << e.column;
    EXPECT_TRUE(rows[0][4].isNull());
    // Whole and fractional numbers arrive as the same kind of value.
    EXPECT_EQ(rows[0][1].typeId(), rows[0][2].typeId());

    EXPECT_EQ(Columns(QStringLiteral("价格 表$")),
              (QStringList{QStringLiteral("Code"), QStringLiteral("F2"), QStringLiteral("Code1")}));
    EXPECT_EQ(Rows(QStringLiteral("Select [F2] From [价格 表$] Where Code1 = 'B'")).at(0).at(0).toInt(), 7);
}

TEST_F(XlsReaderTest, WithoutHeaderRowColumnsAreNumbered)
{
    const QString path = MakeWorkbook();
    QString error;
    ASSERT_TRUE(Load(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended "
                                    "Properties=\"Excel 8.0;HDR=No\"")
                         .arg(path),
                     &error))
        << error.toStdString();
    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select F1, F2 From [Sheet1$]"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("Name"));
    EXPECT_EQ(rows[2][1].toInt(), 12345678);
}

struct BadWorkbook
{
    const char* name;
    QByteArray bytes; // empty: the file is not created
};

class XlsDamageTest : public test::SourceTest, public ::testing::WithParamInterface<BadWorkbook>
{
};

TEST_P(XlsDamageTest, FailsWithMessage)
{
    const QString dir = test::TempDir();
    const QString path = dir + QStringLiteral("/bad.xls");
    if (!GetParam().bytes.isEmpty()) {
        ASSERT_TRUE(test::WriteFile(path, GetParam().bytes));
    }
    TFileSource source;
    source.kind = TFileSource::Kind::Xls;
    source.path = path;
    QString error;
    EXPECT_FALSE(LoadFileSource(source, m_db, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, XlsDamageTest,
    ::testing::Values(BadWorkbook{"missing", {}}, BadWorkbook{"text", QByteArray("Name,Qty\nA,1\n")},
                      BadWorkbook{"ole_header_only", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) +
                                                         QByteArray(504, '\xFF')},
                      BadWorkbook{"zip_without_workbook",
                                  QByteArray("PK\x03\x04", 4) + QByteArray(60, '\0')}),
    [](const auto& p) { return std::string(p.param.name); });

// Cutting a real workbook short at several points never crashes the reader.
TEST_F(XlsReaderTest, TruncatedWorkbooksFailCleanly)
{
    const QByteArray whole = test::ReadFile(MakeWorkbook());
    ASSERT_GT(whole.size(), 1024);
    for (qsizetype cut : {qsizetype(512), qsizetype(1024), whole.size() / 2, whole.size() - 100}) {
        const QString path = test::TempDir() + QStringLiteral("/cut.xls");
        ASSERT_TRUE(test::WriteFile(path, whole.left(cut)));
        TFileSource source;
        source.kind = TFileSource::Kind::Xls;
        source.path = path;
        QString error;
        if (!LoadFileSource(source, m_db, &error)) {
            EXPECT_FALSE(error.isEmpty()) << cut;
        }
    }
}

} // namespace
} // namespace tessarine
