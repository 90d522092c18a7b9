// Variable data at print speed: moving through a 10,000-row source with three bound texts and a
// bound Code 128 barcode filled on every move, stepping the same objects as serials, and
// opening 10,000-row .xlsx and CSV sources.
#include "barcode/barcodetypes.h"
#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "data/serialstepping.h"
#include "document/designdocument.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tessarine;

namespace {

constexpr int kRows = 10000;

QTemporaryDir& WorkDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString Row(int i)
{
    return QStringLiteral("%1,产品 %2,%3,%4")
        .arg(6900000000000LL + i)
        .arg(i)
        .arg(i * 0.25)
        .arg(1000 + i % 9000);
}

// A folder holding goods.csv: Code, Name, Price, Stock.
QString CsvFolder()
{
    static const QString folder = [] {
        const QString dir = WorkDir().path() + QStringLiteral("/csv");
        QDir().mkpath(dir);
        QFile file(dir + QStringLiteral("/goods.csv"));
        if (file.open(QIODevice::WriteOnly)) {
            QString text = QStringLiteral("Code,Name,Price,Stock\n");
            for (int i = 0; i < kRows; ++i)
                text += Row(i) + QLatin1Char('\n');
            file.write(text.toUtf8());
        }
        return dir;
    }();
    return folder;
}

// The same rows as a one-sheet Office Open XML workbook with shared strings, as Excel saves.
QString XlsxWorkbook()
{
    static const QString path = [] {
        const QString out = WorkDir().path() + QStringLiteral("/goods.xlsx");
        const char* script = R"PY(
import sys, zipfile
rows = int(sys.argv[2])
strings = ['Code', 'Name', 'Price', 'Stock'] + ['产品 %d' % i for i in range(rows)]
def cell(ref, value, shared=False):
    return '<c r="%s" t="s"><v>%d</v></c>' % (ref, value) if shared else '<c r="%s"><v>%s</v></c>' % (ref, value)
lines = ['<row r="1">' + ''.join(cell('%s1' % c, i, True) for i, c in enumerate('ABCD')) + '</row>']
for i in range(rows):
    r = i + 2
    lines.append('<row r="%d">%s%s%s%s</row>' % (r, cell('A%d' % r, 6900000000000 + i), cell('B%d' % r, 4 + i, True),
                 cell('C%d' % r, i * 0.25), cell('D%d' % r, 1000 + i % 9000)))
ns = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
rel = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:
    z.writestr('[Content_Types].xml', '<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType="application/xml"/><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/></Types>')
    z.writestr('_rels/.rels', '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>')
    z.writestr('xl/workbook.xml', '<?xml version="1.0"?><workbook %s %s><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>' % (ns, rel))
    z.writestr('xl/_rels/workbook.xml.rels', '<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    z.writestr('xl/sharedStrings.xml', '<?xml version="1.0"?><sst %s count="%d" uniqueCount="%d">%s</sst>' % (ns, len(strings), len(strings), ''.join('<si><t>%s</t></si>' % s for s in strings)))
    z.writestr('xl/worksheets/sheet1.xml', '<?xml version="1.0"?><worksheet %s><sheetData>%s</sheetData></worksheet>' % (ns, ''.join(lines)))
)PY";
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"), QString::fromUtf8(script), out, QString::number(kRows)});
        python.waitForFinished(120000);
        return out;
    }();
    return path;
}

QString CsvConnection()
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=text;HDR=Yes;"
                          "FMT=Delimited")
        .arg(CsvFolder());
}

// Three texts and a Code 128 barcode, bound to fields or counting as serials.
void FillLabel(TDesignDocument& document, uint8_t source)
{
    const char* fields[] = {"Name", "Price", "Stock"};
    for (int i = 0; i < 3; ++i) {
        TShapePtr text = document.CreateShapeForTool(SpText);
        text->AddStoredPoint(QPoint(10, 10 + 30 * i));
        text->AddStoredPoint(QPoint(10, 10 + 30 * i));
        text->Info.WordInfo.Width = 8;
        text->Info.WordInfo.Height = 16;
        text->Info.WordInfo.Text = QStringLiteral("NO.0001");
        text->Info.SourceKind = source;
        text->Info.FieldName = QString::fromLatin1(fields[i]);
        text->Info.RecordNo.SerialKind = QStringLiteral("文字和数字");
        text->Info.RecordNo.Prefix = QStringLiteral("NO.");
        text->Info.RecordNo.Step = 1;
        document.AddNewShape(text);
    }
    TShapePtr code = document.CreateShapeForTool(SpBarCode);
    code->AddStoredPoint(QPoint(10, 110));
    code->AddStoredPoint(QPoint(300, 190));
    code->Info.BarCode.Symbology = bcCode128B;
    code->Info.BarCode.Data = QStringLiteral("6900000000000");
    code->Info.BarCode.BarHeight = 60;
    code->Info.BarCode.WidthLevel = 1;
    code->Info.SourceKind = source;
    code->Info.FieldName = QStringLiteral("Code");
    code->Info.RecordNo.SerialKind = QStringLiteral("数字");
    code->Info.RecordNo.Step = 1;
    document.AddNewShape(code);
}

void BM_RecordMovesFillingTheLabel(benchmark::State& state)
{
    TKWZDataModule data;
    if (!data.Connect(CsvConnection()) || !data.Open(QStringLiteral("Select * From [goods.csv]")) ||
        data.RecordCount() != kRows) {
        state.SkipWithError("cannot open the CSV source");
        return;
    }
    TDesignDocument document;
    FillLabel(document, skDatabaseField);
    for (auto _ : state) {
        if (!data.Next())
            data.First();
        FillFromRecord(document, data.CurrentRecord());
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["moves/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RecordMovesFillingTheLabel)->Iterations(kRows)->Unit(benchmark::kMicrosecond);

void BM_StepSerials(benchmark::State& state)
{
    TDesignDocument document;
    FillLabel(document, skSerial);
    for (auto _ : state)
        StepSerials(document);
    state.counters["steps/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StepSerials)->Iterations(kRows)->Unit(benchmark::kMicrosecond);

void OpenSource(benchmark::State& state, const QString& connection, const QString& sql)
{
    for (auto _ : state) {
        TKWZDataModule data;
        if (!data.Connect(connection) || !data.Open(sql) || data.RecordCount() != kRows) {
            state.SkipWithError(data.ErrorText().toStdString().c_str());
            return;
        }
    }
}

void BM_OpenXlsx10000Rows(benchmark::State& state)
{
    const QString connection =
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Excel 8.0")
            .arg(XlsxWorkbook());
    OpenSource(state, connection, QStringLiteral("Select * From [Sheet1$]"));
}
BENCHMARK(BM_OpenXlsx10000Rows)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenCsv10000Rows(benchmark::State& state)
{
    OpenSource(state, CsvConnection(), QStringLiteral("Select * From [goods.csv]"));
}
BENCHMARK(BM_OpenCsv10000Rows)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
