#pragma once

#include <QSqlQueryModel>
#include <QString>

class QTableView;

namespace tessarine {

class TKWZDataModule;

// The rows of the data module's query for the grids. When the query reads one table, a changed
// cell is written back with an UPDATE that names the row by all its old values.
class TRecordGridModel : public QSqlQueryModel
{
    Q_OBJECT
public:
    explicit TRecordGridModel(TKWZDataModule& records, QObject* parent = nullptr);

    // Runs the module's query text again.
    void Refresh();
    // The table edits are written to; empty when the query is not a plain one-table SELECT.
    QString EditableTable() const { return m_table; }
    // The table a query text reads, when it reads exactly one.
    static QString SingleTable(const QString& sql);

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    QString LastError() const { return m_error; }

private:
    TKWZDataModule& m_records;
    QString m_table;
    QString m_error;
};

// Shows the module's query in view and keeps the view's current row and the module's record
// together, both ways. The model belongs to the view.
TRecordGridModel* BindRecordGrid(QTableView* view, TKWZDataModule& records);

} // namespace tessarine
