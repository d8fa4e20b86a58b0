#include "articles/ArticleChooser.h"

#include "articles/TArtikelModul.h"

namespace korbelant {

ArticleChooser::ArticleChooser(TArtikelModul& modul, const ArticleStatusSwitches& callerSwitches)
    : m_modul(modul)
{
    ArticleStatusSwitches s = m_modul.switches();
    s.showInactive = callerSwitches.showInactive;
    s.showRemoved = callerSwitches.showRemoved;
    s.showActive = callerSwitches.showActive;
    s.showNew = callerSwitches.showNew;
    s.stockOnly = callerSwitches.stockOnly;
    s.noFiltering = false;
    m_modul.setFiltering(true);
    m_modul.setSwitches(s);
}

std::optional<ArticleChooser::Choice> ArticleChooser::choose() const
{
    const ArticleRecord* article = m_modul.current();
    if (!article)
        return std::nullopt;
    return Choice{article->lNr.left(8), article->va.left(2)};
}

ArticleStatusSwitches ArticleChooser::close()
{
    ArticleStatusSwitches out = m_modul.switches();
    out.noFiltering = false;
    m_modul.setNoFiltering(true);
    return out;
}

} // namespace korbelant
