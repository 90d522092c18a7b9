#include "querybuilder.h"

#include <QFileInfo>

namespace tessarine {

namespace {

const QString kJetPrefix = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");

bool IsLikeOperator(const QString& op)
{
    return op == QLatin1String("LIKE") || op == QLatin1String("IN LIKE") || op == QLatin1String("NOT LIKE");
}

QString DoubleQuotes(QString value)
{
    return value.replace(QLatin1Char('\''), QLatin1String("''"));
}

} // namespace

TFileConnection TQueryBuilder::ConnectionForFile(const QString& path)
{
    const QString ending = path.right(3);
    if (ending == QLatin1String("xls"))
        return {kJetPrefix + path + QStringLiteral(";Extended Properties=Excel 8.0;Persist Security Info=False"),
                QStringLiteral("["), QStringLiteral("]")};
    if (ending == QLatin1String("DBF")) {
        QString folder = QFileInfo(path).absolutePath();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return {kJetPrefix + folder + QStringLiteral(";Extended Properties=dBase 5.0;Persist Security Info=False"), {},
                {}};
    }
    return {kJetPrefix + path + QStringLiteral(";Persist Security Info=False"), {}, {}};
}

const QStringList& TQueryBuilder::Operators()
{
    static const QStringList operators = {QStringLiteral("="),    QStringLiteral("<>"),      QStringLiteral("<"),
                                          QStringLiteral(">"),    QStringLiteral("<="),      QStringLiteral(">="),
                                          QStringLiteral("LIKE"), QStringLiteral("IN LIKE"), QStringLiteral("NOT LIKE")};
    return operators;
}

QString TQueryBuilder::ConditionTerm(const TConditionRow& row)
{
    const QString head = row.Field + QLatin1Char(' ') + row.Operator + QLatin1Char(' ');
    if (!IsLikeOperator(row.Operator))
        return head + QLatin1Char('\'') + DoubleQuotes(row.Value) + QLatin1Char('\'');
    // The value is looked for as written: its own % and _ are escaped, and the escape clause is
    // added only when needed, so ordinary terms keep their familiar form.
    QString value = row.Value;
    const bool needsEscape = value.contains(QLatin1Char('%')) || value.contains(QLatin1Char('_')) ||
                             value.contains(QLatin1Char('\\'));
    if (needsEscape) {
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        value.replace(QLatin1Char('%'), QLatin1String("\\%"));
        value.replace(QLatin1Char('_'), QLatin1String("\\_"));
    }
    QString term = head + QStringLiteral("'%") + DoubleQuotes(value) + QStringLiteral("%'");
    if (needsEscape)
        term += QStringLiteral(" ESCAPE '\\'");
    return term;
}

void TQueryBuilder::Reset(const QString& quoteOpen, const QString& quoteClose)
{
    *this = TQueryBuilder();
    m_quoteOpen = quoteOpen;
    m_quoteClose = quoteClose;
}

QString TQueryBuilder::TableQuery(const QString& table) const
{
    return QStringLiteral("Select * From ") + m_quoteOpen + table + m_quoteClose;
}

void TQueryBuilder::SetTables(const QStringList& tickedTables)
{
    m_tablesText = tickedTables.join(QLatin1Char(','));
}

QString TQueryBuilder::FieldsClicked(const QStringList& tickedFields)
{
    m_fieldsText = tickedFields.join(QLatin1Char(','));
    // The sort list is refilled from the ticked fields with nothing ticked, so no term stays.
    m_orderTerms.clear();
    m_orderKeyword.clear();
    return tickedFields.isEmpty() ? QString() : QStringLiteral("SELECT ") + m_fieldsText + QStringLiteral(" FROM ") + FromPart();
}

QString TQueryBuilder::SortClicked(const QString& entry, bool ticked, bool ascending, const QStringList& tickedEntries)
{
    if (ticked)
        m_orderTerms << QLatin1Char(' ') + entry + (ascending ? QStringLiteral(" ASC,") : QStringLiteral(" DESC,"));
    QStringList kept;
    for (const QString& term : m_orderTerms) {
        for (const QString& field : tickedEntries) {
            if (term.startsWith(QLatin1Char(' ') + field + QLatin1Char(' '))) {
                kept << term;
                break;
            }
        }
    }
    m_orderTerms = kept;
    m_orderKeyword = tickedEntries.isEmpty() ? QString() : QStringLiteral(" ORDER BY");
    return QueryText();
}

QString TQueryBuilder::ConditionsChanged(const TConditions& rows)
{
    m_conditionText.clear();
    for (int k = 0; k < kConditionRows; ++k) {
        const TConditionRow& row = rows[size_t(k)];
        if (!row.IsComplete())
            continue;
        if (!m_conditionText.isEmpty())
            m_conditionText += row.Or ? QStringLiteral(" OR ") : QStringLiteral(" AND ");
        m_conditionText += ConditionTerm(row);
    }
    return QueryText();
}

QString TQueryBuilder::FromPart() const
{
    return m_quoteOpen + m_tablesText + m_quoteClose;
}

QString TQueryBuilder::OrderPart() const
{
    if (m_orderKeyword.isEmpty())
        return {};
    QString order = m_orderKeyword;
    for (const QString& term : m_orderTerms)
        order += term + QLatin1Char('\n');
    // The comma that ends the last term goes, its line break stays.
    const int comma = int(order.lastIndexOf(QLatin1Char(',')));
    if (comma >= 0 && !m_orderTerms.isEmpty())
        order.remove(comma, 1);
    return order;
}

QString TQueryBuilder::QueryText() const
{
    QString text = QStringLiteral("SELECT ") + m_fieldsText + QStringLiteral(" FROM ") + FromPart();
    if (!m_conditionText.isEmpty())
        text += QStringLiteral(" WHERE ") + m_conditionText;
    return text + OrderPart();
}

} // namespace tessarine
