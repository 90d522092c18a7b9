#pragma once

#include <QByteArray>
#include <QString>

namespace tessarine::test {

// A pseudo-terminal pair: the slave stands in for a COM port, the test reads the master, which
// is in raw mode so bytes arrive as they were sent.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Empty when no pair could be opened.
    const QString& SlavePath() const { return m_slavePath; }
    // Whatever has arrived until count bytes are there or the time is up.
    QByteArray Read(qsizetype count, int msecs = 5000);

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

} // namespace tessarine::test
