#include "core/FieldDef.h"

#include "core/SqlName.h"

namespace korbelant {

QString FieldDef::columnSql() const
{
    const QString quoted = SqlName::quote(name);
    QString sql = quoted + QLatin1Char(' ');
    switch (type) {
    case Type::Alpha:
        sql += QStringLiteral("TEXT COLLATE GERMAN CHECK(length(%1) <= %2)").arg(quoted).arg(width);
        break;
    case Type::Date:
    case Type::Time:
    case Type::Memo:
    case Type::FmtMemo:
        sql += QStringLiteral("TEXT");
        break;
    case Type::Short:
    case Type::Long:
    case Type::AutoInc:
        sql += QStringLiteral("INTEGER");
        break;
    case Type::Logical:
        sql += QStringLiteral("INTEGER CHECK(%1 IN (0, 1))").arg(quoted);
        break;
    case Type::Number:
        sql += QStringLiteral("REAL");
        break;
    }
    if (!defaultValue.isEmpty())
        sql += QStringLiteral(" DEFAULT ") + (isText() ? SqlName::literal(defaultValue) : defaultValue);
    return sql;
}

} // namespace korbelant
