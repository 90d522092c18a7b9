#include "data/sources/filesource.h"

#include "data/sources/csvreader.h"
#include "data/sources/dbfreader.h"
#include "data/sources/mdbreader.h"
#include "data/sources/sqlitetable.h"
#include "data/sources/xlsreader.h"
#include "data/sources/xlsxreader.h"

#include <QFile>
#include <QSqlError>

namespace tessarine {

namespace {

// Workbooks are told apart by their first bytes, not their names: files saved as .xls
// by other programs are often zip workbooks and the other way round.
bool IsZip(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

} // namespace

QSqlDatabase OpenMemoryDatabase(const QString& connectionName, QString* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        Fail(error, QStringLiteral("Cannot open an in-memory database: %1").arg(db.lastError().text()));
    return db;
}

bool LoadFileSource(const TFileSource& source, QSqlDatabase& memory, QString* error)
{
    if (!memory.isOpen())
        return Fail(error, QStringLiteral("The in-memory database is not open."));
    if (source.path.isEmpty())
        return Fail(error, QStringLiteral("The connection names no data source."));
    switch (source.kind) {
    case TFileSource::Kind::Xls:
    case TFileSource::Kind::Xlsx:
        return IsZip(source.path) ? LoadXlsxWorkbook(source.path, source.header, memory, error)
                                  : LoadXlsWorkbook(source.path, source.header, memory, error);
    case TFileSource::Kind::DBase:
        return LoadDBaseFolder(source.path, memory, error);
    case TFileSource::Kind::Csv:
        return LoadCsvFolder(source.path, source.header, memory, error);
    case TFileSource::Kind::Access:
        return LoadAccessDatabase(source.path, memory, error);
    case TFileSource::Kind::Other:
        break;
    }
    return Fail(error, QStringLiteral("Not a workbook, dBase, text or Access source: %1").arg(source.path));
}

} // namespace tessarine
