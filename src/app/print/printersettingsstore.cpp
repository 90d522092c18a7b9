#include "printersettingsstore.h"

#include "app/settings/settingsstore.h"
#include "print/printersettings.h"

#include <optional>

namespace tessarine {

namespace {

const QString kName = QStringLiteral("P_Current_Name");
const QString kId = QStringLiteral("P_Current_ID");
const QString kHot = QStringLiteral("P_Current_Hot");
const QString kPort = QStringLiteral("P_Current_Port");
const QString kDpi = QStringLiteral("P_DPI");
const QString kRate = QStringLiteral("P_Rate");

} // namespace

void ReadPrinterSettings(const TSettingsStore& store, TPrinterSettings& settings)
{
    auto readString = [&](const QString& name) {
        return store.ReadString(TSettingsGroup::Print, name).value_or(QString());
    };
    auto readInteger = [&](const QString& name, int32_t& target) {
        const std::optional<int32_t> value = store.ReadInteger(TSettingsGroup::Print, name);
        if (value)
            target = *value;
        return value.has_value();
    };
    settings.P_Current_Name = readString(kName);
    if (!readInteger(kId, settings.P_Current_ID) || !readInteger(kHot, settings.P_Current_Hot))
        return;
    settings.P_Current_Port = readString(kPort);
    if (!readInteger(kDpi, settings.P_DPI))
        return;
    readInteger(kRate, settings.P_Rate);
}

bool WritePrinterSettings(TSettingsStore& store, const TPrinterSettings& settings)
{
    return store.WriteValues(TSettingsGroup::Print, {
                                                        {kName, settings.P_Current_Name},
                                                        {kId, settings.P_Current_ID},
                                                        {kHot, settings.P_Current_Hot},
                                                        {kPort, settings.P_Current_Port},
                                                        {kDpi, settings.P_DPI},
                                                        {kRate, settings.P_Rate},
                                                    });
}

} // namespace tessarine
