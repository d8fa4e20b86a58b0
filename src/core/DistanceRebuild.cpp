#include "core/DistanceRebuild.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/KmFields.h"
#include "core/Transaction.h"

#include <QVariantMap>
#include <vector>

namespace korbelant {

namespace {

struct Place
{
    QString postcode;
    QString town;
};

// A known place matches when it starts with the customer's postcode and town, in any case.
bool known(const std::vector<Place>& places, const QString& postcode, const QString& town)
{
    for (const Place& p : places) {
        if (p.postcode.startsWith(postcode, Qt::CaseInsensitive) &&
            p.town.startsWith(town, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

int DistanceRebuild::RebuildDistances()
{
    int added = 0;
    try {
        if (!m_db.tableExists(KmFields::kTable))
            return 0;
        std::vector<Place> places;
        for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT PLZ, ORT FROM km")))
            places.push_back({row.at(0).toString(), row.at(1).toString()});
        Transaction tx(m_db);
        const auto customers =
            m_db.rows(QStringLiteral("SELECT ORT, PLZ, KM_ENTF FROM Kunden WHERE KM_ENTF <> 0 "
                                     "AND IFNULL(ORT, '') <> '' AND IFNULL(PLZ, '') <> ''"));
        for (const QVariantList& row : customers) {
            const QString town = row.at(0).toString();
            const QString postcode = row.at(1).toString();
            if (known(places, postcode, town))
                continue;
            try {
                m_db.insert(KmFields::table(),
                            {{KmFields::PLZ, postcode}, {KmFields::ORT, town}, {KmFields::KM, row.at(2)}});
                places.push_back({postcode.left(5), town});
                ++added;
            } catch (const DatabaseError& e) {
                if (!e.isConstraint())
                    throw;
            }
        }
        tx.commit();
    } catch (const DatabaseError& e) {
        m_log.LogException(e.message(), true);
        return 0;
    }
    return added;
}

} // namespace korbelant
