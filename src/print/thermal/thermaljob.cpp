#include "thermaljob.h"

#include "portwriter.h"

#include "data/module/datamodule.h"
#include "data/serialstepping.h"
#include "document/designdocument.h"

#include <algorithm>

namespace tessarine {

namespace {

// Beyond this the stream grows as it goes rather than claiming memory up front.
constexpr qsizetype kReserveLimit = qsizetype(1) << 30;

} // namespace

std::optional<TThermalFamily> ThermalFamilyOfKind(int32_t currentId)
{
    for (const TThermalKind& kind : kThermalKinds) {
        if (kind.Id == currentId)
            return kind.Family;
    }
    return std::nullopt;
}

std::optional<TThermalFamily> ThermalFamilyOfName(const QString& name)
{
    if (name == QLatin1String("Zebra"))
        return TThermalFamily::Zebra;
    if (name == QLatin1String("DataMax"))
        return TThermalFamily::Datamax;
    if (name == QLatin1String("PPA"))
        return TThermalFamily::Argox;
    return std::nullopt;
}

TThermalJobResult RunThermalJob(TThermalFamily family, TDesignDocument& document, const TLabelLayout& layout,
                                const TPrinterSettings& settings, const TPrintRun& run, TKWZDataModule* data,
                                const TThermalProgress& progress)
{
    TThermalJobResult result;
    if (PrintingToPort) {
        result.Status = TThermalJobResult::Busy;
        result.Message = kPrinterBusyMessage;
        return result;
    }
    if (const QString why = CheckPrintRun(layout, run); !why.isEmpty()) {
        result.Status = TThermalJobResult::Refused;
        result.Message = why;
        return result;
    }
    const std::vector<TThermalCell> cells = ThermalCells(layout, document);
    const int cellsPerPage = int(cells.size());
    result.Sheets = SheetsNeeded(layout, run);
    if (progress.Started)
        progress.Started(result.Sheets);

    TThermalJobSettings jobSettings;
    jobSettings.Dpi = settings.P_DPI;
    jobSettings.Hot = settings.P_Current_Hot;
    jobSettings.Rate = settings.P_Rate;
    jobSettings.PageWidth = layout.PageWidth;
    jobSettings.ScreenPpi = document.Context().PPI;
    const auto generator = MakeThermalGenerator(family, document, jobSettings);

    auto cancelled = [&result] {
        result.Status = TThermalJobResult::Cancelled;
        result.Stream.clear();
        return result;
    };
    bool keepGoing = true;
    QByteArray& stream = result.Stream;
    generator->WriteJobHeader(stream);
    int cell = run.Start - 1;
    int copyNumber = 1;
    int sheet = 1;
    for (int label = 0; label < run.Labels; ++label) {
        for (int copy = 0; copy < run.Copies; ++copy) {
            if (cell >= cellsPerPage) {
                generator->WriteSheetTrailer(stream);
                ++sheet;
                if (progress.SheetStarted)
                    progress.SheetStarted(sheet);
                cell = 0;
                if (!keepGoing)
                    return cancelled();
            }
            const qsizetype before = stream.size();
            generator->WriteCopy(cells[size_t(cell)], copyNumber, stream);
            // The second copy (the first also downloads the constant graphics) tells roughly how
            // large the job gets; growing the stream step by step would copy it over and over.
            if (copyNumber == 2) {
                const qsizetype remaining = qsizetype(run.Labels) * run.Copies - 2;
                const qsizetype perCopy = stream.size() - before + 64;
                stream.reserve(std::min(stream.size() + perCopy * remaining, kReserveLimit));
            }
            ++cell;
            ++copyNumber;
            if (progress.KeepGoing && !progress.KeepGoing())
                keepGoing = false;
        }
        StepSerials(document);
        if (data)
            data->Next();
    }
    // A cancel on the last sheet must not send the job either.
    if (!keepGoing)
        return cancelled();
    generator->WriteJobTrailer(stream);
    return result;
}

TThermalJobResult RunThermalJob(TDesignDocument& document, const TLabelLayout& layout,
                                const TPrinterSettings& settings, const TPrintRun& run, TKWZDataModule* data,
                                const TThermalProgress& progress)
{
    const std::optional<TThermalFamily> family = ThermalFamilyOfKind(settings.P_Current_ID);
    if (!family || settings.P_DPI <= 0) {
        TThermalJobResult result;
        result.Status = TThermalJobResult::Refused;
        result.Message = QStringLiteral("当前打印机不是热敏打印机");
        return result;
    }
    return RunThermalJob(*family, document, layout, settings, run, data, progress);
}

} // namespace tessarine
