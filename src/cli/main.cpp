// tessarine-cli: the label document without a window, for scripts and tests.
#include "clicommon.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// Qt wants a private runtime folder; scripts and services often run without one.
void UsePrivateRuntimeDir()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/tessarine-runtime-" + QByteArray::number(getuid());
    if (mkdir(dir.constData(), 0700) == 0 || errno == EEXIST) {
        struct stat info{};
        if (stat(dir.constData(), &info) == 0 && info.st_uid == getuid() && (info.st_mode & 077) == 0)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tessarine::cli;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    UsePrivateRuntimeDir();
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString verb = args.takeFirst();
    for (const TCliCommand& command : Commands()) {
        if (command.Verb == verb)
            return command.Run(args);
    }
    return Usage();
}
