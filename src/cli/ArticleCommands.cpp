#include "cli/ArticleCommands.h"

#include "articles/ArticleImport.h"
#include "articles/ArticleImportDisplay.h"
#include "articles/TArtikelModul.h"
#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Schema.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeDrive.h"

#include <functional>
#include <map>

namespace korbelant {

namespace {

using Setter = std::function<void(ArticleRecord&, const QString&)>;

int integer(const QString& field, const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw CliUsageError(QStringLiteral("%1 erwartet eine ganze Zahl, nicht \"%2\".").arg(field, text));
    return value;
}

QString lock(const QString& field, const QString& text)
{
    const QString value = text.trimmed().toUpper();
    if (value != QStringLiteral("J") && value != QStringLiteral("N"))
        throw CliUsageError(QStringLiteral("%1 erwartet J oder N, nicht \"%2\".").arg(field, text));
    return value;
}

// The fields the article dialog lets the user enter.
const std::map<QString, Setter>& setters()
{
    static const std::map<QString, Setter> map{
        {QStringLiteral("L_NR"), [](ArticleRecord& r, const QString& v) { r.lNr = v; }},
        {QStringLiteral("Z_NR"), [](ArticleRecord& r, const QString& v) { r.zNr = v; }},
        {QStringLiteral("STERNE"),
         [](ArticleRecord& r, const QString& v) { r.sterne = integer(QStringLiteral("STERNE"), v); }},
        {QStringLiteral("VA"), [](ArticleRecord& r, const QString& v) { r.va = v.trimmed(); }},
        {QStringLiteral("L_TEXT"), [](ArticleRecord& r, const QString& v) { r.lText = v; }},
        {QStringLiteral("PREIS"), [](ArticleRecord& r, const QString& v) { r.preis = CliArgs::amount(v); }},
        {QStringLiteral("VA38"), [](ArticleRecord& r, const QString& v) { r.va38 = CliArgs::amount(v); }},
        {QStringLiteral("MUSTER"), [](ArticleRecord& r, const QString& v) { r.muster = CliArgs::amount(v); }},
        {QStringLiteral("PROV_SATZ"),
         [](ArticleRecord& r, const QString& v) { r.provSatz = CliArgs::amount(v); }},
        {QStringLiteral("BER_PREIS"),
         [](ArticleRecord& r, const QString& v) { r.berPreis = CliArgs::amount(v); }},
        {QStringLiteral("MU_SPERR"),
         [](ArticleRecord& r, const QString& v) { r.muSperr = lock(QStringLiteral("MU_SPERR"), v); }},
        {QStringLiteral("VK_SPERRE"),
         [](ArticleRecord& r, const QString& v) { r.vkSperre = lock(QStringLiteral("VK_SPERRE"), v); }},
        {QStringLiteral("BESTAND"),
         [](ArticleRecord& r, const QString& v) { r.bestand = integer(QStringLiteral("BESTAND"), v); }},
    };
    return map;
}

int newArticle(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlen die Felder des Artikels."));
    const QVariantMap values = CliArgs::fieldValues(args);
    CliArgs::expectFits(Schema::get(QStringLiteral("Lager")), values);
    DataSet& set = c.dataSet();
    TArtikelModul modul(set, c.ui());
    ArticleRecord article = modul.newArticle();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const auto setter = setters().find(it.key().toUpper());
        if (setter == setters().end())
            throw CliUsageError(
                QStringLiteral("Das Feld \"%1\" kann nicht eingegeben werden.").arg(it.key()));
        setter->second(article, it.value().toString());
    }
    if (modul.saveArticle(article, QString()) != TArtikelModul::SaveResult::Saved)
        return 1;
    c.out() << "Artikel " << article.lNr << " gespeichert." << Qt::endl;
    return 0;
}

ArticleStatusSwitches switchesOf(const QStringList& words)
{
    ArticleStatusSwitches s;
    s.showNew = s.showActive = s.showInactive = s.showRemoved = false;
    s.noFiltering = words.isEmpty();
    for (const QString& word : words) {
        const QString w = word.toLower();
        if (w == QStringLiteral("neu"))
            s.showNew = true;
        else if (w == QStringLiteral("aktiv"))
            s.showActive = true;
        else if (w == QStringLiteral("inaktiv"))
            s.showInactive = true;
        else if (w == QStringLiteral("entf"))
            s.showRemoved = true;
        else if (w == QStringLiteral("bestand"))
            s.stockOnly = true;
        else if (w == QStringLiteral("party"))
            s.partyMode = true;
        else
            throw CliUsageError(QStringLiteral("Unbekannter Schalter \"%1\".").arg(word));
    }
    return s;
}

int list(CliContext& c, const QStringList& args)
{
    const ArticleStatusSwitches switches = switchesOf(args);
    DataSet& set = c.dataSet();
    TArtikelModul modul(set, c.ui());
    modul.setSwitches(switches);
    modul.setFiltering(true);
    for (const ArticleRecord& r : modul.rows())
        c.out() << r.lNr << ';' << r.va << ';' << r.lText << '\n';
    c.out().flush();
    return 0;
}

int kindValid(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 2, 2);
    DataSet& set = c.dataSet();
    TArtikelModul modul(set, c.ui());
    c.out() << (modul.KindValidForArticle(args.at(0), args.at(1)) ? "ja" : "nein") << Qt::endl;
    return 0;
}

