#include "clicommon.h"

#include "document/labelfile.h"

#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace tessarine::cli {

namespace {

std::vector<TCliCommand>& Registry()
{
    static std::vector<TCliCommand> commands;
    return commands;
}

} // namespace

bool RegisterCommand(TCliCommand command)
{
    auto& commands = Registry();
    commands.push_back(std::move(command));
    std::sort(commands.begin(), commands.end(),
              [](const TCliCommand& a, const TCliCommand& b) { return a.Verb < b.Verb; });
    return true;
}

const std::vector<TCliCommand>& Commands()
{
    return Registry();
}

int Fail(const QString& message)
{
    QTextStream(stderr) << message << Qt::endl;
    return 1;
}

int Usage()
{
    QString text;
    for (const TCliCommand& command : Commands()) {
        for (const QString& line : command.Usage.split(QLatin1Char('\n')))
            text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) +
                    (line.startsWith(QLatin1Char(' ')) ? QStringLiteral("              ") : QStringLiteral("tessarine-cli ")) +
                    line.trimmed() + QLatin1Char('\n');
    }
    text.chop(1);
    return Fail(text);
}

QString TakeOption(QStringList& args, const QString& name)
{
    const int at = int(args.indexOf(name));
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

QString Load(const QString& path, LoadedLabel& label)
{
    try {
        if (!QFileInfo::exists(path) || !IsLabelFile(path))
            return QFileInfo::exists(path) ? path + QStringLiteral("文件头破坏.") : QStringLiteral("错误!找不到打开文件!");
        if (!LoadLabelFile(label.document, path, label.layout, label.source))
            return QStringLiteral("File Error!");
    } catch (const TFileError&) {
        return QStringLiteral("错误!找不到打开文件!");
    }
    return {};
}

} // namespace tessarine::cli
