#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>


namespace tessarine {

// What a stored connection string names, and the driver that serves it.
struct TConnectionTarget
{
    enum Kind { Sqlite, Odbc, Postgres, File };
    Kind kind = Odbc;
    QString driverText; // database name, ODBC connection text or PostgreSQL options
};

// Maps the connection texts documents and settings keep to a driver: SQLite files (the embedded
// default), ODBC data source names and DRIVER= strings, PostgreSQL URLs and key=value strings.
// Jet strings for workbooks, dBase folders and text files are File targets, loaded by the
// file-source readers into an in-memory SQLite database.
TConnectionTarget TargetOfConnection(const QString& connection);

// Whether a failed connection was refused for want of a (correct) password: the caller may
// ask the user for one and connect again with it. Passwords are never stored.
bool IsPasswordRefusal(const QString& error);

// The connection, the query and its position: the data source every grid, navigator and the
// record filling follow. Each record move and each edited value raises RecordChanged.
class TKWZDataModule : public QObject
{
    Q_OBJECT
public:
    explicit TKWZDataModule(QObject* parent = nullptr);
    ~TKWZDataModule() override;

    // Connects to a stored connection text. password, when given, is used for this
    // connection only (PostgreSQL servers that ask for one libpq cannot find itself).
    bool Connect(const QString& connection, const QString& password = QString());
    bool IsConnected() const;
    // Workbooks, dBase folders, text and Access files are read into memory: edits change the
    // copy, never the file.
    bool IsInMemoryCopy() const { return m_inMemoryCopy; }
    // Runs the query text and moves to its first record.
    bool Open(const QString& sql);
    bool IsOpen() const { return m_query.isActive() && m_query.isSelect(); }
    void Close();
    QString ErrorText() const { return m_error; }

    // Table names of the connected source (sheets as "Sheet1$", text files as "goods.csv").
    QStringList Tables() const;
    // Field names of one table, in column order; empty when it has none or is unknown.
    QStringList Fields(const QString& table) const;

    // Record position: 1-based number and count; 0 when there is no record.
    int RecordNo() const;
    int RecordCount() const { return m_count; }
    bool First();
    bool Prior();
    bool Next();
    bool Last();
    bool SetRecordNo(int number);
    // Moves to the first record whose field begins with text, letter case included.
    bool Locate(const QString& field, const QString& text);
    QSqlRecord CurrentRecord() const;
    // The connection, for grids that show the same query.
    QSqlDatabase Database() const { return m_database; }
    QString Sql() const { return m_sql; }

signals:
    void RecordChanged();

private:
    // Moves to a 0-based row; drivers that cannot seek are walked from the first row.
    bool MoveTo(int index);
    bool Fail(const QString& why);

    QString m_connectionName;
    bool m_inMemoryCopy = false;
    QSqlDatabase m_database;
    QSqlQuery m_query;
    int m_count = 0;
    int m_position = -1;
    QString m_sql;
    QString m_error;
};

} // namespace tessarine
