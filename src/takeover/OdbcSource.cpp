#include "takeover/OdbcSource.h"

#include "takeover/TmTable.h"

namespace korbelant {

namespace {

TakeOverSource::Kind kindOf(OdbcField::Type type)
{
    using K = TakeOverSource::Kind;
    using T = OdbcField::Type;
    switch (type) {
    case T::Text:
        return K::Text;
    case T::Memo:
        return K::Memo;
    case T::Integer:
    case T::SmallInt:
    case T::Float:
        return K::Number;
    case T::Date:
        return K::Date;
    case T::Time:
        return K::Time;
    case T::DateTime:
        return K::DateTime;
    case T::Boolean:
        return K::Logical;
    case T::Binary:
        break;
    }
    return K::Other;
}

} // namespace

std::unique_ptr<OdbcSource> OdbcSource::read(TmDataBase& database, const QString& table)
{
    TmTable odbc(database, table);
    odbc.open();
    std::unique_ptr<OdbcSource> source(new OdbcSource());
    source->describe(odbc);
    for (; !odbc.eof(); odbc.next()) {
        QVariantList row;
        row.reserve(odbc.fieldCount());
        for (int i = 0; i < odbc.fieldCount(); ++i)
            row << odbc.field(i).value();
        source->m_rows.push_back(std::move(row));
    }
    return source;
}

void OdbcSource::describe(const TmTable& table)
{
    for (int i = 0; i < table.fieldCount(); ++i) {
        const OdbcField& field = table.field(i);
        const Kind kind = kindOf(field.type());
        m_fields.push_back({field.name(), kind, kind == Kind::Text ? field.size() : 0, 0});
    }
}

bool OdbcSource::seek(int record)
{
    if (record < 0 || record >= recordCount())
        return false;
    setPosition(record);
    return true;
}

QVariant OdbcSource::value(int index) const
{
    const int record = position();
    if (record < 0 || record >= recordCount())
        return {};
    const QVariantList& row = m_rows[static_cast<size_t>(record)];
    if (index < 0 || index >= row.size() || row.at(index).isNull())
        return {};
    return row.at(index);
}

} // namespace korbelant
