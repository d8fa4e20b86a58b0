#include "exchange/FixedField.h"

#include <algorithm>

namespace korbelant {

QString FixedField::text(const QString& value, int width)
{
    return value.left(width).leftJustified(width, QLatin1Char(' '));
}

QString FixedField::right(const QString& value, int width)
{
    return value.left(width).rightJustified(width, QLatin1Char(' '));
}

std::optional<QString> FixedField::number(qint64 value, int width)
{
    const QString digits = QString::number(value);
    if (digits.size() > width)
        return std::nullopt;
    return digits.rightJustified(width, QLatin1Char(' '));
}

std::optional<QString> FixedField::decimal(double value, int decimals, int width)
{
    const QString digits = QString::number(value, 'f', decimals);
    if (digits.size() > width)
        return std::nullopt;
    return digits.rightJustified(width, QLatin1Char(' '));
}

QString FixedField::at(const QString& line, int pos, int width)
{
    return line.mid(pos - 1, width);
}

bool FixedField::isDigits(const QString& field)
{
    return !field.isEmpty() && std::all_of(field.begin(), field.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

std::optional<qint64> FixedField::integer(const QString& field, std::optional<qint64> blank)
{
    const QString trimmed = field.trimmed();
    if (trimmed.isEmpty())
        return blank;
    if (!isDigits(trimmed) || trimmed.size() > 18)
        return std::nullopt;
    return trimmed.toLongLong();
}

} // namespace korbelant
