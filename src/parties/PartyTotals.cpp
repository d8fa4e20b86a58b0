#include "parties/PartyTotals.h"

#include "core/Database.h"
#include "core/TuppkopfFields.h"
#include "parties/GuestLineRules.h"

#include <QStringList>
#include <utility>

namespace korbelant {

namespace {

const QStringList kAmountTerms{QStringLiteral("t.SUMME"), QStringLiteral("t.KOSTEN"),
                               QStringLiteral("t.SUMME - t.KOSTEN")};
// Unknown kinds leave these empty by themselves.
const QStringList kWeightedTerms{QStringLiteral("t.SUMME * v.UMSATZ_VKG"),
                                 QStringLiteral("t.SUMME * v.UMSATZ_WB")};
const QStringList kStarTerms{QStringLiteral("t.STERNE"), QStringLiteral("t.STERNE_DM"),
                             QStringLiteral("t.UM_STERNE")};
const QString kKnownKind = QStringLiteral("v.VA IS NOT NULL");
const QString kNotAdvance = QStringLiteral("(t.VORAB IS NULL OR t.VORAB <> 'V')");
// Pieces per kind without the kind table, so unknown kinds count here too; the first column
// tells a line with an empty kind, which sets both counts to 0.
const QString kKindPieces = QStringLiteral(
    "MAX(t.VA IS NULL OR TRIM(t.VA) = ''), CAST(TOTAL(CASE WHEN t.VA = '32' THEN t.STUECK END) AS INTEGER), "
    "CAST(TOTAL(CASE WHEN t.VA = '38' THEN t.STUECK END) AS INTEGER)");
const QString kNominated = QStringLiteral("BENENNUNG = 1");
const QString kAppointed = QStringLiteral("Verabredung = 1 AND Verabred_DATUM <= '2150-01-01'");

// "TOTAL(a), TOTAL(b), …", each over the lines that pass the condition when there is one.
QString totals(const QStringList& terms, const QString& condition = {})
{
    QStringList sums;
    for (const QString& term : terms) {
        sums << (condition.isEmpty()
                     ? QStringLiteral("TOTAL(%1)").arg(term)
                     : QStringLiteral("TOTAL(CASE WHEN %1 THEN %2 END)").arg(condition, term));
    }
    return sums.join(QStringLiteral(", "));
}

// The line count and the sums over the lines joined with their kinds.
QString lineSums()
{
    return QStringLiteral("COUNT(*), ") + totals(kAmountTerms + kWeightedTerms + kStarTerms);
}

// One party in one pass over her lines, each joined with its kind where the kind table has it
// (a code is there once at most): the sums over the lines of known kinds, the stars (without
// advance lines unless those count) and the pieces over every line; then the counts over the
// participants.
QString partySql(bool advanceLinesCount)
{
    const QString starLines =
        advanceLinesCount ? kKnownKind : kKnownKind + QStringLiteral(" AND ") + kNotAdvance;
    const QString participants = QStringLiteral("(SELECT COUNT(*) FROM Tupper WHERE R_NR = ?1 AND %1)");
    return QStringLiteral("SELECT COUNT(v.VA), %1, %2, %3, COUNT(*), %4, %5, %6 "
                          "FROM Tupper1 t LEFT JOIN VA v ON v.VA = t.VA WHERE t.R_NR = ?1")
        .arg(totals(kAmountTerms, kKnownKind), totals(kWeightedTerms), totals(kStarTerms, starLines),
             kKindPieces, participants.arg(kNominated), participants.arg(kAppointed));
}

} // namespace

PartyTotals PartyTotals::read(Database& db, const QString& rNr, bool advanceLinesCount)
{
    static const QString sql[] = {partySql(false), partySql(true)};
    CachedStatement st = db.cached(sql[advanceLinesCount ? 1 : 0]);
    st->bind(1, rNr);
    st->next();
    int column = 0;
    const auto next = [&] { return st->value(column++); };
    PartyTotals t;
    t.pricedLines = next().toLongLong();
    for (double* sum : {&t.umsatz, &t.ausgabe, &t.provision, &t.vkgUmsatz, &t.wbUmsatz, &t.sterne,
                        &t.sterneDm, &t.umSterne})
        *sum = next().toDouble();
    t.lines = next().toLongLong();
    t.emptyKind = next().toInt() != 0;
    t.angebote = next().toInt();
    t.verkServicePr = next().toInt();
    t.nominated = next().toInt();
    t.appointed = next().toInt();
    return t;
}

void PartyTotals::applyTo(QVariantMap& h, bool advanceLinesCount) const
{
    using H = TuppkopfFields;
    if (pricedLines > 0) {
        h[H::S_UMSATZ] = umsatz;
        h[H::S_AUSGABE] = ausgabe;
        h[H::S_PROV] = provision;
        h[H::VKG_UMSATZ] = vkgUmsatz;
        h[H::WB_UMSATZ] = wbUmsatz;
    }
    if (pricedLines > 0 || !advanceLinesCount) {
        h[H::STERNE] = GuestLineRules::roundHalfEven(sterne);
        h[H::STERNE_DM] = sterneDm;
        h[H::UM_STERNE] = umSterne;
    }
    if (lines > 0) {
        h[H::S_ANGEBOTE] = emptyKind ? 0 : angebote;
        h[H::S_VerkServicePr] = emptyKind ? 0 : verkServicePr;
    }
    if (nominated > 0)
        h[H::BENENN_TUP] = nominated;
    if (appointed > 0)
        h[H::VERABRED] = appointed;
}

void PartyTotals::recalcAll(Database& db, bool advanceLinesCount)
{
    db.run(QStringLiteral(
        "WITH s(r, p, su) AS (SELECT R_NR, P_NR, TOTAL(SUMME) FROM Tupper1 GROUP BY R_NR, P_NR) "
        "UPDATE Tupper SET UMSATZ = s.su FROM s WHERE Tupper.R_NR = s.r AND Tupper.P_NR = s.p"));
    db.run(QStringLiteral(
               "WITH s(r, n, c1, c2, c3, c4, c5, c6, c7, c8) AS "
               "(SELECT t.R_NR, %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA GROUP BY t.R_NR) "
               "UPDATE Tuppkopf SET S_UMSATZ = s.c1, S_AUSGABE = s.c2, S_PROV = s.c3, VKG_UMSATZ = s.c4, "
               "WB_UMSATZ = s.c5, STERNE = CAST(ROUND(s.c6) AS INTEGER), STERNE_DM = s.c7, "
               "UM_STERNE = s.c8 FROM s WHERE Tuppkopf.R_NR = s.r")
               .arg(lineSums()));
    if (!advanceLinesCount) {
        db.run(QStringLiteral("UPDATE Tuppkopf SET STERNE = 0, STERNE_DM = 0, UM_STERNE = 0"));
        db.run(QStringLiteral(
                   "WITH s(r, c1, c2, c3) AS "
                   "(SELECT t.R_NR, %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA WHERE %2 GROUP BY t.R_NR) "
                   "UPDATE Tuppkopf SET STERNE = CAST(ROUND(s.c1) AS INTEGER), STERNE_DM = s.c2, "
                   "UM_STERNE = s.c3 FROM s WHERE Tuppkopf.R_NR = s.r")
                   .arg(totals(kStarTerms), kNotAdvance));
    }
    db.run(
        QStringLiteral("WITH s(r, e, a, p) AS (SELECT t.R_NR, %1 FROM Tupper1 t GROUP BY t.R_NR) "
                       "UPDATE Tuppkopf SET S_ANGEBOTE = CASE WHEN s.e THEN 0 ELSE s.a END, "
                       "S_VerkServicePr = CASE WHEN s.e THEN 0 ELSE s.p END FROM s WHERE Tuppkopf.R_NR = s.r")
            .arg(kKindPieces));
    for (const auto& [field, condition] : {std::pair{TuppkopfFields::BENENN_TUP, kNominated},
                                           std::pair{TuppkopfFields::VERABRED, kAppointed}}) {
        db.run(QStringLiteral("WITH s(r, n) AS (SELECT R_NR, COUNT(*) FROM Tupper WHERE %2 GROUP BY R_NR) "
                              "UPDATE Tuppkopf SET %1 = s.n FROM s WHERE Tuppkopf.R_NR = s.r")
                   .arg(field, condition));
    }
}

} // namespace korbelant
