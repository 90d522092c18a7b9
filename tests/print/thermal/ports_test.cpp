#include "thermalfixtures.h"

#include "pseudoterminal.h"

#include "support/testsupport.h"

#include "platform/ports.h"
#include "print/thermal/portcommands.h"
#include "print/thermal/portwriter.h"
#include "print/thermal/thermaljob.h"

#include <QElapsedTimer>
#include <QCoreApplication>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>


namespace tessarine {
namespace {

using namespace test;

// Every byte value, so any translation on the way would show.
QByteArray AllBytes(int repeat)
{
    QByteArray bytes;
    for (int r = 0; r < repeat; ++r) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
    }
    return bytes;
}

TEST(PortsTest, SerialPortPassesBytesUnchanged)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().isEmpty());
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("COM2"), pty.SlavePath());
    TSerialSettings serial;
    serial.BaudRate = 19200;
    ports.SetSerial(QStringLiteral("COM2"), serial);
    const QByteArray bytes = AllBytes(8);
    EXPECT_EQ(WriteToPort(QStringLiteral("COM2"), bytes, ports), QString());
    EXPECT_EQ(pty.Read(bytes.size()), bytes);
}

TEST(PortsTest, LptPortIsADeviceFile)
{
    const QString path = TempDir() + QStringLiteral("/lp0");
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("LPT1"), path);
    const QByteArray bytes = AllBytes(2);
    EXPECT_EQ(WriteToPort(QStringLiteral("LPT1"), bytes, ports), QString());
    EXPECT_EQ(ReadFile(path), bytes);
}

TEST(PortsTest, DefaultDevices)
{
    const TPortTable ports;
    EXPECT_EQ(ports.DevicePath(QStringLiteral("LPT1")), QStringLiteral("/dev/usb/lp0"));
    EXPECT_EQ(ports.DevicePath(QStringLiteral("LPT3")), QStringLiteral("/dev/usb/lp2"));
    EXPECT_EQ(ports.DevicePath(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(ports.DevicePath(QStringLiteral("COM4")), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(ports.DevicePath(QStringLiteral("COM5")), QString());
}

TEST(PortsTest, TableSurvivesTheSettingsFile)
{
    const QString file = TempDir() + QStringLiteral("/ports.conf");
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("LPT2"), QStringLiteral("/dev/usb/lp7"));
    TSerialSettings serial;
    serial.BaudRate = 38400;
    serial.DataBits = QSerialPort::Data7;
    serial.Parity = QSerialPort::EvenParity;
    serial.StopBits = QSerialPort::TwoStop;
    serial.FlowControl = QSerialPort::HardwareControl;
    ports.SetSerial(QStringLiteral("COM3"), serial);
    ASSERT_TRUE(ports.Save(file));
    TPortTable loaded;
    loaded.Load(file);
    EXPECT_EQ(loaded.DevicePath(QStringLiteral("LPT2")), QStringLiteral("/dev/usb/lp7"));
    EXPECT_EQ(loaded.DevicePath(QStringLiteral("LPT1")), QStringLiteral("/dev/usb/lp0"));
    EXPECT_TRUE(loaded.Serial(QStringLiteral("COM3")) == serial);
    EXPECT_TRUE(loaded.Serial(QStringLiteral("COM1")) == TSerialSettings());
}

struct AddressCase
{
    const char* text;
    bool network;
    const char* host;
    quint16 port;
};

class NetworkPortTest : public ::testing::TestWithParam<AddressCase>
{
};

TEST_P(NetworkPortTest, Parses)
{
    const auto address = ParseNetworkPort(QString::fromLatin1(GetParam().text));
    ASSERT_EQ(address.has_value(), GetParam().network);
    if (address) {
        EXPECT_EQ(address->Host, QString::fromLatin1(GetParam().host));
        EXPECT_EQ(address->Port, GetParam().port);
    }
}

INSTANTIATE_TEST_SUITE_P(Addresses, NetworkPortTest,
                         ::testing::Values(AddressCase{"192.0.2.7:9101", true, "192.0.2.7", 9101},
                                           AddressCase{"printer.local:", true, "printer.local", 9100},
                                           AddressCase{"[::1]:6101", true, "::1", 6101},
                                           AddressCase{"[::1]", true, "::1", 9100},
                                           AddressCase{"LPT1", false, "", 0}, AddressCase{"COM3", false, "", 0},
                                           AddressCase{"host:0", false, "", 0},
                                           AddressCase{"host:70000", false, "", 0},
                                           AddressCase{"host:abc", false, "", 0}, AddressCase{":9100", false, "", 0},
                                           AddressCase{"::1:9100", false, "", 0}));

// Reads everything one connection sends until it closes.
QByteArray ReceiveAll(QTcpServer& server, int msecs = 20000)
{
    if (!server.waitForNewConnection(msecs))
        return {};
    QTcpSocket* socket = server.nextPendingConnection();
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < msecs) {
        if (socket->waitForReadyRead(200))
            bytes += socket->readAll();
        else if (socket->state() == QAbstractSocket::UnconnectedState)
            break;
    }
    bytes += socket->readAll();
    return bytes;
}

// What a writer reported, received on the test's thread as the main window would.
struct WriterOutcome
{
    explicit WriterOutcome(TPortWriter* watched) : writer(watched)
    {
        QObject::connect(watched, &TPortWriter::PrintFinished, &context, [this] { ++finished; });
        QObject::connect(watched, &TPortWriter::PrintFailed, &context, [this](const QString& text) {
            ++failed;
            message = text;
        });
    }
    // Until the writer has reported and deleted itself.
    bool Wait(int msecs = 20000)
    {
        QElapsedTimer timer;
        timer.start();
        while ((finished + failed == 0 || writer) && timer.elapsed() < msecs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return finished + failed > 0 && !writer;
    }

    QPointer<TPortWriter> writer;
    QObject context;
    int finished = 0;
    int failed = 0;
    QString message;
};

TEST(PortWriterTest, SendsTheStreamToANetworkPrinter)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString port = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
    auto* writer = new TPortWriter(AllBytes(4), port, TPortTable());
    WriterOutcome outcome(writer);
    ASSERT_TRUE(writer->Start());
    EXPECT_EQ(ReceiveAll(server), AllBytes(4) + "\r\n");
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.finished, 1);
    EXPECT_EQ(outcome.failed, 0);
    EXPECT_FALSE(PrintingToPort);
}

