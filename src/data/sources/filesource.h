#pragma once

#include "data/sources/connectionstring.h"

#include <QSqlDatabase>
#include <QString>

namespace tessarine {

// Opens an empty in-memory SQLite database under the caller's connection name.
QSqlDatabase OpenMemoryDatabase(const QString& connectionName, QString* error);

// Loads a file source (an Excel workbook, a dBase or a text folder, an Access database) into the open
// in-memory database, one table per sheet or file, so the stored query texts run on it
// unchanged. Returns false with a message for sources of another kind and unreadable files.
bool LoadFileSource(const TFileSource& source, QSqlDatabase& memory, QString* error);

} // namespace tessarine
