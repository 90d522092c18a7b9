#include "data/sources/filesource.h"
#include "sourcetestsupport.h"
#include "support/testsupport.h"

namespace tessarine {
namespace {

const QByteArray kWorkbook = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"
 xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">
<sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/><sheet name="库存" sheetId="2" r:id="rId2"/></sheets>
</workbook>)";

const QByteArray kRels = R"(<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>
<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/other.xml"/>
</Relationships>)";

const QByteArray kShared = R"(<?xml version="1.0" encoding="UTF-8"?>
<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="4" uniqueCount="4">
<si><t>Name</t></si><si><t>Qty</t></si>
<si><r><t>苹</t></r><r><rPr><b/></rPr><t>果</t></r><rPh sb="0" eb="1"><t>ping</t></rPh></si>
<si><t xml:space="preserve"> a &amp; b </t></si>
</sst>)";

// Style 1 shows a date, style 2 a date and time, style 3 a plain number.
const QByteArray kStyles = R"(<?xml version="1.0" encoding="UTF-8"?>
<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="2"><numFmt numFmtId="164" formatCode="yyyy\-mm\-dd\ hh:mm:ss"/><numFmt numFmtId="165" formatCode="&quot;d&quot;0.00"/></numFmts>
<cellStyleXfs count="1"><xf numFmtId="0"/></cellStyleXfs>
<cellXfs count="4"><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/><xf numFmtId="165"/></cellXfs>
</styleSheet>)";

const QByteArray kSheet1 = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="inlineStr"><is><t>Ok</t></is></c>
<c r="D1" t="str"><v>Made</v></c><c r="E1" t="inlineStr"><is><t>Price</t></is></c></row>
<row r="2"><c r="A2" t="s"><v>2</v></c><c r="B2"><v>3</v></c><c r="C2" t="b"><v>1</v></c><c r="D2" s="1"><v>45351</v></c><c r="E2" s="3"><v>2.5</v></c></row>
<row r="3"><c r="A3" t="s"><v>3</v></c><c r="B3"><v>1.5E3</v></c><c r="C3" t="b"><v>0</v></c><c r="D3" s="2"><v>45291.999976851854</v></c></row>
<row r="5"><c r="B5"><f>B2*2</f><v>6</v></c></row>
<row r="6"><c r="A6" t="inlineStr"><is><t></t></is></c></row>
</sheetData></worksheet>)";

// Cells without references follow one another.
const QByteArray kOther = R"(<?xml version="1.0" encoding="UTF-8"?>
<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row><c t="inlineStr"><is><t>Code</t></is></c><c t="inlineStr"><is><t>Qty</t></is></c></row>
<row><c t="inlineStr"><is><t>X</t></is></c><c><v>-4</v></c></row>
</sheetData></worksheet>)";

QList<QPair<QString, QByteArray>> GoodParts()
{
    return {{QStringLiteral("xl/workbook.xml"), kWorkbook},
            {QStringLiteral("xl/_rels/workbook.xml.rels"), kRels},
            {QStringLiteral("xl/sharedStrings.xml"), kShared},
            {QStringLiteral("xl/styles.xml"), kStyles},
            {QStringLiteral("xl/worksheets/sheet1.xml"), kSheet1},
            {QStringLiteral("xl/worksheets/other.xml"), kOther}};
}

class XlsxReaderTest : public test::SourceTest
{
protected:
    bool LoadPath(const QString& path, QString* error)
    {
        return LoadFileSource(ParseConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data "
                                                                   "Source=%1;Extended Properties=Excel 8.0")
                                                        .arg(path)),
                              m_db, error);
    }
};

