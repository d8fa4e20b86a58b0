#pragma once

#include "exchange/TTWD_Table.h"
#include "exchange/TwdValueList.h"

#include <memory>
#include <vector>

namespace korbelant {

// One section of a TWD file: its values and its tables, both in the order they were added.
class TTWD_TableList
{
public:
    explicit TTWD_TableList(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    void AddValue(const QString& key, const QString& value) { m_values.add(key, value); }
    TTWD_Table& AddTable(const QString& name);
    QString GetValue(const QString& key) const { return m_values.value(key); }
    // The first table of this name (case-insensitive), or none.
    const TTWD_Table* FindTable(const QString& name) const;
    int tableCount() const { return static_cast<int>(m_tables.size()); }
    const TTWD_Table& tableAt(int i) const { return *m_tables.at(static_cast<size_t>(i)); }
    const TwdValueList& values() const { return m_values; }

    // "[name]", the values, then each table after an empty line.
    void writeLines(QStringList& lines) const;

private:
    QString m_name;
    TwdValueList m_values;
    std::vector<std::unique_ptr<TTWD_Table>> m_tables;
};

} // namespace korbelant
