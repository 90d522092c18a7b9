#pragma once

#include "document/objectinfo.h"
#include "print/printersettings.h"

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

    TPrinterSettings Printer; // the current printer
};

} // namespace tessarine
