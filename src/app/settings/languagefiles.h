#pragma once

#include <QString>
#include <QStringList>

namespace tessarine {

// Where the user-interface language files ("<name>.Lga") are found. A language is known by its
// file name without the ending; the ending is matched without regard to case. Folders are
// searched in order and the first file of a name wins, so a user's own file overrides the one
// shipped beside the program.
class TLanguageFiles
{
public:
    TLanguageFiles(); // DefaultDirectories()
    explicit TLanguageFiles(QStringList directories);

    // The user's data folder (…/tessarine/languages under XDG_DATA_HOME), then the program's folder.
    static QStringList DefaultDirectories();
    const QStringList& Directories() const { return Directories_; }

    // Names of all language files, each once, sorted.
    QStringList ListLanguages() const;
    // The file of a language; empty when there is none. Names that could leave the folders
    // (containing '/' or NUL, "." or "..") have no file.
    QString PathOf(const QString& name) const;

private:
    QStringList Directories_;
};

} // namespace tessarine
