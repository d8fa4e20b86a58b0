#include "takeover/TakeOverSource.h"

namespace korbelant {

bool TakeOverSource::next()
{
    const int following = m_position + 1;
    if (following >= recordCount()) {
        m_position = recordCount();
        return false;
    }
    return seek(following);
}

int TakeOverSource::fieldIndex(const QString& name) const
{
    const std::vector<Field>& all = fields();
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        if (all.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const TakeOverSource::Field* TakeOverSource::field(const QString& name) const
{
    const int index = fieldIndex(name);
    return index < 0 ? nullptr : &fields().at(index);
}

QVariant TakeOverSource::value(const QString& name) const
{
    const int index = fieldIndex(name);
    return index < 0 ? QVariant() : value(index);
}

QString TakeOverSource::text(const QString& name) const
{
    const QVariant v = value(name);
    return isNull(v) ? QString() : v.toString();
}

bool TakeOverSource::sameKind(Kind kind, FieldDef::Type target)
{
    using Type = FieldDef::Type;
    switch (kind) {
    case Kind::Text:
        return target == Type::Alpha;
    case Kind::Number:
        return target == Type::Number || target == Type::Short || target == Type::Long;
    case Kind::Logical:
        return target == Type::Logical;
    case Kind::Date:
    case Kind::DateTime:
        return target == Type::Date;
    case Kind::Time:
        return target == Type::Time;
    case Kind::Memo:
        return target == Type::Memo || target == Type::FmtMemo;
    case Kind::Other:
        return false;
    }
    return false;
}

} // namespace korbelant
