#include "database.h"

#include "app/dialogs/dialogbuttons.h"
#include "data/module/datamodule.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessarine {

namespace {

// A field box whose list is taken afresh from the field list each time it drops down.
class TFieldBox : public QComboBox
{
public:
    TFieldBox(std::function<QStringList()> fields, QWidget* parent) : QComboBox(parent), m_fields(std::move(fields))
    {
        setEditable(true);
    }
    void showPopup() override
    {
        const QString current = currentText();
        clear();
        addItems(m_fields());
        setCurrentText(current);
        QComboBox::showPopup();
    }

private:
    std::function<QStringList()> m_fields;
};

// The familiar filter, with the lower-case names Linux file systems tell apart and the other
// kinds of file we read (workbooks, text tables, SQLite databases).
const QString kFileFilter = QStringLiteral(
    "All (*.XLS *.MDB *.DBF *.xls *.mdb *.dbf *.xlsx *.csv *.sqlite *.db);;Format File(*.MDB *.mdb);;"
    "Format File(*.DBF *.dbf);;Format File(*.XLS *.xls);;其它格式 (*)");

} // namespace

TDataBase::TDataBase(TKWZDataModule& records, QWidget* parent) : QDialog(parent), m_records(records)
{
    setObjectName(QStringLiteral("DataBase"));
    setWindowTitle(QStringLiteral("数据库"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSourceGroup());
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    const std::pair<QWidget*, const char*> pages[] = {{BuildTablesPage(), "DataBaseSheet"},
                                                      {BuildFilterPage(), "FilterSheet"},
                                                      {BuildSortPage(), "SortSheet"},
                                                      {BuildQueryPage(), "SqlSheet"}};
    const QString captions[] = {QStringLiteral("数据库"), QStringLiteral("筛选"), QStringLiteral("排序"),
                                QStringLiteral("Sql查询")};
    for (int i = 0; i < 4; ++i) {
        pages[i].first->setObjectName(QString::fromLatin1(pages[i].second));
        m_pages->addTab(pages[i].first, captions[i]);
    }
    layout->addWidget(m_pages, 1);
    const TDialogButtons buttons = MakeOkCancelHelp(this);
    buttons.Ok->setObjectName(QStringLiteral("OK_BM"));
    connect(buttons.Ok, &QPushButton::clicked, this, &TDataBase::Accept);
    layout->addLayout(buttons.Row);
    AskFileName = [this] { return QFileDialog::getOpenFileName(this, QString(), QString(), kFileFilter); };
    resize(520, 420);
}

QWidget* TDataBase::BuildSourceGroup()
{
    auto* group = new QGroupBox(QStringLiteral("来源方式"), this);
    group->setObjectName(QStringLiteral("GetFileGroup"));
    auto* row = new QHBoxLayout(group);
    m_fileSource = new QRadioButton(QStringLiteral("文件"), group);
    m_odbcSource = new QRadioButton(QStringLiteral("ODBC数据源"), group);
    m_fileSource->setChecked(true);
    m_sourceGroup = new QButtonGroup(group);
    m_sourceGroup->addButton(m_fileSource, 0);
    m_sourceGroup->addButton(m_odbcSource, 1);
    m_chooseFile = new QPushButton(QStringLiteral("选择文件"), group);
    m_chooseFile->setObjectName(QStringLiteral("OpenDialog_BM"));
    row->addWidget(m_fileSource);
    row->addWidget(m_odbcSource);
    row->addStretch();
    row->addWidget(m_chooseFile);
    connect(m_chooseFile, &QPushButton::clicked, this, &TDataBase::ChooseFile);
    connect(m_sourceGroup, &QButtonGroup::idClicked, this, [this](int id) {
        if (id == 1) {
            ChooseConnection();
        } else {
            ClearSource();
            m_chooseFile->setEnabled(true);
        }
    });
    return group;
}

QWidget* TDataBase::BuildTablesPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* tablesLabel = new QLabel(QStringLiteral("选择表格"), page);
    tablesLabel->setObjectName(QStringLiteral("TableLabel"));
    auto* fieldsLabel = new QLabel(QStringLiteral("选择字段"), page);
    fieldsLabel->setObjectName(QStringLiteral("FieldLabel"));
    grid->addWidget(tablesLabel, 0, 0);
    grid->addWidget(fieldsLabel, 0, 1);
    m_tables = new QListWidget(page);
    m_tables->setObjectName(QStringLiteral("DataBaseTable"));
    m_fields = new QListWidget(page);
    m_fields->setObjectName(QStringLiteral("DataBaseField"));
    grid->addWidget(m_tables, 1, 0);
    grid->addWidget(m_fields, 1, 1);
    auto* buttons = new QHBoxLayout;
    m_selectAll = new QPushButton(QStringLiteral("全选"), page);
    m_selectAll->setObjectName(QStringLiteral("SelectBaseField_BM"));
    auto* query = new QPushButton(QStringLiteral("查询"), page);
    query->setObjectName(QStringLiteral("Query_BM"));
    buttons->addStretch();
    buttons->addWidget(m_selectAll);
    buttons->addWidget(query);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(m_tables, &QListWidget::itemChanged, this, &TDataBase::TablesClicked);
    connect(m_fields, &QListWidget::itemChanged, this, &TDataBase::FieldsClicked);
    connect(m_selectAll, &QPushButton::clicked, this, &TDataBase::ToggleSelectAll);
    connect(query, &QPushButton::clicked, this, &TDataBase::Query);
    return page;
}

