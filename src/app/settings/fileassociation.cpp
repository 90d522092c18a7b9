#include "fileassociation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace tessarine {

namespace {

constexpr int kToolTimeoutMs = 30000;

// Characters that force an Exec argument into double quotes (the freedesktop.org desktop entry rules).
bool NeedsQuotes(const QString& argument)
{
    static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (QChar c : argument)
        if (kReserved.contains(c))
            return true;
    return argument.isEmpty();
}

// Quoting first, then the escapes of a string value (which the reader undoes first).
QString EscapeString(const QString& text)
{
    QString escaped;
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            escaped += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            escaped += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            escaped += QLatin1String("\\r");
        else
            escaped += c;
    }
    return escaped;
}

QString ExecArgument(const QString& argument)
{
    QString quoted;
    for (QChar c : argument) {
        if (c == QLatin1Char('%'))
            quoted += QLatin1String("%%");
        else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
                 c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\') + c;
        else
            quoted += c;
    }
    if (NeedsQuotes(argument))
        quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return EscapeString(quoted);
}

// Writes the file only when its content differs. Returns false with a reason on failure.
bool WriteIfDifferent(const QString& path, const QByteArray& content, bool& changed, QString& error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content)
        return true;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        error = QStringLiteral("cannot create the folder of ") + path;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        error = QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString();
        return false;
    }
    changed = true;
    return true;
}

// Runs an updater when it is installed. A missing tool is fine; a failing one is noted.
void RunTool(const QString& tool, const QString& directory, TFileTypeRegistration& result)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProgram(program);
    process.setArguments({directory});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    const bool finished = process.waitForFinished(kToolTimeoutMs);
    if (!finished)
        process.kill();
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        result.ToolsRun.append(tool);
        return;
    }
    const QString reason = finished ? QString::fromLocal8Bit(process.readAllStandardError()).trimmed()
                                    : QStringLiteral("timed out");
    result.Error = tool + QStringLiteral(" failed: ") + reason;
}

} // namespace

QByteArray MimePackageContent()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                             "  <mime-type type=\"application/x-tessarine-kwz\">\n"
                             "    <comment>Quirnavex label document</comment>\n"
                             "    <comment xml:lang=\"zh_CN\">Tessarine 标签文档</comment>\n"
                             "    <glob pattern=\"*.KWZ\" case-sensitive=\"true\"/>\n"
                             "    <glob pattern=\"*.kwz\"/>\n"
                             "  </mime-type>\n"
                             "</mime-info>\n");
}

QByteArray DesktopEntryContent(const QString& programPath)
{
    QString entry;
    entry += QLatin1String("[Desktop Entry]\n");
    entry += QLatin1String("Type=Application\n");
    entry += QLatin1String("Name=Tessarine\n");
    entry += QString::fromUtf8("Name[zh_CN]=Tessarine 标签排版设计\n");
    entry += QLatin1String("Comment=Design and print labels\n");
    entry += QLatin1String("TryExec=") + EscapeString(programPath) + QLatin1Char('\n');
    entry += QLatin1String("Exec=") + ExecArgument(programPath) + QLatin1String(" %f\n");
    entry += QLatin1String("MimeType=") + QLatin1String(kLabelMimeType) + QLatin1String(";\n");
    entry += QLatin1String("Terminal=false\n");
    entry += QLatin1String("Categories=Office;Graphics;\n");
    return entry.toUtf8();
}

TFileTypeRegistration RegisterFileType(const QString& programPath, const QString& dataHome)
{
    TFileTypeRegistration result;
    if (dataHome.isEmpty()) {
        result.Error = QStringLiteral("no data folder");
        return result;
    }
    const QString mimeDir = dataHome + QStringLiteral("/mime");
    const QString applicationsDir = dataHome + QStringLiteral("/applications");

    bool mimeChanged = false;
    bool desktopChanged = false;
    if (!WriteIfDifferent(mimeDir + QStringLiteral("/packages/tessarine.xml"), MimePackageContent(),
                          mimeChanged, result.Error) ||
        !WriteIfDifferent(applicationsDir + QStringLiteral("/tessarine.desktop"),
                          DesktopEntryContent(programPath), desktopChanged, result.Error)) {
        result.Changed = mimeChanged || desktopChanged;
        return result;
    }
    result.Ok = true;
    result.Changed = mimeChanged || desktopChanged;

    // The databases are rebuilt only when they may be stale, since this runs at every start.
    const QString mimeOutput =
        mimeDir + QStringLiteral("/") + QLatin1String(kLabelMimeType) + QStringLiteral(".xml");
    if (mimeChanged || !QFileInfo::exists(mimeOutput))
        RunTool(QStringLiteral("update-mime-database"), mimeDir, result);
    if (desktopChanged || !QFileInfo::exists(applicationsDir + QStringLiteral("/mimeinfo.cache")))
        RunTool(QStringLiteral("update-desktop-database"), applicationsDir, result);
    return result;
}

TFileTypeRegistration RegisterFileType()
{
    return RegisterFileType(QCoreApplication::applicationFilePath(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

} // namespace tessarine
