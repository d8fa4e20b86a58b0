#pragma once

#include "parties/LineCatalogue.h"
#include "parties/OrderLine.h"

#include <optional>
#include <vector>

namespace korbelant {

class Database;
class Options;
class UiPort;

// The rules of the order lines of a participant, wherever a line is entered: a new line's
// defaults, pricing from the article and the transaction kind, the checks before a line is
// stored (with their messages and questions), the consultant's own stock, editing and deleting.
class GuestLineRules
{
public:
    enum class SaveResult
    {
        Saved,
        Dropped,
        Abandoned
    };

    static inline const QString kOwnStockKind = QStringLiteral("90");
    static inline const QString kNotCarriedKind = QStringLiteral("33");
    static inline const QString kDuplicate = QStringLiteral("Artikel doppelt vorhanden !");
    static inline const QString kTooManyFromStock =
        QStringLiteral("Mehr Artikel aus Lager entnommen als möglich, Stückzahl wird zurückgesetzt.");
    static inline const QString kStockLineOnlyDelete =
        QStringLiteral("Artikel die vom Lager abgebucht wurden können nur gelöscht werden.");

    GuestLineRules(Database& db, Options& options, UiPort& ui, LineCatalogue& catalogue);

    // A new line of the participant (Tu1TableNewRecord): one piece, the kind of the line entered
    // before it unless that was empty or "33", otherwise the default kind of the options.
    OrderLine newLine(const QString& rNr, const QString& pNr, const QString& mWoche, const QString& tWoche,
                      const QString& previousKind = {}) const;

    // Prices the line from its article and kind; false (nothing changed) when either is missing.
    bool PriceOrderLine(OrderLine& line) const;
    static void PriceOrderLine(OrderLine& line, const LineCatalogue::Article& article,
                               const LineCatalogue::Kind& kind);

    // Field changes as the line view reports them.
    void Tu1TableL_NRChange(OrderLine& line, const QString& lNr) const;
    void Tu1TableVAChange(OrderLine& line, const QString& va) const;
    void Tu1TableSTUECKChange(OrderLine& line, double pieces) const;

    // Runs the checks and stores the line. On Saved the line carries its ID; Dropped means an
    // empty line was thrown away; Abandoned leaves the stored data as it was.
    SaveResult saveLine(OrderLine& line);
    // Whether a stored line may go into edit state; an own-stock line may only be deleted.
    bool mayEdit(const OrderLine& line);
    // Deletes the line; pieces taken from own stock go back to the article's stock.
    void deleteLine(const OrderLine& line);

    // Text kinds need no article and carry no amounts.
    bool isTextKind(const QString& va) const { return m_catalogue.isTextKind(va); }

    std::vector<OrderLine> lines(const QString& rNr, const QString& pNr) const;
    std::optional<OrderLine> line(const QString& rNr, const QString& pNr, qint64 id) const;

    // Nearest integer, halves to the even integer.
    static int roundHalfEven(double value);

private:
    using Article = LineCatalogue::Article;

    // Prices the line from an article already read; false when the line's kind is unknown.
    bool priceFrom(OrderLine& line, const Article& article) const;
    // The line's article when the line's kind may be booked for it.
    std::optional<Article> articleForKind(const OrderLine& line) const;
    // After a change of kind or pieces: priced anew when the kind may be booked for the article.
    void reprice(OrderLine& line, const Article& article) const;
    SaveResult saveTextLine(OrderLine& line);
    // The line's article when the line may be stored with it; otherwise nullopt, its message shown.
    std::optional<Article> checkArticleAndKind(OrderLine& line);
    void applyOwnStock(OrderLine& line, Article& article);
    void offerStock(OrderLine& line, Article& article);
    bool store(OrderLine& line);
    void discardChanges(OrderLine& line) const;

    Database& m_db;
    Options& m_options;
    UiPort& m_ui;
    LineCatalogue& m_catalogue;
};

} // namespace korbelant
