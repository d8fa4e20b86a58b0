#include "parties/LineEntryKind.h"

namespace korbelant {

LineEntryKind::LineEntryKind(const QString& va, bool textKind) : m_va(va.trimmed()), m_text(textKind) {}

bool LineEntryKind::isExchange() const
{
    return m_va == kExchangeWithText || m_va == kExchange;
}

LineEntryKind::Text LineEntryKind::text() const
{
    if (m_va == kWish)
        return Text::WishText;
    if (m_va == kExchangeWithText)
        return Text::ExchangeText;
    if (m_text || m_va == kInfo)
        return Text::InfoText;
    return Text::ArticleName;
}

LineEntryKind::Field LineEntryKind::afterArticle() const
{
    return m_text ? Field::Text : afterText();
}

LineEntryKind::Field LineEntryKind::afterText() const
{
    return isExchange() ? Field::Reason : Field::Pieces;
}

} // namespace korbelant
