#include "parties/ExchangeReasons.h"

#include "core/Database.h"
#include "core/Transaction.h"

#include <algorithm>

namespace korbelant {

ExchangeReasons::ExchangeReasons(Database& db) : m_db(db) {}

std::vector<ExchangeReasons::Reason> ExchangeReasons::all() const
{
    std::vector<Reason> reasons;
    for (const QVariantList& row :
         m_db.rows(QStringLiteral("SELECT FEHL_CODE, GRUND FROM Umtausch "
                                  "WHERE FEHL_CODE IS NOT NULL ORDER BY FEHL_CODE")))
        reasons.push_back({row.value(0).toString(), row.value(1).toString()});
    return reasons;
}

bool ExchangeReasons::exists(const QString& code) const
{
    if (code.trimmed().isEmpty())
        return false;
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM Umtausch WHERE FEHL_CODE = ?"), {code.trimmed()})
               .toInt() > 0;
}

std::optional<QString> ExchangeReasons::step(const QString& code, int direction) const
{
    const std::vector<Reason> reasons = all();
    if (reasons.empty())
        return std::nullopt;
    const auto at = std::find_if(reasons.begin(), reasons.end(), [&](const Reason& r) {
        return r.code.compare(code.trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (at == reasons.end())
        return direction > 0 ? reasons.front().code : reasons.back().code;
    const long index = static_cast<long>(at - reasons.begin());
    const long last = static_cast<long>(reasons.size()) - 1;
    const long next = std::clamp(index + (direction > 0 ? 1 : -1), 0L, last);
    return reasons[static_cast<size_t>(next)].code;
}

void ExchangeReasons::saveTexts(const std::vector<Reason>& reasons)
{
    Transaction tx(m_db);
    for (const Reason& reason : reasons)
        m_db.run(
            QStringLiteral("UPDATE Umtausch SET GRUND = ? WHERE FEHL_CODE = ?"),
            {reason.text.trimmed().isEmpty() ? QVariant() : QVariant(reason.text.left(40)), reason.code});
    tx.commit();
}

} // namespace korbelant
