#pragma once

#include "platform/ports.h"

#include <QByteArray>
#include <QString>
#include <QThread>

#include <atomic>

namespace tessarine {

// Set while a port writer sends a command stream; a new thermal job is refused meanwhile and
// the main window asks before it closes.
extern std::atomic<bool> PrintingToPort;

inline const QString kPrintFinishedMessage = QStringLiteral("打印结束!");
// "Sorry! " + port + "端口被占用中,请稍候...": the stream could not be sent.
QString PortBusyMessage(const QString& port);

// Sends one finished command stream, followed by CR LF, to a port on a thread of its own and
// deletes itself when done. Create it, connect its signals, then Start(); the signals arrive
// queued on the receiver's (interface) thread.
class TPortWriter : public QThread
{
    Q_OBJECT
public:
    TPortWriter(QByteArray stream, QString port, TPortTable ports);
    ~TPortWriter() override;

    // Claims PrintingToPort and starts sending. When another writer still holds the flag,
    // nothing starts, the writer deletes itself and the answer is false.
    bool Start();
    const QString& Port() const { return m_port; }

signals:
    // The whole stream was sent: show kPrintFinishedMessage.
    void PrintFinished();
    // Nothing or only part was sent: show message (PortBusyMessage of the port).
    void PrintFailed(const QString& message);

protected:
    void run() override;

private:
    QByteArray m_stream;
    QString m_port;
    TPortTable m_ports;
};

} // namespace tessarine
