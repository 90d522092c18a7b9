#pragma once

#include <QSqlDatabase>
#include <QString>

namespace tessarine {

// Reads every user table of an Access database (Jet 3, Jet 4 and later .mdb/.accdb files)
// into a table of the same name, so query texts written for Access ("Select * From
// [Users]") run unchanged. Numbers arrive as numbers, dates as ISO text (the date alone
// when the time is midnight), text as text. Damaged files are refused with a message.
bool LoadAccessDatabase(const QString& path, QSqlDatabase& db, QString* error);

} // namespace tessarine