QWidget* TDataBase::BuildFilterPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    for (int k = 0; k < TQueryBuilder::kConditionRows; ++k) {
        TConditionControls& controls = m_rows[size_t(k)];
        const QString number = QString::number(k + 1);
        controls.Row = new QWidget(page);
        auto* row = new QHBoxLayout(controls.Row);
        row->setContentsMargins(0, 0, 0, 0);
        controls.And = new QRadioButton(QStringLiteral("AND"), controls.Row);
        controls.Or = new QRadioButton(QStringLiteral("OR"), controls.Row);
        controls.And->setChecked(true);
        auto* joint = new QButtonGroup(controls.Row);
        joint->addButton(controls.And);
        joint->addButton(controls.Or);
        // Row 1 has no joint; its place stays empty so the boxes of all rows line up.
        for (QRadioButton* option : {controls.And, controls.Or}) {
            QSizePolicy policy = option->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            option->setSizePolicy(policy);
            option->setVisible(k > 0);
        }
        controls.Field = new TFieldBox([this] { return Ticked(m_fields); }, controls.Row);
        controls.Field->setObjectName(QStringLiteral("FieldItem") + number);
        controls.Operator = new QComboBox(controls.Row);
        controls.Operator->setObjectName(QStringLiteral("Operator") + number);
        controls.Operator->addItems(TQueryBuilder::Operators());
        controls.Operator->setCurrentIndex(-1);
        controls.Value = new QLineEdit(controls.Row);
        controls.Value->setObjectName(QStringLiteral("Value") + number);
        row->addWidget(controls.And);
        row->addWidget(controls.Or);
        row->addWidget(controls.Field, 2);
        row->addWidget(controls.Operator, 1);
        row->addWidget(controls.Value, 2);
        controls.Row->setVisible(k == 0);
        column->addWidget(controls.Row);
        connect(controls.Field, &QComboBox::currentTextChanged, this, &TDataBase::ConditionChanged);
        connect(controls.Operator, &QComboBox::currentTextChanged, this, &TDataBase::ConditionChanged);
        connect(controls.Value, &QLineEdit::editingFinished, this, &TDataBase::ConditionChanged);
        connect(joint, &QButtonGroup::buttonClicked, this, &TDataBase::ConditionChanged);
    }
    column->addStretch();
    return page;
}

QWidget* TDataBase::BuildSortPage()
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    m_sortFields = new QListWidget(page);
    m_sortFields->setObjectName(QStringLiteral("TaxisField"));
    row->addWidget(m_sortFields, 1);
    auto* direction = new QGroupBox(QStringLiteral("排序次序"), page);
    direction->setObjectName(QStringLiteral("IncDec"));
    auto* choices = new QVBoxLayout(direction);
    m_ascending = new QRadioButton(QStringLiteral("递增"), direction);
    m_ascending->setChecked(true);
    choices->addWidget(m_ascending);
    choices->addWidget(new QRadioButton(QStringLiteral("递减"), direction));
    choices->addStretch();
    row->addWidget(direction);
    connect(m_sortFields, &QListWidget::itemChanged, this, &TDataBase::SortClicked);
    return page;
}

QWidget* TDataBase::BuildQueryPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    m_memo = new QPlainTextEdit(page);
    m_memo->setObjectName(QStringLiteral("SqlLanguage"));
    column->addWidget(m_memo, 1);
    auto* refresh = new QPushButton(QStringLiteral("刷新状态"), page);
    refresh->setObjectName(QStringLiteral("Term_BM"));
    column->addWidget(refresh, 0, Qt::AlignRight);
    connect(refresh, &QPushButton::clicked, this, &TDataBase::RefreshConditions);
    return page;
}

QString TDataBase::QueryText() const
{
    return m_memo->toPlainText();
}

QStringList TDataBase::Ticked(const QListWidget* list)
{
    QStringList ticked;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->checkState() == Qt::Checked)
            ticked << list->item(i)->text();
    }
    return ticked;
}

