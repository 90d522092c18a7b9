#include "data/sources/filesource.h"
#include "platform/gbk.h"
#include "sourcetestsupport.h"
#include "support/testsupport.h"

#include <QFile>
#include <shapefil.h>

namespace tessarine {
namespace {

// A goods table written by shapelib with GBK text, as the label databases hold it.
bool WriteGoods(const QString& path)
{
    DBFHandle h = DBFCreate(QFile::encodeName(path).constData());
    if (!h)
        return false;
    const QByteArray nameField = gbk::Encode(QStringLiteral("品名"));
    DBFAddField(h, nameField.constData(), FTString, 20, 0);
    DBFAddField(h, "QTY", FTInteger, 6, 0);
    DBFAddField(h, "PRICE", FTDouble, 10, 2);
    DBFAddField(h, "OK", FTLogical, 1, 0);
    DBFAddField(h, "MADE", FTDate, 8, 0);
    const struct
    {
        const char* name;
        int qty;
        double price;
        char ok;
        const char* made;
        bool deleted;
    } rows[] = {{"苹果", 3, 2.5, 'T', "20240229", false},
                {"pear", -12, 1000.25, 'F', "19991231", false},
                {"gone", 1, 1, 'T', "20000101", true},
                {"梨子", 0, 0, '?', "        ", false}};
    int r = 0;
    for (const auto& row : rows) {
        DBFWriteStringAttribute(h, r, 0, gbk::Encode(QString::fromUtf8(row.name)).constData());
        DBFWriteIntegerAttribute(h, r, 1, row.qty);
        DBFWriteDoubleAttribute(h, r, 2, row.price);
        DBFWriteLogicalAttribute(h, r, 3, row.ok);
        QByteArray made(row.made); // shapelib takes a writable pointer
        DBFWriteAttributeDirectly(h, r, 4, made.data());
        if (row.deleted)
            DBFMarkRecordDeleted(h, r, 1);
        ++r;
    }
    DBFClose(h);
    return true;
}

bool WriteCodes(const QString& path)
{
    DBFHandle h = DBFCreate(QFile::encodeName(path).constData());
    if (!h)
        return false;
    DBFAddField(h, "CODE", FTString, 13, 0);
    DBFWriteStringAttribute(h, 0, 0, "6901234567892");
    DBFClose(h);
    return true;
}

using DBaseTest = test::SourceTest;

TEST_F(DBaseTest, EveryTableOfTheFolder)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(WriteGoods(dir + QStringLiteral("/goods.dbf")));
    ASSERT_TRUE(WriteCodes(dir + QStringLiteral("/CODES.DBF")));
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/notes.txt"), "not a table"));
    QString error;
    ASSERT_TRUE(LoadFileSource(ParseConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                                                    "Source=%1/;Extended Properties=dBase "
                                                                    "5.0;Persist Security Info=False")
                                                         .arg(dir)),
                               m_db, &error))
        << error.toStdString();
    EXPECT_EQ(Tables(), (QStringList{QStringLiteral("CODES"), QStringLiteral("goods")}));
    EXPECT_EQ(Columns(QStringLiteral("goods")),
              (QStringList{QStringLiteral("品名"), QStringLiteral("QTY"), QStringLiteral("PRICE"),
                           QStringLiteral("OK"), QStringLiteral("MADE")}));
    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select * From goods"));
    ASSERT_EQ(rows.size(), 3u); // the deleted record is left out; logicals read back as 1 and 0
    const char* const expected[3][5] = {{"苹果", "3", "2.5", "1", "2024-02-29"},
                                        {"pear", "-12", "1000.25", "0", "1999-12-31"},
                                        {"梨子", "0", "0", nullptr, nullptr}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (expected[r][c])
                EXPECT_EQ(rows[size_t(r)][c].toString(), QString::fromUtf8(expected[r][c])) << r << "," << c;
            else
                EXPECT_TRUE(rows[size_t(r)][c].isNull()) << r << "," << c;
        }
    }
    EXPECT_EQ(Rows(QStringLiteral("Select CODE From codes")).at(0).at(0).toString(),
              QStringLiteral("6901234567892"));
}

TEST_F(DBaseTest, MissingFolderFails)
{
    TFileSource source{TFileSource::Kind::DBase, test::TempDir() + QStringLiteral("/none"), true};
    QString error;
    EXPECT_FALSE(LoadFileSource(source, m_db, &error));
    EXPECT_TRUE(error.contains(source.path));
}

// Damage applied to a good table: each must be refused with the file named.
struct Damage
{
    const char* name;
    int keep;   // bytes kept from the start, -1 all
    int offset; // where to patch, -1 none
    QByteArray patch;
};

class DBaseDamageTest : public test::SourceTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(DBaseDamageTest, FailsWithMessage)
{
    const QString dir = test::TempDir();
    const QString path = dir + QStringLiteral("/goods.dbf");
    ASSERT_TRUE(WriteGoods(path));
    QByteArray bytes = test::ReadFile(path);
    if (GetParam().keep >= 0)
        bytes = bytes.left(GetParam().keep);
    if (GetParam().offset >= 0)
        bytes.replace(GetParam().offset, GetParam().patch.size(), GetParam().patch);
    ASSERT_TRUE(test::WriteFile(path, bytes));
    TFileSource source{TFileSource::Kind::DBase, dir, true};
    QString error;
    EXPECT_FALSE(LoadFileSource(source, m_db, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, DBaseDamageTest,
                         ::testing::Values(Damage{"empty", 0, -1, {}}, Damage{"short_header", 20, -1, {}},
                                           Damage{"records_cut_off", 250, -1, {}},
                                           Damage{"huge_record_count", -1, 4,
                                                  QByteArray("\xFF\xFF\xFF\x7F", 4)},
                                           Damage{"header_past_end", -1, 8, QByteArray("\xFF\xFF", 2)},
                                           Damage{"zero_record_length", -1, 10, QByteArray("\0\0", 2)}),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace tessarine
