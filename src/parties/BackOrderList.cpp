#include "parties/BackOrderList.h"

#include "core/Database.h"

namespace korbelant {

namespace {

const QString kByLine = QStringLiteral("l.R_NR, l.P_NR, l.ID");

// The state conditions name the field with the collation of its index, so that the index
// NachliefIndex serves them on a large data set.
const QString kToWork =
    QStringLiteral("(l.NACHLIEF COLLATE GERMAN = 'J' OR l.NACHLIEF COLLATE GERMAN = 'B')");

} // namespace

std::vector<BackOrderLine> BackOrderList::ofWeek(const QString& week) const
{
    return read(QStringLiteral("l.MWoche COLLATE GERMAN = ?"), {week}, kByLine);
}

std::vector<BackOrderLine> BackOrderList::toWork() const
{
    return read(kToWork, {}, kByLine);
}

std::vector<BackOrderLine> BackOrderList::inState(const QString& state) const
{
    return read(QStringLiteral("l.NACHLIEF COLLATE GERMAN = ?"), {state},
                QStringLiteral("l.R_NR, l.P_NR, l.L_NR, l.ID"));
}

std::optional<BackOrderLine> BackOrderList::line(const BackOrderKey& key) const
{
    const auto lines =
        read(QStringLiteral("l.R_NR = ? AND l.P_NR = ? AND l.ID = ?"), {key.rNr, key.pNr, key.id}, kByLine);
    if (lines.empty())
        return std::nullopt;
    return lines.front();
}

std::vector<BackOrderLine> BackOrderList::read(const QString& where, const QVariantList& params,
                                               const QString& orderBy) const
{
    const QString sql =
        QStringLiteral("SELECT l.R_NR, l.P_NR, l.ID, IFNULL(l.L_NR, ''), IFNULL(l.VA, ''), "
                       "IFNULL(l.VORAB, ''), IFNULL(l.L_TEXT, ''), IFNULL(l.STUECK, 0), "
                       "IFNULL(l.EINZ_PREIS, 0), IFNULL(l.NACHLIEF, ''), IFNULL(l.NA_STUECK, 0), "
                       "IFNULL(l.NA_STU_LI, 0), %1, %2 FROM Tupper1 l "
                       "LEFT JOIN Tupper p ON p.R_NR = l.R_NR AND p.P_NR = l.P_NR "
                       "LEFT JOIN Kunden g ON g.K_NR = p.K_NR "
                       "LEFT JOIN Tuppkopf h ON h.R_NR = l.R_NR "
                       "LEFT JOIN Kunden hk ON hk.K_NR = h.K_NR "
                       "WHERE %3 ORDER BY %4")
            .arg(PartyAddress::columns(QStringLiteral("g")), PartyAddress::columns(QStringLiteral("hk")),
                 where, orderBy);
    std::vector<BackOrderLine> lines;
    for (const QVariantList& row : m_db.rows(sql, params)) {
        BackOrderLine l;
        l.key = {row.at(0).toString(), row.at(1).toString(), row.at(2).toLongLong()};
        l.lNr = row.at(3).toString();
        l.va = row.at(4).toString();
        l.vorab = row.at(5).toString();
        l.lText = row.at(6).toString();
        l.stueck = row.at(7).toDouble();
        l.einzPreis = row.at(8).toDouble();
        l.nachlief = row.at(9).toString();
        l.naStueck = row.at(10).toInt();
        l.naStuLi = row.at(11).toInt();
        l.guest = PartyAddress::fromRow(row, 12);
        l.host = PartyAddress::fromRow(row, 12 + PartyAddress::kColumnCount);
        lines.push_back(std::move(l));
    }
    return lines;
}

} // namespace korbelant
