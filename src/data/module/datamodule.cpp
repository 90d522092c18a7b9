#include "datamodule.h"

#include "data/sources/connectionstring.h"
#include "data/sources/filesource.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlField>
#include <QUrl>
#include <QUrlQuery>

namespace tessarine {

namespace {

QString NewConnectionName()
{
    static QAtomicInteger<int> counter;
    return QStringLiteral("tessarine-data-%1").arg(counter.fetchAndAddRelaxed(1));
}

bool IsSqliteFile(const QString& text)
{
    const QString suffix = QFileInfo(text).suffix().toLower();
    return suffix == QLatin1String("db") || suffix == QLatin1String("sqlite") || suffix == QLatin1String("sqlite3");
}

// QPSQL hands its database name to libpq quoted, where a URL is not expanded: take the URL
// apart into the driver's own fields. Query items (sslmode=require, ...) become options.
bool SetPostgresUrl(QSqlDatabase& db, const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    db.setHostName(url.host());
    if (url.port() > 0)
        db.setPort(url.port());
    db.setUserName(url.userName());
    db.setPassword(url.password());
    db.setDatabaseName(url.path().mid(1));
    QStringList options;
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded))
        options << key + QLatin1Char('=') + value;
    db.setConnectOptions(options.join(QLatin1Char(';')));
    return true;
}

} // namespace

bool IsPasswordRefusal(const QString& error)
{
    // libpq's words when the server wants a password it was not given or did not accept.
    return error.contains(QLatin1String("no password supplied")) ||
           error.contains(QLatin1String("password authentication failed"));
}

