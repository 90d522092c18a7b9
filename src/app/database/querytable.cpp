#include "querytable.h"

#include "data/module/datamodule.h"
#include "recordgrid.h"
#include "recordnavigator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessarine {

TQueryTable::TQueryTable(TKWZDataModule& records, QWidget* parent)
    : QDialog(parent), m_records(records), m_grid(new QTableView(this)),
      m_navigator(new TRecordNavigator(records, TRecordNavigator::TButtons::MovesAndEditing, this))
{
    setObjectName(QStringLiteral("QueryTable"));
    setWindowTitle(QStringLiteral("Query"));
    setWindowState(Qt::WindowMaximized);
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(m_navigator);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("EditNote"));
    top->addWidget(note, 1);
    auto* exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("Exit_BM"));
    top->addWidget(exit);
    column->addLayout(top);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_grid->horizontalHeader()->setSectionsMovable(false);
    column->addWidget(m_grid, 1);
    m_model = BindRecordGrid(m_grid, records);
    if (m_model->EditableTable().isEmpty())
        note->setText(QStringLiteral("此查询读取多个表, 不能编辑"));
    else if (records.IsInMemoryCopy())
        note->setText(QStringLiteral("修改只作用于内存中的数据, 不写回源文件"));
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    // The buttons never take the focus, so an open cell editor stays open until Post moves the
    // focus away (which writes the cell) or Cancel drops it.
    for (QToolButton* button : m_navigator->findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::NoFocus);
    connect(m_navigator, &TRecordNavigator::EditRequested, this, [this] {
        const QModelIndex current = m_grid->currentIndex();
        m_grid->edit(current.isValid() ? current : m_grid->model()->index(0, 0));
    });
    connect(m_navigator, &TRecordNavigator::PostRequested, this, [this] { m_grid->setFocus(); });
    connect(m_navigator, &TRecordNavigator::CancelRequested, this, [this] { m_model->Refresh(); });
    connect(m_navigator, &TRecordNavigator::RefreshRequested, this, [this] {
        const int number = m_records.RecordNo();
        m_records.Open(m_records.Sql());
        m_records.SetRecordNo(number);
        m_model->Refresh();
    });
}

} // namespace tessarine
