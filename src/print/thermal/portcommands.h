#pragma once

#include "platform/ports.h"
#include "print/printersettings.h"

#include <QByteArray>
#include <QString>

namespace tessarine {

// Feeds the stock until the printer has found the start of a label; the same Zebra command
// goes to every thermal kind.
inline const QByteArray kLabelPositioningCommand = QByteArrayLiteral("~JL^XA^MFH^XZ\r\n");

// Sends the positioning command to port. Empty on success, otherwise the warning to show:
// "警告! 端口:" + port + "设备无法启动,更多问题请阅帮助.".
QString SendLabelPositioning(const QString& port, const TPortTable& ports);
QString DeviceCannotStartWarning(const QString& port);

// "警告! 端口:" + port + "被其它设备所占用,更多问题请阅帮助.": the serial port cannot be
// opened for its settings.
QString PortOccupiedWarning(const QString& port);

// The print dialog's printer information for a thermal kind, one value a line.
QString PrinterInformationText(const TPrinterSettings& settings);

} // namespace tessarine
