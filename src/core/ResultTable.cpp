#include "core/ResultTable.h"

#include "core/Database.h"

namespace korbelant {

ResultTable ResultTable::query(Database& db, const QString& sql, const QVariantList& params)
{
    ResultTable table;
    Statement statement = db.prepare(sql);
    statement.bindAll(params);
    for (int c = 0; c < statement.columnCount(); ++c)
        table.m_columns << statement.columnName(c);
    while (statement.next()) {
        QVariantList row;
        row.reserve(table.m_columns.size());
        for (int c = 0; c < table.m_columns.size(); ++c)
            row << statement.value(c);
        table.m_rows.push_back(row);
    }
    return table;
}

int ResultTable::column(const QString& name) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QVariant ResultTable::value(int row, const QString& name) const
{
    const int c = column(name);
    if (c < 0 || row < 0 || row >= rowCount())
        return {};
    return m_rows[static_cast<size_t>(row)].at(c);
}

void ResultTable::setValue(int row, const QString& name, const QVariant& value)
{
    const int c = column(name);
    if (c >= 0 && row >= 0 && row < rowCount())
        m_rows[static_cast<size_t>(row)][c] = value;
}

void ResultTable::removeColumn(const QString& name)
{
    const int c = column(name);
    if (c < 0)
        return;
    m_columns.removeAt(c);
    for (QVariantList& row : m_rows)
        row.removeAt(c);
}

} // namespace korbelant
