#include "data/querybuilder.h"

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

TEST(QueryBuilder, FileChoicesFollowTheExactExtension)
{
    struct Case
    {
        QString path;
        QString connection;
        QString open, close;
    };
    const QString jet = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");
    const Case cases[] = {
        {"/d/stock.xls", jet + "/d/stock.xls;Extended Properties=Excel 8.0;Persist Security Info=False", "[", "]"},
        // Capitals are not the Excel ending: the plain text, no quoting.
        {"/d/STOCK.XLS", jet + "/d/STOCK.XLS;Persist Security Info=False", "", ""},
        {"/d/tables/ITEMS.DBF", jet + "/d/tables/;Extended Properties=dBase 5.0;Persist Security Info=False", "", ""},
        {"/d/tables/items.dbf", jet + "/d/tables/items.dbf;Persist Security Info=False", "", ""},
        {"/d/shop.mdb", jet + "/d/shop.mdb;Persist Security Info=False", "", ""},
    };
    for (const Case& c : cases) {
        const TFileConnection file = TQueryBuilder::ConnectionForFile(c.path);
        EXPECT_EQ(file.Connection, c.connection) << c.path.toStdString();
        EXPECT_EQ(file.TableQuoteOpen, c.open);
        EXPECT_EQ(file.TableQuoteClose, c.close);
    }
}

TEST(QueryBuilder, ConditionTermsQuoteValuesSafely)
{
    struct Case
    {
        TConditionRow row;
        QString term;
    };
    const Case cases[] = {
        {{"t.f", "=", "a"}, "t.f = 'a'"},
        {{"t.f", ">=", "10"}, "t.f >= '10'"},
        {{"t.g", "LIKE", "b"}, "t.g LIKE '%b%'"},
        {{"t.g", "NOT LIKE", "b"}, "t.g NOT LIKE '%b%'"},
        {{"t.g", "IN LIKE", "b"}, "t.g IN LIKE '%b%'"},
        // A quote in the value stays inside the literal instead of ending it.
        {{"t.name", "=", "O'Brien"}, "t.name = 'O''Brien'"},
        {{"t.name", "=", "x' OR '1'='1"}, "t.name = 'x'' OR ''1''=''1'"},
        // Wildcards the user typed are looked for as they are.
        {{"t.code", "LIKE", "50%"}, "t.code LIKE '%50\\%%' ESCAPE '\\'"},
        {{"t.code", "LIKE", "a_b"}, "t.code LIKE '%a\\_b%' ESCAPE '\\'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TQueryBuilder::ConditionTerm(c.row), c.term) << c.row.Value.toStdString();
}

class QueryBuilderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        builder.Reset("[", "]");
        builder.SetTables({"Sheet1$"});
        fields = builder.FieldsClicked({"Sheet1$.f", "Sheet1$.g"});
    }
    TQueryBuilder builder;
    QString fields;
};

TEST_F(QueryBuilderTest, TickedFieldsMakeTheSelectWithQuotedTables)
{
    EXPECT_EQ(fields, "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$]");
    EXPECT_EQ(builder.FieldsClicked({}), QString());
    EXPECT_EQ(builder.TableQuery("Sheet1$"), "Select * From [Sheet1$]");
}

TEST_F(QueryBuilderTest, ConditionRowsJoinByTheirOwnOption)
{
    TQueryBuilder::TConditions rows;
    rows[0] = {"f", "=", "a"};
    rows[1] = {"g", "LIKE", "b", true};
    EXPECT_EQ(builder.ConditionsChanged(rows), "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$] WHERE f = 'a' OR g LIKE '%b%'");
    rows[2] = {"h", "<>", "c", false};
    EXPECT_EQ(builder.ConditionText(), "f = 'a' OR g LIKE '%b%'");
    builder.ConditionsChanged(rows);
    EXPECT_EQ(builder.ConditionText(), "f = 'a' OR g LIKE '%b%' AND h <> 'c'");
    // Running the rebuild again (leaving a box twice, the refresh) never repeats a term.
    builder.ConditionsChanged(rows);
    EXPECT_EQ(builder.ConditionText(), "f = 'a' OR g LIKE '%b%' AND h <> 'c'");
}

TEST_F(QueryBuilderTest, IncompleteRowsAreLeftOutWithoutBreakingTheJoints)
{
    TQueryBuilder::TConditions rows;
    rows[0] = {"f", "=", ""};
    rows[1] = {"g", "=", "b", true};
    builder.ConditionsChanged(rows);
    EXPECT_EQ(builder.ConditionText(), "g = 'b'");
    rows[1].Value.clear();
    EXPECT_EQ(builder.ConditionsChanged(rows), "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$]");
}

TEST_F(QueryBuilderTest, SortTermsEndTheirLinesAndLoseTheLastComma)
{
    builder.SortClicked("Sheet1$.f", true, true, {"Sheet1$.f"});
    const QString text = builder.SortClicked("Sheet1$.g", true, false, {"Sheet1$.f", "Sheet1$.g"});
    EXPECT_EQ(text, "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$] ORDER BY Sheet1$.f ASC,\n Sheet1$.g DESC\n");
    EXPECT_EQ(builder.OrderTerms(), QStringList({" Sheet1$.f ASC,", " Sheet1$.g DESC,"}));
    // Unticking drops the field's term; unticking the last drops ORDER BY and keeps FROM.
    EXPECT_EQ(builder.SortClicked("Sheet1$.f", false, true, {"Sheet1$.g"}),
              "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$] ORDER BY Sheet1$.g DESC\n");
    EXPECT_EQ(builder.SortClicked("Sheet1$.g", false, true, {}), "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$]");
    EXPECT_TRUE(builder.OrderKeyword().isEmpty());
}

TEST_F(QueryBuilderTest, ConditionsAndSortTogether)
{
    builder.SortClicked("Sheet1$.f", true, true, {"Sheet1$.f"});
    TQueryBuilder::TConditions rows;
    rows[0] = {"Sheet1$.g", "<", "5"};
    EXPECT_EQ(builder.ConditionsChanged(rows),
              "SELECT Sheet1$.f,Sheet1$.g FROM [Sheet1$] WHERE Sheet1$.g < '5' ORDER BY Sheet1$.f ASC\n");
    // Ticking fields again refills the sort list with nothing ticked.
    EXPECT_EQ(builder.FieldsClicked({"Sheet1$.f"}), "SELECT Sheet1$.f FROM [Sheet1$]");
    EXPECT_TRUE(builder.OrderTerms().isEmpty());
}

} // namespace
