#include "app/settings/fileassociation.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

QStringList DesktopLines(const QString& programPath)
{
    return QString::fromUtf8(DesktopEntryContent(programPath)).split('\n', Qt::SkipEmptyParts);
}

QString DesktopValue(const QString& programPath, const QString& key)
{
    for (const QString& line : DesktopLines(programPath))
        if (line.startsWith(key + "="))
            return line.mid(key.size() + 1);
    return {};
}

TEST(FileAssociation, MimePackageDeclaresTheTypeWithBothGlobs)
{
    QXmlStreamReader xml(MimePackageContent());
    QStringList globs;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("mime-info")) {
            EXPECT_EQ(xml.namespaceUri(),
                      QLatin1String("http://www.freedesktop.org/standards/shared-mime-info"));
        }
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value("type").toString();
        if (xml.name() == QLatin1String("glob"))
            globs << xml.attributes().value("pattern").toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(type, "application/x-tessarine-kwz");
    EXPECT_EQ(type, QLatin1String(kLabelMimeType));
    EXPECT_EQ(globs, QStringList({"*.KWZ", "*.kwz"}));
}

TEST(FileAssociation, DesktopEntryOpensFilesWithTheProgram)
{
    const QStringList lines = DesktopLines("/opt/tessarine/bin/tessarine");
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "[Desktop Entry]");
    EXPECT_TRUE(lines.contains("Type=Application"));
    EXPECT_TRUE(lines.contains("Exec=/opt/tessarine/bin/tessarine %f"));
    EXPECT_TRUE(lines.contains("TryExec=/opt/tessarine/bin/tessarine"));
    EXPECT_TRUE(lines.contains("MimeType=application/x-tessarine-kwz;"));
}

// How a program path must be written in Exec so that the launcher finds the program and hands
// the file over as one parameter.
struct TExecCase
{
    const char* Path;
    const char* Exec;
};

class DesktopExec : public ::testing::TestWithParam<TExecCase>
{
};

TEST_P(DesktopExec, QuotesAndEscapesThePath)
{
    EXPECT_EQ(DesktopValue(QString::fromUtf8(GetParam().Path), "Exec"), QString::fromUtf8(GetParam().Exec));
}

INSTANTIATE_TEST_SUITE_P(Paths, DesktopExec,
                         ::testing::Values(TExecCase{"/usr/bin/tessarine", "/usr/bin/tessarine %f"},
                                           TExecCase{"/opt/My Labels/tessarine",
                                                     "\"/opt/My Labels/tessarine\" %f"},
                                           TExecCase{"/opt/标签/tessarine", "/opt/标签/tessarine %f"},
                                           TExecCase{"/opt/100%/tessarine", "/opt/100%%/tessarine %f"},
                                           TExecCase{"/opt/a$b/tessarine", "\"/opt/a\\\\$b/tessarine\" %f"},
                                           TExecCase{"/opt/say \"hi\"/t", "\"/opt/say \\\\\"hi\\\\\"/t\" %f"},
                                           TExecCase{"/opt/back\\slash/t", "\"/opt/back\\\\\\\\slash/t\" %f"},
                                           TExecCase{"/opt/it's/t", "\"/opt/it's/t\" %f"},
                                           TExecCase{"/opt/new\nline/t", "\"/opt/new\\nline/t\" %f"}));

TEST(FileAssociation, RegistrationWritesBothFilesOnceAndIsIdempotent)
{
    const QString dataHome = test::TempDir();
    const QString program = "/opt/My Labels/tessarine";

    const TFileTypeRegistration first = RegisterFileType(program, dataHome);
    EXPECT_TRUE(first.Ok) << first.Error.toStdString();
    EXPECT_TRUE(first.Changed);
    EXPECT_EQ(test::ReadFile(dataHome + "/mime/packages/tessarine.xml"), MimePackageContent());
    EXPECT_EQ(test::ReadFile(dataHome + "/applications/tessarine.desktop"), DesktopEntryContent(program));

    const QDateTime written = QFileInfo(dataHome + "/applications/tessarine.desktop").lastModified();
    const TFileTypeRegistration second = RegisterFileType(program, dataHome);
    EXPECT_TRUE(second.Ok) << second.Error.toStdString();
    EXPECT_FALSE(second.Changed);
    EXPECT_EQ(QFileInfo(dataHome + "/applications/tessarine.desktop").lastModified(), written);

    // Moving the program rewrites the entry.
    const TFileTypeRegistration moved = RegisterFileType("/usr/bin/tessarine", dataHome);
    EXPECT_TRUE(moved.Ok);
    EXPECT_TRUE(moved.Changed);
    EXPECT_EQ(test::ReadFile(dataHome + "/applications/tessarine.desktop"),
              DesktopEntryContent("/usr/bin/tessarine"));
}

TEST(FileAssociation, TheMimeDatabaseIsUpdatedWhenTheToolIsInstalled)
{
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const QString dataHome = test::TempDir();
    const TFileTypeRegistration result = RegisterFileType("/usr/bin/tessarine", dataHome);
    EXPECT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_TRUE(result.ToolsRun.contains("update-mime-database")) << result.Error.toStdString();
    EXPECT_TRUE(QFile::exists(dataHome + "/mime/application/x-tessarine-kwz.xml"));
    const QString globs = QString::fromUtf8(test::ReadFile(dataHome + "/mime/globs2"));
    EXPECT_TRUE(globs.contains("50:application/x-tessarine-kwz:*.KWZ:cs\n")) << globs.toStdString();
    EXPECT_TRUE(globs.contains("50:application/x-tessarine-kwz:*.kwz\n")) << globs.toStdString();

    // Nothing changed, the database is there: the tool does not run again.
    const TFileTypeRegistration again = RegisterFileType("/usr/bin/tessarine", dataHome);
    EXPECT_FALSE(again.ToolsRun.contains("update-mime-database"));
}

TEST(FileAssociation, MissingToolsAreNoFailure)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(test::TempDir()));
    const QString dataHome = test::TempDir();
    const TFileTypeRegistration result = RegisterFileType("/usr/bin/tessarine", dataHome);
    qputenv("PATH", path);
    EXPECT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_TRUE(result.Error.isEmpty()) << result.Error.toStdString();
    EXPECT_TRUE(result.ToolsRun.isEmpty());
    EXPECT_TRUE(QFile::exists(dataHome + "/applications/tessarine.desktop"));
}

TEST(FileAssociation, AnUnwritablePlaceIsReported)
{
    const QString dataHome = test::TempDir();
    // A file where the applications folder should be.
    ASSERT_TRUE(test::WriteFile(dataHome + "/applications", "not a folder"));
    const TFileTypeRegistration result = RegisterFileType("/usr/bin/tessarine", dataHome);
    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.Error.isEmpty());
}

TEST(FileAssociation, WithoutArgumentsTheRunningProgramAndTheUsersDataFolderAreUsed)
{
    const QString dataHome = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    ASSERT_FALSE(dataHome.isEmpty());
    const TFileTypeRegistration result = RegisterFileType();
    EXPECT_TRUE(result.Ok) << result.Error.toStdString();
    EXPECT_EQ(test::ReadFile(dataHome + "/applications/tessarine.desktop"),
              DesktopEntryContent(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(QFile::exists(dataHome + "/mime/packages/tessarine.xml"));

    // The desktop's own lookup, as a file manager would do it, finds the type in any case.
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const QMimeDatabase mime;
    for (const char* name : {"label.KWZ", "label.kwz", "Label.Kwz"})
        EXPECT_EQ(mime.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name(),
                  QLatin1String(kLabelMimeType))
            << name;
}

} // namespace