TEST_F(XlsxReaderTest, ReadsCellKinds)
{
    const QString path = test::TempDir() + QStringLiteral("/goods.xlsx");
    ASSERT_TRUE(WriteZip(path, GoodParts()));
    QString error;
    ASSERT_TRUE(LoadPath(path, &error)) << error.toStdString();
    EXPECT_EQ(Tables(), (QStringList{QStringLiteral("Sheet1$"), QStringLiteral("库存$")}));
    EXPECT_EQ(Columns(QStringLiteral("Sheet1$")),
              (QStringList{QStringLiteral("Name"), QStringLiteral("Qty"), QStringLiteral("Ok"),
                           QStringLiteral("Made"), QStringLiteral("Price")}));
    const std::vector<QVariantList> rows = Rows(QStringLiteral("Select * From [Sheet1$]"));
    ASSERT_EQ(rows.size(), 4u); // the blank row 4 stays, the trailing blank row 6 goes
    struct Expect
    {
        int row, column;
        const char* text;
    };
    for (const Expect& e :
         {Expect{0, 0, "苹果"}, Expect{0, 1, "3"}, Expect{0, 2, "1"}, Expect{0, 3, "2024-02-29"},
          Expect{0, 4, "2.5"}, Expect{1, 0, " a & b "}, Expect{1, 1, "1500"}, Expect{1, 2, "0"},
          Expect{1, 3, "2023-12-31 23:59:58"}, Expect{3, 1, "6"}})
        EXPECT_EQ(rows[size_t(e.row)][e.column].toString(), QString::fromUtf8(e.text))
            << e.row << "," << e.column;
    EXPECT_TRUE(rows[2][0].isNull());
    EXPECT_TRUE(rows[1][4].isNull());

    const std::vector<QVariantList> other = Rows(QStringLiteral("Select Code, Qty From [库存$]"));
    ASSERT_EQ(other.size(), 1u);
    EXPECT_EQ(other[0][0].toString(), QStringLiteral("X"));
    EXPECT_EQ(other[0][1].toInt(), -4);
}

struct BadParts
{
    const char* name;
    const char* part;     // replaced part
    const char* contents; // its new contents; nullptr drops the part
};

class XlsxDamageTest : public test::SourceTest, public ::testing::WithParamInterface<BadParts>
{
};

TEST_P(XlsxDamageTest, FailsWithMessage)
{
    QList<QPair<QString, QByteArray>> parts;
    for (const auto& part : GoodParts()) {
        if (part.first != QLatin1String(GetParam().part))
            parts.append(part);
        else if (GetParam().contents)
            parts.append({part.first, QByteArray(GetParam().contents)});
    }
    const QString path = test::TempDir() + QStringLiteral("/bad.xlsx");
    ASSERT_TRUE(WriteZip(path, parts));
    TFileSource source{TFileSource::Kind::Xlsx, path, true};
    QString error;
    EXPECT_FALSE(LoadFileSource(source, m_db, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Parts, XlsxDamageTest,
    ::testing::Values(
        BadParts{"no_workbook", "xl/workbook.xml", nullptr},
        BadParts{"no_relations", "xl/_rels/workbook.xml.rels", nullptr},
        BadParts{"missing_sheet", "xl/worksheets/other.xml", nullptr},
        BadParts{"shared_index_out_of_range", "xl/sharedStrings.xml", "<sst><si><t>a</t></si></sst>"},
        BadParts{"broken_sheet_xml", "xl/worksheets/sheet1.xml", "<worksheet><sheetData><row><c>"},
        BadParts{"column_past_xfd", "xl/worksheets/other.xml",
                 "<worksheet><sheetData><row><c r=\"XFE1\"><v>1</v></c></row></sheetData></worksheet>"},
        BadParts{"row_past_limit", "xl/worksheets/other.xml",
                 "<worksheet><sheetData><row><c r=\"A1048577\"><v>1</v></c></row></sheetData></worksheet>"},
        BadParts{"broken_workbook_xml", "xl/workbook.xml", "<workbook><sheets><sheet name="}),
    [](const auto& p) { return std::string(p.param.name); });

// Other programs save zip workbooks under the .xls name; the first bytes decide the reader.
TEST_F(XlsxReaderTest, ZipWorkbookNamedXls)
{
    const QString path = test::TempDir() + QStringLiteral("/goods.xls");
    ASSERT_TRUE(WriteZip(path, GoodParts()));
    ASSERT_EQ(ParseConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended "
                                                   "Properties=Excel 8.0")
                                        .arg(path))
                  .kind,
              TFileSource::Kind::Xls);
    QString error;
    ASSERT_TRUE(LoadPath(path, &error)) << error.toStdString();
    EXPECT_EQ(Rows(QStringLiteral("Select Qty From [Sheet1$] Where Name = 'pear' Or Qty > 1000")).size(), 1u);
}

TEST_F(XlsxReaderTest, NonArchivesFail)
{
    const QString dir = test::TempDir();
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("PK\x03\x04garbage", 11), QByteArray("plain text")}) {
        const QString path = dir + QStringLiteral("/x.xlsx");
        ASSERT_TRUE(test::WriteFile(path, bytes));
        TFileSource source{TFileSource::Kind::Xlsx, path, true};
        QString error;
        EXPECT_FALSE(LoadFileSource(source, m_db, &error)) << bytes.constData();
        EXPECT_FALSE(error.isEmpty());
    }
}

} // namespace
} // namespace tessarine
