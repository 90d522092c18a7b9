#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace tessarine {

// Builds a connection text for a database the program reaches through a driver: an ODBC data
// source by name, an ODBC DRIVER= text, a PostgreSQL server or an SQLite file. Passwords are not
// part of it: PostgreSQL takes them from ~/.pgpass or PGPASSWORD, so nothing secret is stored.
class TConnectionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TConnectionDialog(QWidget* parent = nullptr);

    // The connection text for the page shown; empty when the page is not filled in.
    QString Connection() const;

    // The data source names unixODBC knows: the user's file ($ODBCINI or ~/.odbc.ini) first,
    // then the system's ($ODBCSYSINI/odbc.ini or /etc/odbc.ini).
    static QStringList OdbcDataSourceNames();
    // "postgresql://user@host:port/database", with the parts percent-encoded.
    static QString PostgresConnection(const QString& host, int port, const QString& database, const QString& user);

    QTabWidget* Pages() const { return m_pages; }

private:
    QTabWidget* m_pages;
    QComboBox* m_dsn;
    QLineEdit* m_odbcText;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QLineEdit* m_database;
    QLineEdit* m_user;
    QLineEdit* m_sqliteFile;
};

} // namespace tessarine
