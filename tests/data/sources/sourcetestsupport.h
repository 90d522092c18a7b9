#pragma once

#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <vector>

#include <gtest/gtest.h>

namespace tessarine::test {

// A fresh in-memory database for each test, removed with it.
class SourceTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Every row of a query, each value as the database returned it.
    std::vector<QVariantList> Rows(const QString& sql);
    QStringList Columns(const QString& table);
    QStringList Tables();

    // Runs a Python script with Debian's interpreter, which sees python3-xlwt.
    static bool RunPython(const QString& script, const QStringList& args, QString* output);

    // Writes a zip archive of the given parts (name, contents) with Python's zipfile.
    static bool WriteZip(const QString& path, const QList<QPair<QString, QByteArray>>& parts);

    QSqlDatabase m_db;
    QString m_name;
};

} // namespace tessarine::test
