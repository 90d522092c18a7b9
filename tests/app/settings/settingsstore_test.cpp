#include "app/settings/data.h"
#include "app/settings/settingsstore.h"

#include "support/testsupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

QString NewStorePath()
{
    return test::TempDir() + "/Tessarine.conf";
}

TEST(TData, StartsWithTheDocumentedValues)
{
    const TData data;
    EXPECT_TRUE(data.CurrentFileName.isEmpty());
    EXPECT_EQ(data.CallRecordTime, 1000);
    EXPECT_FALSE(data.StartModule);
    EXPECT_FALSE(data.NewWindow);
    EXPECT_EQ(data.VersionText, "Ver3.1");
    EXPECT_EQ(data.BuildText, "Build 3002");
    EXPECT_EQ(data.SavedBarVisible, (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(data.EditInfo, TObjectInfo());
    EXPECT_EQ(data.EditInfo.Kind, 0);
    EXPECT_TRUE(data.Printer.P_Current_Name.isEmpty());
    EXPECT_EQ(data.Printer.P_Current_ID, 0);
    EXPECT_EQ(data.Printer.P_Current_Hot, 0);
    EXPECT_TRUE(data.Printer.P_Current_Port.isEmpty());
    EXPECT_EQ(data.Printer.P_DPI, 0);
    EXPECT_EQ(data.Printer.P_Rate, 0);
}

TEST(SettingsStore, DefaultFileLivesInTheXdgConfigFolder)
{
    const QString configHome = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    ASSERT_FALSE(configHome.isEmpty());
    EXPECT_EQ(TSettingsStore::DefaultFilePath(), configHome + "/Tessarine/Tessarine.conf");
    EXPECT_EQ(TSettingsStore().FilePath(), TSettingsStore::DefaultFilePath());
}

// The three System numbers as a hand-written file holds them, and what start-up makes of them.
struct TSystemCase
{
    const char* Name;
    const char* File;
    int32_t CallRecordTime;
    bool StartModule;
    bool NewWindow;
};

class LoadSystemSettings : public ::testing::TestWithParam<TSystemCase>
{
};

TEST_P(LoadSystemSettings, StopsAtTheFirstMissingOrUnusableValue)
{
    const TSystemCase& c = GetParam();
    const QString path = NewStorePath();
    if (c.File) {
        ASSERT_TRUE(test::WriteFile(path, c.File));
    }
    TData data;
    TSettingsStore(path).LoadSystemSettings(data);
    EXPECT_EQ(data.CallRecordTime, c.CallRecordTime);
    EXPECT_EQ(data.StartModule, c.StartModule);
    EXPECT_EQ(data.NewWindow, c.NewWindow);
}

const TSystemCase kSystemCases[] = {
    {"no_file", nullptr, 1000, false, false},
    {"empty_file", "", 1000, false, false},
    {"all_three", "[System]\nCallRecordTime=20\nStartModule=1\nNewWindow=1\n", 20, true, true},
    {"order_in_file_does_not_matter", "[System]\nNewWindow=1\nStartModule=1\nCallRecordTime=7\n", 7, true,
     true},
    {"start_module_missing", "[System]\nCallRecordTime=20\nNewWindow=1\n", 20, false, false},
    {"call_record_time_missing", "[System]\nStartModule=1\nNewWindow=1\n", 1000, false, false},
    {"new_window_missing", "[System]\nCallRecordTime=3\nStartModule=1\n", 3, true, false},
    {"zeros", "[System]\nCallRecordTime=2\nStartModule=0\nNewWindow=0\n", 2, false, false},
    {"any_nonzero_is_true", "[System]\nCallRecordTime=2\nStartModule=2\nNewWindow=-1\n", 2, true, true},
    {"words_for_booleans", "[System]\nCallRecordTime=2\nStartModule=true\nNewWindow=False\n", 2, true, false},
    {"interval_not_a_number", "[System]\nCallRecordTime=abc\nStartModule=1\nNewWindow=1\n", 1000, false,
     false},
    {"interval_zero", "[System]\nCallRecordTime=0\nStartModule=1\nNewWindow=1\n", 1000, false, false},
    {"interval_negative", "[System]\nCallRecordTime=-5\nStartModule=1\nNewWindow=1\n", 1000, false, false},
    {"interval_too_big", "[System]\nCallRecordTime=4294967296\nStartModule=1\n", 1000, false, false},
    {"interval_above_dialog_range", "[System]\nCallRecordTime=5000\nStartModule=1\nNewWindow=1\n", 5000, true,
     true},
    {"boolean_not_a_number", "[System]\nCallRecordTime=9\nStartModule=yes\nNewWindow=1\n", 9, false, false},
    {"values_in_another_group", "[Data]\nCallRecordTime=5\nStartModule=1\nNewWindow=1\n", 1000, false, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, LoadSystemSettings, ::testing::ValuesIn(kSystemCases),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(SettingsStore, ValuesAfterTheStopKeepWhatTheStateHeld)
{
    const QString path = NewStorePath();
    ASSERT_TRUE(test::WriteFile(path, "[System]\nCallRecordTime=40\nNewWindow=0\n"));
    TData data;
    data.StartModule = true;
    data.NewWindow = true;
    TSettingsStore(path).LoadSystemSettings(data);
    EXPECT_EQ(data.CallRecordTime, 40);
    EXPECT_TRUE(data.StartModule);
    EXPECT_TRUE(data.NewWindow); // not reached, although the file says 0
}

TEST(SettingsStore, SavedSystemValuesUseTheRegistryNamesAndIntegers)
{
    const QString path = NewStorePath();
    TData data;
    data.CallRecordTime = 250;
    data.StartModule = false;
    data.NewWindow = true;
    ASSERT_TRUE(TSettingsStore(path).SaveSystemSettings(data));

    const QString text = QString::fromUtf8(test::ReadFile(path));
    EXPECT_TRUE(text.contains("[System]")) << text.toStdString();
    EXPECT_TRUE(text.contains("CallRecordTime=250")) << text.toStdString();
    EXPECT_TRUE(text.contains("StartModule=0")) << text.toStdString();
    EXPECT_TRUE(text.contains("NewWindow=1")) << text.toStdString();

    TData loaded;
    TSettingsStore(path).LoadSystemSettings(loaded);
    EXPECT_EQ(loaded.CallRecordTime, 250);
    EXPECT_FALSE(loaded.StartModule);
    EXPECT_TRUE(loaded.NewWindow);
}

TEST(SettingsStore, FirstAccessCreatesTheFileAndItsFolder)
{
    const QString path = test::TempDir() + "/nested/Tessarine/Tessarine.conf";
    TSettingsStore store(path);
    EXPECT_TRUE(store.ReadLanguage().isEmpty());
    EXPECT_TRUE(QFile::exists(path));
}

TEST(SettingsStore, LanguageIsEmptyUntilWritten)
{
    TSettingsStore store(NewStorePath());
    EXPECT_EQ(store.ReadLanguage(), QString());
    ASSERT_TRUE(store.WriteLanguage(QString::fromUtf8("简体中文")));
    EXPECT_EQ(store.ReadLanguage(), QString::fromUtf8("简体中文"));
    EXPECT_EQ(store.ReadString(TSettingsGroup::System, "Language"), QString::fromUtf8("简体中文"));
}

// Connection strings and queries are full of characters INI files treat specially.
class DataSourceRoundTrip : public ::testing::TestWithParam<const char*>
{
};

TEST_P(DataSourceRoundTrip, ComesBackExactlyThroughAFreshStore)
{
    const QString path = NewStorePath();
    const TSourceDataBase source{QString::fromUtf8(GetParam()), QString::fromUtf8(GetParam()) + " -- sql"};
    ASSERT_TRUE(TSettingsStore(path).WriteDataSource(source));
    EXPECT_EQ(TSettingsStore(path).ReadDataSource(), source);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, DataSourceRoundTrip,
    ::testing::Values(
        "", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\标签\\货品.xls;Extended Properties=Excel 8.0;",
        "Select * From [Sheet1$] Where a = 'x, y' ; -- \"quoted\"", "  leading and trailing  ",
        "@Variant(not really)", "#hash ;semicolon", "line one\nline two", "a,b,c", "100%"));

TEST(SettingsStore, MissingDataSourceReadsEmpty)
{
    const TSourceDataBase source = TSettingsStore(NewStorePath()).ReadDataSource();
    EXPECT_TRUE(source.ODBC.isEmpty());
    EXPECT_TRUE(source.Sql.isEmpty());
}

TEST(SettingsStore, PrintGroupKeepsStringsAndIntegersApart)
{
    const QString path = NewStorePath();
    TSettingsStore store(path);
    ASSERT_TRUE(store.WriteValues(TSettingsGroup::Print,
                                  {
                                      {"P_Current_Name", QString::fromUtf8("Zebra 203DPI 内置")},
                                      {"P_Current_ID", 1},
                                      {"P_Current_Hot", -15},
                                      {"P_Current_Port", QString("COM2")},
                                  }));
    ASSERT_TRUE(store.WriteInteger(TSettingsGroup::Print, "P_DPI", -1));
    ASSERT_TRUE(store.WriteString(TSettingsGroup::Print, "P_Rate", "fast"));

    TSettingsStore reader(path);
    EXPECT_EQ(reader.ReadString(TSettingsGroup::Print, "P_Current_Name"),
              QString::fromUtf8("Zebra 203DPI 内置"));
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "P_Current_ID"), 1);
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "P_Current_Hot"), -15);
    EXPECT_EQ(reader.ReadString(TSettingsGroup::Print, "P_Current_Port"), QString("COM2"));
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "P_DPI"), -1);
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "P_Rate"), std::nullopt); // a string is no integer
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "P_Current_Port"), std::nullopt);
    EXPECT_EQ(reader.ReadString(TSettingsGroup::Print, "Missing"), std::nullopt);
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::Print, "Missing"), std::nullopt);
    // Groups do not mix.
    EXPECT_EQ(reader.ReadInteger(TSettingsGroup::System, "P_DPI"), std::nullopt);

    const QString text = QString::fromUtf8(test::ReadFile(path));
    EXPECT_TRUE(text.contains("[Print]")) << text.toStdString();
    EXPECT_TRUE(text.contains("P_DPI=-1")) << text.toStdString();
}

