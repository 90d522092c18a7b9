#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tessarine {

// Reads every worksheet of an Excel 97-2003 workbook into a table named after the sheet
// with "$" appended ("Sheet1$"), the names the Jet Excel driver gives them.
bool LoadXlsWorkbook(const QString& path, bool header, QSqlDatabase& db, QString* error);

} // namespace tessarine
