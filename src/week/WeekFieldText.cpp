#include "week/WeekFieldText.h"

#include "core/GermanFormat.h"
#include "core/MWocheFields.h"

#include <QDate>
#include <QTime>

namespace korbelant {

namespace {

const FieldDef* definition(const QString& field)
{
    return MWocheFields::table().field(field);
}

bool blank(const QString& text)
{
    QString t = text;
    t.remove(QLatin1Char('.')).remove(QLatin1Char(':'));
    return t.trimmed().isEmpty();
}

std::optional<QVariant> enteredCount(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? std::optional<QVariant>(n) : std::nullopt;
}

std::optional<QVariant> enteredTime(const QString& text)
{
    const QTime t = QTime::fromString(text.trimmed(), QStringLiteral("H:mm"));
    return t.isValid() ? std::optional<QVariant>(t) : std::nullopt;
}

} // namespace

QString WeekFieldText::shown(const QString& field, const QVariant& value)
{
    const FieldDef* def = definition(field);
    if (!def || !value.isValid() || value.isNull())
        return {};
    switch (def->type) {
    case FieldDef::Type::Date:
        return GermanFormat::date(value.toDate());
    case FieldDef::Type::Time:
        return value.toTime().toString(QStringLiteral("hh:mm"));
    case FieldDef::Type::Number:
        return GermanFormat::number(value.toDouble(), 2);
    case FieldDef::Type::Short:
    case FieldDef::Type::Long:
        return QString::number(value.toInt());
    default:
        return value.toString();
    }
}

std::optional<QVariant> WeekFieldText::entered(const QString& field, const QString& text)
{
    const FieldDef* def = definition(field);
    if (!def)
        return std::nullopt;
    if (blank(text))
        return QVariant();
    switch (def->type) {
    case FieldDef::Type::Date: {
        const auto date = GermanFormat::parseDate(text.trimmed());
        return date ? std::optional<QVariant>(*date) : std::nullopt;
    }
    case FieldDef::Type::Time:
        return enteredTime(text);
    case FieldDef::Type::Number: {
        const auto amount = GermanFormat::parseAmount(text.trimmed());
        return amount ? std::optional<QVariant>(*amount) : std::nullopt;
    }
    case FieldDef::Type::Short:
    case FieldDef::Type::Long:
        return enteredCount(text);
    default:
        if (def->width > 0 && text.size() > def->width)
            return std::nullopt;
        return text;
    }
}

int WeekFieldText::width(const QString& field)
{
    const FieldDef* def = definition(field);
    return def ? def->width : 0;
}

} // namespace korbelant
