#include "core/OptionDef.h"

namespace korbelant {

namespace {

QString fromUtf8(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

OptionDef option(const char* key, OptionDef::Kind kind, const QString& page, const QString& initial)
{
    OptionDef def;
    def.key = QString::fromUtf8(key);
    def.kind = kind;
    def.page = page;
    def.initial = initial;
    return def;
}

OptionDef text(const char* key, const QString& page, const char* label, const QString& initial = {})
{
    OptionDef def = option(key, OptionDef::Kind::Text, page, initial);
    def.label = fromUtf8(label);
    return def;
}

OptionDef check(const char* key, const QString& page, const char* caption, bool initial)
{
    OptionDef def =
        option(key, OptionDef::Kind::Check, page, initial ? QStringLiteral("-1") : QStringLiteral("0"));
    def.caption = fromUtf8(caption);
    return def;
}

OptionDef choice(const char* key, const QString& page, const char* label, const QStringList& choices,
                 const QString& initial)
{
    OptionDef def = option(key, OptionDef::Kind::Choice, page, initial);
    def.label = fromUtf8(label);
    def.choices = choices;
    return def;
}

// An option kept in the file whose row the window does not show.
OptionDef hidden(OptionDef def)
{
    def.hidden = true;
    return def;
}

OptionDef labelled(OptionDef def, const char* label)
{
    def.label = fromUtf8(label);
    return def;
}

// A field with a small text of its own just before it.
OptionDef captioned(OptionDef def, const char* caption)
{
    def.caption = fromUtf8(caption);
    return def;
}

// A field in the row of the definition before it.
OptionDef beside(OptionDef def)
{
    def.besidePrevious = true;
    return def;
}

OptionDef withNote(OptionDef def, const char* note)
{
    def.note = fromUtf8(note);
    return def;
}

std::vector<OptionDef> makeAll()
{
    const QString& paths = OptionDef::kPathsPage;
    const QString& bzh = OptionDef::kBzhPage;
    const QString& general = OptionDef::kGeneralPage;
    const QString& extras = OptionDef::kExtrasPage;
    const QString& euro = OptionDef::kEuroPage;
    const QString& stars = OptionDef::kStarsPage;
    const QString& texts = OptionDef::kTextsPage;
    const QString& mail = OptionDef::kMailPage;
    const QString& articles = OptionDef::kArticlesPage;
    const QStringList drives{QStringLiteral("a"), QStringLiteral("b"), OptionDef::kPathChoice};
    return {
        text("Dospfad", paths, "Pfad für Korbelant : (DOS)", QStringLiteral("/mnt/dos/KORBELANT/")),
        choice("BZHDRIVE", paths, "Laufwerk für BZH - Disk :", drives, QStringLiteral("a")),
        beside(text("BZHPFAD", paths, nullptr)),
        text("ZKPfad", paths, "Pfad für Zirkel :", QStringLiteral("/opt/zirkel/")),
        check("NURAKTIV", bzh, "Nur aktive Artikel in die Bestellung übernehmen", false),
        check("AppendArtikel", bzh, "Lagerdatei ersetzen (alte Artikel gehen verloren)", false),
        check("GGAdress", bzh, "Gastgeber(innen) Adressen übergeben", true),
        check("Boot", bzh, "Bootsektorprüfung übergehen", false),
        check("VORAB", bzh, "Als Vorab gekennzeichnete Artikel zur Sterneberechnung heranziehen.", false),
        check("bzh_old", bzh, "Alte Schnittstelle (Version 1.0) verwenden.", false),
        text("Gruppen_NR", general, "Gruppen-Nr. :"),
        labelled(check("Berater", general, "Berater", false), "In Berichten Berater statt Beraterin :"),
        text("K_NR", general, "Kunden-Nr. Beraterin :", QStringLiteral("100001")),
        text("BNR", general, "Beraterin-Nr. :"),
        text("Datum", general, "Letzte wöchentliche Datenbanksicherung :"),
        hidden(check("FirstTime", general, "FirstTime", true)),
        text("WordPfad", extras, "Textverarbeitung :"),
        check("Geburtstage", extras, "Geburtstage im Termininfofenster melden", true),
        check("Vorfuehrungen", extras, "Vorführungen im Termininfofenster melden", true),
        hidden(check("NewGuestAktiv", extras, "NewGuestAktiv", true)),
        hidden(check("NewGuestInAktiv", extras, "NewGuestInAktiv", false)),
        hidden(check("TWZ", extras, "TW", false)),
        check("Artikel", euro, "Artikellisten", true),
        check("Auslief", euro, "Auslieferungslisten", true),
        check("Gaeste", euro, "Tupperbörse", true),
        hidden(check("Euro", euro, "Euro", false)),
        hidden(check("ArtikelEuro", euro, "ArtikelEuro", false)),
        check("Info", euro, "Beim nächsten Start Infofenster zeigen", true),
        text("Weeks", stars, "Berücksichtigte Wochen:", QStringLiteral("5")),
        text("OneVerabred", stars, "Eine Verabredung :"),
        text("TwoVerabred", stars, "Zwei oder mehr:"),
        text("SIntS", stars, "Sterne für Intervall :"),
        text("SInt", stars, "Betrag für Intervall :"),
        text("AuslZeile1", texts, "Erste Zeile:",
             QStringLiteral("Diese Liste gilt nicht als Rechnung oder Garantiebescheinigung.")),
        text("AuslZeile2", texts, "Zweite Zeile:",
             QStringLiteral("Geben Sie dafür die original Preisliste von Tupperware ® mit.")),
        text("BeraterEmail", mail, "Ihre Email-Adresse:", QStringLiteral("BeraterEmail")),
        check("AddBerater", mail, "Eigene Adresse in Maillisten anfügen.", true),
        withNote(check("BCC", mail, "Mails als BCC verschicken. ", true),
                 "(Empfänger kann keine fremden Adressen lesen)"),
        captioned(text("min_length_L_NR", articles, "Vorgabe für Artikelnummer:", QStringLiteral("4")),
                  "min:"),
        beside(captioned(text("max_length_L_NR", articles, nullptr, QStringLiteral("8")), "max:")),
        captioned(text("min_length_Z_NR", articles, "Vorgabe für Bestellnummer:", QStringLiteral("8")),
                  "min:"),
        beside(captioned(text("max_length_Z_NR", articles, nullptr, QStringLiteral("8")), "max:")),
        text("vorgabe_va", articles, "Vorgabe für Vorgangsart:", QStringLiteral("10")),
        check("c_VAG", articles, "Warnen wenn kein VAG eingetragen ist?", true),
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

QStringList OptionDef::pages()
{
    QStringList result;
    for (const OptionDef& def : all()) {
        if (!result.contains(def.page))
            result << def.page;
    }
    return result;
}

std::vector<const OptionDef*> OptionDef::onPage(const QString& page)
{
    std::vector<const OptionDef*> result;
    for (const OptionDef& def : all()) {
        if (def.page == page)
            result.push_back(&def);
    }
    return result;
}

} // namespace korbelant
