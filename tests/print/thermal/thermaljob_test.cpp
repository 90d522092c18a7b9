#include "thermalfixtures.h"

#include "support/testsupport.h"

#include "print/recordfeed.h"
#include "print/thermal/portwriter.h"
#include "print/thermal/thermaljob.h"

#include "data/module/datamodule.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using namespace test;

class ThermalJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetLabelOutline(document, 60, 30);
        AddShape(document, SpRectangle, {10, 20}, {110, 70})->Info.PenWidth = 1;
    }

    TDesignDocument document;
};

TEST_F(ThermalJobTest, RefusedWhileThePortWriterSends)
{
    PrintingToPort = true;
    const TThermalJobResult result =
        RunThermalJob(document, GridLayout(1, 1), ThermalSettings(2, 203), TPrintRun{1, 1, 1}, nullptr);
    PrintingToPort = false;
    EXPECT_EQ(result.Status, TThermalJobResult::Busy);
    EXPECT_EQ(result.Message, QStringLiteral("打印机忙中,请稍候再试."));
    EXPECT_TRUE(result.Stream.isEmpty());
}

TEST_F(ThermalJobTest, RefusesARunTheSheetCannotHold)
{
    const auto start = RunThermalJob(document, GridLayout(1, 2), ThermalSettings(2, 203), TPrintRun{1, 1, 4}, nullptr);
    EXPECT_EQ(start.Status, TThermalJobResult::Refused);
    const auto grid = RunThermalJob(document, GridLayout(0, 2), ThermalSettings(2, 203), TPrintRun{1, 1, 1}, nullptr);
    EXPECT_EQ(grid.Status, TThermalJobResult::Refused);
    const auto driver = RunThermalJob(document, GridLayout(1, 1), ThermalSettings(2, -1), TPrintRun{1, 1, 1}, nullptr);
    EXPECT_EQ(driver.Status, TThermalJobResult::Refused);
}

struct SheetCase
{
    int rows;
    int columns;
    int labels;
    int copies;
    int start;
    int sheets;
};

class ThermalSheetTest : public ThermalJobTest, public ::testing::WithParamInterface<SheetCase>
{
};

TEST_P(ThermalSheetTest, CountsAndAnnouncesSheets)
{
    const SheetCase c = GetParam();
    int announced = 0;
    QList<int> started;
    int copies = 0;
    TThermalProgress progress;
    progress.Started = [&](int sheets) { announced = sheets; };
    progress.SheetStarted = [&](int sheet) { started.append(sheet); };
    progress.KeepGoing = [&] { return ++copies > 0; };
    const TThermalJobResult result = RunThermalJob(document, GridLayout(c.rows, c.columns), ThermalSettings(2, 203),
                                                   TPrintRun{c.labels, c.copies, c.start}, nullptr, progress);
    ASSERT_EQ(result.Status, TThermalJobResult::Ready);
    EXPECT_EQ(announced, c.sheets);
    EXPECT_EQ(result.Sheets, c.sheets);
    EXPECT_EQ(copies, c.labels * c.copies);
    QList<int> expected;
    for (int sheet = 2; sheet <= c.sheets; ++sheet)
        expected.append(sheet);
    EXPECT_EQ(started, expected);
    // Every sheet but the last ends with the sheet trailer.
    EXPECT_EQ(result.Stream.count("^PQ1,0,1,Y^XZ\r^XA\r"), c.sheets - 1);
    EXPECT_EQ(result.Stream.count("^GB"), c.labels * c.copies);
}

INSTANTIATE_TEST_SUITE_P(Sheets, ThermalSheetTest,
                         ::testing::Values(SheetCase{1, 1, 1, 1, 1, 1}, SheetCase{1, 1, 3, 2, 1, 6},
                                           SheetCase{2, 2, 4, 1, 1, 1}, SheetCase{2, 2, 5, 1, 1, 2},
                                           SheetCase{2, 2, 1, 1, 5, 2}, SheetCase{2, 2, 2, 2, 4, 2},
                                           SheetCase{1, 3, 7, 1, 2, 3}));

