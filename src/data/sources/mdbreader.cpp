#include "data/sources/mdbreader.h"

#include "data/sources/csvreader.h"
#include "data/sources/sqlitetable.h"

#include <QFile>
#include <QFileInfo>
#include <mdbtools.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace tessarine {

namespace {

// libmdb's own page sizes: Jet 3 files use 2 KiB pages, every later version 4 KiB.
constexpr qint64 kJet3PageSize = 2048;
constexpr qint64 kJet4PageSize = 4096;
// Memo fields hold up to 65535 characters; libmdb hands them back as UTF-8.
constexpr size_t kBindSize = 65536 * 3 + 1;

struct HandleCloser
{
    void operator()(MdbHandle* handle) const { mdb_close(handle); }
};
struct TableFreer
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using TableDef = std::unique_ptr<MdbTableDef, TableFreer>;

// libmdb trusts its input and reads past damaged pages, so the header and size are checked
// here before it sees the file.
bool CheckHeader(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("Cannot open %1").arg(path));
    const QByteArray head = file.read(0x18);
    const bool jet = head.size() == 0x18 && head.startsWith(QByteArray("\x00\x01\x00\x00", 4)) &&
                     (head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16) ||
                      head.mid(4, 16) == QByteArray("Standard ACE DB\0", 16));
    if (!jet)
        return Fail(error, QStringLiteral("%1 is not an Access database").arg(path));
    const qint64 pageSize = head[0x14] == 0 ? kJet3PageSize : kJet4PageSize;
    if (file.size() < 3 * pageSize || file.size() % pageSize != 0)
        return Fail(error, QStringLiteral("%1 is a damaged Access database").arg(path));
    return true;
}

// Text the way libmdb delivers it: UTF-8, or GBK bytes from old Jet 3 files it could not
// convert.
QString DecodeText(const char* bytes, int length)
{
    return DecodeCsvText(QByteArray(bytes, length));
}

QVariant DateValue(const QString& text)
{
    // The date format set on the handle writes midnight as " 00:00:00": a plain date.
    if (text.endsWith(QLatin1String(" 00:00:00")))
        return text.left(text.size() - 9);
    return text;
}

QVariant ColumnValue(int type, const char* bytes, int length)
{
    if (length <= 0)
        return QVariant();
    const QByteArray text = QByteArray(bytes, length).trimmed();
    bool ok = false;
    switch (type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT: {
        const qlonglong value = text.toLongLong(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC: {
        const double value = text.toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case MDB_DATETIME:
        return DateValue(QString::fromLatin1(text));
    case MDB_BINARY:
        return QByteArray(bytes, length);
    default:
        return DecodeText(bytes, length);
    }
}

bool LoadTable(MdbCatalogEntry* entry, qint64 rowLimit, QSqlDatabase& db, QString* error)
{
    const QString name = DecodeText(entry->object_name, int(qstrnlen(entry->object_name, MDB_MAX_OBJ_NAME)));
    const TableDef table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get()) || table->num_cols > MDB_MAX_COLS)
        return Fail(error, QStringLiteral("Cannot read the columns of table %1").arg(name));

    TLoadedTable loaded;
    loaded.name = name;
    const unsigned columns = table->num_cols;
    std::vector<std::vector<char>> values(columns, std::vector<char>(kBindSize));
    std::vector<int> lengths(columns, 0);
    std::vector<int> types(columns, 0);
    for (unsigned c = 0; c < columns; ++c) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        types[c] = column->col_type;
        loaded.columns << DecodeText(column->name, int(qstrnlen(column->name, MDB_MAX_OBJ_NAME)));
        // Pictures and attachments stay unbound, so libmdb does not read them at all.
        if (types[c] != MDB_OLE && types[c] != MDB_COMPLEX)
            mdb_bind_column(table.get(), int(c) + 1, values[c].data(), &lengths[c]);
    }
    mdb_rewind_table(table.get());
    while (mdb_fetch_row(table.get())) {
        // A damaged page chain can send libmdb round in circles.
        if (qint64(loaded.rows.size()) >= rowLimit)
            return Fail(error, QStringLiteral("Table %1 is damaged").arg(name));
        QVariantList row;
        row.reserve(qsizetype(columns));
        for (unsigned c = 0; c < columns; ++c) {
            const int length = std::min(lengths[c], int(kBindSize) - 1);
            row << ColumnValue(types[c], values[c].data(), length);
        }
        loaded.rows.push_back(std::move(row));
    }
    return StoreTable(loaded, db, error);
}

} // namespace

bool LoadAccessDatabase(const QString& path, QSqlDatabase& db, QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Fail(error, QStringLiteral("Access database not found: %1").arg(path));
    if (!CheckHeader(path, error))
        return false;
    // Jet 3 files keep text in the writer's code page, which libmdb takes from the
    // environment only; the databases of this trade come from Chinese Windows.
    if (!qEnvironmentVariableIsSet("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP936");
    const Handle mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb)
        return Fail(error, QStringLiteral("%1 is not a readable Access database").arg(path));
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    mdb_set_shortdate_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(mdb.get());
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        return Fail(error, QStringLiteral("Cannot list the tables of %1").arg(path));

    // No row is smaller than a few bytes: more rows than the file has bytes means a loop.
    const qint64 rowLimit = info.size();
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || mdb_is_system_table(entry))
            continue;
        if (!LoadTable(entry, rowLimit, db, error))
            return false;
    }
    return true;
}

} // namespace tessarine
