#include "recordgrid.h"

#include "data/module/datamodule.h"

#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

namespace tessarine {

TRecordGridModel::TRecordGridModel(TKWZDataModule& records, QObject* parent) : QSqlQueryModel(parent), m_records(records)
{
    Refresh();
}

QString TRecordGridModel::SingleTable(const QString& sql)
{
    static const QRegularExpression plainSelect(
        QStringLiteral(R"(^\s*select\s+.+?\s+from\s+(\[[^\]]+\]|"[^"]+"|[\w$.]+)\s*(?:where\s.*|order\s+by\s.*)?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = plainSelect.match(sql);
    if (!match.hasMatch())
        return {};
    QString table = match.captured(1);
    if (table.startsWith(QLatin1Char('[')) || table.startsWith(QLatin1Char('"')))
        table = table.mid(1, table.size() - 2);
    return table;
}

void TRecordGridModel::Refresh()
{
    m_table.clear();
    if (!m_records.IsOpen()) {
        clear();
        return;
    }
    setQuery(m_records.Sql(), m_records.Database());
    while (canFetchMore())
        fetchMore();
    m_table = SingleTable(m_records.Sql());
}

Qt::ItemFlags TRecordGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QSqlQueryModel::flags(index);
    if (!m_table.isEmpty() && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TRecordGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || m_table.isEmpty() || !index.isValid())
        return false;
    const QSqlRecord old = record(index.row());
    QSqlDatabase database = m_records.Database();
    auto quoted = [&database](const QString& name) {
        return database.driver()->escapeIdentifier(name, QSqlDriver::FieldName);
    };
    QStringList conditions;
    for (int i = 0; i < old.count(); ++i)
        conditions << (old.isNull(i) ? quoted(old.fieldName(i)) + QStringLiteral(" IS NULL")
                                     : quoted(old.fieldName(i)) + QStringLiteral(" = ?"));
    QSqlQuery update(database);
    update.prepare(QStringLiteral("UPDATE ") + database.driver()->escapeIdentifier(m_table, QSqlDriver::TableName) +
                   QStringLiteral(" SET ") + quoted(old.fieldName(index.column())) + QStringLiteral(" = ? WHERE ") +
                   conditions.join(QStringLiteral(" AND ")));
    update.addBindValue(value);
    for (int i = 0; i < old.count(); ++i) {
        if (!old.isNull(i))
            update.addBindValue(old.value(i));
    }
    if (!update.exec()) {
        m_error = update.lastError().text();
        return false;
    }
    m_error.clear();
    // The module's own query sees the new value after it is run again at the same record.
    const int number = m_records.RecordNo();
    m_records.Open(m_records.Sql());
    m_records.SetRecordNo(number);
    Refresh();
    emit dataChanged(index, index);
    return true;
}

TRecordGridModel* BindRecordGrid(QTableView* view, TKWZDataModule& records)
{
    if (QAbstractItemModel* old = view->model(); old && old->parent() == view)
        old->deleteLater();
    auto* model = new TRecordGridModel(records, view);
    view->setModel(model);
    auto showRecord = [view, model, &records] {
        // Another query text was opened (the database window, a new document): show its rows.
        if (model->query().lastQuery() != records.Sql() || model->rowCount() != records.RecordCount())
            model->Refresh();
        const int row = records.RecordNo() - 1;
        if (row >= 0 && view->currentIndex().row() != row)
            view->setCurrentIndex(view->model()->index(row, std::max(0, view->currentIndex().column())));
    };
    showRecord();
    QObject::connect(&records, &TKWZDataModule::RecordChanged, view, showRecord);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, view,
                     [&records](const QModelIndex& current) {
                         if (current.isValid() && current.row() + 1 != records.RecordNo())
                             records.SetRecordNo(current.row() + 1);
                     });
    return model;
}

} // namespace tessarine
