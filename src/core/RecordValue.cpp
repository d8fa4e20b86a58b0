#include "core/RecordValue.h"

namespace korbelant {

QString RecordValue::text(const QVariantMap& record, const QString& field)
{
    return record.value(field).toString();
}

QString RecordValue::trimmed(const QVariantMap& record, const QString& field)
{
    return text(record, field).trimmed();
}

QDate RecordValue::date(const QVariantMap& record, const QString& field)
{
    return record.value(field).toDate();
}

int RecordValue::integer(const QVariantMap& record, const QString& field)
{
    return record.value(field).toInt();
}

double RecordValue::number(const QVariantMap& record, const QString& field)
{
    return record.value(field).toDouble();
}

} // namespace korbelant
