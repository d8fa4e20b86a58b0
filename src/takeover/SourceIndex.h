#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace korbelant {

class TakeOverSource;

// The records of a source grouped by the text of one field, read once, so that the records
// belonging to a key are found without a filter expression and without reading the table again.
class SourceIndex
{
public:
    SourceIndex() = default;
    SourceIndex(TakeOverSource& source, const QString& field);

    // The records (positions for TakeOverSource::seek) whose field holds that text, in order.
    QList<int> records(const QString& key) const { return m_records.value(key); }

private:
    QHash<QString, QList<int>> m_records;
};

} // namespace korbelant
