#include "parties/GuestArticleList.h"

#include "articles/TArtikelModul.h"
#include "core/Database.h"
#include "core/Options.h"
#include "core/Statement.h"

namespace korbelant {

namespace {

const QString kAktivOption = QStringLiteral("NewGuestAktiv");
const QString kInaktivOption = QStringLiteral("NewGuestInAktiv");

} // namespace

GuestArticleList::GuestArticleList(TArtikelModul& articles, Options& options)
    : m_articles(articles), m_options(options)
{
    m_query.filtering = true;
    m_query.order = ArticleSortOrder::ByNumber;
    m_query.switches.partyMode = articles.switches().partyMode;
    m_inaktiv = options.checked(kInaktivOption);
    applyStatus();
}

void GuestArticleList::applyStatus()
{
    m_query.switches.showNew = m_query.switches.showActive = m_aktiv;
    m_query.switches.showInactive = m_query.switches.showRemoved = m_inaktiv;
    m_query.switches.noFiltering = false;
}

void GuestArticleList::setAktiv(bool on)
{
    m_aktiv = on;
    m_options.setChecked(kAktivOption, on);
    m_options.SaveOptions();
    applyStatus();
    refresh();
}

void GuestArticleList::setInaktiv(bool on)
{
    m_inaktiv = on;
    m_options.setChecked(kInaktivOption, on);
    m_options.SaveOptions();
    applyStatus();
    refresh();
}

void GuestArticleList::setLager(bool on)
{
    m_query.switches.stockOnly = on;
    refresh();
}

void GuestArticleList::takeSwitches(const ArticleStatusSwitches& s)
{
    const bool aktiv = s.showActive || s.showNew;
    const bool inaktiv = s.showInactive || s.showRemoved;
    if (aktiv != m_aktiv)
        setAktiv(aktiv);
    if (inaktiv != m_inaktiv)
        setInaktiv(inaktiv);
    setLager(s.stockOnly);
}

void GuestArticleList::restrictToKind(const QString& va)
{
    const QString code = va.trimmed();
    if (code.size() != 2)
        return;
    const TransactionKind* kind = m_articles.kinds().find(code);
    if (!kind || kind->vaQuelle.trimmed() == m_query.kind)
        return;
    m_query.kind = kind->vaQuelle.trimmed();
    refresh();
}

void GuestArticleList::refresh()
{
    const QString previous = current() ? current()->lNr : QString();
    Statement st = m_articles.database().prepare(m_query.sql());
    st.bindAll(m_query.params());
    m_rows.clear();
    while (st.next())
        m_rows.push_back(ArticleRecord::fromStatement(st));
    m_current = m_rows.empty() ? -1 : 0;
    for (int row = 0; row < static_cast<int>(m_rows.size()) && !previous.isEmpty(); ++row) {
        if (m_rows[static_cast<size_t>(row)].lNr == previous) {
            m_current = row;
            break;
        }
    }
}

void GuestArticleList::setCurrentRow(int row)
{
    m_current = m_rows.empty() ? -1 : qBound(0, row, static_cast<int>(m_rows.size()) - 1);
}

const ArticleRecord* GuestArticleList::current() const
{
    return m_current >= 0 && m_current < static_cast<int>(m_rows.size())
               ? &m_rows[static_cast<size_t>(m_current)]
               : nullptr;
}

bool GuestArticleList::positionOnPrefix(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (int row = 0; row < static_cast<int>(m_rows.size()); ++row) {
        if (m_rows[static_cast<size_t>(row)].lNr.startsWith(text, Qt::CaseInsensitive)) {
            m_current = row;
            return true;
        }
    }
    return false;
}

void GuestArticleList::moveBy(int rows)
{
    if (m_current >= 0)
        setCurrentRow(m_current + rows);
}

} // namespace korbelant