TEST(SettingsStore, WritesToAnUnwritablePlaceReportFailure)
{
    // A folder where the file should be: nothing can be written there.
    const QString path = NewStorePath();
    ASSERT_TRUE(QDir().mkpath(path));
    TSettingsStore store(path);
    EXPECT_FALSE(store.WriteLanguage("English"));
    EXPECT_FALSE(store.SaveSystemSettings(TData()));
    EXPECT_FALSE(store.WriteDataSource({"a", "b"}));
    EXPECT_TRUE(store.ReadLanguage().isEmpty());
}

TEST(SettingsStore, AFileWithDamagedLinesKeepsItsGoodValuesAndTakesNewOnes)
{
    const QString path = NewStorePath();
    ASSERT_TRUE(test::WriteFile(path, "\xff\xfe garbage\n[System]\nCallRecordTime=5\njust text\n"));
    TSettingsStore store(path);
    EXPECT_TRUE(store.WriteLanguage("English"));
    EXPECT_EQ(store.ReadLanguage(), "English");
    EXPECT_EQ(store.ReadInteger(TSettingsGroup::System, "CallRecordTime"), 5);
}

TEST(SettingsStore, WritingOneGroupKeepsTheOthers)
{
    const QString path = NewStorePath();
    TSettingsStore store(path);
    ASSERT_TRUE(store.WriteDataSource({"dsn", "select 1"}));
    ASSERT_TRUE(store.WriteLanguage("English"));
    TData data;
    data.CallRecordTime = 5;
    ASSERT_TRUE(store.SaveSystemSettings(data));
    EXPECT_EQ(store.ReadDataSource(), (TSourceDataBase{"dsn", "select 1"}));
    EXPECT_EQ(store.ReadLanguage(), "English");
}

} // namespace
