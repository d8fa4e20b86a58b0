#include "exchange/OrderFileValue.h"

#include "core/GermanFormat.h"
#include "exchange/TwdCoding.h"

#include <QDate>
#include <cmath>

namespace korbelant {

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString number(double value)
{
    if (std::floor(value) == value && std::abs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

QString OrderFileValue::text(const QVariant& value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return GermanFormat::date(value.toDate());
    if (isNumber(value))
        return number(value.toDouble());
    return value.toString();
}

QString OrderFileValue::escaped(const QVariant& value)
{
    return TwdCoding::TwdEscape(text(value));
}

} // namespace korbelant
