#include "core/StorageForm.h"

#include "core/GermanFormat.h"

#include <QDate>
#include <QTime>

namespace korbelant {

namespace {

QVariant dateValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
        const QDate d = value.toDate();
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
    }
    const QString text = value.toString().trimmed();
    // The empty mask "  .  .    " stands for no date.
    if (QString(text).remove(QLatin1Char(' ')).remove(QLatin1Char('.')).isEmpty())
        return {};
    if (const auto german = GermanFormat::parseDate(text))
        return german->toString(Qt::ISODate);
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    return iso.isValid() ? QVariant(iso.toString(Qt::ISODate)) : QVariant();
}

QVariant timeValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::QTime) {
        const QTime t = value.toTime();
        return t.isValid() ? QVariant(t.toString(QStringLiteral("HH:mm:ss"))) : QVariant();
    }
    const QString text = value.toString().trimmed();
    for (const char* form : {"HH:mm:ss", "H:mm:ss", "HH:mm", "H:mm"}) {
        const QTime t = QTime::fromString(text, QString::fromLatin1(form));
        if (t.isValid())
            return t.toString(QStringLiteral("HH:mm:ss"));
    }
    return {};
}

QVariant logicalValue(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? 1 : 0;
    const QString text = value.toString().trimmed().toLower();
    if (text.isEmpty())
        return {};
    const bool on = text == QStringLiteral("1") || text == QStringLiteral("-1") ||
                    text == QStringLiteral("true") || text == QStringLiteral("j") ||
                    text == QStringLiteral("ja");
    return on ? 1 : 0;
}

QVariant numberValue(const QVariant& value, bool integer)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return {};
        const auto parsed = GermanFormat::parseAmount(text);
        if (!parsed)
            return {};
        return integer ? QVariant(static_cast<qlonglong>(*parsed)) : QVariant(*parsed);
    }
    return integer ? QVariant(value.toLongLong()) : QVariant(value.toDouble());
}

} // namespace

QVariant StorageForm::toStorage(const FieldDef& field, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (field.type) {
    case FieldDef::Type::Alpha: {
        QString text = value.toString();
        if (text.trimmed().isEmpty())
            return {};
        return text.left(field.width);
    }
    case FieldDef::Type::Memo:
    case FieldDef::Type::FmtMemo: {
        const QString text = value.toString();
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case FieldDef::Type::Date:
        return dateValue(value);
    case FieldDef::Type::Time:
        return timeValue(value);
    case FieldDef::Type::Logical:
        return logicalValue(value);
    case FieldDef::Type::Short:
    case FieldDef::Type::Long:
    case FieldDef::Type::AutoInc:
        return numberValue(value, true);
    case FieldDef::Type::Number:
        return numberValue(value, false);
    }
    return value;
}

QVariant StorageForm::fromStorage(const FieldDef& field, const QVariant& stored)
{
    if (!stored.isValid() || stored.isNull())
        return {};
    switch (field.type) {
    case FieldDef::Type::Date:
        return QDate::fromString(stored.toString(), Qt::ISODate);
    case FieldDef::Type::Time:
        return QTime::fromString(stored.toString(), QStringLiteral("HH:mm:ss"));
    case FieldDef::Type::Logical:
        return stored.toLongLong() != 0;
    case FieldDef::Type::Number:
        return stored.toDouble();
    case FieldDef::Type::Short:
    case FieldDef::Type::Long:
    case FieldDef::Type::AutoInc:
        return stored.toLongLong();
    default:
        return stored.toString();
    }
}

} // namespace korbelant
