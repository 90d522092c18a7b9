#pragma once

#include "document/labelrecords.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace tessarine {

struct TData;

// The three groups of the settings file.
enum class TSettingsGroup
{
    System,
    Data,
    Print,
};

// One value to write: strings stay strings, integers are written as decimal numbers.
struct TSettingsValue
{
    QString Name;
    std::variant<QString, int32_t> Value;
};

// The per-user settings: an INI file in the XDG config folder (Tessarine/Tessarine.conf) with the
// groups "System", "Data" and "Print". Every call opens the file, does its work and closes it, so
// two stores on one file never see stale values. Reads never fail: a missing file, group or value
// is simply absent. Writes report whether the file was really written.
class TSettingsStore
{
public:
    TSettingsStore();
    explicit TSettingsStore(QString filePath);

    static QString DefaultFilePath();
    const QString& FilePath() const { return FilePath_; }

    // Generic access, used for the "Print" group by the printer settings.
    // ReadString: nullopt when the value is missing.
    // ReadInteger: nullopt when the value is missing or is not a 32-bit decimal integer.
    std::optional<QString> ReadString(TSettingsGroup group, const QString& name) const;
    std::optional<int32_t> ReadInteger(TSettingsGroup group, const QString& name) const;
    bool WriteString(TSettingsGroup group, const QString& name, const QString& value);
    bool WriteInteger(TSettingsGroup group, const QString& name, int32_t value);
    // All values in one write of the file.
    bool WriteValues(TSettingsGroup group, const std::vector<TSettingsValue>& values);

    // "System": CallRecordTime, StartModule, NewWindow, read in this order. Reading stops at the
    // first value that is missing or unusable; the ones after it keep what data held.
    void LoadSystemSettings(TData& data) const;
    bool SaveSystemSettings(const TData& data);
    QString ReadLanguage() const;
    bool WriteLanguage(const QString& name);

    // "Data": the data source the database dialog and the document commands share.
    TSourceDataBase ReadDataSource() const;
    bool WriteDataSource(const TSourceDataBase& source);

private:
    QString FilePath_;
};

} // namespace tessarine
