#pragma once

#include <QDialog>

class QTableView;

namespace tessarine {

class TKWZDataModule;
class TRecordGridModel;
class TRecordNavigator;

// "Query": the records of the opened query in a grid with a navigator that also edits, posts,
// cancels and refreshes.
class TQueryTable : public QDialog
{
    Q_OBJECT
public:
    TQueryTable(TKWZDataModule& records, QWidget* parent = nullptr);

    QTableView* Grid() const { return m_grid; }
    TRecordNavigator* Navigator() const { return m_navigator; }
    TRecordGridModel* Model() const { return m_model; }

private:
    TKWZDataModule& m_records;
    QTableView* m_grid;
    TRecordNavigator* m_navigator;
    TRecordGridModel* m_model;
};

} // namespace tessarine
