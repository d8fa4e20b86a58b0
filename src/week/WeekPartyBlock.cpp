#include "week/WeekPartyBlock.h"

#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TuppkopfFields.h"

namespace korbelant {

namespace {

using H = TuppkopfFields;
using Format = ReportColumn::Format;

QString inParentheses(const QString& text)
{
    return QLatin1Char('(') + text + QLatin1Char(')');
}

} // namespace

std::vector<ReportColumn> WeekPartyBlock::columns()
{
    return {ReportColumn::text(QStringLiteral("Name und Anschrift\nder Gastgeberin"), 48),
            ReportColumn::number(QStringLiteral("Verkäufe\nan Gäste"), 24, Format::Money, true),
            ReportColumn::number(QStringLiteral("Verabre-\ndungen"), 20, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Anzahl\nGäste"), 16, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Angebote\nin Stück"), 20, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Service\nProdukte"), 20, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Sterne-\nzahl"), 17, Format::Integer, true),
            ReportColumn::number(QStringLiteral("Sterne-\nbetrag"), 20, Format::Money, true)};
}

QString WeekPartyBlock::header(const WeekPartyView::Row& party)
{
    return QStringLiteral("Vorführung : %1   vom %2   ID: %3")
        .arg(RecordValue::text(party.header, H::TWoche),
             GermanFormat::date(RecordValue::date(party.header, H::DATUM)),
             RecordValue::text(party.header, H::BZH_VF_NR));
}

ReportGroup WeekPartyBlock::group(Database& db, const WeekPartyView::Row& party, bool withAddress,
                                  bool withHorizon)
{
    const QVariantMap& h = party.header;
    ReportRow row;
    row.values = {party.hostName,
                  RecordValue::number(h, H::VKG_UMSATZ),
                  RecordValue::integer(h, H::VERABRED),
                  RecordValue::integer(h, H::GAESTE),
                  RecordValue::integer(h, H::S_ANGEBOTE),
                  RecordValue::integer(h, H::S_VerkServicePr),
                  RecordValue::integer(h, H::STERNE),
                  RecordValue::number(h, H::STERNE_DM)};
    QString street, phone, town;
    if (withAddress) {
        const auto host = db.rows(QStringLiteral("SELECT IFNULL(STRASSE, ''), IFNULL(TELEFON, '') "
                                                 "FROM Kunden WHERE K_NR = ?"),
                                  {RecordValue::text(h, H::K_NR)});
        if (!host.empty()) {
            street = host.front().at(0).toString();
            phone = host.front().at(1).toString();
        }
        town = party.PlzOrt.trimmed();
    }
    QStringList second(StarAmount + 1);
    second[Host] = street;
    second[Sales] = inParentheses(GermanFormat::money(RecordValue::number(h, H::S_UMSATZ)));
    if (withHorizon)
        second[Appointments] = inParentheses(QString::number(party.Verabred_2.toInt()));
    row.extraLines << second;
    QStringList third(StarAmount + 1);
    third[Host] = town;
    row.extraLines << third;
    QStringList fourth(StarAmount + 1);
    if (!phone.isEmpty())
        fourth[Host] = QStringLiteral("Tel. ") + phone;
    row.extraLines << fourth;
    ReportGroup group;
    group.header = header(party);
    group.rows.push_back(row);
    return group;
}

} // namespace korbelant
