#include "core/OptionDef.h"

namespace korbelant {

namespace {

OptionDef text(const char* key, const char* page, const QString& initial = {})
{
    return {QString::fromUtf8(key), OptionDef::Kind::Text, QString::fromUtf8(page), initial};
}

OptionDef check(const char* key, const char* page, bool initial)
{
    return {QString::fromUtf8(key), OptionDef::Kind::Check, QString::fromUtf8(page),
            initial ? QStringLiteral("-1") : QStringLiteral("0")};
}

OptionDef choice(const char* key, const char* page, const QString& initial)
{
    return {QString::fromUtf8(key), OptionDef::Kind::Choice, QString::fromUtf8(page), initial};
}

std::vector<OptionDef> makeAll()
{
    const char* paths = "Pfadeinstellungen";
    const char* bzh = "BZH - Schnittstelle";
    const char* general = "Allgemein";
    const char* extras = "Zubehör";
    const char* euro = "Euro";
    const char* stars = "Sterne";
    const char* texts = "Texte";
    const char* mail = "Email";
    const char* articles = "Artikel/Bestellung";
    return {
        text("Dospfad", paths, QStringLiteral("/mnt/dos/KORBELANT/")),
        choice("BZHDRIVE", paths, QStringLiteral("a")),
        text("BZHPFAD", paths),
        text("ZKPfad", paths, QStringLiteral("/opt/zirkel/")),
        check("NURAKTIV", bzh, false),
        check("AppendArtikel", bzh, false),
        check("GGAdress", bzh, true),
        check("Boot", bzh, false),
        check("VORAB", bzh, false),
        check("bzh_old", bzh, false),
        text("Gruppen_NR", general),
        check("Berater", general, false),
        text("K_NR", general, QStringLiteral("100001")),
        text("BNR", general),
        text("Datum", general),
        check("FirstTime", general, true),
        text("WordPfad", extras),
        check("Geburtstage", extras, true),
        check("Vorfuehrungen", extras, true),
        check("NewGuestAktiv", extras, true),
        check("NewGuestInAktiv", extras, false),
        check("TWZ", extras, false),
        check("Artikel", euro, true),
        check("Auslief", euro, true),
        check("Gaeste", euro, true),
        check("Euro", euro, false),
        check("ArtikelEuro", euro, false),
        check("Info", euro, true),
        text("Weeks", stars, QStringLiteral("5")),
        text("OneVerabred", stars),
        text("TwoVerabred", stars),
        text("SIntS", stars),
        text("SInt", stars),
        text("AuslZeile1", texts,
             QStringLiteral("Diese Liste gilt nicht als Rechnung oder Garantiebescheinigung.")),
        text("AuslZeile2", texts,
             QStringLiteral("Geben Sie dafür die original Preisliste von Tupperware ® mit.")),
        text("BeraterEmail", mail, QStringLiteral("BeraterEmail")),
        check("AddBerater", mail, true),
        check("BCC", mail, true),
        text("min_length_L_NR", articles, QStringLiteral("4")),
        text("max_length_L_NR", articles, QStringLiteral("8")),
        text("min_length_Z_NR", articles, QStringLiteral("8")),
        text("max_length_Z_NR", articles, QStringLiteral("8")),
        text("vorgabe_va", articles, QStringLiteral("10")),
        check("c_VAG", articles, true),
    };
}

} // namespace

const std::vector<OptionDef>& OptionDef::all()
{
    static const std::vector<OptionDef> defs = makeAll();
    return defs;
}

const OptionDef* OptionDef::find(const QString& key)
{
    for (const OptionDef& def : all()) {
        if (def.key.compare(key, Qt::CaseInsensitive) == 0)
            return &def;
    }
    return nullptr;
}

} // namespace korbelant
