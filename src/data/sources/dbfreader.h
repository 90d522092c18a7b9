#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tessarine {

// Reads every .dbf file of a folder into a table named after the file without its
// extension. Text is GBK, the code page the label files' databases were written in.
bool LoadDBaseFolder(const QString& folder, QSqlDatabase& db, QString* error);

// One .dbf file into a table of the given name.
bool LoadDBaseFile(const QString& path, const QString& table, QSqlDatabase& db, QString* error);

} // namespace tessarine
