#include "core/Schema.h"

#include "core/ErsatzteileFields.h"
#include "core/KmFields.h"
#include "core/KundenFields.h"
#include "core/LagerFields.h"
#include "core/MWocheFields.h"
#include "core/OrteFields.h"
#include "core/Tupper1Fields.h"
#include "core/TupperFields.h"
#include "core/TuppkopfFields.h"
#include "core/VaFields.h"

#include <stdexcept>

namespace korbelant {

namespace {

using Type = FieldDef::Type;

FieldDef A(const QString& name, int width, const char* def = "")
{
    return {name, Type::Alpha, width, QString::fromLatin1(def)};
}
FieldDef D(const QString& name)
{
    return {name, Type::Date, 0, {}};
}
FieldDef T(const QString& name)
{
    return {name, Type::Time, 0, {}};
}
FieldDef S(const QString& name, const char* def = "")
{
    return {name, Type::Short, 0, QString::fromLatin1(def)};
}
FieldDef I(const QString& name)
{
    return {name, Type::Long, 0, {}};
}
FieldDef Auto(const QString& name)
{
    return {name, Type::AutoInc, 0, {}};
}
FieldDef N(const QString& name, const char* def = "")
{
    return {name, Type::Number, 0, QString::fromLatin1(def)};
}
FieldDef L(const QString& name, const char* def = "")
{
    return {name, Type::Logical, 0, QString::fromLatin1(def)};
}
FieldDef M(const QString& name, int width)
{
    return {name, Type::Memo, width, {}};
}
FieldDef F(const QString& name, int width)
{
    return {name, Type::FmtMemo, width, {}};
}

QStringList keys(std::initializer_list<QString> names)
{
    return QStringList(names);
}

IndexDef index(const char* name, std::initializer_list<QString> fields, bool descending = false)
{
    return {QString::fromLatin1(name), keys(fields), descending};
}

void addTrips(std::vector<FieldDef>& fields)
{
    for (int n = 1; n <= 7; ++n) {
        const QByteArray s = QByteArray::number(n);
        fields.push_back(D(("FDATUM" + s).constData()));
        fields.push_back(A(("FTEXT" + s).constData(), 80));
        fields.push_back(S(("FKM" + s).constData()));
        fields.push_back(A(("FVERPFLEG" + s).constData(), 2));
    }
}

void addNumbered(std::vector<FieldDef>& fields, const char* prefix, int from, int to, const char* def)
{
    for (int n = from; n <= to; ++n)
        fields.push_back(S((QByteArray(prefix) + QByteArray::number(n)).constData(), def));
}

TableDef anforderungen()
{
    return {QStringLiteral("anforderungen"),
            QStringLiteral("ANSIINTL"),
            {A("MWOCHE", 6), A("Kodierung", 10), A("Bezeichnung", 100), N("Menge"), N("Max")},
            keys({"MWOCHE", "Kodierung"}),
            {}};
}

TableDef ausgaben()
{
    return {QStringLiteral("Ausgaben"),
            QStringLiteral("ANSIINTL"),
            {D("AUSDATUM"), Auto("ID"), A("ATEXT", 85), N("BETRAG"), S("LAUFZEIT"), A("MWST_CODE", 2),
             N("MWST_SATZ"), N("ZEITRAUM"), N("ZEITWERT"), N("ABSCHREIB"), N("BETRAG_N"), N("MWST")},
            keys({"AUSDATUM", "ID"}),
            {}};
}

TableDef drucksa()
{
    return {QStringLiteral("Drucksa"), QStringLiteral("intl"), {A("NUMMER", 2), A("ART_TEXT", 50)}, {}, {}};
}

TableDef ersatzteile()
{
    using Field = ErsatzteileFields;
    return {Field::kTable, QStringLiteral("intl"), {A(Field::L_NR_ERS, 8), A(Field::L_NR_TWP, 8)}, {}, {}};
}

TableDef km()
{
    using Field = KmFields;
    return {Field::kTable,
            QStringLiteral("ANSIINTL"),
            {A(Field::PLZ, 5), A(Field::ORT, 28), S(Field::KM)},
            keys({Field::PLZ, Field::ORT}),
            {}};
}

TableDef kunden()
{
    using Field = KundenFields;
    return {Field::kTable,
            QStringLiteral("intl"),
            {A(Field::K_NR, 6),
             A(Field::MCODE, 20),
             A(Field::MCODE2, 20),
             A(Field::MCODE3, 20),
             A(Field::ANREDE, 10),
             A(Field::VORNAME, 22),
             A(Field::NAME, 22),
             A(Field::STRASSE, 33),
             A(Field::LAND, 4),
             A(Field::PLZ, 6),
             A(Field::ORT, 28),
             A(Field::TELEFON, 20),
             A(Field::TELEFON2, 20),
             A(Field::FAX, 20),
             D(Field::GEBURTSTAG),
             A(Field::FAM_STAND, 1),
             S(Field::KINDER),
             D(Field::E_DATUM),
             D(Field::L_DATUM),
             D(Field::N_DATUM),
             T(Field::N_ZEIT),
             S(Field::KM_ENTF),
             A(Field::GASTGEBER, 1),
             M(Field::TEXT, 10),
             N(Field::V_UMSATZ),
             N(Field::UMSATZ),
             N(Field::STERNE),
             S(Field::V_ANZAHL),
             N(Field::ANZAHL),
             D(Field::PR_DATUM),
             D(Field::WiederVorlage),
             A(Field::E_MAIL, 40),
             A(Field::B_WARINBZH, 1),
             A(Field::B_WARBZHKV, 1),
             A(Field::BI_BZH_KV, 1),
             A(Field::BI_BZH_VERAN, 1),
             A(Field::BZH_VERANSTALT, 100),
             D(Field::L_TELEFON),
             D(Field::L_MAIL),
             D(Field::L_BRIEF)},
            keys({Field::K_NR}),
            {index("WVIndex", {Field::WiederVorlage}, true), index("MCIndex", {Field::MCODE}),
             index("OrtIndex", {Field::ORT, Field::STRASSE}), index("PLZIndex", {Field::PLZ}),
             index("N_DatumIndex", {Field::N_DATUM}, true), index("TelefonIndex", {Field::TELEFON}),
             index("NameIndex", {Field::NAME, Field::VORNAME}),
             index("L_DATUMIndex", {Field::L_DATUM}, true)}};
}

TableDef lagerLike(const char* name)
{
    using Field = LagerFields;
    return {QString::fromLatin1(name),
            QStringLiteral("intl"),
            {A(Field::L_NR, 10),   A(Field::Z_NR, 10),   S(Field::STERNE, "0"), A(Field::VA, 2),
             A(Field::L_TEXT, 40), N(Field::PREIS, "0"), N(Field::VA38, "0"),   N(Field::MUSTER, "0"),
             A(Field::SONDER, 3),  L(Field::AKTIV, "0"), L(Field::NEU, "0"),    L(Field::ENTFERNT, "0"),
             N(Field::PROV_SATZ),  N(Field::BER_PREIS),  A(Field::MU_SPERR, 1), A(Field::VK_SPERRE, 1),
             D(Field::FG_DATUM),   I(Field::BESTAND),    A(Field::WSPERRE, 6),  A(Field::WFREIGAB, 6)},
            keys({Field::L_NR}),
            {index("VAIndex", {Field::VA, Field::L_NR}), index("ArtikelIndex", {Field::L_TEXT}),
             index("SterneIndex", {Field::STERNE, Field::L_NR}, true),
             index("PREISIndex", {Field::PREIS, Field::L_NR})}};
}

TableDef mwoche()
{
    using Field = MWocheFields;
    std::vector<FieldDef> fields{A(Field::MWoche, 6), F(Field::Bemerkung, 160)};
    addTrips(fields);
    addNumbered(fields, "DR_", 1, 20, "0");
    addNumbered(fields, "VORFUEHR_", 1, 6, "0");
    for (FieldDef f : {D(Field::A_DATUM), T(Field::A_ZEIT), S(Field::REK_BESUCH, "0"), N(Field::Start_VF),
                       A(Field::Start_NAME, 10), A(Field::Start_BER, 5)})
        fields.push_back(f);
    return {Field::kTable, QStringLiteral("intl"), fields, keys({Field::MWoche}), {}};
}

TableDef orte()
{
    using Field = OrteFields;
    return {Field::kTable,
            QStringLiteral("intl"),
            {A(Field::PLZ, 5), A(Field::ORTSNAME, 28), A(Field::VORWAHL, 7)},
            keys({Field::PLZ, Field::ORTSNAME}),
            {index("OrtsNameIndex", {Field::ORTSNAME})}};
}

TableDef reise(bool withKey)
{
    return {QStringLiteral("Reise"),
            QStringLiteral("intl"),
            {D("Datum"), Auto("ID"), A("Text", 80), I("KM"), N("Betrag")},
            withKey ? keys({"Datum", "ID"}) : QStringList{},
            {}};
}

TableDef statist()
{
    std::vector<FieldDef> f{A("START_WOCH", 4), A("LEITER", 1), S("POS"), A("B_NR", 5), A("AKTIV_B", 1)};
    for (const char* n :
         {"VORFUEHR", "VORFUEH_P", "VERABRED", "VERABRE_P", "GAESTE", "GAESTE_P", "UMSATZ", "UMS_P",
          "UMSATZ_EF", "UMS_EF_P", "UMSATZ_ST", "UMS_ST_P", "UMSATZ_GE", "STERNE_DM", "STER_DM_P"})
        f.push_back(N(n));
    for (FieldDef x :
         {S("BENENNUNG"), N("BENENN_P"), S("REKRU"), N("REKRU_P"), N("REK_BESUCH"), S("MEETING"), N("MEET_P"),
          S("G_MEETING"), N("G_MEET_P"), S("ANRUF"), N("ANRUF_P"), S("SONSTIG"), N("SONSTIG_P")})
        f.push_back(x);
    for (int n = 1; n <= 9; ++n) {
        const QByteArray s = QByteArray::number(n);
        f.push_back(S(("SONSTIG" + s).constData()));
        f.push_back(N(("SONSTIG" + s + "_P").constData()));
    }
    for (FieldDef x : {S("ANZAHL"), S("AKTIV"), S("AKTIV_P"), N("AKTIV_PU"), N("SUMM_P"), S("EINARBEIT"),
                       N("UMS_GAST"), N("UMS_VORF"), N("GAST_VORF"), N("VERA_VORF")})
        f.push_back(x);
    return {QStringLiteral("Statist"), QStringLiteral("intl"), f, {}, {}};
}

TableDef tupper()
{
    using Field = TupperFields;
    return {Field::kTable,
            QStringLiteral("intl"),
            {A(Field::R_NR, 7), A(Field::P_NR, 2), D(Field::DATUM), A(Field::MWoche, 6), A(Field::TWoche, 1),
             A(Field::K_NR, 6), A(Field::V_GTYP, 1), N(Field::UMSATZ, "0"), N(Field::AUSGABE, "0"),
             L(Field::BEZAHLT, "1"), L(Field::Verabredung, "0"), D(Field::Verabred_DATUM),
             T(Field::Verabred_ZEIT), L(Field::BENENNUNG, "0"), D(Field::BENE_DATUM), T(Field::BENE_ZEIT)},
            keys({Field::R_NR, Field::P_NR}),
            {index("UMSATZIndex", {Field::UMSATZ}), index("R_NRIndex", {Field::R_NR}),
             index("WocheIndex", {Field::MWoche, Field::TWoche})}};
}

TableDef tupper1()
{
    using Field = Tupper1Fields;
    return {
        Field::kTable,
        QStringLiteral("intl"),
        {A(Field::R_NR, 7),        A(Field::P_NR, 2),         Auto(Field::ID),       A(Field::L_NR, 8),
         A(Field::VA, 2),          A(Field::VORAB, 1),        A(Field::Z_NR, 8),     A(Field::MWoche, 6),
         A(Field::TWoche, 1),      A(Field::L_TEXT, 40),      N(Field::STUECK),      A(Field::FEHL_CODE, 3),
         N(Field::EINZ_KOST, "0"), N(Field::EINZ_PREIS, "0"), N(Field::KOSTEN, "0"), N(Field::SUMME, "0"),
         S(Field::STERNE, "0"),    N(Field::STERNE_DM, "0"),  N(Field::UM_STERNE),   A(Field::NACHLIEF, 1),
         S(Field::NA_STUECK),      S(Field::NA_STU_LI),       L(Field::NA_STATUS)},
        keys({Field::R_NR, Field::P_NR, Field::ID, Field::L_NR, Field::VA}),
        {index("WocheIndex", {Field::Z_NR, Field::MWoche}),
         index("L_NRIndex", {Field::L_NR, Field::VA, Field::VORAB}),
         // The week closing reads a week's lines by week and part-week.
         index("TeilwocheIndex", {Field::MWoche, Field::TWoche}),
         // The back-order window lists the lines still to be worked, of any week.
         index("NachliefIndex", {Field::NACHLIEF})}};
}

TableDef tuppkopf()
{
    using Field = TuppkopfFields;
    return {Field::kTable,
            QStringLiteral("intl"),
            {A(Field::R_NR, 7),
             D(Field::DATUM),
             T(Field::ZEIT),
             A(Field::MWoche, 6),
             A(Field::TWoche, 1),
             L(Field::ERSTELLT, "0"),
             A(Field::K_NR, 6),
             N(Field::S_UMSATZ, "0"),
             N(Field::S_AUSGABE, "0"),
             N(Field::S_PROV, "0"),
             S(Field::VERABRED, "0"),
             S(Field::BENENN_TUP, "0"),
             S(Field::REKRUTIER, "0"),
             S(Field::GAESTE, "0"),
             S(Field::S_ANGEBOTE, "0"),
             S(Field::S_VerkServicePr, "0"),
             S(Field::STERNE, "0"),
             N(Field::STERNE_DM, "0"),
             N(Field::UM_STERNE, "0"),
             S(Field::KM_EINFACH, "0"),
             D(Field::VORBEREIT1),
             D(Field::VORBEREIT2),
             D(Field::AUSLIEFER1),
             D(Field::AUSLIEFER2),
             N(Field::S_KM, "0"),
             N(Field::VKG_UMSATZ),
             N(Field::WB_UMSATZ),
             A(Field::BZH_VF_NR, 5),
             S(Field::BZH_VF_ART),
             A(Field::VF_TEXT, 255)},
            keys({Field::R_NR}),
            {index("WocheIndex", {Field::MWoche, Field::TWoche}), index("DatumIndex", {Field::DATUM}),
             index("S_UmsatzIndex", {Field::S_UMSATZ}), index("GaesteIndex", {Field::K_NR})}};
}

TableDef va()
{
    using Field = VaFields;
    return {Field::kTable,
            QStringLiteral("intl"),
            {A(Field::VA, 2), A(Field::VAQUELLE, 2), A(Field::VA_TEXT, 37), A(Field::VA_INFO, 15),
             N(Field::EKFAKTOR), N(Field::VKFAKTOR), N(Field::STERNEFAKT), N(Field::STERNEDMFA),
             N(Field::UMSSTERNFA), N(Field::PROVISION), A(Field::NURBERATER, 1), A(Field::LNR_VA, 1),
             A(Field::VA_ART, 2), A(Field::MUSTER, 1), A(Field::VONARTNR, 8), A(Field::BISARTNR, 8),
             N(Field::UMSATZ_VKG), N(Field::UMSATZ_WB)},
            keys({Field::VA}),
            {}};
}

TableDef sternePlan()
{
    return {QStringLiteral("SternePlan"),
            QStringLiteral("intl"),
            {N("SterneBetragMin"), N("SterneBetragMax"), S("Sterne"), S("Verabredung1"), S("Verabredung2"),
             N("SchrittBetrag"), S("SchrittSterne")},
            {},
            {}};
}

TableDef umtausch()
{
    return {QStringLiteral("Umtausch"),
            QStringLiteral("intl"),
            {A("FEHL_CODE", 3), A("GRUND", 40)},
            keys({"FEHL_CODE"}),
            {}};
}

TableDef reiseSatz()
{
    return {QStringLiteral("ReiseSatz"),
            QStringLiteral("intl"),
            {A("VERPF_SATZ", 2), A("VERPF_TEXT", 40), N("VERPF_DM"), N("KM_DM")},
            keys({"VERPF_SATZ"}),
            {}};
}

TableDef mainVersion()
{
    return {QStringLiteral("MainVersion"),
            QStringLiteral("intl"),
            {A("VERISON", 4), D("DATUM"), A("Aplication", 30), A("Year", 4)},
            {},
            {}};
}

TableDef twFileList()
{
    return {QStringLiteral("TWFILELIST"),
            QStringLiteral("intl"),
            {A("FILENAME", 20), A("VERSION", 4), A("Import_S", 1), M("FILDLIST", 30)},
            keys({"FILENAME"}),
            {}};
}

TableDef woche()
{
    std::vector<FieldDef> f{A("WOCHE", 6), L("GANZWOCHE")};
    addNumbered(f, "VORFUEHR_", 1, 6, "");
    for (FieldDef x : {S("BENENNUNG"), S("REK_BESUCH"), N("START_VF"), A("START_NAME", 10), A("START_BER", 5),
                       S("S_REKRUTI"), S("S_VORFUEHR"), N("SS_UMSATZ"), N("SS_AUSGABE"), N("SS_PROV"),
                       S("S_VERABRED"), S("S_GAESTE"), S("S_ANGEBOTE"), S("S_ZUGFEDER"), S("S_STERNE"),
                       N("S_STERNE_B"), N("S_UM_STERN"), F("Bemerkung", 160)})
        f.push_back(x);
    addTrips(f);
    for (FieldDef x : {D("A_DATUM"), A("A_ZEIT", 4), N("W_KM")})
        f.push_back(x);
    addNumbered(f, "DR_", 1, 20, "");
    return {QStringLiteral("Woche"), QStringLiteral("intl"), f, {}, {}};
}

} // namespace

const std::vector<TableDef>& Schema::createdTables()
{
    static const std::vector<TableDef> tables{
        anforderungen(), ausgaben(), drucksa(),    ersatzteile(), km(),     kunden(),  lagerLike("Lager"),
        mwoche(),        orte(),     reise(false), statist(),     tupper(), tupper1(), tuppkopf()};
    return tables;
}

const std::vector<TableDef>& Schema::workTables()
{
    static const std::vector<TableDef> tables{reise(true), lagerLike("LagerTemp")};
    return tables;
}

const std::vector<TableDef>& Schema::installedTables()
{
    static const std::vector<TableDef> tables{va(),          sternePlan(), umtausch(), reiseSatz(),
                                              mainVersion(), twFileList(), woche()};
    return tables;
}

const TableDef* Schema::table(const QString& name)
{
    for (const auto* group : {&createdTables(), &installedTables(), &workTables()}) {
        for (const TableDef& def : *group) {
            if (def.name.compare(name, Qt::CaseInsensitive) == 0)
                return &def;
        }
    }
    return nullptr;
}

const TableDef& Schema::get(const QString& name)
{
    const TableDef* def = table(name);
    if (!def)
        throw std::logic_error("unknown table " + name.toStdString());
    return *def;
}

} // namespace korbelant
