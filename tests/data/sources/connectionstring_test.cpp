#include "data/sources/connectionstring.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

struct ParseCase
{
    const char* connection;
    TFileSource::Kind kind;
    const char* path;
    bool header;
};

class ParseConnectionStringTest : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseConnectionStringTest, Reads)
{
    const ParseCase& c = GetParam();
    const TFileSource source = ParseConnectionString(QString::fromUtf8(c.connection));
    EXPECT_EQ(source.kind, c.kind) << c.connection;
    EXPECT_EQ(source.path, QString::fromUtf8(c.path)) << c.connection;
    EXPECT_EQ(source.header, c.header) << c.connection;
}

using K = TFileSource::Kind;
INSTANTIATE_TEST_SUITE_P(
    Strings, ParseConnectionStringTest,
    ::testing::Values(
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/goods.xls;Extended Properties=Excel "
                  "8.0;Persist Security Info=False",
                  K::Xls, "/data/goods.xls", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/goods.xlsx;Extended Properties=Excel "
                  "8.0;Persist Security Info=False",
                  K::Xlsx, "/data/goods.xlsx", true},
        ParseCase{
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\标签\\货品.xls;Extended Properties=Excel 8.0",
            K::Xls, "C:/标签/货品.xls", true},
        ParseCase{"provider=microsoft.jet.oledb.4.0; data source = /data/a.xls ; Extended "
                  "Properties=\"Excel 8.0;HDR=No;IMEX=1\"",
                  K::Xls, "/data/a.xls", false},
        ParseCase{
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=D:\\db\\;Extended Properties=dBase 5.0;Persist "
            "Security Info=False",
            K::DBase, "D:/db", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/dbf/;Extended Properties=dBase 5.0",
                  K::DBase, "/data/dbf", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/csv;Extended "
                  "Properties=text;HDR=Yes;FMT=Delimited",
                  K::Csv, "/data/csv", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source='/data/my;csv';Extended "
                  "Properties='text;HDR=No;FMT=Delimited'",
                  K::Csv, "/data/my;csv", false},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/goods.mdb;Persist Security Info=False",
                  K::Access, "/data/goods.mdb", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/GOODS.XLS;Persist Security Info=False",
                  K::Access, "/data/GOODS.XLS", true},
        ParseCase{"DRIVER={SQLite3};Database=/data/goods.db", K::Other, "", true},
        ParseCase{"labels", K::Other, "", true}, ParseCase{"", K::Other, "", true},
        ParseCase{"Provider=Microsoft.Jet.OLEDB.4.0;Data Source", K::Other, "", true},
        ParseCase{
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/unterminated;Extended Properties=Excel 8.0",
            K::Access, "/unterminated;Extended Properties=Excel 8.0", true}));

} // namespace
} // namespace tessarine
