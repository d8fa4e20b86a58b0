// Timings of the party work on the "large" synthetic data set (20,000 customers, 10,000
// articles, 20,000 parties, 200,000 participants, 1,000,000 order lines):
//   korbelant-party-bench [DIR]   (DIR without a data set gets a new large one; a temporary
//                                 directory when none is given)
// Each interactive operation runs on parties spread over the whole data set and is reported as
// the mean and the slowest single run, beside the same SQL run directly on SQLite.
#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "core/TupperFields.h"
#include "core/TuppkopfFields.h"
#include "customers/TClientDataModul.h"
#include "parties/TVorFuerModul.h"
#include "support/BenchTiming.h"
#include "support/LargeBenchSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <functional>
#include <vector>

using namespace korbelant;

namespace {

QTextStream out(stdout);

void once(const char* what, const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    out << QString::fromUtf8(what).leftJustified(52) << timer.elapsed() << " ms" << Qt::endl;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    auto set = LargeBenchSet::open(argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path(), out);
    Database& db = set->db();
    out << "Positionen: " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper1")).toLongLong()
        << ", Vorführungen: " << db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toLongLong()
        << Qt::endl;

    ScriptedUi ui; // every stock offer is declined, every deletion confirmed below
    TClientDataModul customers(db, ui);
    TArtikelModul articles(*set, ui);
    TVorFuerModul party(db, set->options(), ui, customers, articles);
    std::vector<QString> parties;
    for (const QVariantList& row : db.rows(QStringLiteral("SELECT R_NR FROM Tuppkopf ORDER BY DATUM")))
        parties.push_back(row[0].toString());
    const int runs = 200;
    auto partyAt = [&](int i) { return parties[(static_cast<size_t>(i) * 7919u) % parties.size()]; };
    const QString article =
        db.scalar(QStringLiteral("SELECT L_NR FROM Lager WHERE VA = '10' AND IFNULL(BESTAND, 0) = 0 LIMIT 1"))
            .toString();

    std::vector<OrderLine> saved;
    BenchTiming::repeated(out, QStringLiteral("save an order line (all line rules)"), runs, [&](int i) {
        const QString rNr = partyAt(i);
        const auto guest = party.participant(rNr, QStringLiteral("02"));
        GuestLineRules& rules = party.lineRules();
        OrderLine line =
            rules.newLine(rNr, QStringLiteral("02"), guest->value(TupperFields::MWoche).toString(),
                          guest->value(TupperFields::TWoche).toString());
        rules.Tu1TableL_NRChange(line, article);
        rules.Tu1TableSTUECKChange(line, 2);
        rules.saveLine(line);
        saved.push_back(line);
    });
    BenchTiming::repeated(out, QStringLiteral("  same insert as plain SQL"), runs, [&](int i) {
        db.run(
            QStringLiteral(
                "INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, STUECK, SUMME) VALUES (?, '03', ?, '10', 2, 10)"),
            {partyAt(i), article});
    });
    BenchTiming::repeated(out, QStringLiteral("RecalcPartyTotals"), runs, [&](int i) {
        auto h = party.header(partyAt(i));
        party.RecalcPartyTotals(*h);
    });
    BenchTiming::repeated(out, QStringLiteral("  its sums as plain SQL"), runs, [&](int i) {
        db.rows(QStringLiteral("SELECT COUNT(*), TOTAL(t.SUMME), TOTAL(t.SUMME * v.UMSATZ_VKG), "
                               "TOTAL(t.UM_STERNE) FROM Tupper1 t "
                               "JOIN VA v ON v.VA = t.VA WHERE t.R_NR = ?"),
                {partyAt(i)});
    });
    BenchTiming::repeated(out, QStringLiteral("save a header (totals, week record, host)"), runs, [&](int i) {
        auto h = party.header(partyAt(i));
        party.saveHeader(*h);
    });
    BenchTiming::repeated(out, QStringLiteral("close the guest window (turnover, header, VAG)"), runs,
                          [&](int i) { party.closeGuestWindow(partyAt(i), QStringLiteral("02")); });
    BenchTiming::repeated(out, QStringLiteral("calculated header values (Name … MSterne)"), runs,
                          [&](int i) { party.TKopfTableCalcFields(*party.header(partyAt(i))); });
    BenchTiming::repeated(out, QStringLiteral("NextTWoche"), runs, [&](int i) {
        party.NextTWoche(party.header(partyAt(i))->value(TuppkopfFields::MWoche).toString());
    });
    BenchTiming::repeated(out, QStringLiteral("delete an order line (stock rules)"),
                          static_cast<int>(saved.size()),
                          [&](int i) { party.lineRules().deleteLine(saved[i]); });
    once("RecalcAllPartyTotals (whole data set)", [&] { party.RecalcAllPartyTotals(); });
    return 0;
}
