#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <vector>

namespace korbelant {

class Database;

// The rows of a query under their column names, for results whose columns are named by the query
// itself (sums, joined views) and read by name by whoever shows or writes them.
class ResultTable
{
public:
    // Runs the query with positional parameters; the columns are named as the query names them.
    static ResultTable query(Database& db, const QString& sql, const QVariantList& params);

    const QStringList& columns() const { return m_columns; }
    const std::vector<QVariantList>& rows() const { return m_rows; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    // Column index by name (case-insensitive); -1 when there is none.
    int column(const QString& name) const;
    // The value of a row's named column; invalid for an unknown name.
    QVariant value(int row, const QString& name) const;
    void setValue(int row, const QString& name, const QVariant& value);
    void removeColumn(const QString& name);
    // Replaces the rows; each holds one value per column.
    void setRows(std::vector<QVariantList> rows) { m_rows = std::move(rows); }
    // A column filled for every row by `valueOf(row)`.
    template <typename F> void addColumn(const QString& name, F valueOf)
    {
        m_columns << name;
        for (int r = 0; r < rowCount(); ++r)
            m_rows[static_cast<size_t>(r)].append(valueOf(r));
    }

private:
    QStringList m_columns;
    std::vector<QVariantList> m_rows;
};

} // namespace korbelant
