#include "customers/CustomerMail.h"

#include "core/Database.h"
#include "core/FixedCustomers.h"
#include "core/Options.h"
#include "core/UiPort.h"
#include "customers/CustomerView.h"

namespace korbelant {

namespace {

QString encodedList(const QStringList& addresses)
{
    QStringList parts;
    for (const QString& a : addresses)
        parts << QString::fromLatin1(QUrl::toPercentEncoding(a.trimmed(), "@"));
    return parts.join(QLatin1Char(','));
}

} // namespace

QUrl CustomerMail::mailto(const QStringList& to, const QStringList& bcc)
{
    QString address = QStringLiteral("mailto:") + encodedList(to);
    if (!bcc.isEmpty())
        address += QStringLiteral("?bcc=") + encodedList(bcc);
    return QUrl(address, QUrl::StrictMode);
}

std::optional<QUrl> CustomerMail::single(const QString& address, UiPort& ui)
{
    if (address.trimmed().isEmpty()) {
        ui.information(kNoAddress);
        return std::nullopt;
    }
    return mailto({address});
}

std::optional<QUrl> CustomerMail::serial(Database& db, const CustomerView& view, const Options& options,
                                         UiPort& ui)
{
    const SqlCondition where = view.condition();
    QStringList addresses;
    for (const QVariantList& row :
         db.rows(QStringLiteral("SELECT \"E-MAIL\" FROM Kunden WHERE (%1) AND K_NR <> ? "
                                "AND IFNULL(trim(\"E-MAIL\"), '') <> '' ORDER BY %2")
                     .arg(where.sql(), view.orderBy()),
                 QVariantList(where.params()) << FixedCustomers::kVendor))
        addresses << row.at(0).toString().trimmed();
    if (addresses.isEmpty()) {
        ui.information(kNoAddress);
        return std::nullopt;
    }
    QStringList to;
    QStringList bcc;
    (options.checked(QStringLiteral("BCC")) ? bcc : to) = addresses;
    // The option's own default text is no address and is left out.
    const QString own = options.text(QStringLiteral("BeraterEmail")).trimmed();
    if (options.checked(QStringLiteral("AddBerater")) && own.contains(QLatin1Char('@')))
        to.prepend(own);
    return mailto(to, bcc);
}

} // namespace korbelant
