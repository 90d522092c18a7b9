#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace tessarine {

// One table read from a file: column names and rows of values (null QVariant for an empty
// cell). Rows may be shorter than the column list; the rest is NULL.
struct TLoadedTable
{
    QString name;
    QStringList columns;
    std::vector<QVariantList> rows;
};

// Builds column names and data rows from a grid whose first row may be the header (HDR).
// Empty header cells become F1, F2, ... by position, repeated names get a number appended,
// as the Jet drivers do.
TLoadedTable TableFromGrid(const QString& name, std::vector<QVariantList> grid, bool header);

// Creates (replacing) the table in the open SQLite database and inserts every row in one
// transaction. Columns carry no declared type, so each value keeps the storage class it
// was read with.
bool StoreTable(const TLoadedTable& table, QSqlDatabase& db, QString* error);

// Sets *error when error is not null; returns false for use in return statements.
bool Fail(QString* error, const QString& message);

} // namespace tessarine
