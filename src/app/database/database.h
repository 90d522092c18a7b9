#pragma once

#include "data/querybuilder.h"
#include "document/labelrecords.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace tessarine {

class TKWZDataModule;

// "数据库": the user picks a source (a file or a connection), ticks tables and fields, adds
// filter rows and sort terms, and gets the query text the document and the settings keep.
class TDataBase : public QDialog
{
    Q_OBJECT
public:
    explicit TDataBase(TKWZDataModule& records, QWidget* parent = nullptr);

    // Connects to the stored source and opens its query (errors ignored); run at start-up and
    // after a label file brought its own source. True when the query has records.
    bool StartUp(const TSourceDataBase& stored);

    // What the window asks the user; tests answer in their place.
    std::function<QString()> AskFileName;
    // A connection text for the "ODBC数据源" choice; empty when the user cancelled.
    std::function<QString()> AskConnection;
    // The password of a server that refused the connection without one; nullopt when cancelled.
    std::function<std::optional<QString>(const QString& connection)> AskPassword;
    // Errors the window shows (the query of the lookup command failing).
    std::function<void(const QString&)> Warn;

    QString Connection() const { return m_connection; }
    QString QueryText() const;
    const TQueryBuilder& Builder() const { return m_builder; }

    // The file and connection choices, as the buttons run them.
    void ChooseFile();
    void ChooseConnection();
    // "刷新状态": every filter row with a value is taken into the query again.
    void RefreshConditions();
    // "全选" / "取消选择".
    void ToggleSelectAll();

    QListWidget* TableList() const { return m_tables; }
    QListWidget* FieldList() const { return m_fields; }
    QListWidget* SortList() const { return m_sortFields; }
    QPlainTextEdit* QueryMemo() const { return m_memo; }
    struct TConditionControls
    {
        QWidget* Row;
        QComboBox* Field;
        QComboBox* Operator;
        QLineEdit* Value;
        QRadioButton* And;
        QRadioButton* Or;
    };
    const TConditionControls& ConditionRow(int index) const { return m_rows[size_t(index)]; }

signals:
    // OK: the source to keep in the settings (and to give new documents).
    void SourceAccepted(const tessarine::TSourceDataBase& source);
    // The query has records: the navigator window may be shown.
    void NavigatorWanted();
    // "查询": the record lookup window should be shown on the opened query.
    void LookupRequested();

private:
    QWidget* BuildSourceGroup();
    QWidget* BuildTablesPage();
    QWidget* BuildFilterPage();
    QWidget* BuildSortPage();
    QWidget* BuildQueryPage();
    void ClearSource(const QString& quoteOpen = {}, const QString& quoteClose = {});
    void ConnectTo(const QString& connection);
    void TablesClicked();
    void FieldsClicked();
    void SortClicked(QListWidgetItem* item);
    void ConditionChanged();
    bool Connect(const QString& connection);
    bool OpenMemoQuery();
    void Accept();
    void Query();
    static QStringList Ticked(const QListWidget* list);

    TKWZDataModule& m_records;
    TQueryBuilder m_builder;
    QString m_connection;
    bool m_selectAllNext = true;

    QButtonGroup* m_sourceGroup = nullptr;
    QRadioButton* m_fileSource = nullptr;
    QRadioButton* m_odbcSource = nullptr;
    QPushButton* m_chooseFile = nullptr;
    QTabWidget* m_pages = nullptr;
    QListWidget* m_tables = nullptr;
    QListWidget* m_fields = nullptr;
    QPushButton* m_selectAll = nullptr;
    QListWidget* m_sortFields = nullptr;
    QRadioButton* m_ascending = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    std::array<TConditionControls, TQueryBuilder::kConditionRows> m_rows{};
};

} // namespace tessarine
