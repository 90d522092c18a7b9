// A Zebra 203 dpi job of many labels, each with a serial text, a constant text, a rectangle and a
// Code 128 barcode whose data comes from a database field: labels per second, stream size and
// the process's peak memory.
// usage: thermal_bench [LABELS]   (10000 by default)
#include "barcode/barcodetypes.h"
#include "data/module/datamodule.h"
#include "data/serialstepping.h"
#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"
#include "print/recordfeed.h"
#include "print/thermal/thermaljob.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <time.h>

#include <cstdio>

using namespace tessarine;

namespace {

// Processor time of the process: the machine may be shared, so wall time alone says little.
double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

long PeakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool MakeDatabase(const QString& path, int rows)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench_setup"));
        db.setDatabaseName(path);
        if (!db.open())
            return false;
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE items (code TEXT)"));
        db.transaction();
        query.prepare(QStringLiteral("INSERT INTO items VALUES (?)"));
        for (int i = 0; i < rows; ++i) {
            query.addBindValue(QStringLiteral("TS%1").arg(100000 + i));
            query.exec();
        }
        db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_setup"));
    return true;
}

TShapePtr AddShape(TDesignDocument& document, TDrawTool tool, QPoint p0, QPoint p1)
{
    TShapePtr shape = document.CreateShapeForTool(tool);
    shape->AddStoredPoint(p0);
    shape->AddStoredPoint(p1);
    document.AddNewShape(shape);
    return shape;
}

void AddText(TDesignDocument& document, QPoint at, const QString& text, bool serial)
{
    TShapePtr shape = AddShape(document, SpText, at, at + QPoint(12 * text.size(), 24));
    TLogText& w = shape->Info.WordInfo;
    w.Text = text;
    w.FontName = QStringLiteral("DejaVu Sans");
    w.Height = 24;
    w.Width = 12;
    w.Weight = 400;
    shape->Info.Kind = kindText;
    if (serial) {
        shape->Info.SourceKind = skSerial;
        shape->Info.RecordNo.SerialKind = kSerialDigits;
        shape->Info.RecordNo.Step = 1;
    }
}

void BuildLabel(TDesignDocument& document)
{
    document.EditALeft = 0;
    document.EditATop = 0;
    document.EditARight = 80;
    document.EditABottom = 50;
    AddText(document, {10, 10}, QStringLiteral("000001"), true);
    AddText(document, {10, 40}, QStringLiteral("Tessarine"), false);
    AddShape(document, SpRectangle, {4, 4}, {290, 180})->Info.PenWidth = 2;
    auto barcode = std::static_pointer_cast<TShowBarCode>(AddShape(document, SpBarCode, {10, 80}, {250, 160}));
    TObjectInfo& info = barcode->Info;
    info.Kind = kindBarCode;
    info.SourceKind = skDatabaseField;
    info.FieldName = QStringLiteral("code");
    info.BarCode.Symbology = bcCode128B;
    info.BarCode.Data = QStringLiteral("TS000000");
    info.BarCode.BarHeight = 60;
    info.BarCode.WidthLevel = 1;
    info.BarCode.ShowText = true;
    info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    info.WordInfo.Height = 14;
    info.WordInfo.Width = 7;
    RenderLinearBarcode(*barcode);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int labels = argc > 1 ? std::atoi(argv[1]) : 10000;

    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("bench.db"));
    if (!MakeDatabase(database, labels))
        return 1;
    TDesignDocument document;
    BuildLabel(document);
    TKWZDataModule data;
    if (!data.Connect(database) || !data.Open(QStringLiteral("SELECT code FROM items"))) {
        std::fprintf(stderr, "%s\n", qPrintable(data.ErrorText()));
        return 1;
    }
    TRecordFeed feed(document, data);
    feed.FillNow();

    TLabelLayout layout;
    layout.PageWidth = 80;
    layout.Row = 1;
    layout.Column = 1;
    TPrinterSettings settings;
    settings.P_Current_ID = 2;
    settings.P_DPI = 203;
    settings.P_Current_Hot = 10;
    settings.P_Rate = 3;

    const long peakBefore = PeakKiB();
    const double cpuBefore = CpuSeconds();
    QElapsedTimer timer;
    timer.start();
    const TThermalJobResult result = RunThermalJob(document, layout, settings, TPrintRun{labels, 1, 1}, &data);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double cpuSeconds = CpuSeconds() - cpuBefore;
    if (result.Status != TThermalJobResult::Ready) {
        std::fprintf(stderr, "%s\n", qPrintable(result.Message));
        return 1;
    }
    std::printf("labels            %d\n", labels);
    std::printf("seconds           %.3f\n", seconds);
    std::printf("labels per second %.0f\n", labels / seconds);
    std::printf("cpu seconds       %.3f (%.0f labels per cpu second)\n", cpuSeconds, labels / cpuSeconds);
    std::printf("stream bytes      %lld (%.1f per label)\n", static_cast<long long>(result.Stream.size()),
                double(result.Stream.size()) / labels);
    std::printf("peak memory KiB   %ld (before the job %ld)\n", PeakKiB(), peakBefore);
    std::printf("last record       %d of %d\n", data.RecordNo(), data.RecordCount());
    return 0;
}
