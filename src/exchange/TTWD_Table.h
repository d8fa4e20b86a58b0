#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// One table of a TWD section: its field names, their type codes and its records, each record
// kept as the raw line text after "Datensatz =" (escaped, ";"-separated).
class TTWD_Table
{
public:
    explicit TTWD_Table(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }
    void SetFields(const QString& joined);
    void SetFieldTypes(const QString& joined);
    void addRecord(const QString& line) { m_records << line; }
    const QStringList& fields() const { return m_fields; }
    const QStringList& fieldTypes() const { return m_types; }
    const QStringList& records() const { return m_records; }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    // The decoded value of a field in record n (from 0); the empty string when the field, the
    // record, the element or a numeric type code is missing, or the value fails its check.
    QString GetField(int n, const QString& field) const;

    // "Tabelle = ", "Felder = ", "Feldtypen = " and one "Datensatz = " line per record.
    void writeLines(QStringList& lines) const;

private:
    QString m_name;
    QStringList m_fields;
    QStringList m_types;
    QStringList m_records;
};

} // namespace korbelant
