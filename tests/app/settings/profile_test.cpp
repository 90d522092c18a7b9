#include "app/settings/profile.h"

#include "platform/gbk.h"
#include "support/testsupport.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

QByteArray Gbk(const char* utf8)
{
    return gbk::Encode(QString::fromUtf8(utf8));
}

struct TLookupCase
{
    const char* Name;
    QByteArray File;
    const char* Section;
    const char* Key;
    std::optional<const char*> Expected; // UTF-8; nullopt: no value
};

class ProfileLookup : public ::testing::TestWithParam<TLookupCase>
{
};

TEST_P(ProfileLookup, FindsTheValueAWindowsProgramWouldRead)
{
    const TLookupCase& c = GetParam();
    const TProfile profile = TProfile::Parse(c.File);
    const auto value = profile.Value(QString::fromUtf8(c.Section), QString::fromUtf8(c.Key));
    if (c.Expected) {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, QString::fromUtf8(*c.Expected));
    } else {
        EXPECT_FALSE(value.has_value()) << value->toStdString();
    }
}

const TLookupCase kLookupCases[] = {
    {"plain", "[Main]\nKey=Value\n", "Main", "Key", "Value"},
    {"crlf", "[Main]\r\nKey=Value\r\nOther=2\r\n", "Main", "Other", "2"},
    {"cr_only", "[Main]\rKey=Value\rOther=3", "Main", "Other", "3"},
    {"no_final_newline", "[Main]\nKey=Value", "Main", "Key", "Value"},
    {"gbk_value", Gbk("[SetText]\nOK_BM=确   定\n"), "SetText", "OK_BM", "确   定"},
    {"gbk_section_and_key", Gbk("[窗口]\n按钮=好\n"), "窗口", "按钮", "好"},
    {"section_case", "[main]\nKey=Value\n", "MAIN", "Key", "Value"},
    {"key_case", "[Main]\nkey=Value\n", "Main", "KEY", "Value"},
    {"blanks_around", "  [ Main ]  \n\t Key \t=  Value with  inner  blanks \t\n", "Main", "Key",
     "Value with  inner  blanks"},
    {"double_quotes_removed", "[Main]\nKey=\"  quoted  \"\n", "Main", "Key", "  quoted  "},
    {"single_quotes_removed", "[Main]\nKey='x'\n", "Main", "Key", "x"},
    {"unmatched_quote_kept", "[Main]\nKey=\"x\n", "Main", "Key", "\"x"},
    {"empty_value", "[Main]\nKey=\n", "Main", "Key", ""},
    {"equals_in_value", "[Main]\nKey=a=b\n", "Main", "Key", "a=b"},
    {"semicolon_inside_value", "[Main]\nKey=a;b\n", "Main", "Key", "a;b"},
    {"comment_line", "[Main]\n;Key=Commented\nKey=Real\n", "Main", "Key", "Real"},
    {"indented_comment", "[Main]\n   ; Key=Commented\n", "Main", "Key", std::nullopt},
    {"first_key_wins", "[Main]\nKey=First\nKey=Second\n", "Main", "Key", "First"},
    {"first_section_wins", "[Main]\nKey=First\n[Other]\n[Main]\nKey=Second\nMore=Added\n", "Main", "Key",
     "First"},
    {"duplicate_section_adds", "[Main]\nKey=First\n[Main]\nMore=Added\n", "Main", "More", "Added"},
    {"key_before_any_section", "Key=Orphan\n[Main]\n", "Main", "Key", std::nullopt},
    {"line_without_equals", "[Main]\nJustText\n", "Main", "JustText", std::nullopt},
    {"empty_key", "[Main]\n=Value\n", "Main", "", std::nullopt},
    {"unclosed_section", "[Main\nKey=Value\n", "Main", "Key", "Value"},
    {"text_after_bracket", "[Main] trailing\nKey=Value\n", "Main", "Key", "Value"},
    {"other_section", "[Main]\nKey=Value\n[Next]\n", "Next", "Key", std::nullopt},
    {"missing_section", "[Main]\nKey=Value\n", "Nope", "Key", std::nullopt},
    {"utf8_bom", QByteArray("\xEF\xBB\xBF[Main]\nKey=") + QString::fromUtf8("标签").toUtf8(), "Main", "Key",
     "标签"},
    {"nul_byte", QByteArray("[Main]\nKey=a") + '\0' + "b\nNext=c\n", "Main", "Next", "c"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProfileLookup, ::testing::ValuesIn(kLookupCases),
                         [](const auto& row) { return std::string(row.param.Name); });

TEST(Profile, ListsSectionsAndKeysInFileOrderWithTheirFirstSpelling)
{
    const TProfile profile = TProfile::Parse("[Style]\nFont=x\n[Main]\nB=1\nA=2\nb=3\n[style]\nSize=4\n");
    EXPECT_EQ(profile.Sections(), QStringList({"Style", "Main"}));
    EXPECT_EQ(profile.Keys("MAIN"), QStringList({"B", "A"}));
    EXPECT_EQ(profile.Keys("Style"), QStringList({"Font", "Size"}));
    EXPECT_TRUE(profile.Keys("None").isEmpty());
    EXPECT_EQ(profile.ReadString("Main", "Missing", "fallback"), "fallback");
    EXPECT_EQ(profile.ReadString("Main", "A", "fallback"), "2");
}

// A GBK character cut in two never takes the line end with it: the next line still reads.
TEST(Profile, DamagedDoubleByteCharacterStaysOnItsLine)
{
    QByteArray file = Gbk("[Main]\nA=标");
    file.chop(1); // only the lead byte of 标 is left
    file += "\nB=next\n";
    const TProfile profile = TProfile::Parse(file);
    EXPECT_EQ(profile.ReadString("Main", "B"), "next");
    ASSERT_TRUE(profile.Value("Main", "A").has_value());
}

TEST(Profile, AnyCutOfAFileParsesWithoutCrashingAndKeepsTheLinesBeforeIt)
{
    const QByteArray file =
        Gbk("[SetText]\r\nSetText=文字属性\r\nOK_BM=确定\r\n;注释\r\n[Main]\r\nMain_Menu_OpenFile=打开\r\n");
    const qsizetype okLineEnd = file.indexOf("\r\n;") + 2;
    for (qsizetype cut = 0; cut <= file.size(); ++cut) {
        const TProfile profile = TProfile::Parse(file.left(cut));
        if (cut >= okLineEnd) {
            EXPECT_EQ(profile.ReadString("SetText", "OK_BM"), QString::fromUtf8("确定")) << cut;
        }
    }
}

TEST(Profile, RandomBytesNeverCrash)
{
    QRandomGenerator random(20240611);
    static const char kAlphabet[] = "[]=;\r\n \t\"'abcXYZ\x81\xA1\xB0\xCB\xCE\xFE\xFF\x00";
    const QByteArray alphabet(kAlphabet, sizeof kAlphabet - 1);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes;
        const int length = int(random.bounded(300));
        for (int i = 0; i < length; ++i)
            bytes += round % 2 ? char(random.bounded(256)) : alphabet.at(random.bounded(alphabet.size()));
        const TProfile profile = TProfile::Parse(bytes);
        for (const QString& section : profile.Sections())
            for (const QString& key : profile.Keys(section))
                EXPECT_TRUE(profile.Value(section, key).has_value());
    }
}

TEST(Profile, LoadReadsAFileAndRefusesMissingOnes)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + "/a.Lga", Gbk("[Main]\nKey=值\n")));
    const auto profile = TProfile::Load(dir + "/a.Lga");
    ASSERT_TRUE(profile.has_value());
    EXPECT_EQ(profile->ReadString("Main", "Key"), QString::fromUtf8("值"));
    EXPECT_FALSE(TProfile::Load(dir + "/missing.Lga").has_value());
    EXPECT_FALSE(TProfile::Load(dir).has_value()); // a folder is no profile
}

} // namespace
