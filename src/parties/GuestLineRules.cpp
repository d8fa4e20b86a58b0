#include "parties/GuestLineRules.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Options.h"
#include "core/RecordStore.h"
#include "core/Transaction.h"
#include "core/Tupper1Fields.h"
#include "core/UiPort.h"

#include <cmath>

namespace korbelant {

namespace {

QString unknownTextArticleQuestion(const OrderLine& line)
{
    return QStringLiteral("Der Artikel ") + line.lNr + QStringLiteral(" mit der VA ") + line.va +
           QStringLiteral(" befindet sich nicht in der Artikeldatei, soll er zur späteren Verwendung "
                          "gespeichert werden?");
}

} // namespace

GuestLineRules::GuestLineRules(Database& db, Options& options, UiPort& ui, LineCatalogue& catalogue)
    : m_db(db), m_options(options), m_ui(ui), m_catalogue(catalogue)
{
}

int GuestLineRules::roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

OrderLine GuestLineRules::newLine(const QString& rNr, const QString& pNr, const QString& mWoche,
                                  const QString& tWoche, const QString& previousKind) const
{
    OrderLine line;
    line.rNr = rNr;
    line.pNr = pNr;
    line.mWoche = mWoche;
    line.tWoche = tWoche;
    line.stueck = 1;
    const QString previous = previousKind.trimmed();
    line.va = (previous.isEmpty() || previous == kNotCarriedKind)
                  ? m_options.text(QStringLiteral("vorgabe_va"))
                  : previous;
    return line;
}

void GuestLineRules::PriceOrderLine(OrderLine& line, const LineCatalogue::Article& article,
                                    const LineCatalogue::Kind& kind)
{
    line.lText = article.lText;
    line.zNr = article.zNr;
    line.einzPreis = article.preis * kind.vkFaktor;
    if (kind.muster == QStringLiteral("J") && article.muster > 0)
        line.einzKost = article.muster;
    else if (kind.vaArt == QStringLiteral("AP"))
        line.einzKost = article.preis - article.va38;
    else if (kind.vaArt == QStringLiteral("BP"))
        line.einzKost = article.berPreis;
    else
        line.einzKost = article.preis * kind.ekFaktor;
    line.summe = line.stueck * line.einzPreis;
    line.kosten = line.stueck * line.einzKost;
    line.sterne = roundHalfEven(article.sterne * (line.stueck * kind.sterneFakt));
    line.sterneDm = article.preis * (line.stueck * kind.sterneDmFa);
    line.umSterne = line.summe * kind.umsSternFa;
}

bool GuestLineRules::PriceOrderLine(OrderLine& line) const
{
    const auto article = m_catalogue.article(line.lNr);
    return article && priceFrom(line, *article);
}

bool GuestLineRules::priceFrom(OrderLine& line, const Article& article) const
{
    const auto kind = m_catalogue.kind(line.va);
    if (!kind)
        return false;
    PriceOrderLine(line, article, *kind);
    return true;
}

std::optional<GuestLineRules::Article> GuestLineRules::articleForKind(const OrderLine& line) const
{
    if (!m_catalogue.kind(line.va))
        return std::nullopt;
    auto article = m_catalogue.article(line.lNr);
    if (!article || !m_catalogue.kindValidFor(line.va, *article))
        return std::nullopt;
    return article;
}

void GuestLineRules::reprice(OrderLine& line, const Article& article) const
{
    if (m_catalogue.kindValidFor(line.va, article))
        priceFrom(line, article);
}

void GuestLineRules::Tu1TableL_NRChange(OrderLine& line, const QString& lNr) const
{
    line.lNr = lNr.trimmed().toUpper();
    if (const auto article = m_catalogue.article(line.lNr))
        priceFrom(line, *article);
}

void GuestLineRules::Tu1TableVAChange(OrderLine& line, const QString& va) const
{
    line.va = va.trimmed();
    if (const auto article = articleForKind(line))
        priceFrom(line, *article);
}

void GuestLineRules::Tu1TableSTUECKChange(OrderLine& line, double pieces) const
{
    line.stueck = pieces;
    if (const auto article = articleForKind(line))
        priceFrom(line, *article);
}

GuestLineRules::SaveResult GuestLineRules::saveLine(OrderLine& line)
{
    const bool textLine = m_catalogue.isTextKind(line.va);
    if (line.lNr.trimmed().isEmpty() && !textLine) {
        if (!line.isNew())
            deleteLine(line);
        return SaveResult::Dropped;
    }
    if (textLine)
        return saveTextLine(line);
    // The article is read once; the stock rules below change its stock in hand.
    auto article = checkArticleAndKind(line);
    if (!article)
        return SaveResult::Abandoned;

    Transaction tx(m_db);
    const int stockBefore = article->bestand;
    applyOwnStock(line, *article);
    offerStock(line, *article);
    if (article->bestand != stockBefore)
        m_catalogue.storeStock(article->lNr, article->bestand);
    if (!store(line))
        return SaveResult::Abandoned;
    tx.commit();
    return SaveResult::Saved;
}

GuestLineRules::SaveResult GuestLineRules::saveTextLine(OrderLine& line)
{
    line.clearAmounts();
    Transaction tx(m_db);
    if (!line.lNr.trimmed().isEmpty() && !m_catalogue.article(line.lNr)) {
        switch (m_ui.question(unknownTextArticleQuestion(line), UiPort::Buttons::YesNoCancel)) {
        case UiPort::Answer::Yes:
            m_catalogue.keepTextArticle(line.lNr, line.va, line.lText);
            break;
        case UiPort::Answer::No:
            break;
        default:
            return SaveResult::Abandoned;
        }
    }
    if (!store(line))
        return SaveResult::Abandoned;
    tx.commit();
    return SaveResult::Saved;
}

std::optional<GuestLineRules::Article> GuestLineRules::checkArticleAndKind(OrderLine& line)
{
    auto article = m_catalogue.article(line.lNr);
    if (!article) {
        m_ui.information(
            QStringLiteral("Der Artikel ") + line.lNr +
            QStringLiteral(
                " befindet sich nicht in der Artikeldatei !( Änderungen können nur mit einer neuen "
                "Artikel-Nr. durchgeführt werden )"));
        discardChanges(line);
        return std::nullopt;
    }
    if (!m_catalogue.kindValidFor(line.va, *article)) {
        m_ui.information(QStringLiteral("Die VA ") + line.va +
                         QStringLiteral(" ist für den eingegebenen Artikel ungültig"));
        return std::nullopt;
    }
    return article;
}

void GuestLineRules::applyOwnStock(OrderLine& line, Article& article)
{
    if (line.va != kOwnStockKind)
        return;
    if (line.vorab == QStringLiteral("L")) {
        const double more = line.stueck - line.naStuLi;
        if (more > 0) {
            if (article.bestand < more) {
                m_ui.information(kTooManyFromStock);
                line.stueck = line.naStuLi;
                reprice(line, article);
            } else {
                article.bestand -= static_cast<int>(more);
            }
        } else {
            article.bestand += static_cast<int>(-more);
        }
    }
    line.naStuLi = static_cast<int>(line.stueck);
}

void GuestLineRules::offerStock(OrderLine& line, Article& article)
{
    // Only whole positive quantities can come out of the stock.
    if (line.isOwnStock() || line.stueck <= 0 || article.bestand < line.stueck)
        return;
    const QString question = QStringLiteral("Der Artikel ") + line.lNr +
                             QStringLiteral(" ist im Lager vorhanden, soll er von dort entnommen werden?");
    if (m_ui.question(question, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return;
    article.bestand -= static_cast<int>(line.stueck);
    line.va = kOwnStockKind;
    reprice(line, article);
    line.vorab = QStringLiteral("L");
    line.naStuLi = static_cast<int>(line.stueck);
}

bool GuestLineRules::store(OrderLine& line)
{
    try {
        if (line.isNew())
            line.id = m_db.insertReturningAutoInc(Tupper1Fields::table(), line.toValues());
        else
            RecordStore::update(m_db, Tupper1Fields::table(), line.toValues(),
                                {Tupper1Fields::R_NR, Tupper1Fields::P_NR, Tupper1Fields::ID});
    } catch (const DatabaseError& e) {
        if (!e.isConstraint())
            throw;
        m_ui.error(kDuplicate);
        return false;
    }
    return true;
}

void GuestLineRules::discardChanges(OrderLine& line) const
{
    if (line.isNew())
        return;
    if (const auto stored = this->line(line.rNr, line.pNr, line.id))
        line = *stored;
}

bool GuestLineRules::mayEdit(const OrderLine& line)
{
    if (line.isOwnStock()) {
        m_ui.information(kStockLineOnlyDelete);
        return false;
    }
    return true;
}

void GuestLineRules::deleteLine(const OrderLine& line)
{
    if (line.isNew())
        return;
    // The stored line decides what goes back into stock, not unsaved edits.
    const auto stored = this->line(line.rNr, line.pNr, line.id);
    if (!stored)
        return;
    Transaction tx(m_db);
    if (stored->isOwnStock()) {
        if (const auto article = m_catalogue.article(stored->lNr))
            m_catalogue.storeStock(article->lNr, article->bestand + static_cast<int>(stored->stueck));
    }
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE R_NR = ? AND P_NR = ? AND ID = ?"),
             {line.rNr, line.pNr, line.id});
    tx.commit();
}

std::vector<OrderLine> GuestLineRules::lines(const QString& rNr, const QString& pNr) const
{
    std::vector<OrderLine> result;
    for (const QVariantMap& r :
         RecordStore::select(m_db, Tupper1Fields::table(), QStringLiteral("R_NR = ? AND P_NR = ?"),
                             {rNr, pNr}, QStringLiteral("ID")))
        result.push_back(OrderLine::fromRecord(r));
    return result;
}

std::optional<OrderLine> GuestLineRules::line(const QString& rNr, const QString& pNr, qint64 id) const
{
    const auto r = RecordStore::selectOne(m_db, Tupper1Fields::table(),
                                          QStringLiteral("R_NR = ? AND P_NR = ? AND ID = ?"), {rNr, pNr, id});
    if (!r)
        return std::nullopt;
    return OrderLine::fromRecord(*r);
}

} // namespace korbelant
