#include "data/sources/sqlitetable.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace tessarine {

bool Fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

namespace {

QString QuoteName(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool RowIsEmpty(const QVariantList& row)
{
    return std::all_of(row.begin(), row.end(), [](const QVariant& v) {
        return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty());
    });
}

} // namespace

TLoadedTable TableFromGrid(const QString& name, std::vector<QVariantList> grid, bool header)
{
    // Blank rows at the end are formatting leftovers, not records.
    while (!grid.empty() && RowIsEmpty(grid.back()))
        grid.pop_back();

    TLoadedTable table;
    table.name = name;
    qsizetype width = 0;
    for (const QVariantList& row : grid)
        width = std::max(width, row.size());

    QVariantList names;
    if (header && !grid.empty())
        names = grid.front();
    QSet<QString> used;
    for (qsizetype i = 0; i < width; ++i) {
        QString column = i < names.size() ? names[i].toString().trimmed() : QString();
        if (column.isEmpty())
            column = QStringLiteral("F%1").arg(i + 1);
        QString unique = column;
        for (int n = 1; used.contains(unique.toLower()); ++n)
            unique = column + QString::number(n);
        used.insert(unique.toLower());
        table.columns << unique;
    }
    auto first = grid.begin();
    if (header && !grid.empty())
        ++first;
    table.rows.assign(std::make_move_iterator(first), std::make_move_iterator(grid.end()));
    return table;
}

namespace {

bool IsNumberColumn(const TLoadedTable& table, int column)
{
    bool any = false;
    for (const QVariantList& row : table.rows) {
        if (column >= row.size() || row[column].isNull())
            continue;
        const int type = row[column].typeId();
        if (type != QMetaType::Double && type != QMetaType::Int && type != QMetaType::LongLong)
            return false;
        any = true;
    }
    return any;
}

} // namespace

bool StoreTable(const TLoadedTable& table, QSqlDatabase& db, QString* error)
{
    if (!db.isOpen())
        return Fail(error, QStringLiteral("The in-memory database is not open."));
    if (table.columns.isEmpty()) {
        // An empty sheet still lists as a table; give it one column so SQLite accepts it.
        TLoadedTable blank = table;
        blank.columns << QStringLiteral("F1");
        return StoreTable(blank, db, error);
    }
    QSqlQuery query(db);
    const QString name = QuoteName(table.name);
    if (!query.exec(QStringLiteral("DROP TABLE IF EXISTS ") + name))
        return Fail(error,
                    QStringLiteral("Cannot replace table %1: %2").arg(table.name, query.lastError().text()));
    QStringList columns;
    QStringList marks;
    for (int c = 0; c < table.columns.size(); ++c) {
        // A column of numbers only is declared REAL, so conditions such as Price > '13' compare
        // numbers (the query builder quotes every value). Columns holding any text stay untyped
        // and keep codes like "00123" exactly as read.
        columns << QuoteName(table.columns[c]) + (IsNumberColumn(table, c) ? QStringLiteral(" REAL") : QString());
        marks << QStringLiteral("?");
    }
    if (!query.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(QLatin1Char(',')))))
        return Fail(error,
                    QStringLiteral("Cannot create table %1: %2").arg(table.name, query.lastError().text()));

    if (!db.transaction())
        return Fail(error, QStringLiteral("Cannot start a transaction: %1").arg(db.lastError().text()));
    if (!query.prepare(
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, marks.join(QLatin1Char(','))))) {
        db.rollback();
        return Fail(error,
                    QStringLiteral("Cannot fill table %1: %2").arg(table.name, query.lastError().text()));
    }
    const qsizetype width = table.columns.size();
    for (const QVariantList& row : table.rows) {
        for (qsizetype i = 0; i < width; ++i)
            query.bindValue(int(i), i < row.size() ? row[i] : QVariant());
        if (!query.exec()) {
            const QString message = query.lastError().text();
            query.finish();
            db.rollback();
            return Fail(error, QStringLiteral("Cannot fill table %1: %2").arg(table.name, message));
        }
    }
    query.finish();
    if (!db.commit())
        return Fail(error, QStringLiteral("Cannot fill table %1: %2").arg(table.name, db.lastError().text()));
    return true;
}

} // namespace tessarine
