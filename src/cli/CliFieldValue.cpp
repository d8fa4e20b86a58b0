#include "cli/CliFieldValue.h"

#include "cli/CliArgs.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "core/FieldWidthCheck.h"
#include "core/GermanFormat.h"

#include <QDate>
#include <QTime>

namespace korbelant {

QVariant CliFieldValue::entered(const FieldDef& field, const QString& value)
{
    const QString v = value.trimmed();
    switch (field.type) {
    case FieldDef::Type::Date:
        if (v.isEmpty())
            return {};
        return CliArgs::date(v);
    case FieldDef::Type::Time: {
        if (v.isEmpty())
            return {};
        const QTime t = QTime::fromString(v, QStringLiteral("H:mm"));
        if (!t.isValid())
            throw CliUsageError(QStringLiteral("Ungültige Zeit \"%1\" (erwartet HH:MM).").arg(value));
        return t;
    }
    case FieldDef::Type::Logical: {
        const QString l = v.toLower();
        if (l == QStringLiteral("ja") || l == QStringLiteral("1") || l == QStringLiteral("j"))
            return true;
        if (l == QStringLiteral("nein") || l == QStringLiteral("0") || l == QStringLiteral("n"))
            return false;
        throw CliUsageError(QStringLiteral("Für %1 bitte ja oder nein angeben.").arg(field.name));
    }
    case FieldDef::Type::Short:
    case FieldDef::Type::Long: {
        bool ok = false;
        const int n = v.toInt(&ok);
        if (!ok)
            throw CliUsageError(QStringLiteral("Für %1 bitte eine ganze Zahl angeben.").arg(field.name));
        return n;
    }
    case FieldDef::Type::Number:
        return CliArgs::amount(v);
    default:
        if (const auto tooLong = FieldWidthCheck::violation(field, value))
            throw CliRefusal(*tooLong);
        return value;
    }
}

QString CliFieldValue::shown(const FieldDef& field, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (field.type) {
    case FieldDef::Type::Date:
        return GermanFormat::date(value.toDate());
    case FieldDef::Type::Time:
        return value.toTime().toString(QStringLiteral("HH:mm"));
    case FieldDef::Type::Logical:
        return value.toBool() ? QStringLiteral("ja") : QStringLiteral("nein");
    case FieldDef::Type::Number:
        return GermanFormat::number(value.toDouble(), 2);
    default:
        return value.toString();
    }
}

QString CliFieldValue::shown(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return GermanFormat::date(value.toDate());
    case QMetaType::Double:
        return GermanFormat::number(value.toDouble(), 2);
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Ja") : QStringLiteral("Nein");
    default:
        return value.toString();
    }
}

} // namespace korbelant
