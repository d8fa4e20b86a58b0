#pragma once

#include "takeover/TakeOverSource.h"

#include <QVariantList>
#include <memory>
#include <vector>

namespace korbelant {

class TmDataBase;
class TmTable;

// A table of an ODBC data source as a takeover source: read once, whole, into memory, so that
// the takeover may go back to any record. The tables of the programs taken over are small; the
// driver need not offer more than a forward cursor.
class OdbcSource : public TakeOverSource
{
public:
    // Reads the table; throws ESQLerror when it cannot be read.
    static std::unique_ptr<OdbcSource> read(TmDataBase& database, const QString& table);

    using TakeOverSource::value;
    const std::vector<Field>& fields() const override { return m_fields; }
    int recordCount() const override { return static_cast<int>(m_rows.size()); }
    bool seek(int record) override;
    QVariant value(int index) const override;

private:
    OdbcSource() = default;
    void describe(const TmTable& table);

    std::vector<Field> m_fields;
    std::vector<QVariantList> m_rows;
};

} // namespace korbelant
