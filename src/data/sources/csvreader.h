#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <vector>

namespace tessarine {

// Reads every .csv file of a folder into a table named after the whole file name
// ("people.csv"), as the Jet text driver names them.
bool LoadCsvFolder(const QString& folder, bool header, QSqlDatabase& db, QString* error);

// Text of a delimited file: UTF-8 with or without byte-order mark, otherwise GBK.
QString DecodeCsvText(const QByteArray& bytes);

// Splits delimited text into records; quoted fields may hold commas, doubled quotes and
// line breaks. Sets *error and returns false on a quote left open at the end.
bool SplitCsv(const QString& text, std::vector<QStringList>* records, QString* error);

} // namespace tessarine
