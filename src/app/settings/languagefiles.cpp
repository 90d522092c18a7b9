#include "languagefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tessarine {

namespace {

const QString kEnding = QStringLiteral(".Lga");

bool HasEnding(const QString& fileName)
{
    return fileName.size() > kEnding.size() && fileName.endsWith(kEnding, Qt::CaseInsensitive);
}

QString NameOf(const QString& fileName)
{
    return fileName.left(fileName.size() - kEnding.size());
}

QFileInfoList LanguageEntries(const QString& directory)
{
    if (directory.isEmpty())
        return {};
    QFileInfoList entries;
    const QFileInfoList all = QDir(directory).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& info : all)
        if (HasEnding(info.fileName()))
            entries.append(info);
    return entries;
}

} // namespace

TLanguageFiles::TLanguageFiles() : TLanguageFiles(DefaultDirectories()) {}

TLanguageFiles::TLanguageFiles(QStringList directories) : Directories_(std::move(directories)) {}

QStringList TLanguageFiles::DefaultDirectories()
{
    return {
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
            QStringLiteral("/tessarine/languages"),
        QCoreApplication::applicationDirPath(),
    };
}

QStringList TLanguageFiles::ListLanguages() const
{
    QStringList names;
    for (const QString& directory : Directories_)
        for (const QFileInfo& info : LanguageEntries(directory))
            names.append(NameOf(info.fileName()));
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

QString TLanguageFiles::PathOf(const QString& name) const
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')) || name.contains(QChar(0)))
        return {};
    for (const QString& directory : Directories_)
        for (const QFileInfo& info : LanguageEntries(directory))
            if (NameOf(info.fileName()) == name)
                return info.absoluteFilePath();
    return {};
}

} // namespace tessarine
