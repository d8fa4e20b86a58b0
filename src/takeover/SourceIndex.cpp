#include "takeover/SourceIndex.h"

#include "takeover/TakeOverSource.h"

namespace korbelant {

SourceIndex::SourceIndex(TakeOverSource& source, const QString& field)
{
    const int index = source.fieldIndex(field);
    if (index < 0)
        return;
    for (int record = 0; source.seek(record); ++record) {
        const QVariant key = source.value(index);
        if (!TakeOverSource::isNull(key))
            m_records[key.toString().trimmed()].append(record);
    }
}

} // namespace korbelant
