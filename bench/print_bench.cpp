// Printing a sheet-fed run from a CSV source to PDF: a US-Letter sheet of 3 x 10 address-size
// labels (2.625 x 1 in), each with two texts and a Code 128 symbol with its text, all three
// filled from the record; every label is a new record.
// usage: print_bench [ROWS...]   (default 1000 10000; each size runs in its own process, so its
// peak memory is its own)
#include "data/module/datamodule.h"
#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"
#include "print/printjob.h"
#include "print/recordfeed.h"

#include "barcode/barcodetypes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

using namespace tessarine;

namespace {

constexpr double kInch = 25.4;

TLabelLayout LetterThreeByTen()
{
    TLabelLayout layout;
    layout.PageWidth = 8.5 * kInch;
    layout.PageHeight = 11 * kInch;
    layout.MarginLeft = 0.15625 * kInch;
    layout.MarginTop = 0.5 * kInch;
    layout.Row = 10;
    layout.Column = 3;
    layout.LabelWidth = 2.625 * kInch;
    layout.LabelHeight = 1 * kInch;
    layout.LabelMarginLeft = (2.78125 - 2.625) * kInch;
    layout.LabelMarginTop = 0;
    return layout;
}

void AddFieldText(TDesignDocument& document, QPoint at, int height, const QString& field)
{
    TShapePtr text = document.CreateShapeForTool(SpText);
    text->AddStoredPoint(at);
    text->AddStoredPoint(at + QPoint(120, height));
    text->Info.Kind = kindText;
    text->Info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    text->Info.WordInfo.Height = height;
    text->Info.WordInfo.Width = height / 2;
    text->Info.WordInfo.Weight = 400;
    text->Info.SourceKind = skDatabaseField;
    text->Info.FieldName = field;
    document.AddNewShape(text);
}

void BuildLabel(TDesignDocument& document)
{
    AddFieldText(document, {10, 4}, 18, QStringLiteral("Name"));
    AddFieldText(document, {10, 24}, 14, QStringLiteral("City"));
    auto code = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    code->AddStoredPoint({10, 42});
    code->AddStoredPoint({230, 76});
    TObjectInfo& info = code->Info;
    info.Kind = kindBarCode;
    info.BarCode.Symbology = bcCode128B;
    info.BarCode.Data = QStringLiteral("SKU0000000");
    info.BarCode.BarHeight = 34;
    info.BarCode.WidthLevel = 1;
    info.BarCode.ShowText = true;
    info.BarCode.TextGap = 1;
    info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    info.WordInfo.Height = 12;
    info.WordInfo.Format = 1;
    info.SourceKind = skDatabaseField;
    info.FieldName = QStringLiteral("Code");
    document.AddNewShape(code);
    RenderLinearBarcode(*code);
}

bool WriteRows(const QString& path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("Name,City,Code\n");
    for (int i = 1; i <= rows; ++i)
        file.write(QStringLiteral("Customer %1,City %2,SKU%3\n")
                       .arg(i)
                       .arg(i % 97)
                       .arg(i, 7, 10, QLatin1Char('0'))
                       .toUtf8());
    return true;
}

double PeakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Processor time of this process so far: on a shared machine the wall time also counts others.
double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int RunOne(int rows)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !WriteRows(dir.filePath(QStringLiteral("labels.csv")), rows))
        return 1;
    TDesignDocument document;
    BuildLabel(document);
    TKWZDataModule data;
    if (!data.Connect(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dir.path() +
                      QStringLiteral(";Extended Properties=text;HDR=Yes;FMT=Delimited")) ||
        !data.Open(QStringLiteral("Select * From [labels.csv]"))) {
        std::fprintf(stderr, "%s\n", qPrintable(data.ErrorText()));
        return 1;
    }
    TRecordFeed feed(document, data);
    feed.FillNow();

    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    const TLabelLayout layout = LetterThreeByTen();
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = CpuSeconds();
    QPdfWriter writer(pdf);
    writer.setResolution(300);
    UseLayoutPage(writer, layout);
    TPrintJob job(document, layout, {rows, 1, 1});
    const TPrintOutcome outcome = job.Print(writer);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double cpu = CpuSeconds() - cpuBefore;
    if (outcome.status != TPrintOutcome::Printed) {
        std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
        return 1;
    }
    std::printf(
        "%6d labels  %4d sheets  wall %7.3f s  cpu %7.3f s  %7.1f us/label  peak %6.1f MiB  PDF %8.2f MiB\n",
        rows, outcome.sheets, seconds, cpu, seconds * 1e6 / rows, PeakMiB(),
        QFileInfo(pdf).size() / 1048576.0);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList sizes = app.arguments().mid(1);
    if (sizes.size() == 1)
        return RunOne(sizes[0].toInt());
    if (sizes.isEmpty())
        sizes = {QStringLiteral("1000"), QStringLiteral("10000")};
    int failures = 0;
    for (const QString& size : sizes) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(app.applicationFilePath(), {size});
        child.waitForFinished(-1);
        failures += child.exitCode() != 0;
    }
    return failures == 0 ? 0 : 1;
}
