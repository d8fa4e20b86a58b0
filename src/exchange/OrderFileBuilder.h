#pragma once

#include "core/ResultTable.h"
#include "exchange/TTWD_File.h"
#include "week/WeekPartyView.h"
#include "week/WeekRange.h"

#include <QDate>
#include <vector>

namespace korbelant {

class Database;
class Options;
class TTWD_TableList;

// The week's order file Order.txt for the distributor: the parties of a part-week range with their
// results, hosts, order lines and bookings, the week's planning, its request items and the
// nominations. A party without a distributor number gets one on the way, stored in its header.
class OrderFileBuilder
{
public:
    static inline const QString kVersion = QStringLiteral("2.0");
    static inline const QString kProgram = QStringLiteral("Korbelant (6.4)");

    // The parties are those of the range in the order of the week's party view.
    OrderFileBuilder(Database& db, const Options& options, const WeekRange& range,
                     const std::vector<WeekPartyView::Row>& parties, const QDate& today);

    TTWD_File build();

private:
    void addGeneral(TTWD_File& file) const;
    void addParty(TTWD_File& file, const WeekPartyView::Row& party);
    void addResults(TTWD_TableList& section, const WeekPartyView::Row& party);
    void addHost(TTWD_TableList& section, const QString& kNr) const;
    void addOrders(TTWD_TableList& section, const QString& partWeek) const;
    void addBookings(TTWD_TableList& section, const QString& partWeek) const;
    void addPlanning(TTWD_File& file) const;
    void addRequests(TTWD_File& file) const;
    void addNominations(TTWD_File& file) const;
    // The party's distributor number; one is made and stored when it has none.
    QString distributorNumber(const QVariantMap& header);

    // Rows of a query that belong to a part-week.
    static std::vector<int> rowsOf(const ResultTable& table, const QString& partWeek);
    // Number, name, first name, street, house number, country, postcode, town, telephone, e-mail
    // and salutation of an address row, as written.
    static QStringList addressFields(const ResultTable& table, int row);
    static QString record(const QStringList& values);

    Database& m_db;
    const Options& m_options;
    WeekRange m_range;
    const std::vector<WeekPartyView::Row>& m_parties;
    QDate m_today;
    ResultTable m_orders;
    ResultTable m_addresses;
    ResultTable m_bookings;
};

} // namespace korbelant
