#include "core/FixedCustomers.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/KundenFields.h"
#include "core/RecordStore.h"

#include <QVariantMap>

namespace korbelant {

namespace {

using K = KundenFields;

} // namespace

bool FixedCustomers::isFixed(const QString& customerNumber)
{
    const QString n = customerNumber.trimmed();
    return n == kUnknown || n == kVendor || n == kConsultant;
}

bool FixedCustomers::insertIfMissing(const QString& number, const QVariantMap& values)
{
    QVariantMap record = values;
    record.insert(K::K_NR, number);
    try {
        m_db.insert(K::table(), record);
        return true;
    } catch (const DatabaseError& e) {
        if (e.isConstraint())
            return false; // the number exists already
        throw;
    }
}

int FixedCustomers::EnsureFixedCustomers()
{
    int inserted = 0;
    const QVariantMap vendor{{K::MCODE, QStringLiteral("SOFTWARE-ENTWICKLUNG")},
                             {K::ANREDE, QStringLiteral("FIRMA")},
                             {K::VORNAME, QStringLiteral("Vorlix-Soft")},
                             {K::NAME, QStringLiteral("Software-Entwicklung")},
                             {K::STRASSE, QStringLiteral("Am Lindenhof 12")},
                             {K::PLZ, QStringLiteral("35037")},
                             {K::ORT, QStringLiteral("Marburg")},
                             {K::TELEFON, QStringLiteral("06421 480 90")},
                             {K::FAX, QStringLiteral("06421 480 99")}};
    if (insertIfMissing(kVendor, vendor)) {
        ++inserted;
        RecordStore::update(m_db, K::table(), {{K::E_MAIL, QStringLiteral("support@vorlix-soft.example")}},
                            QVariantMap{{K::K_NR, kVendor}});
    }
    if (insertIfMissing(kUnknown, {{K::MCODE, QStringLiteral("Unbekannt")},
                                   {K::ANREDE, QStringLiteral("Frau/Herr")},
                                   {K::NAME, QStringLiteral("Unbekannt")}}))
        ++inserted;
    if (insertIfMissing(kConsultant, {{K::MCODE, QStringLiteral("Beraterin")},
                                      {K::VORNAME, QStringLiteral("Vorname")},
                                      {K::NAME, QStringLiteral("Name")}}))
        ++inserted;
    return inserted;
}

int FixedCustomers::ensureAtStartup()
{
    if (m_db.scalar(QStringLiteral("SELECT count(*) FROM Kunden")).toInt() >= 3)
        return 0;
    return EnsureFixedCustomers();
}

} // namespace korbelant
