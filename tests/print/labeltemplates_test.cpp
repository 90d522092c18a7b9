#include "print/labeltemplates.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cstring>

namespace tessarine {
namespace {

// Reads the file the way its format describes it, independently of the reader under test.
struct RawReader
{
    const QByteArray& bytes;
    qsizetype pos = 0;

    int32_t I32()
    {
        const int32_t v = qFromLittleEndian<int32_t>(bytes.constData() + pos);
        pos += 4;
        return v;
    }
    int16_t I16()
    {
        const int16_t v = qFromLittleEndian<int16_t>(bytes.constData() + pos);
        pos += 2;
        return v;
    }
    double F64()
    {
        const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + pos);
        pos += 8;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
};

TModule Sample(const char* name)
{
    TModule m;
    m.Name = QString::fromUtf8(name);
    m.PageWidth = 100.5;
    m.PageHeight = 150.25;
    m.MarginLeft = 1.5;
    m.MarginTop = 2.75;
    m.Row = 7;
    m.Column = 3;
    m.LabelEllipse = 9;
    m.LabelMarginLeft = 0.5;
    m.LabelMarginTop = 1.25;
    m.LabelWidth = 30.5;
    m.LabelHeight = 20.125;
    m.BackGroundColor = 0x00F0FBFF;
    m.LabelColor = 0x00ABCDEF;
    return m;
}

TEST(ModulesFile, OneTemplateNamedAIsNinetySevenBytes)
{
    TModuleFile file;
    file.Modules.push_back(Sample("A"));
    file.SelectedIndex = 1;
    const QByteArray bytes = EncodeModules(file);
    ASSERT_EQ(bytes.size(), 97);

    RawReader in{bytes};
    EXPECT_EQ(in.I32(), 0); // index of the last template
    EXPECT_EQ(in.I32(), 1); // name length
    EXPECT_EQ(bytes.at(in.pos++), 'A');
    EXPECT_EQ(in.F64(), 100.5);
    EXPECT_EQ(in.F64(), 150.25);
    EXPECT_EQ(in.F64(), 1.5);
    EXPECT_EQ(in.F64(), 2.75);
    EXPECT_EQ(in.I16(), 7); // Row
    EXPECT_EQ(in.I16(), 3); // Column
    EXPECT_EQ(in.I16(), 3); // Column again
    EXPECT_EQ(in.I16(), 9); // LabelEllipse
    EXPECT_EQ(in.F64(), 0.5);
    EXPECT_EQ(in.F64(), 1.25);
    EXPECT_EQ(in.F64(), 30.5);
    EXPECT_EQ(in.F64(), 20.125);
    EXPECT_EQ(in.I16(), 9); // LabelEllipse again
    EXPECT_EQ(in.I16(), 0); // zero for templates made here
    EXPECT_EQ(in.I32(), 0x00F0FBFF);
    EXPECT_EQ(in.I32(), 0x00ABCDEF);
    EXPECT_EQ(in.I32(), 1); // selected entry
    EXPECT_EQ(in.pos, 97);
}

TEST(ModulesFile, NoTemplatesIsACountOfMinusOne)
{
    const QByteArray bytes = EncodeModules(TModuleFile{});
    EXPECT_EQ(bytes, QByteArray::fromHex("ffffffff00000000"));
    const std::optional<TModuleFile> read = DecodeModules(bytes);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Modules.empty());
    EXPECT_EQ(read->SelectedIndex, 0);
}

TEST(ModulesFile, ReadsBackWhatItWroteWithGbkNamesAndEqualNames)
{
    TModuleFile file;
    file.Modules = {Sample("A"), Sample("标签 60x40"), Sample("A")};
    file.Modules[1].Trailer = 0x1234; // a value some other writer left there
    file.SelectedIndex = 2;
    const QByteArray bytes = EncodeModules(file);
    EXPECT_EQ(bytes.size(), 4 + 3 * 88 + 1 + 10 + 1 + 4); // "标签 60x40" is 10 GBK bytes
    const std::optional<TModuleFile> read = DecodeModules(bytes);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Modules.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(read->Modules[i] == file.Modules[i]) << i;
    EXPECT_EQ(read->SelectedIndex, 2);
    EXPECT_EQ(EncodeModules(*read), bytes);
}

TEST(ModulesFile, TheLaterCopyOfColumnAndEllipseWins)
{
    QByteArray bytes = EncodeModules(TModuleFile{{Sample("A")}, 0});
    // name ends at 9; doubles to 41; Row at 41, Column at 43, Column at 45, Ellipse at 47,
    // doubles to 81, Ellipse at 81.
    qToLittleEndian<int16_t>(11, bytes.data() + 43);
    qToLittleEndian<int16_t>(12, bytes.data() + 47);
    const std::optional<TModuleFile> read = DecodeModules(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Modules[0].Column, 3);       // from the second group
    EXPECT_EQ(read->Modules[0].LabelEllipse, 9); // from the third group
    qToLittleEndian<int16_t>(13, bytes.data() + 45);
    qToLittleEndian<int16_t>(14, bytes.data() + 81);
    EXPECT_EQ(DecodeModules(bytes)->Modules[0].Column, 13);
    EXPECT_EQ(DecodeModules(bytes)->Modules[0].LabelEllipse, 14);
}

struct DamagedCase
{
    const char* name;
    QByteArray bytes;
};

class DamagedModulesFile : public ::testing::TestWithParam<DamagedCase>
{
};

TEST_P(DamagedModulesFile, IsRefused)
{
    EXPECT_FALSE(DecodeModules(GetParam().bytes).has_value());
}

QByteArray Good()
{
    return EncodeModules(TModuleFile{{Sample("A"), Sample("B")}, 1});
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedModulesFile,
    ::testing::Values(DamagedCase{"Empty", {}}, DamagedCase{"ShortCount", QByteArray::fromHex("0000")},
                      DamagedCase{"CutInTheFirstTemplate", Good().left(50)},
                      DamagedCase{"CutBeforeTheIndex", Good().left(Good().size() - 2)},
                      DamagedCase{"HugeCount", QByteArray::fromHex("ffffff7f00000000")},
                      DamagedCase{"CountBelowMinusOne", QByteArray::fromHex("feffffff00000000")},
                      DamagedCase{"HugeNameLength", QByteArray::fromHex("00000000ffffff7f41")},
                      DamagedCase{"NegativeNameLength", QByteArray::fromHex("00000000feffffff41")}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ModulesFile, ASelectedEntryOutsideTheListReadsAsTheDefault)
{
    for (int32_t index : {-1, 3, 1000}) {
        QByteArray bytes = Good();
        qToLittleEndian<int32_t>(index, bytes.data() + bytes.size() - 4);
        const std::optional<TModuleFile> read = DecodeModules(bytes);
        ASSERT_TRUE(read) << index;
        EXPECT_EQ(read->SelectedIndex, 0) << index;
    }
    QByteArray bytes = Good();
    qToLittleEndian<int32_t>(2, bytes.data() + bytes.size() - 4);
    EXPECT_EQ(DecodeModules(bytes)->SelectedIndex, 2); // the last template
}

TEST(ModulesFile, DefaultTemplate)
{
    const TModule d = DefaultModule();
    EXPECT_EQ(d.PageWidth, 210);
    EXPECT_EQ(d.PageHeight, 297);
    EXPECT_EQ(d.MarginLeft, 2);
    EXPECT_EQ(d.MarginTop, 12);
    EXPECT_EQ(d.Row, 3);
    EXPECT_EQ(d.Column, 3);
    EXPECT_EQ(d.LabelMarginLeft, 1);
    EXPECT_EQ(d.LabelMarginTop, 1);
    EXPECT_EQ(d.LabelWidth, 65);
    EXPECT_EQ(d.LabelHeight, 90);
    EXPECT_EQ(d.BackGroundColor, 0x00F0FBFF);
    EXPECT_EQ(d.LabelColor, 0x00FFFFFF);
    EXPECT_EQ(d.LabelEllipse, 8);
}

TEST(ModuleStore, SavesAndLoadsTheFile)
{
    const QString dir = test::TempDir();
    const TModuleStore store(dir + "/sub/Modules.dat");
    EXPECT_FALSE(store.Load().has_value());
    const TModuleFile file{{Sample("A")}, 1};
    ASSERT_TRUE(store.Save(file));
    EXPECT_EQ(test::ReadFile(dir + "/sub/Modules.dat"), EncodeModules(file));
    const std::optional<TModuleFile> read = store.Load();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Modules.size(), 1u);
}

TEST(ModuleStore, FallsBackToTheProgramsFileUntilTheUserHasOne)
{
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + "/shipped.dat", EncodeModules(TModuleFile{{Sample("S")}, 1})));
    const TModuleStore store(dir + "/user.dat", dir + "/shipped.dat");
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.Load()->Modules.at(0).Name, "S");
    ASSERT_TRUE(store.Save(TModuleFile{{Sample("U")}, 0}));
    EXPECT_EQ(store.Load()->Modules.at(0).Name, "U");
    EXPECT_EQ(DecodeModules(test::ReadFile(dir + "/shipped.dat"))->Modules.at(0).Name, "S");
}

TEST(ModuleStore, ReportsAFileThatCannotBeWritten)
{
    // A path through a plain file cannot be written, whoever runs the test (root ignores modes).
    const QString dir = test::TempDir();
    ASSERT_TRUE(test::WriteFile(dir + "/plain", "x"));
    EXPECT_FALSE(TModuleStore(dir + "/plain/Modules.dat").Save(TModuleFile{}));
}

} // namespace
} // namespace tessarine
