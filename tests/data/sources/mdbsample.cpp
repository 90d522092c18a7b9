#include "mdbsample.h"

#include <QFileInfo>
#include <QProcess>

namespace tessarine::test {

QString MdbSample(QString* error)
{
    const QString path = QStringLiteral(TESSARINE_MDB_SAMPLE);
    if (QFileInfo(path).size() > 0)
        return path;
    QProcess fetch;
    fetch.setProcessChannelMode(QProcess::MergedChannels);
    fetch.start(QStringLiteral("sh"), {QStringLiteral(TESSARINE_MDB_FETCH), path});
    if (!fetch.waitForFinished(180000) || fetch.exitCode() != 0 || QFileInfo(path).size() == 0) {
        *error = QStringLiteral("Cannot fetch the Access sample: ") + QString::fromLocal8Bit(fetch.readAll());
        return QString();
    }
    return path;
}

} // namespace tessarine::test