TEST(PortWriterTest, UnwritableDeviceReportsThePortAsBusy)
{
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("LPT2"), TempDir() + QStringLiteral("/no-such-folder/lp1"));
    auto* writer = new TPortWriter("^XA^XZ", QStringLiteral("LPT2"), ports);
    WriterOutcome outcome(writer);
    ASSERT_TRUE(writer->Start());
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(outcome.message, QStringLiteral("Sorry! LPT2端口被占用中,请稍候..."));
    EXPECT_EQ(outcome.finished, 0);
    EXPECT_FALSE(PrintingToPort);
}

TEST(PortWriterTest, SecondJobIsRefusedWhileTheFirstIsWritten)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString port = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
    // Far more than the socket buffers hold, so the writer waits for the reader.
    const QByteArray stream = AllBytes(64 * 1024);
    auto* writer = new TPortWriter(stream, port, TPortTable());
    WriterOutcome outcome(writer);
    ASSERT_TRUE(writer->Start());
    ASSERT_TRUE(PrintingToPort);

    TDesignDocument document;
    SetLabelOutline(document, 60, 30);
    const TThermalJobResult second =
        RunThermalJob(document, GridLayout(1, 1), ThermalSettings(2, 203), TPrintRun{1, 1, 1}, nullptr);
    EXPECT_EQ(second.Status, TThermalJobResult::Busy);
    EXPECT_EQ(second.Message, QStringLiteral("打印机忙中,请稍候再试."));
    QPointer<TPortWriter> another = new TPortWriter("x", port, TPortTable());
    EXPECT_FALSE(another->Start());
    // A writer that may not start deletes itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(another.isNull());

    const QByteArray received = ReceiveAll(server);
    EXPECT_EQ(received.size(), stream.size() + 2);
    EXPECT_TRUE(received == stream + "\r\n");
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.finished, 1);
    EXPECT_FALSE(PrintingToPort);
}

TEST(PortCommandsTest, LabelPositioning)
{
    const QString path = TempDir() + QStringLiteral("/positioning");
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("LPT3"), path);
    EXPECT_EQ(SendLabelPositioning(QStringLiteral("LPT3"), ports), QString());
    EXPECT_EQ(ReadFile(path), QByteArray("~JL^XA^MFH^XZ\r\n"));

    ports.SetDevicePath(QStringLiteral("LPT3"), TempDir() + QStringLiteral("/missing/lp"));
    EXPECT_EQ(SendLabelPositioning(QStringLiteral("LPT3"), ports),
              QStringLiteral("警告! 端口:LPT3设备无法启动,更多问题请阅帮助."));
}

TEST(PortCommandsTest, PositioningThroughASerialPort)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.SlavePath().isEmpty());
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("COM1"), pty.SlavePath());
    EXPECT_EQ(SendLabelPositioning(QStringLiteral("COM1"), ports), QString());
    EXPECT_EQ(pty.Read(15), QByteArray("~JL^XA^MFH^XZ\r\n"));
}

TEST(PortCommandsTest, Texts)
{
    TPrinterSettings settings = ThermalSettings(2, 203, 12, 4);
    settings.P_Current_Name = QStringLiteral("Zebra 203DPI 内置");
    settings.P_Current_Port = QStringLiteral("COM2");
    EXPECT_EQ(PrinterInformationText(settings), QStringLiteral("驱动名称 : Zebra 203DPI 内置\r打印头温度 : 12\rDPI : "
                                                               "203\r端口 : COM2\r出纸速度 : 4"));
    EXPECT_EQ(PortOccupiedWarning(QStringLiteral("COM4")), QStringLiteral("警告! 端口:COM4被其它设备所占用,更多问题请阅帮助."));
    EXPECT_EQ(PortBusyMessage(QStringLiteral("LPT1")), QStringLiteral("Sorry! LPT1端口被占用中,请稍候..."));
    EXPECT_EQ(kPrintFinishedMessage, QStringLiteral("打印结束!"));
}

} // namespace
} // namespace tessarine
