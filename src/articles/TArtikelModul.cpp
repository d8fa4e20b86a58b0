#include "articles/TArtikelModul.h"

#include "articles/ArticleEditCheck.h"
#include "articles/ArticleRange.h"
#include "core/CurrencyState.h"
#include "core/DataSet.h"
#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/LagerFields.h"
#include "core/RecordStore.h"
#include "core/UiPort.h"

#include <cmath>

namespace korbelant {

namespace {

const QString kNoSparePartData =
    QStringLiteral("Keine Ersatzteilinformationen geladen (BZH-Diskette einlesen).");
const QString kNoSpareParts = QStringLiteral("Für Artikel keine Ersatzteile gefunden.");
const QString kConfirmDelete = QStringLiteral("Artikel wirklich löschen ?");

bool matchesSearch(const ArticleRecord& r, ArticleSortOrder::Order order, const QString& entry)
{
    switch (order) {
    case ArticleSortOrder::ByStars: {
        bool ok = false;
        const int stars = entry.trimmed().toInt(&ok);
        return ok && r.sterne == stars;
    }
    case ArticleSortOrder::ByPrice: {
        const auto price = GermanFormat::parseAmount(entry);
        return price && std::fabs(r.preis - *price) < 0.00005;
    }
    case ArticleSortOrder::ByText:
        return r.lText.startsWith(entry, Qt::CaseInsensitive);
    case ArticleSortOrder::ByKind:
        return r.va.startsWith(entry, Qt::CaseInsensitive);
    case ArticleSortOrder::ByNumber:
        break;
    }
    return r.lNr.startsWith(entry, Qt::CaseInsensitive);
}

} // namespace

namespace {

std::optional<bool> recordedEuro(const DataSet& set)
{
    const auto currency = CurrencyState::recorded(set.home());
    if (!currency)
        return std::nullopt;
    return *currency == CurrencyState::Currency::Euro;
}

} // namespace

TArtikelModul::TArtikelModul(Database& db, const Options& options, UiPort& ui, std::optional<bool> euro)
    : m_db(db), m_ui(ui), m_rules(options, euro), m_kinds(db), m_textSearch(db)
{
}

TArtikelModul::TArtikelModul(DataSet& set, UiPort& ui)
    : TArtikelModul(set.db(), set.options(), ui, recordedEuro(set))
{
}

void TArtikelModul::setSwitches(const ArticleStatusSwitches& switches)
{
    m_query.switches = switches;
    refresh();
}

void TArtikelModul::setPartyMode(bool on)
{
    m_query.switches.partyMode = on;
    refresh();
}

void TArtikelModul::setNoFiltering(bool on)
{
    m_query.switches.noFiltering = on;
    refresh();
}

void TArtikelModul::setFiltering(bool on)
{
    m_query.filtering = on;
    refresh();
}

void TArtikelModul::setKindSelection(const QString& entry)
{
    m_query.sparePartPrefixes.clear();
    m_query.kind = KindTable::codeOfEntry(entry);
    refresh();
}

bool TArtikelModul::FilterSpareParts(const QString& productNumber)
{
    if (m_db.scalar(QStringLiteral("SELECT count(*) FROM Ersatzteile")).toInt() == 0) {
        m_ui.information(kNoSparePartData);
        return false;
    }
    QStringList prefixes;
    const auto rows =
        m_db.rows(QStringLiteral("SELECT L_NR_ERS FROM Ersatzteile WHERE L_NR_TWP = ? ORDER BY rowid"),
                  {ArticleFieldRules::normaliseNumber(productNumber).left(4)});
    for (const QVariantList& row : rows) {
        const QString prefix = row.value(0).toString().trimmed();
        if (!prefix.isEmpty()) // an empty prefix would show every article
            prefixes << prefix;
    }
    if (prefixes.isEmpty()) {
        m_ui.information(kNoSpareParts);
        return false;
    }
    m_query.kind.clear();
    m_query.sparePartPrefixes = prefixes;
    refresh();
    return true;
}

void TArtikelModul::setSortOrder(ArticleSortOrder::Order order)
{
    m_query.order = order;
    refresh();
    setCurrentRow(0);
}

std::vector<ArticleRecord> TArtikelModul::load(const ArticleQuery& query) const
{
    Statement st = m_db.prepare(query.sql());
    st.bindAll(query.params());
    std::vector<ArticleRecord> records;
    while (st.next())
        records.push_back(ArticleRecord::fromStatement(st));
    return records;
}

void TArtikelModul::refresh()
{
    const QString previous = current() ? current()->lNr : QString();
    const int previousRow = m_current;
    m_rows = load(m_query);
    if (previous.isEmpty() || !locate(previous))
        setCurrentRow(previousRow < 0 ? 0 : previousRow);
}

void TArtikelModul::setCurrentRow(int row)
{
    m_current = m_rows.empty() ? -1 : qBound(0, row, recordCount() - 1);
}

const ArticleRecord* TArtikelModul::current() const
{
    return m_current >= 0 && m_current < recordCount() ? &m_rows[static_cast<size_t>(m_current)] : nullptr;
}

bool TArtikelModul::locate(const QString& lNr)
{
    for (int row = 0; row < recordCount(); ++row) {
        if (m_rows[static_cast<size_t>(row)].lNr.compare(lNr, Qt::CaseInsensitive) == 0) {
            m_current = row;
            return true;
        }
    }
    return false;
}

bool TArtikelModul::incrementalSearch(const QString& entry)
{
    if (entry.isEmpty())
        return false;
    for (int row = 0; row < recordCount(); ++row) {
        if (matchesSearch(m_rows[static_cast<size_t>(row)], m_query.order, entry)) {
            m_current = row;
            return true;
        }
    }
    return false;
}

void TArtikelModul::moveBy(int rows)
{
    if (m_current >= 0)
        setCurrentRow(m_current + rows);
}

std::vector<ArticleTextSearch::Hit> TArtikelModul::fullTextSearch(const QString& entry, bool ignoreCase) const
{
    return m_textSearch.search(entry, ignoreCase);
}

void TArtikelModul::activateFromMainMenu()
{
    if (!m_windowOpen)
        m_partyModeBeforeWindow = m_query.switches.partyMode;
    m_windowOpen = true;
    ArticleStatusSwitches& s = m_query.switches;
    s.showNew = s.showActive = s.showInactive = s.showRemoved = true;
    s.stockOnly = false;
    s.noFiltering = false;
    s.partyMode = false;
    m_query.filtering = true;
    refresh();
}

void TArtikelModul::closeWindow()
{
    m_query.kind.clear();
    m_query.sparePartPrefixes.clear();
    m_query.filtering = false;
    if (m_windowOpen)
        m_query.switches.partyMode = m_partyModeBeforeWindow;
    m_windowOpen = false;
    refresh();
}

void TArtikelModul::useAfterChooser()
{
    m_query.switches.noFiltering = false;
    setSortOrder(ArticleSortOrder::ByKind);
}

std::optional<ArticleRecord> TArtikelModul::readArticle(const QString& lNr) const
{
    static const QString sql = QStringLiteral("SELECT ") + ArticleRecord::selectColumns() +
                               QStringLiteral(" FROM Lager WHERE L_NR = ?");
    CachedStatement st = m_db.cached(sql);
    st->bind(1, lNr);
    if (!st->next())
        return std::nullopt;
    return ArticleRecord::fromStatement(*st);
}

bool TArtikelModul::ArticleExists(const QString& lNr)
{
    if (lNr.trimmed().isEmpty())
        return false;
    const auto found = readArticle(lNr.trimmed());
    if (found)
        m_found = *found;
    return found.has_value();
}

bool TArtikelModul::IsTextKind(const QString& va)
{
    m_currentKind = m_kinds.find(va);
    return m_currentKind && m_currentKind->isText();
}

bool TArtikelModul::KindValidForArticle(const QString& va, const QString& lNr)
{
    return m_kinds.find(va) && ArticleExists(lNr) && KindValidForArticle(va, m_found);
}

bool TArtikelModul::KindValidForArticle(const QString& va, const ArticleRecord& article) const
{
    const TransactionKind* kind = m_kinds.find(va);
    if (!kind)
        return false;
    const QString articleKind = article.va.trimmed();
    return kind->vaQuelle.isEmpty() || articleKind.compare(kind->va, Qt::CaseInsensitive) == 0 ||
           articleKind.compare(kind->vaQuelle, Qt::CaseInsensitive) == 0;
}

ArticleRecord TArtikelModul::newArticle() const
{
    ArticleRecord r;
    r.muSperr = QStringLiteral("N");
    r.vkSperre = QStringLiteral("N");
    return r;
}

TArtikelModul::SaveResult TArtikelModul::saveArticle(ArticleRecord& article, const QString& originalLNr)
{
    article.lNr = ArticleFieldRules::normaliseNumber(article.lNr);
    article.zNr = article.zNr.trimmed();
    const QStringList failures = ArticleEditCheck::failures(article, m_kinds, m_rules);
    for (const QString& message : failures)
        m_ui.warning(message);
    if (!failures.isEmpty())
        return SaveResult::Refused;
    const bool renamed = originalLNr.compare(article.lNr, Qt::CaseInsensitive) != 0;
    if (renamed && readArticle(article.lNr)) {
        m_ui.warning(ArticleEditCheck::kDuplicate);
        return SaveResult::Duplicate;
    }
    article.aktiv = false;
    if (originalLNr.isEmpty())
        article.neu = false;
    store(article, originalLNr);
    refresh();
    locate(article.lNr);
    return SaveResult::Saved;
}

void TArtikelModul::store(const ArticleRecord& article, const QString& originalLNr)
{
    const QVariantMap values = article.toValues();
    if (originalLNr.isEmpty())
        m_db.insert(LagerFields::table(), values);
    else
        RecordStore::update(m_db, LagerFields::table(), values,
                            QVariantMap{{LagerFields::L_NR, originalLNr}});
}

bool TArtikelModul::deleteCurrent()
{
    const ArticleRecord* article = current();
    if (!article)
        return false;
    if (m_ui.question(kConfirmDelete, UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return false;
    m_db.run(QStringLiteral("DELETE FROM Lager WHERE L_NR = ?"), {article->lNr});
    refresh();
    return true;
}

std::vector<ArticleSalesQuery::Sale>
TArtikelModul::sales(const ArticleSalesQuery::Conditions& conditions) const
{
    return ArticleSalesQuery(m_db).run(conditions);
}

std::vector<ArticleRecord> TArtikelModul::listRows(const QString& from, const QString& to, bool all) const
{
    ArticleQuery query = m_query;
    if (!all) {
        query.rangeFrom = ArticleRange::effectiveStart(from);
        query.rangeTo = ArticleRange::effectiveEnd(to);
    }
    return load(query);
}

} // namespace korbelant
