#include "cli/BenchDataGenerator.h"

#include "articles/TArtikelModul.h"
#include "cli/BenchNames.h"
#include "core/Database.h"
#include "core/Options.h"
#include "core/ScriptedUi.h"
#include "core/Transaction.h"
#include "core/WeekKey.h"
#include "customers/TClientDataModul.h"
#include "parties/GuestLineRules.h"
#include "parties/LineCatalogue.h"
#include "parties/TVorFuerModul.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace korbelant {

const BenchDataGenerator::Size BenchDataGenerator::kSmall{2500, 800, 2000, 7, 5};
const BenchDataGenerator::Size BenchDataGenerator::kLarge{20000, 10000, 20000, 9, 5};

namespace {

const int kDays = 20 * 365;

// Article kinds of the catalogue with their share in percent.
const std::vector<std::pair<QString, int>> kArticleKinds{
    {QStringLiteral("10"), 55}, {QStringLiteral("20"), 12}, {QStringLiteral("30"), 12},
    {QStringLiteral("32"), 8},  {QStringLiteral("38"), 8},  {QStringLiteral("15"), 5}};
// Kinds of guests' lines with their share, and the article kind each is booked from.
const std::vector<std::pair<QString, int>> kGuestKinds{
    {QStringLiteral("10"), 62}, {QStringLiteral("20"), 10}, {QStringLiteral("30"), 8},
    {QStringLiteral("32"), 6},  {QStringLiteral("38"), 4},  {QStringLiteral("47"), 3},
    {QStringLiteral("48"), 2},  {QStringLiteral("95"), 2},  {QStringLiteral("10"), 3}};
const QStringList kNotes{QStringLiteral("Bitte vor Lieferung anrufen"),
                         QStringLiteral("Geschenk - bitte einpacken"),
                         QStringLiteral("Liefert die Gastgeberin aus"), QStringLiteral("Farbe egal")};

QString articleKindFor(const QString& lineKind)
{
    static const QStringList fromCatalogue{QStringLiteral("47"), QStringLiteral("48"), QStringLiteral("33"),
                                           QStringLiteral("34")};
    return fromCatalogue.contains(lineKind) ? QStringLiteral("10") : lineKind;
}

QString iso(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

double cents(double amount)
{
    return std::round(amount * 100.0) / 100.0;
}

} // namespace

BenchDataGenerator::BenchDataGenerator(Database& db, Options& options, std::uint64_t seed,
                                       const QDate& lastDay)
    : m_db(db), m_options(options), m_random(seed), m_lastDay(lastDay)
{
}

void BenchDataGenerator::generate(const Size& size)
{
    // A large page cache keeps the one big transaction from spilling pages to disk early, and
    // the load into an empty data set does not wait for the disk after every page.
    const QVariant cacheSize = m_db.scalar(QStringLiteral("PRAGMA cache_size"));
    const QVariant synchronous = m_db.scalar(QStringLiteral("PRAGMA synchronous"));
    m_db.execScript(QStringLiteral("PRAGMA cache_size = -262144; PRAGMA synchronous = OFF"));
    fill(size);
    m_db.execScript(
        QStringLiteral("PRAGMA cache_size = %1; PRAGMA synchronous = %2; PRAGMA wal_checkpoint(TRUNCATE)")
            .arg(cacheSize.toLongLong())
            .arg(synchronous.toLongLong()));
}

void BenchDataGenerator::fill(const Size& size)
{
    Transaction tx(m_db);
    customers(size.customers);
    articles(size.articles);
    parties(size);
    m_db.run(QStringLiteral("INSERT INTO MWoche (MWoche) SELECT DISTINCT MWoche FROM Tuppkopf WHERE MWoche "
                            "NOT IN (SELECT MWoche FROM MWoche)"));
    ScriptedUi silent;
    TClientDataModul customers(m_db, silent);
    TArtikelModul articles(m_db, m_options, silent);
    TVorFuerModul(m_db, m_options, silent, customers, articles).RecalcAllPartyTotals();
    // What the participations have left in the customer records.
    m_db.run(
        QStringLiteral("WITH s(k, e, l) AS (SELECT K_NR, MIN(DATUM), MAX(DATUM) FROM Tupper GROUP BY K_NR) "
                       "UPDATE Kunden SET E_DATUM = s.e, L_DATUM = s.l FROM s WHERE Kunden.K_NR = s.k"));
    m_db.run(QStringLiteral("UPDATE Kunden SET GASTGEBER = 'J' WHERE K_NR IN (SELECT K_NR FROM Tuppkopf) AND "
                            "IFNULL(GASTGEBER, '') <> 'C'"));
    tx.commit();
}

void BenchDataGenerator::customers(int count)
{
    const QStringList& first = BenchNames::firstNames();
    const QStringList& last = BenchNames::surnames();
    const QStringList& streets = BenchNames::streets();
    const QStringList& places = BenchNames::places();
    Statement st =
        m_db.prepare(QStringLiteral("INSERT INTO Kunden (K_NR, ANREDE, VORNAME, NAME, STRASSE, PLZ, ORT, "
                                    "TELEFON, KM_ENTF, GASTGEBER, \"E-MAIL\", FAM_STAND) "
                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < count; ++i) {
        const int f = pick(first.size());
        const int placeIndex = pick(places.size());
        const QString place = places.at(placeIndex);
        const QString surname = last.at(pick(last.size()));
        const bool male = f >= first.size() - 8;
        st.reset();
        st.bindAll(
            {QString::number(100002 + i), male ? QStringLiteral("Herr") : QStringLiteral("Frau"), first.at(f),
             surname, streets.at(pick(streets.size())) + QLatin1Char(' ') + QString::number(1 + pick(80)),
             place.left(5), place.mid(6),
             QStringLiteral("06%1 %2").arg(400 + pick(80)).arg(10000 + pick(89999)), (placeIndex * 7) % 46,
             chance(3) ? QStringLiteral("C") : QStringLiteral("N"),
             chance(30) ? QStringLiteral("%1.%2@example.de").arg(first.at(f).toLower(), surname.toLower())
                        : QString(),
             QStringLiteral("UVLGW").mid(pick(5), 1)});
        st.run();
    }
    m_customerCount = count;
}

void BenchDataGenerator::articles(int count)
{
    const QStringList& products = BenchNames::products();
    const QStringList& sizes = BenchNames::sizes();
    const QStringList& colours = BenchNames::colours();
    Statement st = m_db.prepare(QStringLiteral(
        "INSERT INTO Lager (L_NR, Z_NR, STERNE, VA, L_TEXT, PREIS, VA38, MUSTER, AKTIV, NEU, ENTFERNT, "
        "PROV_SATZ, BER_PREIS, "
        "MU_SPERR, VK_SPERRE, BESTAND) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', 'N', ?)"));
    for (int i = 0; i < count; ++i) {
        QString kind = kArticleKinds.front().first;
        for (int r = pick(100); const auto& [k, share] : kArticleKinds) {
            if (r < share) {
                kind = k;
                break;
            }
            r -= share;
        }
        const QString number = kind == QStringLiteral("38")
                                   ? QStringLiteral("9%138").arg(i, 5, 10, QLatin1Char('0'))
                                   : kind + QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
        const QString text =
            (products.at(pick(products.size())) + QLatin1Char(' ') + sizes.at(pick(sizes.size())) +
             QLatin1Char(' ') + colours.at(pick(colours.size())))
                .left(40);
        const double price = (250 + pick(8740)) / 100.0;
        const bool removed = chance(5);
        st.reset();
        st.bindAll({number, QString::number(10000000 + i * 7), pick(13), kind, text, price,
                    kind == QStringLiteral("38") ? cents(price * 0.15) : 0.0, cents(price * 0.6), !removed,
                    chance(8), removed, 25.0, cents(price * 0.7), chance(4) ? 1 + pick(4) : 0});
        st.run();
    }
}

void BenchDataGenerator::parties(const Size& size)
{
    ScriptedUi silent;
    TArtikelModul articleModule(m_db, m_options, silent);
    LineCatalogue catalogue(articleModule);
    std::map<QString, LineCatalogue::Kind> kinds;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT VA FROM VA")))
        kinds.emplace(row[0].toString(), *catalogue.kind(row[0].toString()));
    std::map<QString, std::vector<LineCatalogue::Article>> byKind;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT L_NR FROM Lager ORDER BY L_NR")))
        if (auto a = catalogue.article(row[0].toString()))
            byKind[a->va].push_back(*a);

    Statement header =
        m_db.prepare(QStringLiteral("INSERT INTO Tuppkopf (R_NR, DATUM, ZEIT, MWoche, TWoche, ERSTELLT, "
                                    "K_NR, REKRUTIER, GAESTE, KM_EINFACH, VORBEREIT1, "
                                    "AUSLIEFER1, VKG_UMSATZ, WB_UMSATZ, BZH_VF_NR, BZH_VF_ART) "
                                    "VALUES (?, ?, '19:30:00', ?, ?, ?, ?, ?, ?, (SELECT IFNULL(KM_ENTF, 0) "
                                    "FROM Kunden WHERE K_NR = ?), ?, ?, 0, 0, ?, ?)"));
    Statement participant = m_db.prepare(
        QStringLiteral("INSERT INTO Tupper (R_NR, P_NR, DATUM, MWoche, TWoche, K_NR, V_GTYP, Verabredung, "
                       "Verabred_DATUM, Verabred_ZEIT, "
                       "BENENNUNG, BENE_DATUM, BENE_ZEIT) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    Statement line =
        m_db.prepare(QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, ID, L_NR, VA, VORAB, Z_NR, MWoche, "
                                    "TWoche, L_TEXT, STUECK, EINZ_KOST, EINZ_PREIS, "
                                    "KOSTEN, SUMME, STERNE, STERNE_DM, UM_STERNE) VALUES (?, ?, ?, ?, ?, ?, "
                                    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));

    qint64 id = m_db.scalar(QStringLiteral("SELECT IFNULL(MAX(ID), 0) FROM Tupper1")).toLongLong();
    QHash<QDate, int> suffixes;
    QHash<QString, QString> partWeeks;
    const QDate transferredUntil = m_lastDay.addDays(-14);
    // Evenly spread with a day's jitter, so that the last party falls on the last day.
    const qint64 spread = size.parties > 0 ? static_cast<qint64>(size.parties - 1) * kDays / size.parties : 0;
    const QDate firstDay = m_lastDay.addDays(-spread);
    auto customer = [&] { return QString::number(100002 + pick(m_customerCount)); };
    auto article = [&](const QString& kind) -> const LineCatalogue::Article* {
        const auto it = byKind.find(articleKindFor(kind));
        return it == byKind.end() || it->second.empty()
                   ? nullptr
                   : &it->second[pick(static_cast<int>(it->second.size()))];
    };
    auto addLine = [&](const QString& rNr, const QString& pNr, const QString& week, const QString& mark,
                       QString kind) {
        OrderLine l;
        l.rNr = rNr;
        l.pNr = pNr;
        l.va = kind;
        l.stueck = chance(80) ? 1 : 2 + pick(2);
        l.vorab = chance(3) ? QStringLiteral("V") : QString();
        if (kinds.at(kind).isText()) {
            l.lText = kNotes.at(pick(kNotes.size()));
        } else if (const LineCatalogue::Article* a = article(kind)) {
            l.lNr = a->lNr;
            GuestLineRules::PriceOrderLine(l, *a, kinds.at(kind));
        } else {
            return;
        }
        line.reset();
        line.bindAll({rNr, pNr, ++id, l.lNr, l.va, l.vorab, l.zNr, week, mark, l.lText, l.stueck, l.einzKost,
                      l.einzPreis, l.kosten, l.summe, l.sterne, l.sterneDm, l.umSterne});
        line.run();
    };

    for (int p = 0; p < size.parties; ++p) {
        const QDate date =
            std::min(firstDay.addDays(static_cast<qint64>(p) * kDays / size.parties + pick(2)), m_lastDay);
        const int dayIndex = suffixes.value(date, 0);
        if (dayIndex >= 26)
            continue;
        suffixes.insert(date, dayIndex + 1);
        const QString suffix(QChar(u'A' + dayIndex));
        const QString rNr = TVorFuerModul::partyNumber(date, suffix);
        const QString week = WeekKey::weekKey(date);
        const QString mark = WeekKey::nextPartWeekMark(partWeeks.value(week));
        partWeeks.insert(week, mark);
        const QString host = customer();
        header.reset();
        header.bindAll({rNr, iso(date), week, mark, date < transferredUntil ? 1 : 0, host, chance(5) ? 1 : 0,
                        size.guestsPerParty + 1, host, chance(50) ? iso(date.addDays(-7)) : QString(),
                        iso(date.addDays(10)), TVorFuerModul::BZH_VF_NR(date, suffix), chance(5) ? 1 : 0});
        header.run();
        for (int g = 0; g <= size.guestsPerParty; ++g) {
            const QString pNr = QStringLiteral("%1").arg(g + 1, 2, 10, QLatin1Char('0'));
            const bool appointment = chance(8);
            const bool nominated = chance(3);
            participant.reset();
            participant.bindAll({rNr, pNr, iso(date), week, mark, g == 0 ? host : customer(),
                                 g == 0 ? QStringLiteral("1") : QStringLiteral("0"), appointment ? 1 : 0,
                                 appointment ? iso(date.addDays(7 + pick(60))) : QString(),
                                 appointment ? QStringLiteral("19:30:00") : QString(), nominated ? 1 : 0,
                                 nominated ? iso(date.addDays(pick(14))) : QString(),
                                 nominated ? QStringLiteral("10:00:00") : QString()});
            participant.run();
            for (int n = 0; n < size.linesPerParticipant; ++n) {
                QString kind;
                if (g == 0 && n == 0)
                    kind = chance(90) ? QStringLiteral("33") : QStringLiteral("15");
                else if (g == 0 && n == 1)
                    kind = QStringLiteral("34");
                else
                    for (int r = pick(100); const auto& [k, share] : kGuestKinds) {
                        if (r < share) {
                            kind = k;
                            break;
                        }
                        r -= share;
                    }
                addLine(rNr, pNr, week, mark, kind);
            }
        }
    }
}

} // namespace korbelant
