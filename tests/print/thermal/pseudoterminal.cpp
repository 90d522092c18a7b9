#include "pseudoterminal.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace tessarine::test {

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0)
        return;
    termios raw{};
    tcgetattr(m_master, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_master, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slavePath = QString::fromLocal8Bit(name);
}

PseudoTerminal::~PseudoTerminal()
{
    if (m_slave >= 0)
        close(m_slave);
    if (m_master >= 0)
        close(m_master);
}

QByteArray PseudoTerminal::Read(qsizetype count, int msecs)
{
    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    char buffer[4096];
    while (bytes.size() < count && timer.elapsed() < msecs) {
        const ssize_t n = read(m_master, buffer, sizeof buffer);
        if (n > 0)
            bytes.append(buffer, n);
        else
            usleep(1000);
    }
    return bytes;
}

} // namespace tessarine::test
