#include "core/StarPlan.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/GermanFormat.h"
#include "core/Transaction.h"

#include <QVariant>
#include <cmath>

namespace korbelant {

namespace {

QString numberText(const QVariant& value)
{
    return value.isNull() ? QString() : StarPlan::cellText(value.toDouble());
}

QVariant numberValue(const QString& text)
{
    const auto number = GermanFormat::parseAmount(text.trimmed());
    return number ? QVariant(*number) : QVariant();
}

std::optional<double> numberOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double d = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return d;
}

enum Column
{
    Max = 0,
    Stars,
    OneAppointment,
    TwoAppointments,
    StepAmount,
    StepStars
};

} // namespace

int StarPlan::StarsByPlan(double amount, int appointments) const
{
    std::vector<QVariantList> plan;
    try {
        plan = m_db.rows(QStringLiteral("SELECT SterneBetragMax, Sterne, Verabredung1, Verabredung2, "
                                        "SchrittBetrag, SchrittSterne FROM SternePlan ORDER BY rowid"));
    } catch (const DatabaseError&) {
        return 0;
    }
    if (plan.empty())
        return 0;
    int result = 0;
    for (const QVariantList& band : plan) {
        const auto max = numberOf(band[Max]);
        if (!max)
            return result;
        if (*max >= amount) {
            const auto stars = numberOf(band[Stars]);
            if (!stars)
                return result;
            result = static_cast<int>(*stars);
            break;
        }
    }
    const QVariantList& first = plan.front();
    const QVariantList& last = plan.back();
    const double stepAmount = numberOf(first[StepAmount]).value_or(0);
    const double stepStars = numberOf(first[StepStars]).value_or(0);
    const auto lastMax = numberOf(last[Max]);
    if (lastMax && amount > *lastMax && stepAmount != 0) {
        const auto lastStars = numberOf(last[Stars]);
        if (!lastStars)
            return result;
        const double steps = std::trunc((amount - *lastMax) / stepAmount);
        result = static_cast<int>(*lastStars + stepStars + steps * stepStars);
    }
    for (const auto& [column, applies] :
         {std::pair{OneAppointment, appointments == 1}, std::pair{TwoAppointments, appointments >= 2}}) {
        const QVariant bonus = first[column];
        if (bonus.isNull() || bonus.toString().trimmed().isEmpty())
            continue;
        const auto value = numberOf(bonus);
        if (!value)
            return result;
        if (applies)
            result += static_cast<int>(*value);
    }
    return result;
}

std::vector<qint64> StarPlan::rowIds() const
{
    std::vector<qint64> ids;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT rowid FROM SternePlan ORDER BY rowid")))
        ids.push_back(row.at(0).toLongLong());
    return ids;
}

std::vector<StarPlan::Band> StarPlan::bands() const
{
    std::vector<Band> result;
    const auto rows = m_db.rows(
        QStringLiteral("SELECT SterneBetragMin, SterneBetragMax, Sterne FROM SternePlan ORDER BY rowid"));
    for (const QVariantList& row : rows)
        result.push_back(Band{row.at(0).toDouble(), row.at(1).toDouble(), row.at(2).toInt()});
    return result;
}

void StarPlan::saveBands(const std::vector<Band>& bands)
{
    Transaction tx(m_db);
    const std::vector<qint64> ids = rowIds();
    for (size_t i = 0; i < bands.size(); ++i) {
        const Band& band = bands[i];
        if (i < ids.size())
            m_db.run(QStringLiteral("UPDATE SternePlan SET SterneBetragMin = ?, SterneBetragMax = ?, Sterne "
                                    "= ? WHERE rowid = ?"),
                     {band.from, band.to, band.stars, ids[i]});
        else
            m_db.run(
                QStringLiteral(
                    "INSERT INTO SternePlan (SterneBetragMin, SterneBetragMax, Sterne) VALUES (?, ?, ?)"),
                {band.from, band.to, band.stars});
    }
    // Surplus records go, but never the first one: it carries the single values.
    for (size_t i = std::max<size_t>(bands.size(), 1); i < ids.size(); ++i)
        m_db.run(QStringLiteral("DELETE FROM SternePlan WHERE rowid = ?"), {ids[i]});
    tx.commit();
}

StarPlan::Singles StarPlan::singles() const
{
    const auto rows = m_db.rows(QStringLiteral("SELECT Verabredung1, Verabredung2, SchrittBetrag, "
                                               "SchrittSterne FROM SternePlan ORDER BY rowid LIMIT 1"));
    if (rows.empty())
        return {};
    const QVariantList& row = rows.front();
    return Singles{numberText(row.at(0)), numberText(row.at(1)), numberText(row.at(2)),
                   numberText(row.at(3))};
}

bool StarPlan::writeSingles(const Singles& singles)
{
    try {
        m_db.run(QStringLiteral("UPDATE SternePlan SET Verabredung1 = ?, Verabredung2 = ?, SchrittBetrag = "
                                "?, SchrittSterne = ? "
                                "WHERE rowid = (SELECT min(rowid) FROM SternePlan)"),
                 {numberValue(singles.oneAppointment), numberValue(singles.twoAppointments),
                  numberValue(singles.intervalAmount), numberValue(singles.intervalStars)});
    } catch (const DatabaseError&) {
        return false;
    }
    return true;
}

StarPlan::Sheet StarPlan::readSheet(const ErrorLog& log) const
{
    Sheet sheet;
    try {
        for (const Band& band : bands())
            sheet.bands.push_back({cellText(band.from), cellText(band.to), QString::number(band.stars)});
        if (!sheet.bands.empty())
            sheet.singles = singles();
    } catch (const DatabaseError& e) {
        log.LogException(e.message(), true);
    }
    return sheet;
}

void StarPlan::writeSheet(const std::vector<BandCells>& cells, const Singles& singles, const ErrorLog& log)
{
    try {
        saveBands(bandsOf(cells));
    } catch (const DatabaseError& e) {
        log.LogException(e.message(), true);
    }
    writeSingles(singles);
}

std::vector<StarPlan::Band> StarPlan::bandsOf(const std::vector<BandCells>& cells)
{
    const auto number = [](const QString& text) {
        return GermanFormat::parseAmount(text.trimmed()).value_or(0);
    };
    std::vector<Band> result;
    for (const BandCells& row : cells) {
        if (row[0].trimmed().isEmpty() && row[1].trimmed().isEmpty() && row[2].trimmed().isEmpty())
            continue;
        result.push_back({number(row[0]), number(row[1]), static_cast<int>(number(row[2]))});
    }
    return result;
}

bool StarPlan::acceptsCell(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || GermanFormat::parseAmount(trimmed).has_value();
}

QString StarPlan::cellText(double value)
{
    const bool whole = value == static_cast<double>(static_cast<qint64>(value));
    return GermanFormat::number(value, whole ? 0 : 2);
}

} // namespace korbelant
