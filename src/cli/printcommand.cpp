// The printing verbs: print (to a PDF file or a system printer) and preview (to PNG pages).
#include "clicommon.h"

#include "data/module/datamodule.h"
#include "document/labelfile.h"
#include "print/previewrenderer.h"
#include "print/printjob.h"
#include "print/recordfeed.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cstdio>
#include <memory>

namespace tessarine::cli {
namespace {

// PDF output is made for label printers of this resolution.
constexpr int kPdfDotsPerInch = 300;

// The run and the data source a printing verb takes besides its target.
struct TRunOptions
{
    TPrintRun run;
    QString connection;
    QString sql;
};

// Reads --labels, --copies, --start, --source and --sql; an error message, or empty.
QString TakeRunOptions(QStringList& args, TRunOptions& options)
{
    struct Count
    {
        const char* name;
        int* value;
        int low, high;
    };
    // The print dialog's own ranges.
    const Count counts[] = {
        {"--labels", &options.run.Labels, 1, 10000},
        {"--copies", &options.run.Copies, 1, 10000},
        {"--start", &options.run.Start, 1, 1000},
    };
    for (const Count& count : counts) {
        const QString text = TakeOption(args, QString::fromLatin1(count.name));
        if (text.isEmpty())
            continue;
        bool ok = false;
        *count.value = text.toInt(&ok);
        if (!ok || *count.value < count.low || *count.value > count.high)
            return QStringLiteral("%1 takes a number from %2 to %3")
                .arg(count.name)
                .arg(count.low)
                .arg(count.high);
    }
    options.connection = TakeOption(args, QStringLiteral("--source"));
    options.sql = TakeOption(args, QStringLiteral("--sql"));
    if (options.connection.isEmpty() != options.sql.isEmpty())
        return QStringLiteral("--source and --sql go together");
    return {};
}

// The document's data source, or the one the options name, opened on its first record and
// filling the document; none when neither names a source.
class TCliDataSource
{
public:
    QString Open(LoadedLabel& label, const TRunOptions& options)
    {
        const bool overridden = !options.connection.isEmpty();
        const QString connection = overridden ? options.connection : label.source.ODBC;
        const QString sql = overridden ? options.sql : label.source.Sql;
        if (connection.isEmpty() || sql.isEmpty())
            return {};
        m_data = std::make_unique<TKWZDataModule>();
        if (!m_data->Connect(connection) || !m_data->Open(sql))
            return m_data->ErrorText();
        m_feed = std::make_unique<TRecordFeed>(label.document, *m_data);
        m_feed->FillNow();
        return {};
    }

private:
    std::unique_ptr<TKWZDataModule> m_data;
    std::unique_ptr<TRecordFeed> m_feed;
};

int Print(QStringList args)
{
    const QString pdf = TakeOption(args, QStringLiteral("--pdf"));
    const QString printerName = TakeOption(args, QStringLiteral("--printer"));
    const bool keepSerials = TakeFlag(args, QStringLiteral("--keep-serials"));
    TRunOptions options;
    const QString optionError = TakeRunOptions(args, options);
    if (args.size() != 1 || pdf.isEmpty() == printerName.isEmpty())
        return Usage();
    if (!optionError.isEmpty())
        return Fail(optionError);

    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    // Saved as it was loaded, apart from the serials: a source given here is not stored.
    const TSourceDataBase storedSource = label.source;
    TCliDataSource data;
    if (const QString error = data.Open(label, options); !error.isEmpty())
        return Fail(error);

    QPrinter printer(QPrinter::HighResolution);
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(kPdfDotsPerInch);
    } else {
        if (!QPrinterInfo::availablePrinterNames().contains(printerName))
            return Fail(QStringLiteral("no printer named %1").arg(printerName));
        printer.setPrinterName(printerName);
    }
    printer.setDocName(label.document.FileInfo.Title);
    UseLayoutPage(printer, label.layout);

    TPrintJob job(label.document, label.layout, options.run);
    const TPrintOutcome outcome = job.Print(printer);
    if (outcome.status != TPrintOutcome::Printed)
        return Fail(outcome.message);
    if (keepSerials && !SaveLabelFile(label.document, args[0], label.layout, storedSource))
        return Fail(QStringLiteral("保存失败!"));
    std::printf("%d labels on %d sheets to %s\n", options.run.Labels * options.run.Copies, outcome.sheets,
                qPrintable(pdf.isEmpty() ? printerName : pdf));
    return 0;
}

int Preview(QStringList args)
{
    const QString pattern = TakeOption(args, QStringLiteral("-o"));
    TRunOptions options;
    const QString optionError = TakeRunOptions(args, options);
    if (args.size() != 1 || pattern.isEmpty())
        return Usage();
    if (!optionError.isEmpty())
        return Fail(optionError);

    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);
    TCliDataSource data;
    if (const QString error = data.Open(label, options); !error.isEmpty())
        return Fail(error);

    const TPreviewPages preview = RenderPreviewPages(label.document, label.layout, options.run);
    if (!preview.Message.isEmpty())
        return Fail(preview.Message);
    const QString number = QStringLiteral("%d");
    if (!pattern.contains(number) && preview.Pages.size() > 1)
        return Fail(QStringLiteral("-o needs %d for the page number: %1 pages").arg(preview.Pages.size()));
    for (int i = 0; i < preview.Pages.size(); ++i) {
        QString path = pattern;
        path.replace(number, QString::number(i + 1));
        if (!preview.Pages[i].save(path, "PNG"))
            return Fail(QStringLiteral("cannot write %1").arg(path));
    }
    if (preview.Truncated)
        std::fprintf(stderr, "the preview keeps the first %d pages\n", int(preview.Pages.size()));
    return 0;
}

const bool registered =
    RegisterCommand({QStringLiteral("print"),
                     QStringLiteral("print FILE.KWZ --pdf OUT.pdf | --printer NAME [--labels N] [--copies C] "
                                    "[--start S] [--source CONN --sql QUERY] [--keep-serials]"),
                     Print}) &&
    RegisterCommand({QStringLiteral("preview"),
                     QStringLiteral("preview FILE.KWZ -o PAGE%d.png [--labels N] [--copies C] [--start S] "
                                    "[--source CONN --sql QUERY]"),
                     Preview});

} // namespace
} // namespace tessarine::cli
