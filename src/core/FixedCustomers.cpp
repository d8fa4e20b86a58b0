#include "core/FixedCustomers.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"

#include <QVariantMap>

namespace korbelant {

bool FixedCustomers::isFixed(const QString& customerNumber)
{
    const QString n = customerNumber.trimmed();
    return n == kUnknown || n == kVendor || n == kConsultant;
}

bool FixedCustomers::insertIfMissing(const QString& number, const QVariantMap& values)
{
    QVariantMap record = values;
    record.insert(QStringLiteral("K_NR"), number);
    try {
        m_db.insert(Schema::get(QStringLiteral("Kunden")), record);
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
    const QVariantMap vendor{{QStringLiteral("MCODE"), QStringLiteral("SOFTWARE-ENTWICKLUNG")},
                             {QStringLiteral("ANREDE"), QStringLiteral("FIRMA")},
                             {QStringLiteral("VORNAME"), QStringLiteral("Vorlix-Soft")},
                             {QStringLiteral("NAME"), QStringLiteral("Software-Entwicklung")},
                             {QStringLiteral("STRASSE"), QStringLiteral("Am Lindenhof 12")},
                             {QStringLiteral("PLZ"), QStringLiteral("35037")},
                             {QStringLiteral("ORT"), QStringLiteral("Marburg")},
                             {QStringLiteral("TELEFON"), QStringLiteral("06421 480 90")},
                             {QStringLiteral("FAX"), QStringLiteral("06421 480 99")}};
    if (insertIfMissing(kVendor, vendor)) {
        ++inserted;
        m_db.run(QStringLiteral("UPDATE Kunden SET \"E-MAIL\" = ? WHERE K_NR = ?"),
                 {QStringLiteral("support@vorlix-soft.example"), kVendor});
    }
    if (insertIfMissing(kUnknown, {{QStringLiteral("MCODE"), QStringLiteral("Unbekannt")},
                                   {QStringLiteral("ANREDE"), QStringLiteral("Frau/Herr")},
                                   {QStringLiteral("NAME"), QStringLiteral("Unbekannt")}}))
        ++inserted;
    if (insertIfMissing(kConsultant, {{QStringLiteral("MCODE"), QStringLiteral("Beraterin")},
                                      {QStringLiteral("VORNAME"), QStringLiteral("Vorname")},
                                      {QStringLiteral("NAME"), QStringLiteral("Name")}}))
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