namespace {

void FillCheckList(QListWidget* list, const QStringList& entries)
{
    const QSignalBlocker quiet(list);
    list->clear();
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(entry, list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

} // namespace

void TDataBase::ClearSource(const QString& quoteOpen, const QString& quoteClose)
{
    m_builder.Reset(quoteOpen, quoteClose);
    FillCheckList(m_tables, {});
    FillCheckList(m_fields, {});
    FillCheckList(m_sortFields, {});
    m_memo->clear();
    m_selectAllNext = true;
    m_selectAll->setText(QStringLiteral("全选"));
}

void TDataBase::ConnectTo(const QString& connection)
{
    m_records.Close();
    m_connection = connection;
    // A source that cannot be opened leaves the lists empty; the user sees nothing to tick.
    if (Connect(connection))
        FillCheckList(m_tables, m_records.Tables());
    if (m_tables->count() > 0)
        m_tables->setCurrentRow(0);
}

void TDataBase::ChooseFile()
{
    ClearSource();
    const QString path = AskFileName ? AskFileName() : QString();
    if (path.isEmpty())
        return;
    const TFileConnection file = TQueryBuilder::ConnectionForFile(path);
    m_builder.Reset(file.TableQuoteOpen, file.TableQuoteClose);
    ConnectTo(file.Connection);
}

void TDataBase::ChooseConnection()
{
    ClearSource();
    m_chooseFile->setEnabled(false);
    const QString connection = AskConnection ? AskConnection() : QString();
    if (connection.isEmpty())
        return;
    ConnectTo(connection);
}

void TDataBase::TablesClicked()
{
    m_selectAllNext = true;
    m_selectAll->setText(QStringLiteral("全选"));
    QStringList fields;
    const QStringList tables = Ticked(m_tables);
    for (const QString& table : tables) {
        // The query stays open on the last ticked table, as the grids then show it.
        m_records.Open(m_builder.TableQuery(table));
        for (const QString& field : m_records.Fields(table))
            fields << table + QLatin1Char('.') + field;
    }
    m_builder.SetTables(tables);
    FillCheckList(m_fields, fields);
}

void TDataBase::FieldsClicked()
{
    const QStringList ticked = Ticked(m_fields);
    FillCheckList(m_sortFields, ticked);
    m_memo->setPlainText(m_builder.FieldsClicked(ticked));
}

void TDataBase::SortClicked(QListWidgetItem* item)
{
    m_memo->setPlainText(m_builder.SortClicked(item->text(), item->checkState() == Qt::Checked,
                                               m_ascending->isChecked(), Ticked(m_sortFields)));
}

void TDataBase::ConditionChanged()
{
    TQueryBuilder::TConditions rows;
    for (int k = 0; k < TQueryBuilder::kConditionRows; ++k) {
        const TConditionControls& controls = m_rows[size_t(k)];
        rows[size_t(k)] = {controls.Field->currentText(), controls.Operator->currentText(), controls.Value->text(),
                           controls.Or->isChecked()};
        // A complete row opens the next one.
        if (rows[size_t(k)].IsComplete() && k + 1 < TQueryBuilder::kConditionRows)
            m_rows[size_t(k + 1)].Row->setVisible(true);
    }
    m_memo->setPlainText(m_builder.ConditionsChanged(rows));
}

void TDataBase::RefreshConditions()
{
    for (const TConditionControls& controls : m_rows) {
        if (!controls.Value->text().isEmpty()) {
            ConditionChanged();
            return;
        }
    }
}

void TDataBase::ToggleSelectAll()
{
    {
        const QSignalBlocker quiet(m_fields);
        for (int i = 0; i < m_fields->count(); ++i)
            m_fields->item(i)->setCheckState(m_selectAllNext ? Qt::Checked : Qt::Unchecked);
    }
    m_selectAll->setText(m_selectAllNext ? QStringLiteral("取消选择") : QStringLiteral("全选"));
    m_selectAllNext = !m_selectAllNext;
    FieldsClicked();
}

bool TDataBase::Connect(const QString& connection)
{
    if (m_records.Connect(connection))
        return true;
    // A server that wants a password asks for it now; it is used for this connection only.
    if (!IsPasswordRefusal(m_records.ErrorText()) || !AskPassword)
        return false;
    const std::optional<QString> password = AskPassword(connection);
    return password && m_records.Connect(connection, *password);
}

bool TDataBase::OpenMemoQuery()
{
    return m_records.Open(QueryText());
}

bool TDataBase::StartUp(const TSourceDataBase& stored)
{
    m_records.Close();
    m_connection = stored.ODBC;
    m_memo->setPlainText(stored.Sql);
    if (stored.ODBC.isEmpty() && stored.Sql.isEmpty())
        return false;
    return Connect(stored.ODBC) && OpenMemoQuery() && m_records.RecordCount() > 0;
}

void TDataBase::Accept()
{
    RefreshConditions();
    if (OpenMemoQuery() && m_records.RecordCount() > 0)
        emit NavigatorWanted();
    emit SourceAccepted({m_connection, QueryText()});
    accept();
}

void TDataBase::Query()
{
    RefreshConditions();
    if (!OpenMemoQuery() || !m_records.First()) {
        if (Warn)
            Warn(m_records.ErrorText().isEmpty() ? QStringLiteral("数据集没有打开") : m_records.ErrorText());
        return;
    }
    emit LookupRequested();
}

} // namespace tessarine
