#include "exchange/TTWD_TableList.h"

namespace korbelant {

TTWD_Table& TTWD_TableList::AddTable(const QString& name)
{
    m_tables.push_back(std::make_unique<TTWD_Table>(name));
    return *m_tables.back();
}

const TTWD_Table* TTWD_TableList::FindTable(const QString& name) const
{
    for (const auto& table : m_tables) {
        if (table->name().compare(name, Qt::CaseInsensitive) == 0)
            return table.get();
    }
    return nullptr;
}

void TTWD_TableList::writeLines(QStringList& lines) const
{
    lines << QStringLiteral("[") + m_name + QStringLiteral("]");
    m_values.writeLines(lines);
    for (const auto& table : m_tables) {
        lines << QString();
        table->writeLines(lines);
    }
}

} // namespace korbelant
