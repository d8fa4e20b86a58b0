#include "core/StarPlanTable.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/GermanFormat.h"
#include "core/Transaction.h"

#include <QVariant>

namespace korbelant {

namespace {

QString numberText(const QVariant& value)
{
    if (value.isNull())
        return {};
    const double number = value.toDouble();
    const bool whole = number == static_cast<double>(static_cast<qint64>(number));
    return GermanFormat::number(number, whole ? 0 : 2);
}

QVariant numberValue(const QString& text)
{
    const auto number = GermanFormat::parseAmount(text.trimmed());
    return number ? QVariant(*number) : QVariant();
}

} // namespace

std::vector<qint64> StarPlanTable::rowIds()
{
    std::vector<qint64> ids;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT rowid FROM SternePlan ORDER BY rowid")))
        ids.push_back(row.at(0).toLongLong());
    return ids;
}

std::vector<StarPlanTable::Band> StarPlanTable::bands()
{
    std::vector<Band> result;
    const auto rows = m_db.rows(
        QStringLiteral("SELECT SterneBetragMin, SterneBetragMax, Sterne FROM SternePlan ORDER BY rowid"));
    for (const QVariantList& row : rows)
        result.push_back(Band{row.at(0).toDouble(), row.at(1).toDouble(), row.at(2).toInt()});
    return result;
}

void StarPlanTable::saveBands(const std::vector<Band>& bands)
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

StarPlanTable::Singles StarPlanTable::singles()
{
    const auto rows = m_db.rows(QStringLiteral("SELECT Verabredung1, Verabredung2, SchrittBetrag, "
                                               "SchrittSterne FROM SternePlan ORDER BY rowid LIMIT 1"));
    if (rows.empty())
        return {};
    const QVariantList& row = rows.front();
    return Singles{numberText(row.at(0)), numberText(row.at(1)), numberText(row.at(2)),
                   numberText(row.at(3))};
}

bool StarPlanTable::writeSingles(const Singles& singles)
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

} // namespace korbelant
