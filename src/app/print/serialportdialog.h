#pragma once

#include "platform/ports.h"

#include <QDialog>

class QComboBox;

namespace tessarine {

// How a serial port talks: baud rate, data bits, parity, stop bits and flow control.
class TSerialPortDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TSerialPortDialog(const QString& port, QWidget* parent = nullptr);

    void SetSettings(const TSerialSettings& settings);
    // What the fields hold; a baud rate that is not a number keeps the one set before.
    TSerialSettings Settings() const;

private:
    QComboBox* AddField(const QString& objectName, const QString& caption);

    QComboBox* m_baudRate;
    QComboBox* m_dataBits;
    QComboBox* m_parity;
    QComboBox* m_stopBits;
    QComboBox* m_flowControl;
    TSerialSettings m_settings;
};

enum class TSerialSetupOutcome
{
    Stored,          // the port and the table hold the chosen settings
    Cancelled,       // the dialog was cancelled; nothing changed
    PortUnavailable, // the port could not be opened; the warning was shown
};

// "设置" for a COM port: opens its device exclusively, reads how it is configured, lets the user
// change that and stores the result to the port and to ports (which the caller saves). When the
// device cannot be opened, shows PortOccupiedWarning as a warning box instead.
TSerialSetupOutcome ConfigureSerialPort(QWidget* parent, const QString& port, TPortTable& ports);

} // namespace tessarine
