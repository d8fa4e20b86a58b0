// Timings of the party window and the guest window themselves (offscreen) on a data set made by
// `korbelant-cli bench-data large --end 27.12.2025` (the fixed end keeps the figures comparable):
//   korbelant-party-window-bench DIR
// Opening the party window with every party, each sort order, opening the guest window on a
// party's host with the whole catalogue in its article list, one line typed and saved there, and
// closing it with the party's totals stored.
#include "articles/TArtikelModul.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/ScriptedUi.h"
#include "customers/TClientDataModul.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/PartyTableModel.h"
#include "parties/ui/TNewGuestForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "support/BenchTiming.h"
#include "support/WindowBenchHome.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTextStream>
#include <functional>
#include <memory>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void timed(const QString& what, const std::function<QString()>& work)
{
    BenchTiming::described(out, what, work);
}

} // namespace

int main(int argc, char* argv[])
{
    WindowBenchHome::useOffscreen();
    QApplication app(argc, argv);
    const auto home =
        WindowBenchHome::fromArguments(argc, argv, out, QStringLiteral("korbelant-party-window-bench"));
    if (!home)
        return 2;
    auto set = DataSet::open(*home);
    ScriptedUi ui; // stock offers declined, the VAG notices only recorded
    TClientDataModul customers(set->db(), ui);
    TArtikelModul articles(*set, ui);
    TVorFuerModul party(set->db(), set->options(), ui, customers, articles);

    std::unique_ptr<TVorFuerForm> window;
    timed(QStringLiteral("Vorführungsverwaltung öffnen"), [&] {
        window = std::make_unique<TVorFuerForm>(*set, party, customers, ui, TVorFuerForm::GuestWindow());
        window->show();
        return QStringLiteral("%1 Vorführungen").arg(window->partyModel()->rowCount());
    });
    for (int i = 1; i < window->sortBox()->count(); ++i)
        timed(QStringLiteral("Sortierung: ") + window->sortBox()->itemText(i), [&] {
            window->sortBox()->setCurrentIndex(i);
            return window->currentParty();
        });
    window->sortBox()->setCurrentIndex(0);
    const QString rNr = window->currentParty();
    const QString article =
        set->db()
            .scalar(
                QStringLiteral("SELECT L_NR FROM Lager WHERE VA = '10' AND IFNULL(BESTAND, 0) = 0 LIMIT 1"))
            .toString();

    std::unique_ptr<TNewGuestForm> guests;
    timed(QStringLiteral("Bestelleingabe öffnen (Gastgeberin)"), [&] {
        guests = std::make_unique<TNewGuestForm>(party, articles, customers, set->options(), ui, rNr,
                                                 TVorFuerModul::kHost);
        guests->show();
        return QStringLiteral("%1 Artikel in der Liste").arg(guests->articleGrid()->model()->rowCount());
    });
    timed(QStringLiteral("eine Position eingeben und speichern"), [&] {
        GuestEntrySession& session = guests->session();
        if (session.mode() == GuestEntrySession::Mode::Browse)
            session.newLine();
        session.setKind(QStringLiteral("10"));
        session.setArticleNumber(article);
        session.saveLine();
        return QStringLiteral("Betrag ") + GermanFormat::money(session.betrag());
    });
    timed(QStringLiteral("Bestelleingabe schließen (Summen, VAG)"), [&] {
        guests->close();
        party.closeGuestWindow(rNr, guests->session().pNr());
        return rNr;
    });
    return 0;
}
