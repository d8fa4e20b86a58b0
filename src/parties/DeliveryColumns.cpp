#include "parties/DeliveryColumns.h"

#include "parties/DeliveryListReport.h"

namespace korbelant {

using Format = ReportColumn::Format;

DeliveryColumns& DeliveryColumns::pieces()
{
    ReportColumn c = ReportColumn::number(QStringLiteral("Stück"), 17, Format::Integer, true);
    c.sumSuffix = QStringLiteral(" Stück");
    return add(c, [](const Line& l) { return l.STUECK; });
}

DeliveryColumns& DeliveryColumns::text(const QString& title, double widthMm, QString Line::*field)
{
    return add(ReportColumn::text(title, widthMm), [field](const Line& l) { return l.*field; });
}

DeliveryColumns& DeliveryColumns::price()
{
    return add(money(QStringLiteral("Preis"), 17, false), [](const Line& l) { return l.EINZ_PREIS; });
}

DeliveryColumns& DeliveryColumns::amount()
{
    ReportColumn c = money(QStringLiteral("Summe"), 20, true);
    if (m_currency.shown())
        c.sumSuffix = QLatin1Char(' ') + m_currency.ownSymbol();
    return add(c, [](const Line& l) { return l.SUMME; });
}

DeliveryColumns& DeliveryColumns::stars()
{
    ReportColumn c = ReportColumn::number(QStringLiteral("Sterne"), 15, Format::Integer, false);
    c.blankZero = true;
    return add(c, [](const Line& l) { return l.STERNE; });
}

DeliveryColumns& DeliveryColumns::status()
{
    return add(ReportColumn::text(QString(), 25),
               [](const Line& l) { return DeliveryListReport::statusText(l.VORAB, l.NACHLIEF); });
}

DeliveryColumns& DeliveryColumns::secondAmount()
{
    if (!m_currency.shown())
        return *this;
    ReportColumn c = money(m_currency.columnTitle(), 20, true);
    c.sumSuffix = QLatin1Char(' ') + m_currency.secondSymbol();
    const SecondCurrency currency = m_currency;
    return add(c, [currency](const Line& l) { return currency.convert(l.SUMME); });
}

std::vector<ReportColumn> DeliveryColumns::reportColumns() const
{
    std::vector<ReportColumn> result;
    for (const Column& c : m_columns)
        result.push_back(c.column);
    return result;
}

ReportRow DeliveryColumns::row(const Line& line) const
{
    ReportRow r;
    for (const Column& c : m_columns)
        r.values << c.value(line);
    return r;
}

ReportColumn DeliveryColumns::money(const QString& title, double widthMm, bool summed) const
{
    ReportColumn c = ReportColumn::number(title, widthMm, Format::Money, summed);
    c.blankZero = m_currency.shown();
    return c;
}

DeliveryColumns& DeliveryColumns::add(ReportColumn column, std::function<QVariant(const Line&)> value)
{
    m_columns.push_back({std::move(column), std::move(value)});
    return *this;
}

} // namespace korbelant
