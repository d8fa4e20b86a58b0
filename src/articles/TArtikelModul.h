#pragma once

#include "articles/ArticleFieldRules.h"
#include "articles/ArticleQuery.h"
#include "articles/ArticleRecord.h"
#include "articles/ArticleSalesQuery.h"
#include "articles/ArticleTextSearch.h"
#include "articles/KindTable.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace korbelant {

class DataSet;
class Database;
class Options;
class UiPort;

// The article module: the catalogue view of the article window, the chooser and the lists
// (status switches, kind or spare-part filter, order, current record), the lookups other
// parts of the program use, and the rules for storing and deleting articles.
class TArtikelModul
{
public:
    enum class SaveResult
    {
        Saved,
        Refused,
        Duplicate
    };

    TArtikelModul(Database& db, const Options& options, UiPort& ui, std::optional<bool> euro = std::nullopt);
    // On an opened data set, whose recorded currency decides the second-currency column.
    TArtikelModul(DataSet& set, UiPort& ui);

    // --- the catalogue view (ArtikelWorkTable) ---
    const ArticleStatusSwitches& switches() const { return m_query.switches; }
    void setSwitches(const ArticleStatusSwitches& switches);
    void setPartyMode(bool on);
    bool filtering() const { return m_query.filtering; }
    void setFiltering(bool on);
    // "Alle" or an entry of KindDisplayList; a spare-part filter ends.
    void setKindSelection(const QString& entry);
    QString kindFilter() const { return m_query.kind; }
    // Shows the spare parts of a product (first four characters of its number). False, with its
    // message, when no spare-part data are loaded or the product has none; the view then stays.
    bool FilterSpareParts(const QString& productNumber);
    bool sparePartView() const { return !m_query.sparePartPrefixes.isEmpty(); }
    ArticleSortOrder::Order sortOrder() const { return m_query.order; }
    // Changes the order and moves to the first record.
    void setSortOrder(ArticleSortOrder::Order order);
    const ArticleQuery& query() const { return m_query; }

    // Reads the view again; the current record stays where it still passes. The view is first
    // read when a window or a chooser sets it up, so lookups alone never load the catalogue.
    void refresh();
    const std::vector<ArticleRecord>& rows() const { return m_rows; }
    int recordCount() const { return static_cast<int>(m_rows.size()); }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    const ArticleRecord* current() const;
    // Positions the view on an article number; false when the view does not show it.
    bool locate(const QString& lNr);
    // The search dialog: moves to the first record whose field of the current order begins with
    // the entry (texts, ignoring case) or equals it (stars, price). False when nothing matches.
    bool incrementalSearch(const QString& entry);
    // Up and Down in the search dialog: moves by rows (Shift: ten), staying inside the view.
    void moveBy(int rows);
    std::vector<ArticleTextSearch::Hit> fullTextSearch(const QString& entry, bool ignoreCase) const;

    // --- the window's life ---
    // Opening from the main menu: every status except stock, filtering on, party mode off (its
    // state is kept for closeWindow; a second activation of the open window keeps it too).
    void activateFromMainMenu();
    // Closing: the expression filter goes, filtering is off, party mode as before the window.
    void closeWindow();
    // The caller of the chooser takes the view back: every article again, in kind order.
    void useAfterChooser();
    void setNoFiltering(bool on);

    // --- lookups (ArtikelNoFilter, VaTable) ---
    bool ArticleExists(const QString& lNr);
    // The article found by the last successful ArticleExists.
    const ArticleRecord& foundArticle() const { return m_found; }
    bool IsTextKind(const QString& va);
    // The kind found by the last IsTextKind; nullptr when it had no such code.
    const TransactionKind* currentKind() const { return m_currentKind; }
    bool KindValidForArticle(const QString& va, const QString& lNr);
    // The same rule for an article already read.
    bool KindValidForArticle(const QString& va, const ArticleRecord& article) const;
    QStringList KindDisplayList() const { return m_kinds.displayList(); }
    const KindTable& kinds() const { return m_kinds; }
    const ArticleFieldRules& rules() const { return m_rules; }
    // The connection, for the page frame of the printed lists.
    Database& database() const { return m_db; }

    // --- editing ---
    ArticleRecord newArticle() const;
    // The dialog's "&Ok": checks in order with their messages, then stores the article as not
    // active. originalLNr is empty for a new article, else the number it was read under.
    SaveResult saveArticle(ArticleRecord& article, const QString& originalLNr);
    // "&Löschen": asks, then deletes the current article. True when deleted.
    bool deleteCurrent();

    // --- the sales query ---
    std::vector<ArticleSalesQuery::Sale> sales(const ArticleSalesQuery::Conditions& conditions) const;

    // --- lists ---
    // The articles of the current view from start to end (the "Welche Artikel ?" rule), or all
    // of them, in the view's order.
    std::vector<ArticleRecord> listRows(const QString& from, const QString& to, bool all) const;

private:
    std::vector<ArticleRecord> load(const ArticleQuery& query) const;
    std::optional<ArticleRecord> readArticle(const QString& lNr) const;
    void store(const ArticleRecord& article, const QString& originalLNr);

    Database& m_db;
    UiPort& m_ui;
    ArticleFieldRules m_rules;
    KindTable m_kinds;
    ArticleTextSearch m_textSearch;
    ArticleQuery m_query;
    std::vector<ArticleRecord> m_rows;
    int m_current = -1;
    ArticleRecord m_found;
    const TransactionKind* m_currentKind = nullptr;
    bool m_partyModeBeforeWindow = false;
    bool m_windowOpen = false;
};

} // namespace korbelant
