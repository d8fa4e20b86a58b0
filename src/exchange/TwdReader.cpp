#include "exchange/TwdReader.h"

#include "exchange/TTWD_SectionList.h"
#include "exchange/TwdError.h"

namespace korbelant {

bool TwdReader::skipped(const QString& line)
{
    return line.isEmpty() || line == QStringLiteral("\x1a") || line.startsWith(QLatin1Char(';'));
}

bool TwdReader::startsTable(const QString& line)
{
    const qsizetype table = line.indexOf(QStringLiteral("Tabelle"));
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    return table >= 0 && equals >= 0 && table < equals;
}

void TwdReader::readLine(const QString& line, int number)
{
    if (skipped(line))
        return;
    if (line.size() >= 2 && line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        m_section = &m_sections.add(line.mid(1, line.size() - 2));
        return;
    }
    if (startsTable(line)) {
        if (!m_section)
            throw TwdError(
                QStringLiteral("Zeile %1: eine Tabelle steht vor dem ersten Abschnitt.").arg(number));
        m_table = &m_section->AddTable(line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed());
        return;
    }
    readPair(line);
}

void TwdReader::readPair(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    const QString key = (equals < 0 ? line : line.left(equals)).trimmed();
    const QString value = equals < 0 ? QString() : line.mid(equals + 1).trimmed();
    if (key == QStringLiteral("Felder") || key == QStringLiteral("Feldtypen") ||
        key == QStringLiteral("Datensatz")) {
        if (!m_table)
            return;
        if (key == QStringLiteral("Felder"))
            m_table->SetFields(value);
        else if (key == QStringLiteral("Feldtypen"))
            m_table->SetFieldTypes(value);
        else
            m_table->addRecord(value);
        return;
    }
    if (equals < 0)
        return;
    if (m_section)
        m_section->AddValue(key.toUpper(), value);
    else
        m_values.add(key, value);
}

} // namespace korbelant
