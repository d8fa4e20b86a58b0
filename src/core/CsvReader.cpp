#include "core/CsvReader.h"

namespace korbelant {

namespace {

// Splits the text into records of fields; false when a quote is left open.
bool split(const QString& text, std::vector<QStringList>& records)
{
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(';')) {
            record << field;
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
                record << field;
                records.push_back(record);
            }
            record.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted)
        return false;
    if (fieldStarted || !field.isEmpty() || !record.isEmpty()) {
        record << field;
        records.push_back(record);
    }
    return true;
}

} // namespace

std::optional<CsvReader::Table> CsvReader::parse(const QString& text)
{
    std::vector<QStringList> records;
    if (!split(text, records) || records.empty())
        return std::nullopt;
    Table table;
    table.header = records.front();
    for (QString& name : table.header)
        name = name.trimmed();
    for (std::size_t r = 1; r < records.size(); ++r) {
        QStringList row = records[r];
        if (row.size() > table.header.size())
            return std::nullopt;
        while (row.size() < table.header.size())
            row << QString();
        table.rows.push_back(row);
    }
    return table;
}

} // namespace korbelant
