#include "settingsstore.h"

#include "data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

namespace tessarine {

namespace {

QString GroupName(TSettingsGroup group)
{
    switch (group) {
    case TSettingsGroup::System:
        return QStringLiteral("System");
    case TSettingsGroup::Data:
        return QStringLiteral("Data");
    case TSettingsGroup::Print:
        return QStringLiteral("Print");
    }
    return {};
}

// The registry created a missing key on first access; the file and its folder play that part.
// A failure here shows up when a write is attempted.
void EnsureFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return;
    QDir().mkpath(info.absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        file.close();
}

// The text of a value as it stands in the file. QSettings splits an unquoted value at commas
// into a list (a hand-edited connection string can look like that); joining gives the text back.
std::optional<QString> RawText(const QString& path, TSettingsGroup group, const QString& name)
{
    EnsureFile(path);
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(GroupName(group));
    const QVariant value = settings.value(name);
    if (!value.isValid())
        return std::nullopt;
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

std::optional<int32_t> ParseInteger(const QString& text)
{
    bool ok = false;
    const int32_t number = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int32_t>(number) : std::nullopt;
}

// Booleans are stored as the integers 0 and 1; any other integer reads as true, as the registry
// did. "true" and "false" are accepted too, since that is what a hand-edited file may hold.
std::optional<bool> ParseBoolean(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = ParseInteger(trimmed))
        return *number != 0;
    return std::nullopt;
}

} // namespace

TSettingsStore::TSettingsStore() : TSettingsStore(DefaultFilePath()) {}

TSettingsStore::TSettingsStore(QString filePath) : FilePath_(std::move(filePath)) {}

QString TSettingsStore::DefaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tessarine/Tessarine.conf");
}

std::optional<QString> TSettingsStore::ReadString(TSettingsGroup group, const QString& name) const
{
    return RawText(FilePath_, group, name);
}

std::optional<int32_t> TSettingsStore::ReadInteger(TSettingsGroup group, const QString& name) const
{
    const auto text = RawText(FilePath_, group, name);
    return text ? ParseInteger(*text) : std::nullopt;
}

bool TSettingsStore::WriteString(TSettingsGroup group, const QString& name, const QString& value)
{
    return WriteValues(group, {{name, value}});
}

bool TSettingsStore::WriteInteger(TSettingsGroup group, const QString& name, int32_t value)
{
    return WriteValues(group, {{name, value}});
}

bool TSettingsStore::WriteValues(TSettingsGroup group, const std::vector<TSettingsValue>& values)
{
    EnsureFile(FilePath_);
    QSettings settings(FilePath_, QSettings::IniFormat);
    settings.beginGroup(GroupName(group));
    for (const TSettingsValue& value : values) {
        if (const auto* text = std::get_if<QString>(&value.Value))
            settings.setValue(value.Name, *text);
        else
            settings.setValue(value.Name, std::get<int32_t>(value.Value));
    }
    settings.endGroup();
    settings.sync();
    // A file with lines QSettings cannot parse keeps reporting FormatError after a good write
    // (the readable values are written back, the unreadable lines dropped); only AccessError
    // means the values did not reach the file.
    return settings.status() != QSettings::AccessError;
}

void TSettingsStore::LoadSystemSettings(TData& data) const
{
    const auto interval = ReadInteger(TSettingsGroup::System, QStringLiteral("CallRecordTime"));
    // A roll interval below 1 ms would make the record timer spin (or be refused by it); such a
    // value is treated like a missing one.
    if (!interval || *interval < 1)
        return;
    data.CallRecordTime = *interval;

    const auto startModule = RawText(FilePath_, TSettingsGroup::System, QStringLiteral("StartModule"));
    const auto startFlag = startModule ? ParseBoolean(*startModule) : std::nullopt;
    if (!startFlag)
        return;
    data.StartModule = *startFlag;

    const auto newWindow = RawText(FilePath_, TSettingsGroup::System, QStringLiteral("NewWindow"));
    const auto newFlag = newWindow ? ParseBoolean(*newWindow) : std::nullopt;
    if (!newFlag)
        return;
    data.NewWindow = *newFlag;
}

bool TSettingsStore::SaveSystemSettings(const TData& data)
{
    return WriteValues(TSettingsGroup::System, {
                                                   {QStringLiteral("CallRecordTime"), data.CallRecordTime},
                                                   {QStringLiteral("StartModule"), int32_t(data.StartModule)},
                                                   {QStringLiteral("NewWindow"), int32_t(data.NewWindow)},
                                               });
}

QString TSettingsStore::ReadLanguage() const
{
    return ReadString(TSettingsGroup::System, QStringLiteral("Language")).value_or(QString());
}

bool TSettingsStore::WriteLanguage(const QString& name)
{
    return WriteString(TSettingsGroup::System, QStringLiteral("Language"), name);
}

TSourceDataBase TSettingsStore::ReadDataSource() const
{
    TSourceDataBase source;
    source.ODBC = ReadString(TSettingsGroup::Data, QStringLiteral("ODBC")).value_or(QString());
    source.Sql = ReadString(TSettingsGroup::Data, QStringLiteral("Sql")).value_or(QString());
    return source;
}

bool TSettingsStore::WriteDataSource(const TSourceDataBase& source)
{
    return WriteValues(TSettingsGroup::Data, {
                                                 {QStringLiteral("ODBC"), source.ODBC},
                                                 {QStringLiteral("Sql"), source.Sql},
                                             });
}

} // namespace tessarine
