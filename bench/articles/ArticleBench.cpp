// Timing of the article module's work behind the article window on a large catalogue: opening,
// status and kind filters, the four orders, searches and the article list.
//   korbelant-article-bench [ARTICLES]
#include "ArticleBenchData.h"
#include "articles/TArtikelModul.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/Installation.h"
#include "core/ScriptedUi.h"
#include "support/BenchTiming.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<int()>& work)
{
    BenchTiming::timed(out, what, 52, work);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int articles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    const DataHome home(dir.path());
    Installation::init(home);
    auto set = DataSet::open(home);
    Database& db = set->db();
    timed(QStringLiteral("Anlegen von %1 Artikeln").arg(articles), [&] {
        fillBenchArticles(db, articles);
        return articles;
    });

    ScriptedUi ui;
    TArtikelModul modul(db, set->options(), ui);
    timed(QStringLiteral("Öffnen: alle Artikel"), [&] {
        modul.activateFromMainMenu();
        return modul.recordCount();
    });
    ArticleStatusSwitches s = modul.switches();
    s.showInactive = false;
    s.showNew = false;
    s.showRemoved = false;
    timed(QStringLiteral("Status: nur aktive"), [&] {
        modul.setSwitches(s);
        return modul.recordCount();
    });
    s.stockOnly = true;
    timed(QStringLiteral("Status: nur Lager"), [&] {
        modul.setSwitches(s);
        return modul.recordCount();
    });
    s.stockOnly = false;
    s.showInactive = true;
    modul.setSwitches(s);
    timed(QStringLiteral("VA 38"), [&] {
        modul.setKindSelection(QStringLiteral("38=Serviceprodukte"));
        return modul.recordCount();
    });
    modul.setKindSelection(KindTable::kAll);
    for (auto order : {ArticleSortOrder::ByText, ArticleSortOrder::ByStars, ArticleSortOrder::ByPrice,
                       ArticleSortOrder::ByNumber}) {
        timed(QStringLiteral("sortiert nach ") + ArticleSortOrder::choiceName(order), [&] {
            modul.setSortOrder(order);
            return modul.recordCount();
        });
    }
    // The same ordered query stepped through directly, without making records of it.
    timed(QStringLiteral("  zum Vergleich: nach Bezeichnung direkt in SQLite"), [&] {
        ArticleQuery query = modul.query();
        query.order = ArticleSortOrder::ByText;
        Statement st = db.prepare(query.sql());
        st.bindAll(query.params());
        int rows = 0;
        while (st.next())
            ++rows;
        return rows;
    });
    timed(QStringLiteral("Suche A009999"),
          [&] { return modul.incrementalSearch(QStringLiteral("A009999")) ? 1 : 0; });
    timed(QStringLiteral("Volltext ohne Groß/klein \"schüssel 9999\""), [&] {
        return static_cast<int>(modul.fullTextSearch(QStringLiteral("schüssel 9999"), true).size());
    });
    timed(QStringLiteral("Volltext mit Groß/klein \"Artikel 976 \""), [&] {
        return static_cast<int>(modul.fullTextSearch(QStringLiteral("Artikel 976 "), false).size());
    });
    timed(QStringLiteral("Artikelliste A000100 … A0001"), [&] {
        return static_cast<int>(
            modul.listRows(QStringLiteral("A000100"), QStringLiteral("A0001"), false).size());
    });
    return 0;
}