TEST_F(ThermalJobTest, CancelTakesEffectAtTheNextSheetAndSendsNothing)
{
    int copies = 0;
    QList<int> started;
    TThermalProgress progress;
    progress.SheetStarted = [&](int sheet) { started.append(sheet); };
    progress.KeepGoing = [&] { return ++copies < 2; };
    const TThermalJobResult result =
        RunThermalJob(document, GridLayout(1, 3), ThermalSettings(2, 203), TPrintRun{9, 1, 1}, nullptr, progress);
    EXPECT_EQ(result.Status, TThermalJobResult::Cancelled);
    EXPECT_TRUE(result.Stream.isEmpty());
    // Cancelled during the first sheet's second copy: its third copy is still made, then the
    // second sheet stops the job.
    EXPECT_EQ(copies, 3);
    EXPECT_EQ(started, QList<int>{2});
}

TEST_F(ThermalJobTest, CancelOnTheLastSheetSendsNothingEither)
{
    TThermalProgress progress;
    progress.KeepGoing = [] { return false; };
    const TThermalJobResult result =
        RunThermalJob(document, GridLayout(1, 3), ThermalSettings(2, 203), TPrintRun{2, 1, 1}, nullptr, progress);
    EXPECT_EQ(result.Status, TThermalJobResult::Cancelled);
    EXPECT_TRUE(result.Stream.isEmpty());
}

TEST_F(ThermalJobTest, FamiliesByKindAndName)
{
    EXPECT_EQ(ThermalFamilyOfKind(1), TThermalFamily::Zebra);
    EXPECT_EQ(ThermalFamilyOfKind(3), TThermalFamily::Zebra);
    EXPECT_EQ(ThermalFamilyOfKind(4), TThermalFamily::Argox);
    EXPECT_EQ(ThermalFamilyOfKind(5), TThermalFamily::Datamax);
    EXPECT_EQ(ThermalFamilyOfKind(8), TThermalFamily::Datamax);
    EXPECT_FALSE(ThermalFamilyOfKind(0).has_value());
    EXPECT_EQ(ThermalFamilyOfName(QStringLiteral("Zebra")), TThermalFamily::Zebra);
    EXPECT_EQ(ThermalFamilyOfName(QStringLiteral("DataMax")), TThermalFamily::Datamax);
    EXPECT_EQ(ThermalFamilyOfName(QStringLiteral("PPA")), TThermalFamily::Argox);
    EXPECT_FALSE(ThermalFamilyOfName(QStringLiteral("Argox")).has_value());
}

QString MakeDatabase(int rows)
{
    const QString path = TempDir() + QStringLiteral("/thermal.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("thermal_setup"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(QStringLiteral("CREATE TABLE items (code TEXT)")));
        for (int i = 1; i <= rows; ++i)
            EXPECT_TRUE(query.exec(QStringLiteral("INSERT INTO items VALUES ('C%1')").arg(i)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("thermal_setup"));
    return path;
}

TEST_F(ThermalJobTest, EachLabelTakesTheNextRecord)
{
    document.Shapes.clear();
    const TShapePtr text = AddText(document, {10, 20}, QStringLiteral("x"));
    text->Info.SourceKind = skDatabaseField;
    text->Info.FieldName = QStringLiteral("code");
    TKWZDataModule data;
    ASSERT_TRUE(data.Connect(MakeDatabase(3))) << data.ErrorText().toStdString();
    TRecordFeed feed(document, data);
    ASSERT_TRUE(data.Open(QStringLiteral("SELECT code FROM items ORDER BY code")));
    feed.FillNow();
    ASSERT_EQ(text->Info.WordInfo.Text, QStringLiteral("C1"));

    // Four labels from three records: the move past the last fails and is ignored.
    const TThermalJobResult result =
        RunThermalJob(document, GridLayout(1, 1), ThermalSettings(2, 203), TPrintRun{4, 2, 1}, &data);
    ASSERT_EQ(result.Status, TThermalJobResult::Ready);
    EXPECT_EQ(data.RecordNo(), 3);
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("C3"));
    // A variable text is downloaded with every copy: 4 labels x 2 copies.
    EXPECT_EQ(result.Stream.count("~DGR:IMG"), 8);
    for (int copy = 1; copy <= 8; ++copy)
        EXPECT_TRUE(result.Stream.contains("~DGR:IMG" + QByteArray::number(copy) + "0,")) << copy;
}

} // namespace
} // namespace tessarine
