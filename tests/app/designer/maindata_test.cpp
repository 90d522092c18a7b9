#include "app/database/databaseoperation.h"
#include "app/designer/mainwindow.h"
#include "app/settings/settingsstore.h"
#include "data/module/datamodule.h"

#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

using namespace tessarine;
using tessarine::test::TempDir;

namespace {

QString MakeGoodsDatabase()
{
    const QString path = TempDir() + "/goods.sqlite";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "goods-setup");
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec("CREATE TABLE goods (code TEXT, name TEXT)"));
        EXPECT_TRUE(q.exec("INSERT INTO goods VALUES ('6901', 'green tea'), ('6902', 'black tea'), ('6903', 'oolong')"));
        db.close();
    }
    QSqlDatabase::removeDatabase("goods-setup");
    return path;
}

// A main window started with a stored data source (or none), its questions answered in turn.
struct DataWindow
{
    explicit DataWindow(bool withSource)
    {
        TSettingsStore().WriteDataSource(withSource ? TSourceDataBase{MakeGoodsDatabase(), "SELECT code, name FROM goods"}
                                                    : TSourceDataBase{});
        main = std::make_unique<TMain>();
        main->Warn = [this](const QString& text) { messages << text; };
        main->Inform = [this](const QString& text) { messages << text; };
        main->AskText = [this](const QString&, const QString& prompt, const QString& proposal) -> std::optional<QString> {
            prompts << prompt + "|" + proposal;
            if (answers.empty())
                return std::nullopt;
            const QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
    ~DataWindow() { TSettingsStore().WriteDataSource({}); }
    QString Panel() const { return main->StatusPanel(3)->text(); }
    void Trigger(const char* name) { main->Action(QString::fromLatin1(name))->trigger(); }

    std::unique_ptr<TMain> main;
    QStringList messages;
    QStringList prompts;
    std::deque<QString> answers;
};

TEST(MainWindowData, StartUpConnectsTheStoredSourceAndMovesReportThePosition)
{
    DataWindow w(true);
    EXPECT_EQ(w.Panel(), QStringLiteral("记录号: 1  /3"));
    const std::pair<const char*, QString> moves[] = {
        {"Main_Menu_DBLast", "记录号: 3  /3"},
        {"Main_Menu_DBNext", "记录号: 3  /3"}, // past the end: stays
        {"Main_Menu_DBPrior", "记录号: 2  /3"},
        {"Main_Menu_DBFirst", "记录号: 1  /3"},
        {"Main_Menu_DBNext", "记录号: 2  /3"},
    };
    for (const auto& [command, panel] : moves) {
        w.Trigger(command);
        EXPECT_EQ(w.Panel(), panel) << command;
    }
}

TEST(MainWindowData, WithoutADatabaseMovesAndLookupsSayWhy)
{
    DataWindow w(false);
    EXPECT_EQ(w.Panel(), QStringLiteral("未使用数据库"));
    for (const char* command : {"Main_Menu_DBFirst", "Main_Menu_DBNext", "Main_Menu_DBPrior", "Main_Menu_DBLast"}) {
        w.main->StatusPanel(3)->clear();
        w.Trigger(command);
        EXPECT_EQ(w.Panel(), QStringLiteral("未使用数据库,无法移动操作")) << command;
    }
    w.answers = {"1"};
    w.Trigger("Main_Menu_FindLoacd");
    EXPECT_EQ(w.Panel(), QStringLiteral("无法定位操作"));
}

TEST(MainWindowData, GoToRecordProposesTheCurrentNumber)
{
    DataWindow w(true);
    w.answers = {"3"};
    w.Trigger("Main_Menu_FindLoacd");
    EXPECT_EQ(w.prompts.last(), QStringLiteral("记录号:|1"));
    EXPECT_EQ(w.main->DataModule()->RecordNo(), 3);
    // Cancelling sets the same record again; a wrong number says it cannot locate.
    w.Trigger("Main_Menu_FindLoacd");
    EXPECT_EQ(w.prompts.last(), QStringLiteral("记录号:|3"));
    EXPECT_EQ(w.main->DataModule()->RecordNo(), 3);
    for (const QString& wrong : {QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("4")}) {
        w.answers = {wrong};
        w.Trigger("Main_Menu_FindLoacd");
        EXPECT_EQ(w.Panel(), QStringLiteral("无法定位操作")) << wrong.toStdString();
        EXPECT_EQ(w.main->DataModule()->RecordNo(), 3);
    }
}

TEST(MainWindowData, KeywordSearchFindsAPrefixInAnyFieldOrSaysSo)
{
    DataWindow w(true);
    w.answers = {"black"};
    w.Trigger("Main_Menu_FindKey");
    EXPECT_EQ(w.prompts.last(), QStringLiteral("关键字 :|"));
    EXPECT_EQ(w.messages.last(), QStringLiteral("定位成功! 记录号: 2"));
    w.answers = {"6903"};
    w.Trigger("Main_Menu_FindKey");
    EXPECT_EQ(w.messages.last(), QStringLiteral("定位成功! 记录号: 3"));
    w.answers = {"tea"}; // inside a value, not at its start
    w.Trigger("Main_Menu_FindKey");
    EXPECT_EQ(w.messages.last(), QStringLiteral("对不起! 找不到: tea"));
    const int shown = int(w.messages.size());
    w.answers = {""};
    w.Trigger("Main_Menu_FindKey");
    EXPECT_EQ(w.messages.size(), shown);
}

TEST(MainWindowData, TheRecordRollStopsByItselfOnTheLastRecord)
{
    DataWindow w(true);
    w.main->Data().CallRecordTime = 5;
    QAction* roll = w.main->Action("Main_Menu_DBRoll");
    w.Trigger("Main_Menu_DBRoll");
    EXPECT_TRUE(roll->isChecked());
    EXPECT_TRUE(w.main->RollTimer()->isActive());
    EXPECT_EQ(w.main->RollTimer()->interval(), 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.main->RollTimer()->isActive(); }, 2000));
    EXPECT_FALSE(roll->isChecked());
    EXPECT_EQ(w.Panel(), QStringLiteral("☆滚动结束┃记录号:3"));
    // Switching it on and off again by hand.
    w.Trigger("Main_Menu_DBFirst");
    w.main->Data().CallRecordTime = 100000;
    w.Trigger("Main_Menu_DBRoll");
    w.Trigger("Main_Menu_DBRoll");
    EXPECT_FALSE(w.main->RollTimer()->isActive());
    EXPECT_EQ(w.main->DataModule()->RecordNo(), 1);
}

