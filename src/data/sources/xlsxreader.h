#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tessarine {

// Reads every worksheet of an Office Open XML workbook into a table named after the sheet
// with "$" appended, like LoadXlsWorkbook.
bool LoadXlsxWorkbook(const QString& path, bool header, QSqlDatabase& db, QString* error);

} // namespace tessarine
