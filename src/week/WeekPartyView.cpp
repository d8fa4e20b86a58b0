#include "week/WeekPartyView.h"

#include "core/Database.h"
#include "core/RecordStore.h"
#include "core/RecordValue.h"
#include "core/Schema.h"
#include "core/TuppkopfFields.h"
#include "parties/BookingHorizon.h"

namespace korbelant {

namespace {

using H = TuppkopfFields;

const QString kWhere = QStringLiteral("MWoche = ? AND TWoche >= ? AND TWoche <= ?");
const QString kOrder = QStringLiteral("MWoche, TWoche, R_NR");

QVariantList params(const WeekRange& range)
{
    return {range.week, range.start, range.end};
}

} // namespace

std::vector<WeekPartyView::Row> WeekPartyView::rows(Database& db, const Options& options,
                                                    const WeekRange& range)
{
    std::vector<Row> result;
    if (range.start.isEmpty() && range.end.isEmpty())
        return result;
    for (QVariantMap& header :
         RecordStore::select(db, Schema::get(H::kTable), kWhere, params(range), kOrder)) {
        Row row;
        const auto host = db.rows(QStringLiteral("SELECT IFNULL(NAME, '') || ', ' || IFNULL(VORNAME, ''), "
                                                 "IFNULL(PLZ, '') || ' ' || IFNULL(ORT, '') "
                                                 "FROM Kunden WHERE K_NR = ?"),
                                  {RecordValue::text(header, H::K_NR)});
        row.hostName = host.empty() ? QStringLiteral(", ") : host.front().at(0).toString();
        row.PlzOrt = host.empty() ? QStringLiteral(" ") : host.front().at(1).toString();
        const int appointments = BookingHorizon::appointments(db, RecordValue::text(header, H::R_NR),
                                                              RecordValue::date(header, H::DATUM), options);
        if (appointments > 0)
            row.Verabred_2 = appointments;
        row.header = std::move(header);
        result.push_back(std::move(row));
    }
    return result;
}

QStringList WeekPartyView::partWeeks(Database& db, const WeekRange& range)
{
    QStringList result;
    for (const QVariantList& row :
         db.rows(QStringLiteral("SELECT TWoche FROM Tuppkopf WHERE %1 ORDER BY %2").arg(kWhere, kOrder),
                 params(range)))
        result << row.at(0).toString();
    return result;
}

int WeekPartyView::position(const QStringList& partWeeks, const QString& partWeek)
{
    for (int i = 0; i < partWeeks.size(); ++i) {
        if (partWeeks.at(i).compare(partWeek, Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

} // namespace korbelant
