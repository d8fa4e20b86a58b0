#include "exchange/TTWD_Table.h"

#include "exchange/TwdCoding.h"

namespace korbelant {

void TTWD_Table::SetFields(const QString& joined)
{
    m_fields = TwdCoding::TwdSplit(joined);
}

void TTWD_Table::SetFieldTypes(const QString& joined)
{
    m_types = TwdCoding::TwdSplit(joined);
}

QString TTWD_Table::GetField(int n, const QString& field) const
{
    qsizetype index = -1;
    for (qsizetype i = 0; i < m_fields.size() && index < 0; ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            index = i;
    }
    if (index < 0 || n < 0 || n >= m_records.size() || index >= m_types.size())
        return {};
    const QStringList elements = TwdCoding::TwdSplit(m_records.at(n));
    if (index >= elements.size())
        return {};
    bool numeric = false;
    const int code = m_types.at(index).trimmed().toInt(&numeric);
    return numeric ? TwdCoding::TwdDecode(elements.at(index), code) : QString();
}

void TTWD_Table::writeLines(QStringList& lines) const
{
    lines << QStringLiteral("Tabelle = ") + m_name;
    lines << QStringLiteral("Felder = ") + m_fields.join(QLatin1Char(';'));
    lines << QStringLiteral("Feldtypen = ") + m_types.join(QLatin1Char(';'));
    for (const QString& record : m_records)
        lines << QStringLiteral("Datensatz = ") + record;
}

} // namespace korbelant
