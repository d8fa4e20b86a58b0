#include "reports/ReportColumn.h"

#include "core/GermanFormat.h"

namespace korbelant {

ReportColumn ReportColumn::text(QString title, double widthMm, Align align)
{
    ReportColumn column;
    column.title = std::move(title);
    column.widthMm = widthMm;
    column.align = align;
    return column;
}

ReportColumn ReportColumn::number(QString title, double widthMm, Format format, bool summed)
{
    ReportColumn column;
    column.title = std::move(title);
    column.widthMm = widthMm;
    column.align = Align::Right;
    column.format = format;
    column.summed = summed;
    return column;
}

namespace {

QString formatted(double number, ReportColumn::Format format)
{
    switch (format) {
    case ReportColumn::Format::Integer:
        return GermanFormat::number(number, 0, true);
    case ReportColumn::Format::Money:
        return GermanFormat::money(number);
    case ReportColumn::Format::Decimal4:
        return GermanFormat::number(number, 4);
    case ReportColumn::Format::Text:
        break;
    }
    return QString::number(number);
}

} // namespace

QString ReportColumn::printed(const QVariant& value) const
{
    if (format == Format::Text)
        return value.toString();
    if (!value.isValid() || value.isNull())
        return QString();
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return value.toString();
    if (blankZero && number == 0)
        return QString();
    return formatted(number, format) + suffix;
}

QString ReportColumn::printedSum(double sum) const
{
    return formatted(sum, format) + suffix + sumSuffix;
}

QStringList ReportColumn::headLines() const
{
    return title.split(QLatin1Char('\n'));
}

} // namespace korbelant
