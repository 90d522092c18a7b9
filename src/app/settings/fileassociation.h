#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tessarine {

// The label file type as the desktop knows it.
inline constexpr char kLabelMimeType[] = "application/x-tessarine-kwz";

// What RegisterFileType did.
struct TFileTypeRegistration
{
    bool Ok = false;      // both files hold what they should
    bool Changed = false; // a file was written this time
    QStringList ToolsRun; // database tools that ran and succeeded
    QString Error;        // why Ok is false, or which tool failed
};

// The shared-mime-info package for .KWZ files (mime/packages/tessarine.xml).
QByteArray MimePackageContent();
// The desktop entry (applications/tessarine.desktop) that opens .KWZ files with the program.
// The program path is quoted as the desktop entry rules require when it holds blanks or other
// reserved characters, so the launcher passes the file as one parameter.
QByteArray DesktopEntryContent(const QString& programPath);

// Associates .KWZ files with the program for the current user: writes the two files under the
// data folder (XDG_DATA_HOME) when their content differs, then runs update-mime-database and
// update-desktop-database when they are installed and something changed (or their output is
// missing). A missing tool is not an error. Safe to run at every start.
TFileTypeRegistration RegisterFileType(const QString& programPath, const QString& dataHome);
// The running program, the user's data folder.
TFileTypeRegistration RegisterFileType();

} // namespace tessarine
