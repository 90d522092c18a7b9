#include "data/sources/csvreader.h"
#include "data/sources/filesource.h"
#include "platform/gbk.h"
#include "sourcetestsupport.h"
#include "support/testsupport.h"

namespace tessarine {
namespace {

struct SplitCase
{
    const char* name;
    const char* text;
    std::vector<std::vector<const char*>> records;
};

class SplitCsvTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitCsvTest, Splits)
{
    std::vector<QStringList> records;
    QString error;
    ASSERT_TRUE(SplitCsv(QString::fromUtf8(GetParam().text), &records, &error)) << error.toStdString();
    ASSERT_EQ(records.size(), GetParam().records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        QStringList expected;
        for (const char* field : GetParam().records[r])
            expected << QString::fromUtf8(field);
        EXPECT_EQ(records[r], expected) << "record " << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitCsvTest,
    ::testing::Values(SplitCase{"plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
                      SplitCase{"crlf_no_final_break", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
                      SplitCase{"quoted_comma", "\"x,y\",z\n", {{"x,y", "z"}}},
                      SplitCase{"quoted_break", "\"line1\r\nline2\",z\n", {{"line1\r\nline2", "z"}}},
                      SplitCase{"doubled_quote", "\"say \"\"hi\"\"\",2\n", {{"say \"hi\"", "2"}}},
                      SplitCase{"empty_fields", ",,\n", {{"", "", ""}}},
                      SplitCase{"chinese", "品名,数量\n苹果,3\n", {{"品名", "数量"}, {"苹果", "3"}}},
                      SplitCase{"empty_text", "", {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(SplitCsv, OpenQuoteFails)
{
    std::vector<QStringList> records;
    QString error;
    EXPECT_FALSE(SplitCsv(QStringLiteral("a,\"b\n1,2\n"), &records, &error));
    EXPECT_FALSE(error.isEmpty());
}

struct DecodeCase
{
    const char* name;
    QByteArray bytes;
    const char* text;
};

class DecodeCsvTest : public ::testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeCsvTest, Decodes)
{
    EXPECT_EQ(DecodeCsvText(GetParam().bytes), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, DecodeCsvTest,
    ::testing::Values(DecodeCase{"utf8_bom", QByteArray("\xEF\xBB\xBF") + QByteArray("苹果,1"), "苹果,1"},
                      DecodeCase{"utf8", QByteArray("苹果,1"), "苹果,1"},
                      DecodeCase{"gbk", gbk::Encode(QStringLiteral("苹果,梨子")), "苹果,梨子"},
                      DecodeCase{"ascii", QByteArray("a,b"), "a,b"}),
    [](const auto& p) { return std::string(p.param.name); });

using CsvFolderTest = test::SourceTest;

TEST_F(CsvFolderTest, EveryFileIsATableNamedWithExtension)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/goods.csv"),
                                QByteArray("\xEF\xBB\xBF") +
                                    "品名,Qty,Note\r\n苹果,3,\"red, sweet\"\r\n梨子,,\"two\nlines\"\r\n"));
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/旧.csv"), gbk::Encode(QStringLiteral("代码\n甲\n"))));
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/readme.txt"), "ignored"));
    QString error;
    ASSERT_TRUE(LoadFileSource(ParseConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                                                    "Source=%1;Extended "
                                                                    "Properties=text;HDR=Yes;FMT=Delimited")
                                                         .arg(dir)),
                               m_db, &error))
        << error.toStdString();
    EXPECT_EQ(Tables(), (QStringList{QStringLiteral("goods.csv"), QStringLiteral("旧.csv")}));
    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select [品名], Qty, Note From [goods.csv]"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0],
              (QVariantList{QStringLiteral("苹果"), QStringLiteral("3"), QStringLiteral("red, sweet")}));
    EXPECT_EQ(rows[1][0].toString(), QStringLiteral("梨子"));
    EXPECT_TRUE(rows[1][1].isNull());
    EXPECT_EQ(rows[1][2].toString(), QStringLiteral("two\nlines"));
    EXPECT_EQ(Rows(QStringLiteral("Select [代码] From [旧.csv]")).at(0).at(0).toString(),
              QStringLiteral("甲"));
}

TEST_F(CsvFolderTest, WithoutHeaderColumnsAreNumbered)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/a.csv"), "x,1\ny,2,extra\n"));
    QString error;
    ASSERT_TRUE(LoadFileSource(TFileSource{TFileSource::Kind::Csv, dir, false}, m_db, &error))
        << error.toStdString();
    EXPECT_EQ(Columns(QStringLiteral("a.csv")),
              (QStringList{QStringLiteral("F1"), QStringLiteral("F2"), QStringLiteral("F3")}));
    EXPECT_EQ(Rows(QStringLiteral("Select count(*) From [a.csv]")).at(0).at(0).toInt(), 2);
}

TEST_F(CsvFolderTest, BadInputFails)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/open.csv"), "a,\"b\n1,2\n"));
    QString error;
    EXPECT_FALSE(LoadFileSource(TFileSource{TFileSource::Kind::Csv, dir, true}, m_db, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("open.csv"))) << error.toStdString();
    error.clear();
    EXPECT_FALSE(LoadFileSource(TFileSource{TFileSource::Kind::Csv, dir + QStringLiteral("/none"), true},
                                m_db, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(LoadFileSource(TFileSource{TFileSource::Kind::Other, dir, true}, m_db, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace tessarine
