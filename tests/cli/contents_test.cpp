#include "support/testsupport.h"

#include "barcode/barcodetypes.h"
#include "document/designdocument.h"
#include "document/labelfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <vector>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tessarine {
namespace {

const QString kData = QStringLiteral(TESSARINE_FIXTURES "/data");

QString CsvSource()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=text;HDR=Yes;"
                          "FMT=Delimited")
        .arg(kData);
}

QString XlsSource()
{
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1/goods.xls;Extended Properties=Excel "
               "8.0;Persist Security Info=False")
        .arg(kData);
}

// ShapeIDs of the label below, in list order.
enum : int
{
    kName = 0,
    kPrice,
    kCode,
    kSerialText,
    kSerialCode,
    kFixed
};

TShapePtr Add(TDesignDocument& document, TDrawTool tool, uint8_t source, const QString& field)
{
    TShapePtr shape = document.CreateShapeForTool(tool);
    shape->AddStoredPoint(QPoint(10, 10 + 30 * int(document.Shapes.size())));
    shape->AddStoredPoint(QPoint(250, 90 + 30 * int(document.Shapes.size())));
    shape->Info.WordInfo.Width = 8;
    shape->Info.WordInfo.Height = 16;
    shape->Info.SourceKind = source;
    shape->Info.FieldName = field;
    shape->Info.BarCode.Symbology = bcCode128B;
    shape->Info.BarCode.BarHeight = 40;
    shape->Info.BarCode.WidthLevel = 1;
    document.AddNewShape(shape);
    return shape;
}

// Three fields, two serials and a constant; the document's source is given by the caller.
QString MakeLabel(const TSourceDataBase& source)
{
    TDesignDocument document;
    Add(document, SpText, skDatabaseField, QStringLiteral("Name"));
    Add(document, SpText, skDatabaseField, QStringLiteral("Price"));
    Add(document, SpBarCode, skDatabaseField, QStringLiteral("Code"))->Info.BarCode.Data =
        QStringLiteral("0");
    TShapePtr serialText = Add(document, SpText, skSerial, QString());
    serialText->Info.WordInfo.Text = QStringLiteral("NO.009-B");
    serialText->Info.RecordNo.SerialKind = QStringLiteral("文字和数字");
    serialText->Info.RecordNo.Step = 1;
    serialText->Info.RecordNo.Prefix = QStringLiteral("NO.");
    serialText->Info.RecordNo.Suffix = QStringLiteral("-B");
    TShapePtr serialCode = Add(document, SpBarCode, skSerial, QString());
    serialCode->Info.BarCode.Data = QStringLiteral("007");
    serialCode->Info.RecordNo.SerialKind = QStringLiteral("数字");
    serialCode->Info.RecordNo.Step = 1;
    serialCode->Info.RecordNo.Decrement = 1;
    Add(document, SpText, skTyped, QString())->Info.WordInfo.Text = QStringLiteral("固定");
    const QString path = test::TempDir() + QStringLiteral("/label.KWZ");
    EXPECT_TRUE(SaveLabelFile(document, path, TLabelLayout(), source));
    return path;
}

struct CliRun
{
    int exitCode = -1;
    std::vector<QJsonObject> lines;
    QString err;
};

CliRun Contents(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), QStringList{QStringLiteral("contents")} + args);
    process.waitForFinished(60000);
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.err = QString::fromUtf8(process.readAllStandardError());
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            run.lines.push_back(QJsonDocument::fromJson(line).object());
    return run;
}

QString ContentOf(const QJsonObject& line, int shapeId)
{
    for (const QJsonValue& shape : line[QStringLiteral("Shapes")].toArray())
        if (shape[QStringLiteral("ShapeID")].toInt() == shapeId)
            return shape[QStringLiteral("Content")].toString();
    return QStringLiteral("<absent>");
}

struct SourceCase
{
    const char* name;
    TSourceDataBase inDocument;
    QStringList options;
};

class ContentsTest : public ::testing::TestWithParam<SourceCase>
{
};

