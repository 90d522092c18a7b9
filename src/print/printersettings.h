#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

// The current printer and what the thermal kinds need. Held by the application for the whole run;
// the jobs read it, the page-setup dialog edits it, the settings file keeps it (group "Print").
struct TPrinterSettings
{
    QString P_Current_Name;  // a system printer's name or a thermal kind's entry
    int32_t P_Current_ID = 0; // the thermal kind's number; kept when a system printer is chosen
    int32_t P_Current_Hot = 0; // darkness
    QString P_Current_Port;  // "LPT1".."LPT3", "COM1".."COM4", or host:port
    int32_t P_DPI = 0;       // -1 for a printer served through the system driver
    int32_t P_Rate = 0;      // speed
};

} // namespace tessarine
