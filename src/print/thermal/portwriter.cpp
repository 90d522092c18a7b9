#include "portwriter.h"

namespace tessarine {

std::atomic<bool> PrintingToPort{false};

QString PortBusyMessage(const QString& port)
{
    return QStringLiteral("Sorry! ") + port + QStringLiteral("端口被占用中,请稍候...");
}

TPortWriter::TPortWriter(QByteArray stream, QString port, TPortTable ports)
    : m_stream(std::move(stream)), m_port(std::move(port)), m_ports(std::move(ports))
{
    m_stream.append("\r\n", 2);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

TPortWriter::~TPortWriter()
{
    // A writer stopped at shutdown is waited for, so it never outlives its data.
    requestInterruption();
    wait();
}

bool TPortWriter::Start()
{
    // The flag is taken here rather than on the thread, so a second job right after this one
    // is refused even before the thread runs.
    bool idle = false;
    if (!PrintingToPort.compare_exchange_strong(idle, true)) {
        deleteLater();
        return false;
    }
    start();
    return true;
}

void TPortWriter::run()
{
    const QString error = WriteToPort(m_port, m_stream, m_ports, [this] { return isInterruptionRequested(); });
    PrintingToPort = false;
    if (error.isEmpty())
        emit PrintFinished();
    else
        emit PrintFailed(PortBusyMessage(m_port));
}

} // namespace tessarine