TEST_P(ContentsTest, EachLabelStepsSerialsAndMovesTheRecord)
{
    const SourceCase& c = GetParam();
    const CliRun run = Contents(
        QStringList{MakeLabel(c.inDocument), QStringLiteral("--labels"), QStringLiteral("4")} << c.options);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 4u);
    const struct
    {
        int record;
        const char* name;
        const char* price;
        const char* code;
        const char* serialText;
        const char* serialCode;
    } expected[] = {
        {1, "绿茶", "12.5", "6901234567892", "NO.009-B", "007"},
        {2, "红茶, 500g", "15", "6902234567891", "NO.010-B", "006"},
        {3, "乌龙", "20.25", "6903234567890", "NO.011-B", "005"},
        {3, "乌龙", "20.25", "6903234567890", "NO.012-B", "004"}, // past the last record it repeats
    };
    for (size_t i = 0; i < run.lines.size(); ++i) {
        const QJsonObject& line = run.lines[i];
        EXPECT_EQ(line[QStringLiteral("Label")].toInt(), int(i) + 1);
        EXPECT_EQ(line[QStringLiteral("RecordNo")].toInt(), expected[i].record) << i;
        EXPECT_EQ(ContentOf(line, kName), QString::fromUtf8(expected[i].name)) << i;
        EXPECT_EQ(ContentOf(line, kPrice), QString::fromUtf8(expected[i].price)) << i;
        EXPECT_EQ(ContentOf(line, kCode), QString::fromUtf8(expected[i].code)) << i;
        EXPECT_EQ(ContentOf(line, kSerialText), QString::fromUtf8(expected[i].serialText)) << i;
        EXPECT_EQ(ContentOf(line, kSerialCode), QString::fromUtf8(expected[i].serialCode)) << i;
        EXPECT_EQ(ContentOf(line, kFixed), QStringLiteral("<absent>")) << "constants are not variable";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, ContentsTest,
    ::testing::Values(
        SourceCase{"csv_in_document", {CsvSource(), QStringLiteral("Select * From [goods.csv]")}, {}},
        SourceCase{"xls_in_document", {XlsSource(), QStringLiteral("Select * From [Goods$]")}, {}},
        SourceCase{"csv_on_command_line",
                   {},
                   {QStringLiteral("--source"), CsvSource(), QStringLiteral("--sql"),
                    QStringLiteral("Select * From [goods.csv]")}},
        SourceCase{"xls_overrides_document",
                   {CsvSource(), QStringLiteral("Select * From [nothing.csv]")},
                   {QStringLiteral("--source"), XlsSource(), QStringLiteral("--sql"),
                    QStringLiteral("Select Code, Name, Price From [Goods$] Order By Code")}}),
    [](const ::testing::TestParamInfo<SourceCase>& param) { return std::string(param.param.name); });

TEST(Contents, WithoutASourceOnlySerialsMove)
{
    const CliRun run = Contents({MakeLabel({}), QStringLiteral("--labels"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[1][QStringLiteral("RecordNo")].toInt(), 0);
    EXPECT_EQ(ContentOf(run.lines[1], kSerialText), QStringLiteral("NO.010-B"));
    EXPECT_EQ(ContentOf(run.lines[1], kName), QString()); // never filled
}

TEST(Contents, FailuresExitWithAMessage)
{
    const QString label = MakeLabel({});
    const QString notALabel = test::TempDir() + QStringLiteral("/not.KWZ");
    ASSERT_TRUE(test::WriteFile(notALabel, "not a label"));
    const struct
    {
        QStringList args;
        const char* message;
    } cases[] = {
        {{test::TempDir() + QStringLiteral("/missing.KWZ")}, "错误!找不到打开文件!"},
        {{notALabel}, "文件头破坏."},
        {{label, QStringLiteral("--labels"), QStringLiteral("0")}, "--labels takes a number"},
        {{label, QStringLiteral("--labels"), QStringLiteral("x")}, "--labels takes a number"},
        {{label, QStringLiteral("--source"),
          QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + kData +
              QStringLiteral("/missing.xls;Extended Properties=Excel 8.0"),
          QStringLiteral("--sql"), QStringLiteral("Select * From [Goods$]")},
         "无法连接数据库"},
        {{label, QStringLiteral("--source"), XlsSource(), QStringLiteral("--sql"),
          QStringLiteral("Select * From [NoSheet$]")},
         "查询失败"},
        {{label, QStringLiteral("--source"), XlsSource()}, "没有查询语句"},
    };
    for (const auto& c : cases) {
        const CliRun run = Contents(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message)))
            << c.message << ": " << run.err.toStdString();
        EXPECT_TRUE(run.lines.empty()) << c.message;
    }
}

} // namespace
} // namespace tessarine
