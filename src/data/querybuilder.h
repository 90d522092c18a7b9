#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tessarine {

// The connection a chosen file stands for, and how its table names are quoted in FROM parts.
struct TFileConnection
{
    QString Connection;
    QString TableQuoteOpen;
    QString TableQuoteClose;
};

// One filter row of the database window.
struct TConditionRow
{
    QString Field;
    QString Operator;
    QString Value;
    bool Or = false; // how the row joins the ones before it; row 1 has no joint

    bool IsComplete() const { return !Field.isEmpty() && !Operator.isEmpty() && !Value.isEmpty(); }
};

// Builds the query text of the database window from ticked tables and fields, filter rows and
// sort terms. Each event answers the new text of the query memo.
class TQueryBuilder
{
public:
    static constexpr int kConditionRows = 5;
    using TConditions = std::array<TConditionRow, kConditionRows>;

    // The stored connection text for a chosen file. The extension test is exact: "xls" opens a
    // workbook through the Excel properties, "DBF" the file's folder as a dBase database.
    static TFileConnection ConnectionForFile(const QString& path);
    // The operators of a filter row, in the order the window lists them.
    static const QStringList& Operators();
    // One filter term; quotes in the value are doubled and, for the LIKE operators, wildcards
    // in the value match themselves.
    static QString ConditionTerm(const TConditionRow& row);

    // Forgets tables, fields, conditions and sort terms; keeps nothing of the old source.
    void Reset(const QString& quoteOpen = {}, const QString& quoteClose = {});

    QString TableQuoteOpen() const { return m_quoteOpen; }
    QString TableQuoteClose() const { return m_quoteClose; }
    // "Select * From " + the quoted table: the query that lists a table's fields.
    QString TableQuery(const QString& table) const;

    void SetTables(const QStringList& tickedTables);
    QString TablesText() const { return m_tablesText; }

    // A click on the field list with these entries ticked ("table.field"); the new memo text,
    // empty when nothing is ticked. The sort list starts again with nothing ticked.
    QString FieldsClicked(const QStringList& tickedFields);
    QString FieldsText() const { return m_fieldsText; }

    // A click on the sort list: entry's new tick, the direction chosen, and every ticked entry.
    QString SortClicked(const QString& entry, bool ticked, bool ascending, const QStringList& tickedEntries);
    QString OrderKeyword() const { return m_orderKeyword; }
    const QStringList& OrderTerms() const { return m_orderTerms; }

    // A filter row changed, or the refresh command: the condition is rebuilt from every
    // complete row, in order. The answer is the new memo text.
    QString ConditionsChanged(const TConditions& rows);
    QString ConditionText() const { return m_conditionText; }

    // The memo text for the current state.
    QString QueryText() const;

private:
    QString FromPart() const;
    QString OrderPart() const;

    QString m_quoteOpen;
    QString m_quoteClose;
    QString m_tablesText;
    QString m_fieldsText;
    QString m_conditionText;
    QString m_orderKeyword;
    QStringList m_orderTerms;
};

} // namespace tessarine