TConnectionTarget TargetOfConnection(const QString& connection)
{
    const QString text = connection.trimmed();
    if (text.contains(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive)) {
        // The database window's file choice writes the plain Jet text for any other file; an
        // SQLite database picked there opens as one.
        const TFileSource file = ParseConnectionString(text);
        if (file.kind == TFileSource::Kind::Access && IsSqliteFile(file.path))
            return {TConnectionTarget::Sqlite, file.path};
        return {TConnectionTarget::File, text};
    }
    if (text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
        text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return {TConnectionTarget::Postgres, text};
    if (IsSqliteFile(text) && !text.contains(QLatin1Char('=')))
        return {TConnectionTarget::Sqlite, text};
    // Qt's ODBC driver adds "DSN=" itself to anything without DRIVER=: give it the bare name.
    if (text.startsWith(QLatin1String("DSN="), Qt::CaseInsensitive) && !text.contains(QLatin1Char(';')))
        return {TConnectionTarget::Odbc, text.mid(4)};
    return {TConnectionTarget::Odbc, text};
}

TKWZDataModule::TKWZDataModule(QObject* parent) : QObject(parent), m_connectionName(NewConnectionName()) {}

TKWZDataModule::~TKWZDataModule()
{
    Close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool TKWZDataModule::Fail(const QString& why)
{
    m_error = why;
    return false;
}

bool TKWZDataModule::Connect(const QString& connection, const QString& password)
{
    Close();
    if (m_database.isValid()) {
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    const TConnectionTarget target = TargetOfConnection(connection);
    m_inMemoryCopy = target.kind == TConnectionTarget::File;
    switch (target.kind) {
    case TConnectionTarget::Sqlite:
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        if (!QFileInfo::exists(target.driverText))
            return Fail(QStringLiteral("找不到数据库文件: %1").arg(target.driverText));
        m_database.setDatabaseName(target.driverText);
        break;
    case TConnectionTarget::File:
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        m_database.setDatabaseName(QStringLiteral(":memory:"));
        break;
    case TConnectionTarget::Postgres:
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
        if (!SetPostgresUrl(m_database, target.driverText))
            return Fail(QStringLiteral("不是有效的 PostgreSQL 地址: %1").arg(target.driverText));
        break;
    case TConnectionTarget::Odbc:
        m_database = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_connectionName);
        m_database.setDatabaseName(target.driverText);
        break;
    }
    // A password given now is used for this connection only; stored connections carry none,
    // and libpq otherwise finds it in PGPASSWORD or ~/.pgpass.
    if (!password.isEmpty())
        m_database.setPassword(password);
    if (!m_database.open())
        return Fail(m_database.lastError().text());
    if (target.kind == TConnectionTarget::File) {
        // Workbooks, dBase folders and text files are read into the in-memory database, so
        // query texts such as Select * From [Sheet1$] run unchanged.
        QString error;
        if (!LoadFileSource(ParseConnectionString(target.driverText), m_database, &error))
            return Fail(error);
    }
    m_error.clear();
    return true;
}

bool TKWZDataModule::IsConnected() const
{
    return m_database.isValid() && m_database.isOpen();
}

bool TKWZDataModule::Open(const QString& sql)
{
    Close();
    if (!IsConnected())
        return Fail(QStringLiteral("未连接数据库"));
    m_query = QSqlQuery(m_database);
    m_query.setForwardOnly(false);
    if (!m_query.exec(sql))
        return Fail(m_query.lastError().text());
    m_sql = sql;
    // Not every driver knows its row count or where last() lands: count by walking.
    m_count = 0;
    for (bool ok = m_query.first(); ok; ok = m_query.next())
        ++m_count;
    m_position = -1;
    return m_count == 0 || MoveTo(0);
}

void TKWZDataModule::Close()
{
    m_query.finish();
    m_query = QSqlQuery();
    m_count = 0;
    m_position = -1;
}

QStringList TKWZDataModule::Tables() const
{
    return IsConnected() ? m_database.tables() : QStringList();
}

QStringList TKWZDataModule::Fields(const QString& table) const
{
    if (!IsConnected())
        return {};
    QSqlRecord record = m_database.record(table);
    if (record.isEmpty()) {
        // Drivers read the dot of a text table such as "goods.csv" as a schema separator;
        // a query that quotes the name whole finds its columns.
        QString quoted = table;
        quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
        QSqlQuery probe(m_database);
        if (probe.exec(QStringLiteral("Select * From \"%1\" Where 1 = 0").arg(quoted)))
            record = probe.record();
    }
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names.append(record.fieldName(i));
    return names;
}

int TKWZDataModule::RecordNo() const
{
    return IsOpen() ? m_position + 1 : 0;
}

bool TKWZDataModule::MoveTo(int index)
{
    if (!IsOpen() || index < 0 || index >= m_count)
        return false;
    bool ok = m_query.seek(index) && m_query.at() == index;
    if (!ok) {
        ok = m_query.first();
        for (int i = 0; ok && i < index; ++i)
            ok = m_query.next();
    }
    if (!ok)
        return false;
    m_position = index;
    emit RecordChanged();
    return true;
}

bool TKWZDataModule::First()
{
    return MoveTo(0);
}

bool TKWZDataModule::Prior()
{
    return m_position > 0 && MoveTo(m_position - 1);
}

bool TKWZDataModule::Next()
{
    return m_position + 1 < m_count && MoveTo(m_position + 1);
}

bool TKWZDataModule::Last()
{
    return MoveTo(m_count - 1);
}

bool TKWZDataModule::SetRecordNo(int number)
{
    return MoveTo(number - 1);
}

bool TKWZDataModule::Locate(const QString& field, const QString& text)
{
    if (!IsOpen())
        return false;
    int index = 0;
    for (bool ok = m_query.first(); ok; ok = m_query.next(), ++index) {
        const QVariant value = m_query.record().value(field);
        if (value.isValid() && value.toString().startsWith(text, Qt::CaseSensitive))
            return MoveTo(index);
    }
    const int position = m_position;
    m_position = -1;
    if (position >= 0) {
        // Back where it was, without telling anyone of a move.
        const QSignalBlocker quiet(this);
        MoveTo(position);
    }
    return false;
}

QSqlRecord TKWZDataModule::CurrentRecord() const
{
    return IsOpen() && m_position >= 0 ? m_query.record() : QSqlRecord();
}

} // namespace tessarine
