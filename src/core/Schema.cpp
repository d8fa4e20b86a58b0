#include "core/Schema.h"

#include <stdexcept>

namespace korbelant {

namespace {

using Type = FieldDef::Type;

FieldDef A(const char* name, int width, const char* def = "") { return {QString::fromLatin1(name), Type::Alpha, width, QString::fromLatin1(def)}; }
FieldDef D(const char* name) { return {QString::fromLatin1(name), Type::Date, 0, {}}; }
FieldDef T(const char* name) { return {QString::fromLatin1(name), Type::Time, 0, {}}; }
FieldDef S(const char* name, const char* def = "") { return {QString::fromLatin1(name), Type::Short, 0, QString::fromLatin1(def)}; }
FieldDef I(const char* name) { return {QString::fromLatin1(name), Type::Long, 0, {}}; }
FieldDef Auto(const char* name) { return {QString::fromLatin1(name), Type::AutoInc, 0, {}}; }
FieldDef N(const char* name, const char* def = "") { return {QString::fromLatin1(name), Type::Number, 0, QString::fromLatin1(def)}; }
FieldDef L(const char* name, const char* def = "") { return {QString::fromLatin1(name), Type::Logical, 0, QString::fromLatin1(def)}; }
FieldDef M(const char* name, int width) { return {QString::fromLatin1(name), Type::Memo, width, {}}; }
FieldDef F(const char* name, int width) { return {QString::fromLatin1(name), Type::FmtMemo, width, {}}; }

QStringList keys(std::initializer_list<const char*> names)
{
    QStringList list;
    for (const char* n : names)
        list << QString::fromLatin1(n);
    return list;
}

IndexDef index(const char* name, std::initializer_list<const char*> fields, bool descending = false)
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
    return {QStringLiteral("anforderungen"), QStringLiteral("ANSIINTL"),
            {A("MWOCHE", 6), A("Kodierung", 10), A("Bezeichnung", 100), N("Menge"), N("Max")},
            keys({"MWOCHE", "Kodierung"}), {}};
}

TableDef ausgaben()
{
    return {QStringLiteral("Ausgaben"), QStringLiteral("ANSIINTL"),
            {D("AUSDATUM"), Auto("ID"), A("ATEXT", 85), N("BETRAG"), S("LAUFZEIT"), A("MWST_CODE", 2), N("MWST_SATZ"),
             N("ZEITRAUM"), N("ZEITWERT"), N("ABSCHREIB"), N("BETRAG_N"), N("MWST")},
            keys({"AUSDATUM", "ID"}), {}};
}

TableDef drucksa()
{
    return {QStringLiteral("Drucksa"), QStringLiteral("intl"), {A("NUMMER", 2), A("ART_TEXT", 50)}, {}, {}};
}

TableDef ersatzteile()
{
    return {QStringLiteral("Ersatzteile"), QStringLiteral("intl"), {A("L_NR_ERS", 8), A("L_NR_TWP", 8)}, {}, {}};
}

TableDef km()
{
    return {QStringLiteral("km"), QStringLiteral("ANSIINTL"), {A("PLZ", 5), A("ORT", 28), S("KM")}, keys({"PLZ", "ORT"}), {}};
}

TableDef kunden()
{
    return {QStringLiteral("Kunden"),
            QStringLiteral("intl"),
            {A("K_NR", 6),         A("MCODE", 20),         A("MCODE2", 20),      A("MCODE3", 20),      A("ANREDE", 10),
             A("VORNAME", 22),     A("NAME", 22),          A("STRASSE", 33),     A("LAND", 4),         A("PLZ", 6),
             A("ORT", 28),         A("TELEFON", 20),       A("TELEFON2", 20),    A("FAX", 20),         D("GEBURTSTAG"),
             A("FAM_STAND", 1),    S("KINDER"),            D("E_DATUM"),         D("L_DATUM"),         D("N_DATUM"),
             T("N_ZEIT"),          S("KM_ENTF"),           A("GASTGEBER", 1),    M("TEXT", 10),        N("V_UMSATZ"),
             N("UMSATZ"),          N("STERNE"),            S("V_ANZAHL"),        N("ANZAHL"),          D("PR_DATUM"),
             D("WiederVorlage"),   A("E-MAIL", 40),        A("B_WARINBZH", 1),   A("B_WARBZHKV", 1),   A("BI_BZH_KV", 1),
             A("BI_BZH_VERAN", 1), A("BZH_VERANSTALT", 100), D("L_TELEFON"),     D("L_MAIL"),          D("L_BRIEF")},
            keys({"K_NR"}),
            {index("WVIndex", {"WiederVorlage"}, true), index("MCIndex", {"MCODE"}), index("OrtIndex", {"ORT", "STRASSE"}),
             index("PLZIndex", {"PLZ"}), index("N_DatumIndex", {"N_DATUM"}, true), index("TelefonIndex", {"TELEFON"}),
             index("NameIndex", {"NAME", "VORNAME"}), index("L_DATUMIndex", {"L_DATUM"}, true)}};
}

TableDef lagerLike(const char* name)
{
    return {QString::fromLatin1(name),
            QStringLiteral("intl"),
            {A("L_NR", 10), A("Z_NR", 10), S("STERNE", "0"), A("VA", 2), A("L_TEXT", 40), N("PREIS", "0"), N("VA38", "0"),
             N("MUSTER", "0"), A("SONDER", 3), L("AKTIV", "0"), L("NEU", "0"), L("ENTFERNT", "0"), N("PROV_SATZ"),
             N("BER_PREIS"), A("MU_SPERR", 1), A("VK_SPERRE", 1), D("FG_DATUM"), I("BESTAND"), A("WSPERRE", 6),
             A("WFREIGAB", 6)},
            keys({"L_NR"}),
            {index("VAIndex", {"VA", "L_NR"}), index("ArtikelIndex", {"L_TEXT"}), index("SterneIndex", {"STERNE", "L_NR"}, true),
             index("PREISIndex", {"PREIS", "L_NR"})}};
}

TableDef mwoche()
{
    std::vector<FieldDef> fields{A("MWoche", 6), F("Bemerkung", 160)};
    addTrips(fields);
    addNumbered(fields, "DR_", 1, 20, "0");
    addNumbered(fields, "VORFUEHR_", 1, 6, "0");
    for (FieldDef f : {D("A_DATUM"), T("A_ZEIT"), S("REK_BESUCH", "0"), N("Start_VF"), A("Start_NAME", 10), A("Start_BER", 5)})
        fields.push_back(f);
    return {QStringLiteral("MWoche"), QStringLiteral("intl"), fields, keys({"MWoche"}), {}};
}

TableDef orte()
{
    return {QStringLiteral("Orte"), QStringLiteral("intl"), {A("PLZ", 5), A("ORTSNAME", 28), A("VORWAHL", 7)},
            keys({"PLZ", "ORTSNAME"}), {index("OrtsNameIndex", {"ORTSNAME"})}};
}

TableDef reise(bool withKey)
{
    return {QStringLiteral("Reise"), QStringLiteral("intl"), {D("Datum"), Auto("ID"), A("Text", 80), I("KM"), N("Betrag")},
            withKey ? keys({"Datum", "ID"}) : QStringList{}, {}};
}

TableDef statist()
{
    std::vector<FieldDef> f{A("START_WOCH", 4), A("LEITER", 1), S("POS"), A("B_NR", 5), A("AKTIV_B", 1)};
    for (const char* n : {"VORFUEHR", "VORFUEH_P", "VERABRED", "VERABRE_P", "GAESTE", "GAESTE_P", "UMSATZ", "UMS_P",
                          "UMSATZ_EF", "UMS_EF_P", "UMSATZ_ST", "UMS_ST_P", "UMSATZ_GE", "STERNE_DM", "STER_DM_P"})
        f.push_back(N(n));
    for (FieldDef x : {S("BENENNUNG"), N("BENENN_P"), S("REKRU"), N("REKRU_P"), N("REK_BESUCH"), S("MEETING"), N("MEET_P"),
                       S("G_MEETING"), N("G_MEET_P"), S("ANRUF"), N("ANRUF_P"), S("SONSTIG"), N("SONSTIG_P")})
        f.push_back(x);
    for (int n = 1; n <= 9; ++n) {
        const QByteArray s = QByteArray::number(n);
        f.push_back(S(("SONSTIG" + s).constData()));
        f.push_back(N(("SONSTIG" + s + "_P").constData()));
    }
    for (FieldDef x : {S("ANZAHL"), S("AKTIV"), S("AKTIV_P"), N("AKTIV_PU"), N("SUMM_P"), S("EINARBEIT"), N("UMS_GAST"),
                       N("UMS_VORF"), N("GAST_VORF"), N("VERA_VORF")})
        f.push_back(x);
    return {QStringLiteral("Statist"), QStringLiteral("intl"), f, {}, {}};
}

TableDef tupper()
{
    return {QStringLiteral("Tupper"),
            QStringLiteral("intl"),
            {A("R_NR", 7), A("P_NR", 2), D("DATUM"), A("MWoche", 6), A("TWoche", 1), A("K_NR", 6), A("V_GTYP", 1),
             N("UMSATZ", "0"), N("AUSGABE", "0"), L("BEZAHLT", "1"), L("Verabredung", "0"), D("Verabred_DATUM"),
             T("Verabred_ZEIT"), L("BENENNUNG", "0"), D("BENE_DATUM"), T("BENE_ZEIT")},
            keys({"R_NR", "P_NR"}),
            {index("UMSATZIndex", {"UMSATZ"}), index("R_NRIndex", {"R_NR"}), index("WocheIndex", {"MWoche", "TWoche"})}};
}

TableDef tupper1()
{
    return {QStringLiteral("Tupper1"),
            QStringLiteral("intl"),
            {A("R_NR", 7), A("P_NR", 2), Auto("ID"), A("L_NR", 8), A("VA", 2), A("VORAB", 1), A("Z_NR", 8), A("MWoche", 6),
             A("TWoche", 1), A("L_TEXT", 40), N("STUECK"), A("FEHL_CODE", 3), N("EINZ_KOST", "0"), N("EINZ_PREIS", "0"),
             N("KOSTEN", "0"), N("SUMME", "0"), S("STERNE", "0"), N("STERNE_DM", "0"), N("UM_STERNE"), A("NACHLIEF", 1),
             S("NA_STUECK"), S("NA_STU_LI"), L("NA_STATUS")},
            keys({"R_NR", "P_NR", "ID", "L_NR", "VA"}),
            {index("WocheIndex", {"Z_NR", "MWoche"}), index("L_NRIndex", {"L_NR", "VA", "VORAB"})}};
}

TableDef tuppkopf()
{
    return {QStringLiteral("Tuppkopf"),
            QStringLiteral("intl"),
            {A("R_NR", 7),           D("DATUM"),          T("ZEIT"),          A("MWoche", 6),          A("TWoche", 1),
             L("ERSTELLT", "0"),     A("K_NR", 6),        N("S_UMSATZ", "0"), N("S_AUSGABE", "0"),     N("S_PROV", "0"),
             S("VERABRED", "0"),     S("BENENN_TUP", "0"), S("REKRUTIER", "0"), S("GAESTE", "0"),       S("S_ANGEBOTE", "0"),
             S("S_VerkServicePr", "0"), S("STERNE", "0"), N("STERNE_DM", "0"), N("UM_STERNE", "0"),     S("KM_EINFACH", "0"),
             D("VORBEREIT1"),        D("VORBEREIT2"),     D("AUSLIEFER1"),    D("AUSLIEFER2"),         N("S_KM", "0"),
             N("VKG_UMSATZ"),        N("WB_UMSATZ"),      A("BZH_VF_NR", 5),  S("BZH_VF_ART"),         A("VF_TEXT", 255)},
            keys({"R_NR"}),
            {index("WocheIndex", {"MWoche", "TWoche"}), index("DatumIndex", {"DATUM"}), index("S_UmsatzIndex", {"S_UMSATZ"}),
             index("GaesteIndex", {"K_NR"})}};
}

TableDef va()
{
    return {QStringLiteral("VA"),
            QStringLiteral("intl"),
            {A("VA", 2), A("VAQUELLE", 2), A("VA_TEXT", 37), A("VA_INFO", 15), N("EKFAKTOR"), N("VKFAKTOR"), N("STERNEFAKT"),
             N("STERNEDMFA"), N("UMSSTERNFA"), N("PROVISION"), A("NURBERATER", 1), A("LNR_VA", 1), A("VA_ART", 2),
             A("MUSTER", 1), A("VONARTNR", 8), A("BISARTNR", 8), N("UMSATZ_VKG"), N("UMSATZ_WB")},
            keys({"VA"}), {}};
}

TableDef sternePlan()
{
    return {QStringLiteral("SternePlan"), QStringLiteral("intl"),
            {N("SterneBetragMin"), N("SterneBetragMax"), S("Sterne"), S("Verabredung1"), S("Verabredung2"), N("SchrittBetrag"),
             S("SchrittSterne")},
            {}, {}};
}

TableDef umtausch()
{
    return {QStringLiteral("Umtausch"), QStringLiteral("intl"), {A("FEHL_CODE", 3), A("GRUND", 40)}, keys({"FEHL_CODE"}), {}};
}

TableDef reiseSatz()
{
    return {QStringLiteral("ReiseSatz"), QStringLiteral("intl"), {A("VERPF_SATZ", 2), A("VERPF_TEXT", 40), N("VERPF_DM"), N("KM_DM")},
            keys({"VERPF_SATZ"}), {}};
}

TableDef mainVersion()
{
    return {QStringLiteral("MainVersion"), QStringLiteral("intl"), {A("VERISON", 4), D("DATUM"), A("Aplication", 30), A("Year", 4)}, {}, {}};
}

TableDef twFileList()
{
    return {QStringLiteral("TWFILELIST"), QStringLiteral("intl"), {A("FILENAME", 20), A("VERSION", 4), A("Import_S", 1), M("FILDLIST", 30)},
            keys({"FILENAME"}), {}};
}

TableDef woche()
{
    std::vector<FieldDef> f{A("WOCHE", 6), L("GANZWOCHE")};
    addNumbered(f, "VORFUEHR_", 1, 6, "");
    for (FieldDef x : {S("BENENNUNG"), S("REK_BESUCH"), N("START_VF"), A("START_NAME", 10), A("START_BER", 5), S("S_REKRUTI"),
                       S("S_VORFUEHR"), N("SS_UMSATZ"), N("SS_AUSGABE"), N("SS_PROV"), S("S_VERABRED"), S("S_GAESTE"),
                       S("S_ANGEBOTE"), S("S_ZUGFEDER"), S("S_STERNE"), N("S_STERNE_B"), N("S_UM_STERN"), F("Bemerkung", 160)})
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
    static const std::vector<TableDef> tables{anforderungen(), ausgaben(), drucksa(), ersatzteile(), km(),
                                              kunden(), lagerLike("Lager"), mwoche(), orte(), reise(false),
                                              statist(), tupper(), tupper1(), tuppkopf()};
    return tables;
}

const std::vector<TableDef>& Schema::workTables()
{
    static const std::vector<TableDef> tables{reise(true), lagerLike("LagerTemp")};
    return tables;
}

const std::vector<TableDef>& Schema::installedTables()
{
    static const std::vector<TableDef> tables{va(), sternePlan(), umtausch(), reiseSatz(), mainVersion(), twFileList(), woche()};
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
