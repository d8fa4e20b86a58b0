#include "exchange/DiskRecordConversion.h"

#include "exchange/FixedField.h"

#include <QRegularExpression>
#include <cmath>

namespace korbelant {

namespace {

// A field of the line as it stands; a field cut short by a short line is filled with blanks.
QString copied(const QString& line, int pos, int width, bool fillLeft = false)
{
    const QString field = FixedField::at(line, pos, width);
    return fillLeft ? field.rightJustified(width, QLatin1Char(' '))
                    : field.leftJustified(width, QLatin1Char(' '));
}

QString yesNo(const QString& fachKz)
{
    return fachKz == QStringLiteral("1") || fachKz.compare(QStringLiteral("t"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("1")
               : QStringLiteral("0");
}

std::optional<QString> price(const std::optional<qint64>& value)
{
    return value ? FixedField::number(*value, 6) : std::nullopt;
}

} // namespace

std::optional<qint64> DiskRecordConversion::hundredths(const QString& field)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString trimmed = field.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    const double value = std::round(trimmed.toDouble() * 100.0);
    if (!std::isfinite(value) || std::fabs(value) > 1e15)
        return std::nullopt;
    return static_cast<qint64>(value);
}

std::optional<QString> DiskRecordConversion::PCBERAT(const QString& line)
{
    const auto number = FixedField::integer(FixedField::at(line, 6, 5));
    if (!number)
        return std::nullopt;
    return QStringLiteral("15") + copied(line, 6, 5) +
           copied(line, 11, 20).leftJustified(25, QLatin1Char(' ')) +
           copied(line, 31, 20).leftJustified(25, QLatin1Char(' ')) + copied(line, 51, 25) +
           copied(line, 76, 8) + copied(line, 84, 25) + copied(line, 109, 8) + copied(line, 117, 10) +
           yesNo(FixedField::at(line, 5, 1)) + QString(5, QLatin1Char(' ')) + copied(line, 4, 1);
}

std::optional<QString> DiskRecordConversion::PCART(const QString& line)
{
    const auto selling = price(hundredths(FixedField::at(line, 52, 7)));
    const auto sample = price(hundredths(FixedField::at(line, 62, 7)).value_or(0));
    const auto vitalic = price(hundredths(FixedField::at(line, 69, 6)).value_or(0));
    if (!selling || !sample || !vitalic)
        return std::nullopt;
    return QStringLiteral("10") + copied(line, 1, 2, true) + copied(line, 3, 8) + copied(line, 46, 6) +
           copied(line, 11, 35) + *selling + copied(line, 59, 3, true) + *sample + *vitalic +
           copied(line, 75, 3, true);
}

} // namespace korbelant
