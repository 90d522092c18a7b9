#include "ports.h"

#include <QFile>
#include <QSettings>
#include <QTcpSocket>

namespace tessarine {

namespace {

constexpr int kChunkBytes = 16 * 1024;
constexpr int kConnectMsecs = 5000;
constexpr int kWriteMsecs = 30000;

bool Stopped(const std::function<bool()>& stopRequested)
{
    return stopRequested && stopRequested();
}

// Writes through a device that buffers (serial port, socket), a chunk at a time, waiting
// until each has left so a stop request is seen in time.
QString WriteBuffered(QIODevice& device, const QByteArray& bytes, const std::function<bool()>& stopRequested,
                      const std::function<bool(int msecs)>& waitWritten)
{
    for (qsizetype at = 0; at < bytes.size(); at += kChunkBytes) {
        if (Stopped(stopRequested))
            return QStringLiteral("stopped");
        const QByteArray chunk = bytes.mid(at, kChunkBytes);
        if (device.write(chunk) != chunk.size())
            return device.errorString();
        while (device.bytesToWrite() > 0) {
            if (!waitWritten(kWriteMsecs))
                return device.errorString();
        }
    }
    return {};
}

QString WriteToFile(const QString& path, const QByteArray& bytes, const std::function<bool()>& stopRequested)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return file.errorString();
    for (qsizetype at = 0; at < bytes.size(); at += kChunkBytes) {
        if (Stopped(stopRequested))
            return QStringLiteral("stopped");
        const QByteArray chunk = bytes.mid(at, kChunkBytes);
        if (file.write(chunk) != chunk.size())
            return file.errorString();
    }
    return {};
}

QString WriteToSerial(const QString& path, const TSerialSettings& settings, const QByteArray& bytes,
                      const std::function<bool()>& stopRequested)
{
    QSerialPort serial;
    serial.setPortName(path);
    if (!serial.open(QIODevice::ReadWrite))
        return serial.errorString();
    if (!settings.ApplyTo(serial))
        return serial.errorString();
    const QString error = WriteBuffered(serial, bytes, stopRequested,
                                        [&serial](int msecs) { return serial.waitForBytesWritten(msecs); });
    serial.close();
    return error;
}

QString WriteToNetwork(const TNetworkPort& address, const QByteArray& bytes,
                       const std::function<bool()>& stopRequested)
{
    QTcpSocket socket;
    socket.connectToHost(address.Host, address.Port);
    if (!socket.waitForConnected(kConnectMsecs))
        return socket.errorString();
    const QString error = WriteBuffered(socket, bytes, stopRequested,
                                        [&socket](int msecs) { return socket.waitForBytesWritten(msecs); });
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectMsecs);
    return error;
}

