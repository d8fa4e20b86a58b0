#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

// Formatting as a German system does, whatever the locale of the machine: dates "dd.mm.yyyy",
// a decimal comma, a dot between thousands where asked for.
class GermanFormat
{
public:
    // 51.1292 with 4 decimals -> "51,1292"; with grouping 1234.5 -> "1.234,50".
    static QString number(double value, int decimals, bool grouping = false);
    static QString money(double value) { return number(value, 2, true); }
    // Accepts "51,13", "51.13", "1.234,56", "1.234.567" and "-3"; nothing else.
    static std::optional<double> parseAmount(const QString& text);
    static QString date(const QDate& date);
    // Accepts "d.m.yyyy" and "dd.mm.yyyy" with a real calendar date.
    static std::optional<QDate> parseDate(const QString& text);
};

} // namespace korbelant
