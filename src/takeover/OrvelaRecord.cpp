#include "takeover/OrvelaRecord.h"

#include "core/TableDef.h"
#include "core/WeekKey.h"
#include "takeover/FieldAliases.h"
#include "takeover/TakeOverParty.h"
#include "takeover/TargetRecord.h"

#include <utility>
#include <vector>

namespace korbelant {

namespace {

using FieldList = std::vector<std::pair<const char*, const char*>>; // target field, source field (UTF-8)

const FieldList& customerList()
{
    static const FieldList list{{"K_NR", "Index"},
                                {"MCODE3", "Ordner"},
                                {"ANREDE", "Anrede"},
                                {"NAME", "Name"},
                                {"VORNAME", "Vorname"},
                                {"STRASSE", "Strasse"},
                                {"LAND", "Land"},
                                {"PLZ", "PLZ"},
                                {"ORT", "Ort"},
                                {"TELEFON", "Telefon1"},
                                {"TELEFON2", "Telefon2"},
                                {"FAX", "Fax"},
                                {"MCODE", "Handy"},
                                {"E-MAIL", "eMail"},
                                {"MCODE2", "Sonstiges"},
                                {"E_DATUM", "Kunde seit"},
                                {"L_DATUM", "Letzte Vorführung"},
                                {"GEBURTSTAG", "Geburtsdatum"},
                                {"TEXT", "Bemerkung"},
                                {"GASTGEBER", "Gastgeberin"}};
    return list;
}

const FieldList& headerList()
{
    static const FieldList list{
        {"DATUM", "Datum"}, {"MWoche", "Woche"}, {"GAESTE", "Gäste"}, {"K_NR", "GgID"}, {"R_NR", "ID"}};
    return list;
}

bool isTrue(const TakeOverSource& source, const QString& field)
{
    return source.value(field).toBool();
}

// Orvela marks an address by four flags; the first that is set decides.
QString hostKind(const TakeOverSource& source)
{
    if (isTrue(source, QStringLiteral("Gastgeberin")))
        return QStringLiteral("J");
    if (isTrue(source, QStringLiteral("Gast")))
        return QStringLiteral("N");
    if (isTrue(source, QStringLiteral("Mitbesteller")))
        return QStringLiteral("M");
    if (isTrue(source, QStringLiteral("Club")))
        return QStringLiteral("C");
    return QStringLiteral("N");
}

QString folderOf(const QVariant& value)
{
    bool ok = false;
    const int folder = value.toInt(&ok);
    if (ok && folder == 1)
        return QStringLiteral("TW-Adressen");
    if (ok && folder == 2)
        return QStringLiteral("Privat");
    return value.toString();
}

// A value of another kind than the target's own.
void convert(TargetRecord& record, const FieldDef& target, const TakeOverSource::Field& from,
             const QVariant& value, const TakeOverSource& source)
{
    const QString name = target.name.toUpper();
    if (name == QStringLiteral("GASTGEBER")) {
        record.set(target.name, hostKind(source));
        return;
    }
    if (TakeOverSource::isNull(value))
        return;
    if (name == QStringLiteral("K_NR"))
        record.set(target.name, TakeOverParty::sixDigits(value.toString()));
    else if (name == QStringLiteral("MCODE3"))
        record.set(target.name, folderOf(value));
    else if (target.type == FieldDef::Type::Date && value.toDate().isValid())
        record.set(target.name, value.toDate());
    else if (target.type == FieldDef::Type::Logical && from.kind == TakeOverSource::Kind::Text)
        record.set(target.name, value.toString().compare(QStringLiteral("J"), Qt::CaseInsensitive) == 0);
}

void fill(TargetRecord& record, const FieldDef& target, const TakeOverSource& source,
          const TakeOverSource::Field& from)
{
    const QString name = target.name.toUpper();
    const QVariant value = source.value(from.name);
    if (name == QStringLiteral("R_NR")) {
        record.set(target.name, TakeOverParty::partyNumber(source.value(QStringLiteral("Datum"))));
        return;
    }
    if (name == QStringLiteral("MWOCHE")) {
        // Orvela's week text may be of any form; the week is that of the party's date.
        record.set(target.name, WeekKey::weekKey(source.value(QStringLiteral("Datum")).toDate()));
        record.set(QStringLiteral("TWoche"), QStringLiteral("1"));
        return;
    }
    if (TakeOverSource::sameKind(from.kind, target.type))
        record.set(target.name, TakeOverSource::isNull(value) ? QVariant() : value);
    else
        convert(record, target, from, value, source);
}

double numberOf(const TakeOverSource& source, const QString& field)
{
    return source.value(field).toDouble();
}

void headerExtras(TargetRecord& record, const TakeOverSource& source)
{
    const double turnover = numberOf(source, QStringLiteral("WB Umsatz"));
    record.set(QStringLiteral("ERSTELLT"), true);
    record.set(QStringLiteral("S_UMSATZ"), turnover);
    record.set(QStringLiteral("S_AUSGABE"), turnover - numberOf(source, QStringLiteral("Provision")));
    record.set(QStringLiteral("VERABRED"), source.value(QStringLiteral("Verabredungen")));
    record.set(QStringLiteral("STERNE"), source.value(QStringLiteral("Sterne")));
    record.set(QStringLiteral("BENENN_TUP"), source.value(QStringLiteral("Benennungen")));
    record.set(QStringLiteral("STERNE_DM"), source.value(OrvelaRecord::kPartyStarValueColumn));
    record.set(QStringLiteral("UM_STERNE"), turnover);
}

} // namespace

std::optional<QVariantMap> OrvelaRecord::TakeOverRecord(Database& db, const TakeOverSource& source,
                                                        const TableDef& target)
{
    static const FieldAliases none;
    TargetRecord record(target, none);
    const bool headers = target.name.compare(QStringLiteral("Tuppkopf"), Qt::CaseInsensitive) == 0;
    for (const auto& [targetName, sourceName] : headers ? headerList() : customerList()) {
        const FieldDef* to = target.field(QString::fromUtf8(targetName));
        const TakeOverSource::Field* from = source.field(QString::fromUtf8(sourceName));
        if (to && from)
            fill(record, *to, source, *from);
    }
    if (!headers)
        return record.store(db) ? std::optional<QVariantMap>(record.values()) : std::nullopt;
    headerExtras(record, source);
    if (!TakeOverParty::isWholeNumber(record.text(QStringLiteral("K_NR"))))
        return std::nullopt;
    return TakeOverParty::storeHeader(db, record) ? std::optional<QVariantMap>(record.values())
                                                  : std::nullopt;
}

} // namespace korbelant