QString SerialKey(const QString& port, const char* name)
{
    return port + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

bool IsSerialPortName(const QString& port)
{
    return port.startsWith(QLatin1String("COM")) && kPortNames.contains(port);
}

std::optional<TNetworkPort> ParseNetworkPort(const QString& port)
{
    QString host;
    QString number;
    if (port.startsWith(QLatin1Char('['))) {
        // [IPv6 address]:port
        const int close = port.indexOf(QLatin1Char(']'));
        if (close < 0 || (close + 1 < port.size() && port[close + 1] != QLatin1Char(':')))
            return std::nullopt;
        host = port.mid(1, close - 1);
        number = port.mid(close + 2);
    } else {
        const int colon = port.lastIndexOf(QLatin1Char(':'));
        if (colon < 0 || port.indexOf(QLatin1Char(':')) != colon)
            return std::nullopt;
        host = port.left(colon);
        number = port.mid(colon + 1);
    }
    if (host.isEmpty() || host.contains(QLatin1Char('/')) || host.contains(QLatin1Char(' ')))
        return std::nullopt;
    TNetworkPort address;
    address.Host = host;
    if (!number.isEmpty()) {
        bool ok = false;
        const uint value = number.toUInt(&ok);
        if (!ok || value == 0 || value > 65535)
            return std::nullopt;
        address.Port = quint16(value);
    }
    return address;
}

TSerialSettings TSerialSettings::Of(const QSerialPort& port)
{
    TSerialSettings settings;
    settings.BaudRate = port.baudRate();
    settings.DataBits = port.dataBits();
    settings.Parity = port.parity();
    settings.StopBits = port.stopBits();
    settings.FlowControl = port.flowControl();
    return settings;
}

bool TSerialSettings::ApplyTo(QSerialPort& port) const
{
    return port.setBaudRate(BaudRate) && port.setDataBits(DataBits) && port.setParity(Parity) &&
           port.setStopBits(StopBits) && port.setFlowControl(FlowControl);
}

TPortTable::TPortTable()
{
    for (int i = 0; i < 3; ++i)
        m_devices.insert(QStringLiteral("LPT%1").arg(i + 1), QStringLiteral("/dev/usb/lp%1").arg(i));
    for (int i = 0; i < 4; ++i)
        m_devices.insert(QStringLiteral("COM%1").arg(i + 1), QStringLiteral("/dev/ttyS%1").arg(i));
}

QString TPortTable::DevicePath(const QString& port) const
{
    return m_devices.value(port);
}

void TPortTable::SetDevicePath(const QString& port, const QString& path)
{
    if (kPortNames.contains(port))
        m_devices.insert(port, path);
}

TSerialSettings TPortTable::Serial(const QString& port) const
{
    return m_serial.value(port);
}

void TPortTable::SetSerial(const QString& port, const TSerialSettings& settings)
{
    if (IsSerialPortName(port))
        m_serial.insert(port, settings);
}

void TPortTable::Load(const QString& settingsFile)
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Ports"));
    for (const QString& port : kPortNames) {
        const QString device = settings.value(port).toString();
        if (!device.isEmpty())
            m_devices.insert(port, device);
        if (!IsSerialPortName(port) || !settings.contains(SerialKey(port, "BaudRate")))
            continue;
        TSerialSettings serial;
        bool ok = false;
        if (const int baud = settings.value(SerialKey(port, "BaudRate")).toInt(&ok); ok && baud > 0)
            serial.BaudRate = baud;
        serial.DataBits = QSerialPort::DataBits(settings.value(SerialKey(port, "DataBits"), int(serial.DataBits)).toInt());
        serial.Parity = QSerialPort::Parity(settings.value(SerialKey(port, "Parity"), int(serial.Parity)).toInt());
        serial.StopBits = QSerialPort::StopBits(settings.value(SerialKey(port, "StopBits"), int(serial.StopBits)).toInt());
        serial.FlowControl =
            QSerialPort::FlowControl(settings.value(SerialKey(port, "FlowControl"), int(serial.FlowControl)).toInt());
        m_serial.insert(port, serial);
    }
}

bool TPortTable::Save(const QString& settingsFile) const
{
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Ports"));
    for (const QString& port : kPortNames) {
        settings.setValue(port, m_devices.value(port));
        if (!m_serial.contains(port))
            continue;
        const TSerialSettings& serial = m_serial[port];
        settings.setValue(SerialKey(port, "BaudRate"), serial.BaudRate);
        settings.setValue(SerialKey(port, "DataBits"), int(serial.DataBits));
        settings.setValue(SerialKey(port, "Parity"), int(serial.Parity));
        settings.setValue(SerialKey(port, "StopBits"), int(serial.StopBits));
        settings.setValue(SerialKey(port, "FlowControl"), int(serial.FlowControl));
    }
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString WriteToPort(const QString& port, const QByteArray& bytes, const TPortTable& table,
                    const std::function<bool()>& stopRequested)
{
    if (const auto address = ParseNetworkPort(port))
        return WriteToNetwork(*address, bytes, stopRequested);
    const QString device = table.DevicePath(port);
    if (device.isEmpty())
        return QStringLiteral("unknown port %1").arg(port);
    if (IsSerialPortName(port))
        return WriteToSerial(device, table.Serial(port), bytes, stopRequested);
    return WriteToFile(device, bytes, stopRequested);
}

} // namespace tessarine
