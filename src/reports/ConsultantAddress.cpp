#include "reports/ConsultantAddress.h"

#include "core/Database.h"
#include "core/Options.h"

namespace korbelant {

ConsultantAddress ConsultantAddress::read(Database& db, const Options& options)
{
    ConsultantAddress address;
    if (options.checked(QStringLiteral("Berater")))
        address.label = QStringLiteral("Berater");
    const auto rows = db.rows(
        QStringLiteral(
            "SELECT TRIM(IFNULL(VORNAME, '') || ' ' || IFNULL(NAME, '')), ANREDE, STRASSE, "
            "TRIM(IFNULL(PLZ, '') || ' ' || IFNULL(ORT, '')), TELEFON, FAX FROM Kunden WHERE K_NR = ?"),
        {options.text(QStringLiteral("K_NR"))});
    if (rows.empty())
        return address;
    const QVariantList& r = rows.front();
    address.BName = r.at(0).toString();
    address.Anrede = r.at(1).toString();
    address.Strasse = r.at(2).toString();
    address.BORT = r.at(3).toString();
    address.Telefon = r.at(4).toString();
    address.Fax = r.at(5).toString();
    return address;
}

ReportTextBlock ConsultantAddress::block(ReportTextBlock::Side side, bool withPhoneAndFax) const
{
    ReportTextBlock result;
    result.side = side;
    result.firstLineBold = true;
    result.lines << label << BName << Strasse << BORT;
    if (withPhoneAndFax && !Telefon.isEmpty())
        result.lines << QStringLiteral("Tel. ") + Telefon;
    if (withPhoneAndFax && !Fax.isEmpty())
        result.lines << QStringLiteral("Fax. ") + Fax;
    return result;
}

QString ConsultantAddress::accountLine(const Options& options)
{
    return QStringLiteral("Berat.-Konto/Gr. Nr. : ") + options.text(QStringLiteral("BNR")) +
           QLatin1Char('/') + options.text(QStringLiteral("Gruppen_NR"));
}

} // namespace korbelant
