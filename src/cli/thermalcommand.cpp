// The thermal verb: a label document as one thermal printer's command stream, to a file or a port.
#include "clicommon.h"

#include "data/module/datamodule.h"
#include "platform/ports.h"
#include "print/recordfeed.h"
#include "print/thermal/portwriter.h"
#include "print/thermal/thermaljob.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

namespace tessarine::cli {
namespace {

// The settings file the designer keeps the port table in.
QString SettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tessarine/Tessarine.conf");
}

// Reads "--name N" into value when given; an error message, or empty.
QString TakeNumber(QStringList& args, const char* name, int low, int high, int& value)
{
    const QString text = TakeOption(args, QString::fromLatin1(name));
    if (text.isEmpty())
        return {};
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return QStringLiteral("%1 takes a number from %2 to %3").arg(QString::fromLatin1(name)).arg(low).arg(high);
    return {};
}

// Sends the stream through the port writer, as the designer does, and waits for its word.
QString SendToPort(const QByteArray& stream, const QString& port)
{
    TPortTable ports;
    ports.Load(SettingsFile());
    auto* writer = new TPortWriter(stream, port, ports);
    QEventLoop loop;
    QString failure;
    QObject::connect(writer, &TPortWriter::PrintFailed, &loop, [&failure](const QString& message) { failure = message; });
    // The writer deletes itself once it has reported; the program ends after that.
    QObject::connect(writer, &QObject::destroyed, &loop, &QEventLoop::quit);
    if (!writer->Start()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return kPrinterBusyMessage;
    }
    loop.exec();
    return failure;
}

int Thermal(QStringList args)
{
    const QString kindName = TakeOption(args, QStringLiteral("--kind"));
    const QString out = TakeOption(args, QStringLiteral("-o"));
    const QString port = TakeOption(args, QStringLiteral("--port"));
    const QString connection = TakeOption(args, QStringLiteral("--source"));
    const QString sql = TakeOption(args, QStringLiteral("--sql"));
    TPrintRun run;
    // The page-setup dialog's fields start at darkness 10 and speed 3.
    int hot = 10;
    int rate = 3;
    QString optionError;
    for (const QString& error : {TakeNumber(args, "--labels", 1, 10000, run.Labels),
                                 TakeNumber(args, "--copies", 1, 10000, run.Copies),
                                 TakeNumber(args, "--start", 1, 1000, run.Start),
                                 TakeNumber(args, "--darkness", -15, 100, hot), TakeNumber(args, "--speed", 1, 8, rate)}) {
        if (optionError.isEmpty())
            optionError = error;
    }
    if (args.size() != 1 || kindName.isEmpty() || out.isEmpty() == port.isEmpty())
        return Usage();
    if (!optionError.isEmpty())
        return Fail(optionError);
    if (connection.isEmpty() != sql.isEmpty())
        return Fail(QStringLiteral("--source and --sql go together"));
    const std::optional<TThermalKind> kind = FindThermalKind(kindName.toUtf8().toStdString());
    if (!kind)
        return Fail(QStringLiteral("no thermal printer kind named %1").arg(kindName));

    LoadedLabel label;
    if (const QString error = Load(args[0], label); !error.isEmpty())
        return Fail(error);

    std::unique_ptr<TKWZDataModule> data;
    std::unique_ptr<TRecordFeed> feed;
    const QString sourceConnection = connection.isEmpty() ? label.source.ODBC : connection;
    const QString sourceSql = connection.isEmpty() ? label.source.Sql : sql;
    if (!sourceConnection.isEmpty() && !sourceSql.isEmpty()) {
        data = std::make_unique<TKWZDataModule>();
        if (!data->Connect(sourceConnection) || !data->Open(sourceSql))
            return Fail(data->ErrorText());
        feed = std::make_unique<TRecordFeed>(label.document, *data);
        feed->FillNow();
    }

    TPrinterSettings settings;
    settings.P_Current_Name = kindName;
    settings.P_Current_ID = kind->Id;
    settings.P_DPI = kind->Dpi;
    settings.P_Current_Hot = hot;
    settings.P_Rate = rate;
    settings.P_Current_Port = port;
    const TThermalJobResult result =
        RunThermalJob(kind->Family, label.document, label.layout, settings, run, data.get());
    if (result.Status != TThermalJobResult::Ready)
        return Fail(result.Message);

    if (!out.isEmpty()) {
        QSaveFile file(out);
        if (!file.open(QIODevice::WriteOnly) || file.write(result.Stream) != result.Stream.size() || !file.commit())
            return Fail(QStringLiteral("cannot write %1").arg(out));
    } else if (const QString failure = SendToPort(result.Stream, port); !failure.isEmpty()) {
        return Fail(failure);
    }
    std::printf("%d labels on %d sheets, %lld bytes\n", run.Labels * run.Copies, result.Sheets,
                static_cast<long long>(result.Stream.size()));
    return 0;
}

const bool registered = RegisterCommand(
    {QStringLiteral("thermal"),
     QStringLiteral("thermal FILE.KWZ --kind KIND (-o OUT | --port PORT) [--labels N] [--copies C] [--start S]\n"
                    "  [--darkness H] [--speed R] [--source CONN --sql QUERY]"),
     Thermal});

} // namespace
} // namespace tessarine::cli
