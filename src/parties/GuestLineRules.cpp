#include "parties/GuestLineRules.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "core/RecordStore.h"

#include <cmath>

namespace korbelant {

namespace {

const TableDef& lineTable()
{
    return Schema::get(QStringLiteral("Tupper1"));
}

QString unknownTextArticleQuestion(const OrderLine& line)
{
    return QStringLiteral("Der Artikel ") + line.lNr + QStringLiteral(" mit der VA ") + line.va +
           QStringLiteral(" befindet sich nicht in der Artikeldatei, soll er zur späteren Verwendung gespeichert werden?");
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

OrderLine GuestLineRules::newLine(const QString& rNr, const QString& pNr, const QString& mWoche, const QString& tWoche,
                                  const QString& previousKind) const
{
    OrderLine line;
    line.rNr = rNr;
    line.pNr = pNr;
    line.mWoche = mWoche;
    line.tWoche = tWoche;
    line.stueck = 1;
    const QString previous = previousKind.trimmed();
    line.va = (previous.isEmpty() || previous == kNotCarriedKind) ? m_options.text(QStringLiteral("vorgabe_va")) : previous;
    return line;
}

void GuestLineRules::PriceOrderLine(OrderLine& line, const LineCatalogue::Article& article, const LineCatalogue::Kind& kind)
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
    const auto kind = m_catalogue.kind(line.va);
    if (!article || !kind)
        return false;
    PriceOrderLine(line, *article, *kind);
    return true;
}

void GuestLineRules::Tu1TableL_NRChange(OrderLine& line, const QString& lNr) const
{
    line.lNr = lNr.trimmed().toUpper();
    if (m_catalogue.article(line.lNr))
        PriceOrderLine(line);
}

void GuestLineRules::Tu1TableVAChange(OrderLine& line, const QString& va) const
{
    line.va = va.trimmed();
    if (m_catalogue.kindValidForArticle(line.va, line.lNr))
        PriceOrderLine(line);
}

void GuestLineRules::Tu1TableSTUECKChange(OrderLine& line, double pieces) const
{
    line.stueck = pieces;
    if (m_catalogue.kindValidForArticle(line.va, line.lNr))
        PriceOrderLine(line);
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
    if (!checkArticleAndKind(line))
        return SaveResult::Abandoned;

    Transaction tx(m_db);
    auto article = m_catalogue.article(line.lNr);
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

bool GuestLineRules::checkArticleAndKind(OrderLine& line)
{
    if (!m_catalogue.article(line.lNr)) {
        m_ui.information(QStringLiteral("Der Artikel ") + line.lNr +
                         QStringLiteral(" befindet sich nicht in der Artikeldatei !( Änderungen können nur mit einer neuen "
                                        "Artikel-Nr. durchgeführt werden )"));
        discardChanges(line);
        return false;
    }
    if (!m_catalogue.kindValidForArticle(line.va, line.lNr)) {
        m_ui.information(QStringLiteral("Die VA ") + line.va + QStringLiteral(" ist für den eingegebenen Artikel ungültig"));
        return false;
    }
    return true;
}

void GuestLineRules::applyOwnStock(OrderLine& line, LineCatalogue::Article& article)
{
    if (line.va != kOwnStockKind)
        return;
    if (line.vorab == QStringLiteral("L")) {
        const double more = line.stueck - line.naStuLi;
        if (more > 0) {
            if (article.bestand < more) {
                m_ui.information(kTooManyFromStock);
                Tu1TableSTUECKChange(line, line.naStuLi);
            } else {
                article.bestand -= static_cast<int>(more);
            }
        } else {
            article.bestand += static_cast<int>(-more);
        }
    }
    line.naStuLi = static_cast<int>(line.stueck);
}

void GuestLineRules::offerStock(OrderLine& line, LineCatalogue::Article& article)
{
    // Only whole positive quantities can come out of the stock.
    if (line.isOwnStock() || line.stueck <= 0 || article.bestand < line.stueck)
        return;
    const QString question = QStringLiteral("Der Artikel ") + line.lNr + QStringLiteral(" ist im Lager vorhanden, soll er von dort entnommen werden?");
    if (m_ui.question(question, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return;
    article.bestand -= static_cast<int>(line.stueck);
    Tu1TableVAChange(line, kOwnStockKind);
    line.vorab = QStringLiteral("L");
    line.naStuLi = static_cast<int>(line.stueck);
}

bool GuestLineRules::store(OrderLine& line)
{
    try {
        if (line.isNew())
            line.id = m_db.insertReturningAutoInc(lineTable(), line.toValues());
        else
            RecordStore::update(m_db, lineTable(), line.toValues(), {QStringLiteral("R_NR"), QStringLiteral("P_NR"), QStringLiteral("ID")});
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
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE R_NR = ? AND P_NR = ? AND ID = ?"), {line.rNr, line.pNr, line.id});
    tx.commit();
}

std::vector<OrderLine> GuestLineRules::lines(const QString& rNr, const QString& pNr) const
{
    std::vector<OrderLine> result;
    for (const QVariantMap& r : RecordStore::select(m_db, lineTable(), QStringLiteral("R_NR = ? AND P_NR = ?"), {rNr, pNr}, QStringLiteral("ID")))
        result.push_back(OrderLine::fromRecord(r));
    return result;
}

std::optional<OrderLine> GuestLineRules::line(const QString& rNr, const QString& pNr, qint64 id) const
{
    const auto r = RecordStore::selectOne(m_db, lineTable(), QStringLiteral("R_NR = ? AND P_NR = ? AND ID = ?"), {rNr, pNr, id});
    if (!r)
        return std::nullopt;
    return OrderLine::fromRecord(*r);
}

} // namespace korbelant
