#pragma once

namespace tessarine {

class TSettingsStore;
struct TPrinterSettings;

// The six printer values of the settings group "Print", read in this order: P_Current_Name,
// P_Current_ID, P_Current_Hot, P_Current_Port, P_DPI, P_Rate. A missing string reads as empty;
// reading stops at the first integer that is missing or not an integer, and the values from
// there on keep what settings held.
void ReadPrinterSettings(const TSettingsStore& store, TPrinterSettings& settings);

// All six values in one write; false when the file could not be written.
bool WritePrinterSettings(TSettingsStore& store, const TPrinterSettings& settings);

} // namespace tessarine
