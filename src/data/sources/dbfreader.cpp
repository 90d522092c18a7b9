#include "data/sources/dbfreader.h"

#include "data/sources/sqlitetable.h"
#include "platform/gbk.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <shapefil.h>

namespace tessarine {

namespace {

struct Table
{
    DBFHandle handle = nullptr;
    ~Table()
    {
        if (handle)
            DBFClose(handle);
    }
};

quint32 Little(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

// shapelib trusts the header's counts; check them against the file before it allocates.
bool CheckHeader(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("Cannot open %1").arg(path));
    const QByteArray head = file.read(32);
    const quint64 size = quint64(file.size());
    if (head.size() < 32)
        return Fail(error, QStringLiteral("%1 is not a dBase table (too short)").arg(path));
    const quint64 records = Little(head, 4, 4);
    const quint64 headerLength = Little(head, 8, 2);
    const quint64 recordLength = Little(head, 10, 2);
    if (headerLength < 33 || recordLength < 1 || headerLength > size ||
        headerLength + records * recordLength > size)
        return Fail(error, QStringLiteral("%1 is a damaged dBase table").arg(path));
    return true;
}

QVariant FieldValue(DBFFieldType type, const char* raw)
{
    const QByteArray bytes(raw);
    const QByteArray text = bytes.trimmed();
    bool ok = false;
    switch (type) {
    case FTInteger: {
        const qlonglong value = text.toLongLong(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case FTDouble: {
        const double value = text.toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case FTLogical:
        if (text.isEmpty())
            return QVariant();
        if (QByteArray("TtYy").contains(text[0]))
            return true;
        if (QByteArray("FfNn").contains(text[0]))
            return false;
        return QVariant();
    case FTDate: {
        const QDate date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd"));
        return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant();
    }
    default:
        return gbk::Decode(bytes);
    }
}

} // namespace

bool LoadDBaseFile(const QString& path, const QString& name, QSqlDatabase& db, QString* error)
{
    if (!CheckHeader(path, error))
        return false;
    Table table;
    table.handle = DBFOpen(QFile::encodeName(path).constData(), "rb");
    if (!table.handle)
        return Fail(error, QStringLiteral("%1 is not a readable dBase table").arg(path));

    const int fields = DBFGetFieldCount(table.handle);
    const int records = DBFGetRecordCount(table.handle);
    if (fields <= 0)
        return Fail(error, QStringLiteral("%1 has no fields").arg(path));
    std::vector<DBFFieldType> types;
    QVariantList names;
    for (int f = 0; f < fields; ++f) {
        char fieldName[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        types.push_back(DBFGetFieldInfo(table.handle, f, fieldName, &width, &decimals));
        names << gbk::Decode(QByteArray(fieldName));
    }
    std::vector<QVariantList> grid;
    grid.reserve(size_t(records) + 1);
    grid.push_back(names);
    for (int r = 0; r < records; ++r) {
        if (DBFIsRecordDeleted(table.handle, r))
            continue;
        QVariantList row;
        row.reserve(fields);
        for (int f = 0; f < fields; ++f) {
            const char* raw = DBFReadStringAttribute(table.handle, r, f);
            if (!raw)
                return Fail(error, QStringLiteral("%1: cannot read record %2").arg(path).arg(r + 1));
            row << (DBFIsAttributeNULL(table.handle, r, f) ? QVariant() : FieldValue(types[size_t(f)], raw));
        }
        grid.push_back(std::move(row));
    }
    TLoadedTable loaded = TableFromGrid(name, std::move(grid), true);
    return StoreTable(loaded, db, error);
}

bool LoadDBaseFolder(const QString& folder, QSqlDatabase& db, QString* error)
{
    const QDir dir(folder);
    if (!dir.exists())
        return Fail(error, QStringLiteral("Folder not found: %1").arg(folder));
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.dbf")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        if (file.suffix().compare(QLatin1String("dbf"), Qt::CaseInsensitive) != 0)
            continue;
        if (!LoadDBaseFile(file.filePath(), file.completeBaseName(), db, error))
            return false;
    }
    return true;
}

} // namespace tessarine