// "--source DIR" or "--online": the folder the exchange folder dialog would return; without
// either, the folder the options name.
ArticleImport::Source importSource(CliContext& c, QStringList& args)
{
    const bool online = args.removeAll(QStringLiteral("--online")) > 0;
    const qsizetype at = args.indexOf(QStringLiteral("--source"));
    if (at >= 0 && online)
        throw CliUsageError(QStringLiteral("Bitte entweder --online oder --source angeben."));
    if (online)
        return {ExchangeDirectory(c.home(), c.ui()).online(), true};
    if (at < 0)
        return {ExchangeDrive(c.dataSet().options()).folder(), false};
    if (at + 1 >= args.size() || args.at(at + 1).trimmed().isEmpty())
        throw CliUsageError(QStringLiteral("Nach --source fehlt das Verzeichnis."));
    const QString folder = args.at(at + 1);
    args.remove(at, 2);
    return {folder, false};
}

int import(CliContext& c, const QStringList& args)
{
    QStringList rest = args;
    const ArticleImport::Source source = importSource(c, rest);
    CliArgs::expectCount(rest, 0, 0);
    ArticleImportDisplay display;
    ArticleImport articles(c.dataSet(), c.ui(), display);
    const bool done = articles.run(source);
    const ArticleImportFigures& f = articles.figures();
    c.out() << "eingelesen=" << f.read << "\nneu=" << f.added() << "\nentfernt=" << f.removed
            << "\nvorher=" << f.before << "\nnachher=" << f.after << "\nerstellt=" << f.created
            << "\nversion=" << f.version << '\n'
            << f.state << Qt::endl;
    return done ? 0 : 1;
}

int article(CliContext& c, const QStringList& args)
{
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt der Unterbefehl (new, list, kind-valid, import)."));
    const QString sub = args.first();
    const QStringList rest = args.mid(1);
    if (sub == QStringLiteral("new"))
        return newArticle(c, rest);
    if (sub == QStringLiteral("list"))
        return list(c, rest);
    if (sub == QStringLiteral("kind-valid"))
        return kindValid(c, rest);
    if (sub == QStringLiteral("import"))
        return import(c, rest);
    throw CliUsageError(QStringLiteral("Unbekannter Unterbefehl \"%1\".").arg(sub));
}

} // namespace

void ArticleCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("article"),
        QStringLiteral(
            "--home VERZ article new FELD=WERT… | list [neu] [aktiv] [inaktiv] [entf] [bestand] [party] | "
            "kind-valid VA L_NR | import [--source VERZ] [--online]"),
        true, article));
}

} // namespace korbelant
