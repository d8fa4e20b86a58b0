#include "week/TWocheDataModul.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/MWocheFields.h"
#include "core/RecordStore.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "exchange/TransferQueries.h"
#include "week/PartWeekSums.h"
#include "week/WeekRecordSpin.h"

namespace korbelant {

namespace {

using W = MWocheFields;

QVariantMap keyOf(const QString& key)
{
    return {{W::MWoche, key}};
}

} // namespace

TWocheDataModul::TWocheDataModul(Database& db, Options& options, UiPort& ui)
    : m_db(db), m_options(options), m_ui(ui)
{
}

QStringList TWocheDataModul::weekKeys() const
{
    QStringList keys;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT MWoche FROM MWoche ORDER BY MWoche")))
        keys << row.at(0).toString();
    return keys;
}

bool TWocheDataModul::weekExists(const QString& key) const
{
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM MWoche WHERE MWoche = ?"), {key}).toInt() > 0;
}

bool TWocheDataModul::openLast()
{
    const QString last = m_db.scalar(QStringLiteral("SELECT MAX(MWoche) FROM MWoche")).toString();
    if (last.isEmpty())
        return false;
    return setCurrentWeek(last);
}

bool TWocheDataModul::setCurrentWeek(const QString& key)
{
    if (!weekExists(key))
        return false;
    close(); // leaving the record stores it, or removes it when its key was cleared
    load(key);
    return true;
}

TWocheDataModul::Record TWocheDataModul::readRecord(Database& db, const QString& key)
{
    return RecordStore::selectOne(db, W::table(), QStringLiteral("MWoche = ?"), {key}).value_or(Record{});
}

void TWocheDataModul::load(const QString& key)
{
    m_key = key;
    m_record = readRecord(m_db, key);
    m_edited = false;
    m_marked = {};
    refresh();
}

void TWocheDataModul::refresh()
{
    m_sums = PartWeekSums::TWocheQuery(m_db, m_key);
    m_parties = WeekPartyView::rows(m_db, m_options, range());
}

void TWocheDataModul::setField(const QString& name, const QVariant& value)
{
    m_record[name] = value;
    m_edited = true;
}

void TWocheDataModul::store()
{
    if (m_key.isEmpty())
        return;
    RecordStore::update(m_db, W::table(), m_record, keyOf(m_key));
    m_key = m_record.value(W::MWoche).toString();
    m_edited = false;
}

QVariant TWocheDataModul::spin(const QString& name, bool up)
{
    if (!WeekRecordSpin::spinnable(name))
        return {};
    const QVariant value = up ? WeekRecordSpin::up(field(name)) : WeekRecordSpin::down(field(name));
    setField(name, value);
    store();
    return value;
}

bool TWocheDataModul::pickDate(const QString& name)
{
    const auto date = m_ui.pickDate(field(name).toDate());
    if (!date)
        return false;
    setField(name, date->isValid() ? QVariant(*date) : QVariant());
    store();
    return true;
}

void TWocheDataModul::setTripRate(int trip, const QString& rate)
{
    setField(QStringLiteral("FVERPFLEG%1").arg(trip), rate);
    store();
}

void TWocheDataModul::close()
{
    if (!m_edited || m_key.isEmpty())
        return;
    if (!field(W::MWoche).toString().trimmed().isEmpty()) {
        store();
        return;
    }
    m_db.run(QStringLiteral("DELETE FROM MWoche WHERE MWoche = ?"), {m_key});
    m_key.clear();
    m_record.clear();
    m_edited = false;
    m_ui.information(kWeekRemoved);
}

QStringList TWocheDataModul::partWeeks() const
{
    QStringList keys;
    for (int r = 0; r < m_sums.rowCount(); ++r)
        keys << m_sums.value(r, QStringLiteral("TWOCHE")).toString();
    return keys;
}

void TWocheDataModul::markPartWeek(const QString& partWeek)
{
    m_marked = WeekMarking::click(m_marked, partWeeks(), partWeek);
    m_sums = PartWeekSums::TWocheQuery(m_db, m_key);
    SelectPartWeeks(false);
}

void TWocheDataModul::SelectPartWeeks(bool all)
{
    if (all)
        m_marked = {QStringLiteral("1"), PartWeekSums::lastPartWeek(m_sums)};
    m_parties = WeekPartyView::rows(m_db, m_options, range());
}

void TWocheDataModul::markRange(const WeekRange& range)
{
    m_marked = {range.start, range.end};
    SelectPartWeeks(false);
}

WeekRange TWocheDataModul::actionRange()
{
    SelectPartWeeks(false);
    if (m_marked.isEmpty())
        SelectPartWeeks(true);
    return range();
}

TransferQueries TWocheDataModul::transferQueries() const
{
    return TransferQueries(m_db, m_options);
}

ConsultantAddress TWocheDataModul::BQuery() const
{
    return ConsultantAddress::read(m_db, m_options);
}

void TWocheDataModul::MarkReportPrinted(int k)
{
    const auto word = WeekPrintState::MarkReportPrinted(field(kPrintWord), k);
    if (!word || m_key.isEmpty())
        return;
    const QVariant before = field(kPrintWord);
    try {
        setField(kPrintWord, *word);
        store();
    } catch (const DatabaseError&) {
        m_record[kPrintWord] = before; // the status stays as it was
    }
}

void TWocheDataModul::MarkPartiesExported()
{
    Transaction tx(m_db);
    for (WeekPartyView::Row& party : m_parties) {
        m_db.run(QStringLiteral("UPDATE Tuppkopf SET ERSTELLT = 1 WHERE R_NR = ?"),
                 {party.header.value(QStringLiteral("R_NR"))});
        party.header[QStringLiteral("ERSTELLT")] = true;
    }
    tx.commit();
}

int TWocheDataModul::RebuildWeekRecords()
{
    int added = 0;
    try {
        Transaction tx(m_db);
        const auto weeks = m_db.rows(QStringLiteral("SELECT DISTINCT MWoche FROM Tuppkopf "
                                                    "WHERE IFNULL(MWoche, '') <> '' ORDER BY MWoche"));
        for (const QVariantList& row : weeks) {
            const QString key = row.at(0).toString();
            if (weekExists(key))
                continue;
            try {
                Transaction insert(m_db);
                m_db.insert(W::table(), keyOf(key));
                insert.commit();
                ++added;
            } catch (const DatabaseError&) {
                // a week record that cannot be added is passed over
            }
        }
        tx.commit();
    } catch (const DatabaseError&) {
        m_ui.information(kRebuildFailed);
        return 0;
    }
    return added;
}

WeekPlanning::Counts TWocheDataModul::planungEintragen()
{
    Transaction tx(m_db);
    const WeekPlanning::Counts counts = WeekPlanning::KundenPlanung(m_db, m_key);
    for (int k = 1; k <= WeekPlanning::kWeeks; ++k)
        setField(QStringLiteral("VORFUEHR_%1").arg(k), counts[static_cast<size_t>(k - 1)]);
    store();
    tx.commit();
    return counts;
}

std::vector<WeekRequestItems::Item> TWocheDataModul::requestItems() const
{
    return WeekRequestItems::items(m_db, m_key);
}

std::optional<int> TWocheDataModul::requestSpin(const QString& kodierung, bool up)
{
    const auto item = WeekRequestItems::item(m_db, m_key, kodierung);
    if (!item)
        return std::nullopt;
    return WeekRequestItems::spin(m_db, *item, up);
}

bool TWocheDataModul::askNewWeek()
{
    return m_ui.question(kAskNewWeek, UiPort::Buttons::OkCancel) == UiPort::Answer::Ok;
}

TWocheDataModul::NewWeek TWocheDataModul::createEmptyWeek(const QString& year, const QString& week)
{
    const QString key = (year + week).trimmed();
    if (key.size() != 6) {
        m_ui.information(kInvalidWeek);
        return NewWeek::Invalid;
    }
    if (weekExists(key))
        return NewWeek::Existing;
    m_db.insert(W::table(), {{W::MWoche, key}, {kPrintWord, WeekPrintState::kNewWeek}});
    return NewWeek::Created;
}

TWocheDataModul::DeleteWeek TWocheDataModul::deleteWeek()
{
    m_sums = PartWeekSums::TWocheQuery(m_db, m_key);
    if (PartWeekSums::countsParties(m_sums)) {
        m_ui.information(kOnlyEmpty);
        return DeleteWeek::NotEmpty;
    }
    if (m_ui.question(kAskDelete, UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return DeleteWeek::Cancelled;
    Transaction tx(m_db);
    m_db.run(QStringLiteral("DELETE FROM MWoche WHERE MWoche = ?"), {m_key});
    tx.commit();
    m_key.clear();
    m_record.clear();
    m_edited = false;
    m_marked = {};
    refresh();
    return DeleteWeek::Deleted;
}

} // namespace korbelant