TEST(MainWindowData, TheRollWithoutRecordsStopsAtOnce)
{
    DataWindow w(false);
    w.main->Data().CallRecordTime = 1;
    w.Trigger("Main_Menu_DBRoll");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.main->RollTimer()->isActive(); }, 2000));
    EXPECT_EQ(w.Panel(), QStringLiteral("☆数据库无记录☆"));
    EXPECT_FALSE(w.main->Action("Main_Menu_DBRoll")->isChecked());
}

TEST(MainWindowData, TheGridAndTheNavigatorShowAndHideTogetherAndFollowTheRecord)
{
    DataWindow w(true);
    w.main->resize(1000, 700);
    w.main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.main.get()));
    w.Trigger("Main_Menu_ShowDGrid");
    EXPECT_TRUE(w.main->DataGrid()->isVisible());
    EXPECT_TRUE(w.main->NavigatorWindow()->isVisible());
    EXPECT_EQ(w.main->DataGrid()->model()->rowCount(), 3);
    w.Trigger("Main_Menu_DBLast");
    EXPECT_EQ(w.main->DataGrid()->currentIndex().row(), 2);
    w.Trigger("Main_Menu_ShowDGrid");
    EXPECT_FALSE(w.main->DataGrid()->isVisible());
    EXPECT_FALSE(w.main->NavigatorWindow()->isVisible());
    EXPECT_EQ(TDataBaseOperation::PlaceIn(QSize(1000, 650), QSize(120, 30)), QPoint(858, 610));
}

} // namespace
