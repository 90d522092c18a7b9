#pragma once

#include <QByteArray>
#include <QHash>
#include <QSerialPort>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tessarine {

// The printer ports a user can choose, in the order the port list shows them.
inline const QStringList kPortNames = {QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
                                          QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                          QStringLiteral("COM4")};

bool IsSerialPortName(const QString& port);

// A network printer written as host:port (raw TCP); "host:" takes the usual raw port 9100.
struct TNetworkPort
{
    QString Host;
    quint16 Port = 9100;
};
std::optional<TNetworkPort> ParseNetworkPort(const QString& port);

// How a serial port talks. The defaults are the usual ones of label printers.
struct TSerialSettings
{
    qint32 BaudRate = 9600;
    QSerialPort::DataBits DataBits = QSerialPort::Data8;
    QSerialPort::Parity Parity = QSerialPort::NoParity;
    QSerialPort::StopBits StopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl FlowControl = QSerialPort::NoFlowControl;

    bool operator==(const TSerialSettings& o) const
    {
        return BaudRate == o.BaudRate && DataBits == o.DataBits && Parity == o.Parity && StopBits == o.StopBits &&
               FlowControl == o.FlowControl;
    }
    // Reads the settings an open port is configured to.
    static TSerialSettings Of(const QSerialPort& port);
    // Configures an open port; false when the device refuses a value.
    bool ApplyTo(QSerialPort& port) const;
};

// Which device file each port name stands for, and the stored configuration of the serial
// ports. Kept in the settings file's "Ports" group; absent values keep the defaults
// (/dev/usb/lp0.. for LPT1.., /dev/ttyS0.. for COM1..).
class TPortTable
{
public:
    TPortTable();

    // The device file of a port name; empty for a name that is not a port.
    QString DevicePath(const QString& port) const;
    void SetDevicePath(const QString& port, const QString& path);
    TSerialSettings Serial(const QString& port) const;
    void SetSerial(const QString& port, const TSerialSettings& settings);

    void Load(const QString& settingsFile);
    // False when the file could not be written.
    bool Save(const QString& settingsFile) const;

private:
    QHash<QString, QString> m_devices;
    QHash<QString, TSerialSettings> m_serial;
};

// Sends bytes to a port: an LPT device file, a COM port through QSerialPort with its stored
// settings, or host:port over TCP. Stops early when stopRequested (if given) answers true.
// Returns an empty string on success, otherwise why it failed.
QString WriteToPort(const QString& port, const QByteArray& bytes, const TPortTable& table,
                    const std::function<bool()>& stopRequested = {});

} // namespace tessarine
