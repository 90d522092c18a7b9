#pragma once

#include "thermalkinds.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tessarine {

// The ports a thermal printer can be on, in the order the port list shows them.
inline constexpr std::array<const char*, 7> kPrinterPorts{"LPT1", "LPT2", "LPT3", "COM1",
                                                          "COM2", "COM3", "COM4"};

// Position of a port in kPrinterPorts, -1 when it is none of them (an empty port included).
int PrinterPortIndex(const QString& port);
// Serial ports have a configuration to set; parallel ones do not.
bool IsSerialPortIndex(int index);

// The thermal kind a printer list entry names, if it names one.
std::optional<TThermalKind> ThermalKindOf(const QString& entry);

// The printer list: the system's printers in the system's order, then the ten thermal kinds.
QStringList PrinterEntries(const QStringList& systemPrinters);

// The system's printers, behind a seam so the dialog can be shown a fixed set.
class TPrinterDirectory
{
public:
    virtual ~TPrinterDirectory() = default;
    // CUPS printers in the system's order.
    virtual QStringList Names() const;
    // The system's default printer; empty when there is none.
    virtual QString DefaultName() const;
    // The paper names the printer offers.
    virtual QStringList PaperNames(const QString& printer) const;
};

} // namespace tessarine
