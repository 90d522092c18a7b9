#include "connectiondialog.h"

#include "app/dialogs/dialogbuttons.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace tessarine {

namespace {

// Section names of an odbc.ini file, without the driver manager's own sections.
QStringList SectionsOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList names;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            if (!name.isEmpty() && name.compare(QLatin1String("ODBC Data Sources"), Qt::CaseInsensitive) != 0 &&
                name.compare(QLatin1String("ODBC"), Qt::CaseInsensitive) != 0)
                names << name;
        }
    }
    return names;
}

} // namespace

QStringList TConnectionDialog::OdbcDataSourceNames()
{
    const QString userFile = qEnvironmentVariableIsSet("ODBCINI") ? qEnvironmentVariable("ODBCINI")
                                                                   : QDir::homePath() + QStringLiteral("/.odbc.ini");
    const QString systemFile = (qEnvironmentVariableIsSet("ODBCSYSINI") ? qEnvironmentVariable("ODBCSYSINI")
                                                                         : QStringLiteral("/etc")) +
                               QStringLiteral("/odbc.ini");
    QStringList names = SectionsOf(userFile);
    for (const QString& name : SectionsOf(systemFile)) {
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QString TConnectionDialog::PostgresConnection(const QString& host, int port, const QString& database,
                                              const QString& user)
{
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setHost(host.isEmpty() ? QStringLiteral("localhost") : host);
    url.setPort(port);
    url.setUserName(user);
    url.setPath(QLatin1Char('/') + database);
    return url.toString(QUrl::FullyEncoded);
}

TConnectionDialog::TConnectionDialog(QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this)), m_dsn(new QComboBox), m_odbcText(new QLineEdit),
      m_host(new QLineEdit(QStringLiteral("localhost"))), m_port(new QSpinBox), m_database(new QLineEdit),
      m_user(new QLineEdit), m_sqliteFile(new QLineEdit)
{
    setObjectName(QStringLiteral("ConnectionDialog"));
    setWindowTitle(QStringLiteral("数据连接"));
    auto* column = new QVBoxLayout(this);

    auto* odbc = new QWidget;
    auto* odbcForm = new QFormLayout(odbc);
    m_dsn->setObjectName(QStringLiteral("DataSourceName"));
    m_dsn->addItems(OdbcDataSourceNames());
    odbcForm->addRow(QStringLiteral("数据源名称:"), m_dsn);
    m_odbcText->setObjectName(QStringLiteral("OdbcText"));
    m_odbcText->setPlaceholderText(QStringLiteral("DRIVER={SQLite3};Database=/path/file.db"));
    odbcForm->addRow(QStringLiteral("或连接串:"), m_odbcText);
    m_pages->addTab(odbc, QStringLiteral("ODBC"));

    auto* postgres = new QWidget;
    auto* pgForm = new QFormLayout(postgres);
    m_host->setObjectName(QStringLiteral("PgHost"));
    m_port->setObjectName(QStringLiteral("PgPort"));
    m_port->setRange(1, 65535);
    m_port->setValue(5432);
    m_database->setObjectName(QStringLiteral("PgDatabase"));
    m_user->setObjectName(QStringLiteral("PgUser"));
    m_user->setText(qEnvironmentVariable("USER"));
    pgForm->addRow(QStringLiteral("服务器:"), m_host);
    pgForm->addRow(QStringLiteral("端口:"), m_port);
    pgForm->addRow(QStringLiteral("数据库:"), m_database);
    pgForm->addRow(QStringLiteral("用户:"), m_user);
    m_pages->addTab(postgres, QStringLiteral("PostgreSQL"));

    auto* sqlite = new QWidget;
    auto* sqliteRow = new QHBoxLayout(sqlite);
    m_sqliteFile->setObjectName(QStringLiteral("SqliteFile"));
    auto* browse = new QPushButton(QStringLiteral("浏览..."), sqlite);
    sqliteRow->addWidget(m_sqliteFile, 1);
    sqliteRow->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                          QStringLiteral("SQLite (*.sqlite *.db *.sqlite3);;(*)"));
        if (!path.isEmpty())
            m_sqliteFile->setText(path);
    });
    m_pages->addTab(sqlite, QStringLiteral("SQLite"));

    column->addWidget(m_pages);
    const TDialogButtons buttons = MakeOkCancelHelp(this);
    buttons.Help->hide();
    connect(buttons.Ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addLayout(buttons.Row);
}

QString TConnectionDialog::Connection() const
{
    switch (m_pages->currentIndex()) {
    case 0:
        if (!m_odbcText->text().trimmed().isEmpty())
            return m_odbcText->text().trimmed();
        return m_dsn->currentText().isEmpty() ? QString() : QStringLiteral("DSN=") + m_dsn->currentText();
    case 1:
        return m_database->text().trimmed().isEmpty()
                   ? QString()
                   : PostgresConnection(m_host->text().trimmed(), m_port->value(), m_database->text().trimmed(),
                                        m_user->text().trimmed());
    default: return m_sqliteFile->text().trimmed();
    }
}

} // namespace tessarine
