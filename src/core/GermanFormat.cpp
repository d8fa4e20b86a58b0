#include "core/GermanFormat.h"

#include <QRegularExpression>
#include <cmath>

namespace korbelant {

QString GermanFormat::number(double value, int decimals, bool grouping)
{
    QString text = QString::number(std::abs(value), 'f', decimals);
    if (value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.prepend(QLatin1Char('-'));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text[point] = QLatin1Char(',');
    if (grouping) {
        const qsizetype digitsStart = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        qsizetype end = point >= 0 ? point : text.size();
        for (qsizetype pos = end - 3; pos > digitsStart; pos -= 3)
            text.insert(pos, QLatin1Char('.'));
    }
    return text;
}

std::optional<double> GermanFormat::parseAmount(const QString& text)
{
    QString t = text.trimmed();
    // With a comma, dots group thousands ("1.234,56"); without one, a single dot is the decimal
    // point ("51.13") and several dots group thousands ("1.234.567").
    static const QRegularExpression grouped(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})+(,\\d+)?$"));
    static const QRegularExpression plain(QStringLiteral("^-?\\d+([.,]\\d+)?$"));
    if (t.count(QLatin1Char('.')) > 1 || (t.contains(QLatin1Char('.')) && t.contains(QLatin1Char(',')))) {
        if (!grouped.match(t).hasMatch())
            return std::nullopt;
        t.remove(QLatin1Char('.'));
    } else if (!plain.match(t).hasMatch()) {
        return std::nullopt;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString GermanFormat::date(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

std::optional<QDate> GermanFormat::parseDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const auto match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate d(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace korbelant
