#include "sourcetestsupport.h"

#include "data/sources/filesource.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace tessarine::test {

void SourceTest::SetUp()
{
    static int counter = 0;
    m_name = QStringLiteral("sources_%1").arg(++counter);
    QString error;
    m_db = OpenMemoryDatabase(m_name, &error);
    ASSERT_TRUE(m_db.isOpen()) << error.toStdString();
}

void SourceTest::TearDown()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

std::vector<QVariantList> SourceTest::Rows(const QString& sql)
{
    std::vector<QVariantList> rows;
    QSqlQuery query(m_db);
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString() << ": " << query.lastError().text().toStdString();
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        rows.push_back(row);
    }
    return rows;
}

QStringList SourceTest::Columns(const QString& table)
{
    // Through a query: the driver's record() reads a dot in "goods.csv" as a schema name.
    QStringList names;
    QSqlQuery query(m_db);
    EXPECT_TRUE(query.exec(QStringLiteral("Select * From [%1] Limit 0").arg(table)));
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

QStringList SourceTest::Tables()
{
    QStringList tables = m_db.tables();
    tables.sort();
    return tables;
}

bool SourceTest::RunPython(const QString& script, const QStringList& args, QString* output)
{
    QProcess process;
    process.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + args);
    if (!process.waitForFinished(60000))
        return false;
    if (output)
        *output = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool SourceTest::WriteZip(const QString& path, const QList<QPair<QString, QByteArray>>& parts)
{
    QJsonArray list;
    for (const auto& [name, bytes] : parts)
        list.append(QJsonArray{name, QString::fromLatin1(bytes.toBase64())});
    const QString script =
        QStringLiteral("import sys, json, base64, zipfile\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                       "    for name, data in json.loads(sys.argv[2]):\n"
                       "        z.writestr(name, base64.b64decode(data))\n");
    QString output;
    const bool ok = RunPython(
        script, {path, QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact))}, &output);
    EXPECT_TRUE(ok) << output.toStdString();
    return ok;
}

} // namespace tessarine::test
