#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace tessarine::test {

namespace {

QTemporaryDir& Root()
{
    static QTemporaryDir root(QDir::tempPath() + QStringLiteral("/tessarine-test-XXXXXX"));
    return root;
}

} // namespace

void PrepareEnvironment()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString root = Root().path();
    for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        const QString dir = root + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(name, QFile::encodeName(dir));
    }
}

QString TempDir()
{
    static int counter = 0;
    const QString dir = Root().path() + QStringLiteral("/case-%1").arg(++counter);
    QDir().mkpath(dir);
    return dir;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tessarine::test
