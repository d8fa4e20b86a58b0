// Timing of the article window itself on a large catalogue (offscreen): opening, the status
// boxes, the orders, the kind box and the searches, each until the grid shows the result.
//   korbelant-article-window-bench [ARTICLES]
#include "ArticleBenchData.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/ArticleTableModel.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/Installation.h"
#include "core/ScriptedUi.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <memory>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<int()>& work)
{
    BenchTiming::timed(out, what, 46, work, [] { QApplication::processEvents(); });
}

} // namespace

int main(int argc, char** argv)
{
    WindowBenchHome::useOffscreen();
    QApplication app(argc, argv);
    const int articles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir dir;
    const DataHome home(dir.path());
    Installation::init(home);
    auto set = DataSet::open(home);
    fillBenchWindowArticles(set->db(), articles);
    ScriptedUi ui;
    TArtikelModul modul(set->db(), set->options(), ui);

    std::unique_ptr<TArtikelVerwaltForm> form;
    timed(QStringLiteral("Artikelverwaltung öffnen"), [&] {
        form = std::make_unique<TArtikelVerwaltForm>(modul, ui, QStringLiteral("Korbelant"));
        form->show();
        return form->model()->rowCount();
    });
    timed(QStringLiteral("\"Inaktiv :\" aus"), [&] {
        form->inactiveBox()->setChecked(false);
        return form->model()->rowCount();
    });
    for (const QString& order : {QStringLiteral("Artikelbezeichnung"), QStringLiteral("Preis")}) {
        timed(QStringLiteral("sortiert nach \"%1\"").arg(order), [&] {
            form->sortBox()->setCurrentText(order);
            return form->model()->rowCount();
        });
    }
    timed(QStringLiteral("VA 20 gewählt"), [&] {
        form->kindBox()->setCurrentText(QStringLiteral("20=Sets und Kombiangebote"));
        return form->model()->rowCount();
    });
    timed(QStringLiteral("Suche \"999,8\" getippt"), [&] {
        form->searchEdit()->setText(QStringLiteral("999,8"));
        return modul.current() ? 1 : 0;
    });
    timed(QStringLiteral("Volltext \"Artikel 99\""),
          [&] { return static_cast<int>(modul.fullTextSearch(QStringLiteral("Artikel 99"), true).size()); });
    return 0;
}
