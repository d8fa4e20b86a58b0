#include "takeover/ParadoxValue.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

// pxlib declares its functions without C linkage for C++.
extern "C" {
#include <paradox.h>
}

namespace korbelant {

namespace {

// Paradox counts days from 1 January of the year 1; the serial day numbers of pxlib start
// 1721425 days earlier.
constexpr long kSerialOfYearOne = 1721425;
constexpr double kMillisecondsPerDay = 86400000.0;

QString textOf(const px_val* value)
{
    return QString::fromUtf8(value->value.str.val, value->value.str.len).trimmed();
}

} // namespace

QDate ParadoxValue::dateOfDays(long days)
{
    int year = 0, month = 0, day = 0;
    PX_SdnToGregorian(days + kSerialOfYearOne, &year, &month, &day);
    return QDate(year, month, day);
}

QVariant ParadoxValue::of(const px_val* value, int fieldType)
{
    if (!value || value->isnull)
        return {};
    switch (fieldType) {
    case pxfAlpha:
    case pxfMemoBLOb:
    case pxfFmtMemoBLOb:
        return value->value.str.val ? QVariant(textOf(value)) : QVariant();
    case pxfBLOb:
    case pxfOLE:
    case pxfGraphic:
    case pxfBytes:
        return value->value.str.val ? QVariant(QByteArray(value->value.str.val, value->value.str.len))
                                    : QVariant();
    case pxfDate:
        return dateOfDays(value->value.lval);
    case pxfTime:
        return QTime::fromMSecsSinceStartOfDay(static_cast<int>(value->value.lval % 86400000));
    case pxfTimestamp: {
        const double ms = value->value.dval;
        const long days = static_cast<long>(ms / kMillisecondsPerDay);
        const int rest = static_cast<int>(ms - static_cast<double>(days) * kMillisecondsPerDay);
        return QDateTime(dateOfDays(days), QTime::fromMSecsSinceStartOfDay(rest % 86400000));
    }
    case pxfLogical:
        return value->value.lval != 0;
    case pxfShort:
    case pxfLong:
    case pxfAutoInc:
        return static_cast<qlonglong>(value->value.lval);
    case pxfNumber:
    case pxfCurrency:
        return value->value.dval;
    case pxfBCD:
        return value->value.str.val ? QVariant(textOf(value).toDouble()) : QVariant();
    default:
        return {};
    }
}

void ParadoxValue::release(px_doc* doc, px_val** record, int fieldCount)
{
    if (!record)
        return;
    for (int i = 0; i < fieldCount; ++i) {
        px_val* value = record[i];
        if (!value)
            continue;
        const bool text = value->type == pxfAlpha || value->type == pxfMemoBLOb ||
                          value->type == pxfFmtMemoBLOb || value->type == pxfBCD || value->type == pxfBLOb ||
                          value->type == pxfOLE || value->type == pxfGraphic || value->type == pxfBytes;
        if (text && value->value.str.val)
            doc->free(doc, value->value.str.val);
        doc->free(doc, value);
    }
    doc->free(doc, record);
}

} // namespace korbelant
