#include "data/sources/filesource.h"
#include "mdbsample.h"
#include "sourcetestsupport.h"
#include "support/testsupport.h"

#include <QFile>
#include <QRandomGenerator>

#include <functional>

namespace tessarine {
namespace {

QString AccessConnection(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False")
        .arg(path);
}

class MdbReaderTest : public test::SourceTest
{
protected:
    void SetUp() override
    {
        test::SourceTest::SetUp();
        QString error;
        m_sample = test::MdbSample(&error);
        ASSERT_FALSE(m_sample.isEmpty()) << error.toStdString();
    }
    bool Load(const QString& path, QString* error)
    {
        return LoadFileSource(ParseConnectionString(AccessConnection(path)), m_db, error);
    }
    QString m_sample;
};

TEST_F(MdbReaderTest, UserTablesKeepTheirNamesAndTypes)
{
    QString error;
    ASSERT_TRUE(Load(m_sample, &error)) << error.toStdString();
    EXPECT_EQ(Tables(), QStringList{QStringLiteral("Users")}); // the MSys tables stay hidden
    EXPECT_EQ(Columns(QStringLiteral("Users")),
              (QStringList{"UserId", "UserName", "UserSex", "UserBirthday", "UserMarried"}));

    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select * From [Users] Order By UserId"));
    const struct
    {
        qlonglong id;
        const char* name;
        const char* sex;
        const char* birthday;
        qlonglong married;
    } expected[] = {{1, "Nuintun", "Male", "1989-01-25", 1},
                    {2, "Angela", "Female", "1988-12-18", 0},
                    {3, "张三", "男", "1986-12-18", 1}};
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        const QVariantList& row = rows[i];
        // Numbers stay numbers, not text.
        EXPECT_TRUE(row[0].typeId() == QMetaType::LongLong || row[0].typeId() == QMetaType::Double) << i;
        EXPECT_EQ(row[0].toLongLong(), expected[i].id) << i;
        EXPECT_EQ(row[1].toString(), QString::fromUtf8(expected[i].name)) << i;
        EXPECT_EQ(row[2].toString(), QString::fromUtf8(expected[i].sex)) << i;
        EXPECT_EQ(row[3].toString(), QString::fromUtf8(expected[i].birthday)) << i;
        EXPECT_EQ(row[4].toLongLong(), expected[i].married) << i;
    }
    // SQL sees the values with their own types: the numeric comparison and the Chinese text.
    EXPECT_EQ(Rows(QStringLiteral("Select UserName From [Users] Where UserId > 2 And UserSex = '男'")).size(),
              1u);
}

// Bytes of the sample changed in one way; each must be refused or read, never crash.
struct Damage
{
    const char* name;
    std::function<QByteArray(QByteArray)> change;
    bool refused; // the header checks catch it before libmdb sees the file
};

class MdbDamageTest : public MdbReaderTest, public ::testing::WithParamInterface<Damage>
{
};

TEST_P(MdbDamageTest, RefusedOrReadWithoutCrashing)
{
    const Damage& damage = GetParam();
    const QString path = test::TempDir() + QStringLiteral("/damaged.mdb");
    ASSERT_TRUE(test::WriteFile(path, damage.change(test::ReadFile(m_sample))));
    QString error;
    const bool loaded = Load(path, &error);
    if (damage.refused) {
        EXPECT_FALSE(loaded) << damage.name;
        EXPECT_TRUE(error.contains(path)) << damage.name << ": " << error.toStdString();
    } else if (!loaded) {
        EXPECT_FALSE(error.isEmpty()) << damage.name;
    }
}

QByteArray Scramble(QByteArray bytes, qsizetype from, qsizetype length)
{
    QRandomGenerator random(from); // the same bytes every run
    for (qsizetype i = from; i < from + length && i < bytes.size(); ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, MdbDamageTest,
    ::testing::Values(
        Damage{"empty", [](QByteArray) { return QByteArray(); }, true},
        Damage{"text", [](QByteArray) { return QByteArray("Name,Qty\nA,1\n"); }, true},
        Damage{"truncated", [](QByteArray b) { return b.left(10000); }, true},
        Damage{"header only", [](QByteArray b) { return b.left(4096); }, true},
        Damage{"wrong magic", [](QByteArray b) { return b.replace(4, 8, "Standarx"); }, true},
        Damage{"catalog page scrambled", [](QByteArray b) { return Scramble(b, 2 * 4096, 4096); }, false},
        Damage{"catalog page zeroed",
               [](QByteArray b) { return b.replace(2 * 4096, 4096, QByteArray(4096, 0)); }, false},
        Damage{"data pages scrambled", [](QByteArray b) { return Scramble(b, 5 * 4096, b.size()); }, false},
        Damage{"header page scrambled", [](QByteArray b) { return Scramble(b, 0x18, 4096 - 0x18); }, false}),
    [](const ::testing::TestParamInfo<Damage>& param) {
        QString name = QString::fromLatin1(param.param.name);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.toStdString();
    });

TEST_F(MdbReaderTest, EveryPageScrambledInTurnIsSurvived)
{
    const QByteArray sample = test::ReadFile(m_sample);
    const QString path = test::TempDir() + QStringLiteral("/damaged.mdb");
    int refused = 0;
    for (qsizetype page = 1; page < sample.size() / 4096; ++page) {
        ASSERT_TRUE(test::WriteFile(path, Scramble(sample, page * 4096, 4096)));
        QString error;
        if (!Load(path, &error)) {
            EXPECT_FALSE(error.isEmpty()) << "page " << page;
            ++refused;
        }
    }
    EXPECT_GT(refused, 0); // the catalog's own pages at least
}

TEST_F(MdbReaderTest, PlainJetStringsNameAccessFilesOnly)
{
    // A workbook named with capitals gets the plain string and is not taken for Access.
    const QString workbook = test::TempDir() + QStringLiteral("/GOODS.XLS");
    ASSERT_TRUE(
        test::WriteFile(workbook, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(4096, 0)));
    QString error;
    EXPECT_FALSE(Load(workbook, &error));
    EXPECT_EQ(error, workbook + QStringLiteral(" is not an Access database"));
    EXPECT_FALSE(Load(test::TempDir() + QStringLiteral("/missing.mdb"), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Access database not found"))) << error.toStdString();
}

} // namespace
} // namespace tessarine
