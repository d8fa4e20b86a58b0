#include "takeover/TargetRecord.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/TableDef.h"
#include "takeover/FieldAliases.h"

namespace korbelant {

namespace {

using Kind = TakeOverSource::Kind;

bool isText(Kind kind)
{
    return kind == Kind::Text || kind == Kind::Memo;
}

} // namespace

TargetRecord::TargetRecord(const TableDef& table, const FieldAliases& aliases)
    : m_table(table), m_aliases(aliases)
{
}

const FieldDef* TargetRecord::targetOf(const QString& sourceField) const
{
    if (const FieldDef* namesake = m_table.field(sourceField))
        return namesake;
    const auto alias = m_aliases.target(sourceField);
    return alias ? m_table.field(*alias) : nullptr;
}

bool TargetRecord::hasField(const QString& name) const
{
    return m_table.field(name) != nullptr;
}

QString TargetRecord::text(const QString& name) const
{
    const QVariant v = value(name);
    return TakeOverSource::isNull(v) ? QString() : v.toString();
}

const FieldDef* TargetRecord::copy(const TakeOverSource::Field& field, const QVariant& value)
{
    const FieldDef* target = targetOf(field.name);
    if (!target)
        return nullptr;
    using Type = FieldDef::Type;
    if (TakeOverSource::sameKind(field.kind, target->type)) {
        set(target->name, value);
        return target;
    }
    if (TakeOverSource::isNull(value))
        return nullptr;
    if ((target->type == Type::Memo || target->type == Type::FmtMemo) && isText(field.kind)) {
        addMemoLine(target->name, value.toString());
        return target;
    }
    if (target->type == Type::Time && isText(field.kind)) {
        set(target->name, value.toString().insert(2, QLatin1Char(':')));
        return target;
    }
    if (target->type == Type::Logical && isText(field.kind)) {
        set(target->name, value.toString().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0);
        return target;
    }
    return nullptr;
}

void TargetRecord::copyAll(const TakeOverSource& source)
{
    const auto& fields = source.fields();
    for (int i = 0; i < static_cast<int>(fields.size()); ++i)
        copy(fields.at(i), source.value(i));
}

void TargetRecord::addMemoLine(const QString& name, const QString& line)
{
    m_memoLines << line;
    set(name, m_memoLines.join(QLatin1Char('\n')));
}

bool TargetRecord::insert(Database& db, const TableDef& table, const QVariantMap& values)
{
    try {
        db.insert(table, values);
        return true;
    } catch (const DatabaseError& e) {
        if (e.isConstraint())
            return false;
        throw;
    }
}

} // namespace korbelant
