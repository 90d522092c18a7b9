#include "printerchoice.h"

#include <QPageSize>
#include <QPrinterInfo>

namespace tessarine {

int PrinterPortIndex(const QString& port)
{
    for (size_t i = 0; i < kPrinterPorts.size(); ++i) {
        if (port == QLatin1String(kPrinterPorts[i]))
            return int(i);
    }
    return -1;
}

bool IsSerialPortIndex(int index)
{
    return index >= 3 && index <= 6;
}

std::optional<TThermalKind> ThermalKindOf(const QString& entry)
{
    const QByteArray utf8 = entry.toUtf8();
    return FindThermalKind(std::string_view(utf8.constData(), size_t(utf8.size())));
}

QStringList PrinterEntries(const QStringList& systemPrinters)
{
    QStringList entries = systemPrinters;
    for (const TThermalKind& kind : kThermalKinds)
        entries << QString::fromUtf8(kind.Name.data(), qsizetype(kind.Name.size()));
    return entries;
}

QStringList TPrinterDirectory::Names() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString TPrinterDirectory::DefaultName() const
{
    return QPrinterInfo::defaultPrinterName();
}

QStringList TPrinterDirectory::PaperNames(const QString& printer) const
{
    QStringList names;
    for (const QPageSize& size : QPrinterInfo::printerInfo(printer).supportedPageSizes())
        names << size.name();
    return names;
}

} // namespace tessarine
