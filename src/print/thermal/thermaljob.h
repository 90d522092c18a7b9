#pragma once

#include "thermalgenerator.h"

#include "print/celllayout.h"
#include "print/printersettings.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace tessarine {

class TDesignDocument;
class TKWZDataModule;

inline const QString kPrinterBusyMessage = QStringLiteral("打印机忙中,请稍候再试.");

// The family a thermal kind's P_Current_ID belongs to; none for other values.
std::optional<TThermalFamily> ThermalFamilyOfKind(int32_t currentId);
// The family names the print dialog passes: "Zebra", "DataMax" and "PPA" (Argox).
std::optional<TThermalFamily> ThermalFamilyOfName(const QString& name);

// What the window shows while a job runs. Every member may be empty.
struct TThermalProgress
{
    // Once, before the first label, with the number of sheets the job fills.
    std::function<void(int sheets)> Started;
    // When a further sheet begins (2, 3, ...).
    std::function<void(int sheet)> SheetStarted;
    // After every copy; the window lets pending events run here. False asks to cancel, which
    // takes effect at the next sheet or at the end of the job: a cancelled job sends nothing.
    std::function<bool()> KeepGoing;
};

struct TThermalJobResult
{
    enum TStatus
    {
        Ready,     // Stream holds the whole job, to be handed to the port writer
        Busy,      // a port writer is still sending; Message says so
        Refused,   // the run does not fit the layout; Message says why
        Cancelled, // the user cancelled; nothing is to be sent
    };
    TStatus Status = Ready;
    QByteArray Stream;
    QString Message;
    int Sheets = 0;
};

// Builds the command stream of a whole job for the family: run.Labels labels of run.Copies
// copies each, from cell run.Start of the first sheet of the layout's grid. After the copies of a
// label the serial numbers step and data (when given) moves to its next record; whoever listens
// to the module's record changes fills the objects (a failure to move is ignored). The settings'
// P_DPI, P_Current_Hot and P_Rate go into the stream.
TThermalJobResult RunThermalJob(TThermalFamily family, TDesignDocument& document, const TLabelLayout& layout,
                                const TPrinterSettings& settings, const TPrintRun& run, TKWZDataModule* data,
                                const TThermalProgress& progress = {});

// The same for the family of the settings' thermal kind (P_Current_ID); Refused for a
// printer served through the system driver.
TThermalJobResult RunThermalJob(TDesignDocument& document, const TLabelLayout& layout,
                                const TPrinterSettings& settings, const TPrintRun& run, TKWZDataModule* data,
                                const TThermalProgress& progress = {});

} // namespace tessarine
