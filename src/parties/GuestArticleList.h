#pragma once

#include "articles/ArticleQuery.h"
#include "articles/ArticleRecord.h"

#include <QString>
#include <vector>

namespace korbelant {

class Options;
class TArtikelModul;

// The article list of the guest window: the catalogue in number order, restricted to the source
// kind of the kind being entered, filtered by the three status boxes "Aktiv", "Inaktiv" and
// "Lager", with a current row that follows the typed article number and the letter tabs. It has
// its own view, so the article window opened as a chooser does not move it.
class GuestArticleList
{
public:
    GuestArticleList(TArtikelModul& articles, Options& options);

    // "Aktiv": new and active articles; "Inaktiv": inactive and removed ones; "Lager": only
    // articles in stock. Toggling "Aktiv" or "Inaktiv" stores the option at once.
    bool aktiv() const { return m_aktiv; }
    bool inaktiv() const { return m_inaktiv; }
    bool lager() const { return m_query.switches.stockOnly; }
    void setAktiv(bool on);
    void setInaktiv(bool on);
    void setLager(bool on);
    // The switches handed to the article chooser, and the ones it hands back.
    ArticleStatusSwitches switches() const { return m_query.switches; }
    void takeSwitches(const ArticleStatusSwitches& switches);

    // A two-character kind that exists restricts the list to its source kind; a kind without a
    // source kind lifts the restriction; anything else leaves the list as it is.
    void restrictToKind(const QString& va);
    QString restriction() const { return m_query.kind; }

    void refresh();
    const std::vector<ArticleRecord>& rows() const { return m_rows; }
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    const ArticleRecord* current() const;
    // Moves to the first article whose number starts with the text (ignoring case); false when
    // none does (the row stays).
    bool positionOnPrefix(const QString& text);
    void moveBy(int rows);

private:
    void applyStatus();

    TArtikelModul& m_articles;
    Options& m_options;
    ArticleQuery m_query;
    bool m_aktiv = true;
    bool m_inaktiv = false;
    std::vector<ArticleRecord> m_rows;
    int m_current = -1;
};

} // namespace korbelant
