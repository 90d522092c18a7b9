#pragma once

#include "document/objectinfo.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tessarine {

// Positions in TData::SavedBarVisible.
enum TSavedBar : int
{
    sbStandardTools = 0,
    sbBarFormat = 1,
    sbLayerTools = 2,
    sbDatabaseBar = 3,
};

// The application state the main window owns for the whole run: the document's file, the
// system settings, the record the property dialogs exchange, the version texts and the current
// printer. Plain data; the settings store reads and writes the persistent part.
struct TData
{
    QString CurrentFileName;       // empty for an untitled document
    int32_t CallRecordTime = 1000; // record roll interval, milliseconds
    bool StartModule = false;      // offered and stored; nothing acts on it
    bool NewWindow = false;        // New starts a second instance
    QString VersionText = QStringLiteral("Ver3.1");
    QString BuildText = QStringLiteral("Build 3002");
    std::array<bool, 4> SavedBarVisible{}; // indexed by TSavedBar, kept across full-screen mode
    TObjectInfo EditInfo;                  // what a property dialog receives and hands back

    // Current printer. P_DPI is -1 for a printer served through the system driver.
    QString P_Current_Name;
    int32_t P_Current_ID = 0;
    int32_t P_Current_Hot = 0;
    QString P_Current_Port;
    int32_t P_DPI = 0;
    int32_t P_Rate = 0;
};

} // namespace tessarine
