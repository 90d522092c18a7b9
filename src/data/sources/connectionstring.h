#pragma once

#include <QString>

namespace tessarine {

// A data source that lives in files and is read into an in-memory SQLite database: the
// Jet provider strings the documents store name Excel workbooks, dBase folders,
// delimited-text folders and (with no extended properties) Access databases. Anything else
// (ODBC, SQLite, PostgreSQL) is Other and is opened by the data module itself.
struct TFileSource
{
    enum class Kind
    {
        Other,
        Xls,
        Xlsx,
        DBase,
        Csv,
        Access
    };
    Kind kind = Kind::Other;
    QString path;       // the workbook file, or the folder for dBase and text sources
    bool header = true; // HDR=Yes: the first row names the columns
};

// Reads a stored connection string. Keys are case-insensitive; values may be quoted, and
// the options inside a quoted "Extended Properties" are read as well. Backslash paths of
// documents written on Windows are turned into forward-slash paths.
TFileSource ParseConnectionString(const QString& connection);

} // namespace tessarine
