#include "app/settings/languagefiles.h"

#include "support/testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

void Touch(const QString& path, const QByteArray& content = "[Style]\n")
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(test::WriteFile(path, content)) << path.toStdString();
}

TEST(LanguageFiles, DefaultFoldersAreTheUsersDataFolderThenTheProgramsFolder)
{
    const QString dataHome = QFile::decodeName(qgetenv("XDG_DATA_HOME"));
    ASSERT_FALSE(dataHome.isEmpty());
    EXPECT_EQ(TLanguageFiles::DefaultDirectories(),
              QStringList({dataHome + "/tessarine/languages", QCoreApplication::applicationDirPath()}));
}

TEST(LanguageFiles, ListsNamesWithoutTheEndingOnceAndSorted)
{
    const QString user = test::TempDir();
    const QString program = test::TempDir();
    Touch(program + "/English.Lga");
    Touch(program + QString::fromUtf8("/简体中文.Lga"));
    Touch(program + "/Deutsch.lga"); // the ending in another case still counts
    Touch(program + "/notes.txt");
    Touch(program + "/.Lga"); // no name
    Touch(program + "/Backup.Lga.bak");
    QDir().mkpath(program + "/Folder.Lga"); // a folder is no language
    Touch(user + "/English.Lga");
    Touch(user + "/Mine.LGA");

    const TLanguageFiles files({user, program});
    EXPECT_EQ(files.ListLanguages(),
              QStringList({"Deutsch", "English", "Mine", QString::fromUtf8("简体中文")}));
}

TEST(LanguageFiles, TheFirstFolderWinsForAName)
{
    const QString user = test::TempDir();
    const QString program = test::TempDir();
    Touch(program + "/English.Lga");
    Touch(program + "/Only.Lga");
    Touch(user + "/English.Lga");

    const TLanguageFiles files({user, program});
    EXPECT_EQ(files.PathOf("English"), QDir(user).absoluteFilePath("English.Lga"));
    EXPECT_EQ(files.PathOf("Only"), QDir(program).absoluteFilePath("Only.Lga"));
    EXPECT_TRUE(files.PathOf("english").isEmpty()); // names are file names: case counts
    EXPECT_TRUE(files.PathOf("Missing").isEmpty());
}

TEST(LanguageFiles, NamesThatWouldLeaveTheFoldersHaveNoFile)
{
    const QString root = test::TempDir();
    const QString languages = root + "/languages";
    Touch(root + "/Outside.Lga");
    Touch(languages + "/Inside.Lga");
    const TLanguageFiles files({languages});

    EXPECT_FALSE(files.PathOf("Inside").isEmpty());
    for (const QString& name : {QString("../Outside"), QString(".."), QString("."), QString(""),
                                QString("/etc/passwd"), QString("Inside") + QChar(0)})
        EXPECT_TRUE(files.PathOf(name).isEmpty()) << name.toStdString();
}

TEST(LanguageFiles, MissingFoldersGiveNoLanguages)
{
    const TLanguageFiles files({test::TempDir() + "/does-not-exist", QString()});
    EXPECT_TRUE(files.ListLanguages().isEmpty());
    EXPECT_TRUE(files.PathOf("English").isEmpty());
}

} // namespace
