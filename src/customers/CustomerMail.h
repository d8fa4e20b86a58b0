#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace korbelant {

class CustomerView;
class Database;
class Options;
class UiPort;

// Mail to customers through the desktop's mail program: a mailto: address with the recipients
// and blind-copy recipients, which the mail program opens as a new message. Nothing is sent
// without the user.
class CustomerMail
{
public:
    static inline const QString kNoAddress =
        QStringLiteral("Sie haben bei diesem Kunden keine email-Adresse eigetragen.");

    // mailto:TO,TO?bcc=BCC,BCC with every address percent-encoded.
    static QUrl mailto(const QStringList& to, const QStringList& bcc = {});

    // A mail to one customer; without an address the message, and nullopt.
    static std::optional<QUrl> single(const QString& address, UiPort& ui);
    // "Serien-&Mail": every customer shown who has an address, except the program vendor; in the
    // blind copies with the option BCC, else as recipients; with AddBerater the consultant's own
    // address (BeraterEmail) as a recipient.
    static std::optional<QUrl> serial(Database& db, const CustomerView& view, const Options& options,
                                      UiPort& ui);
};

} // namespace korbelant
