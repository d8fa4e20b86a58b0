#pragma once

#include <QString>

namespace korbelant {

// How an order line of a transaction kind is entered: what its text field holds, whether it
// names an exchange reason instead of being marked "Vorab", and which field follows the article
// number. Text kinds (the kind table's class "TE") take no article and carry no amounts.
class LineEntryKind
{
public:
    // What the text field of the line is for.
    enum class Text
    {
        ArticleName,
        InfoText,
        WishText,
        ExchangeText
    };
    // The entry fields that follow the article number.
    enum class Field
    {
        Text,
        Reason,
        Pieces
    };

    static inline const QString kInfo = QStringLiteral("95");
    static inline const QString kWish = QStringLiteral("96");
    static inline const QString kExchangeWithText = QStringLiteral("98");
    static inline const QString kExchange = QStringLiteral("99");

    LineEntryKind(const QString& va, bool textKind);

    const QString& va() const { return m_va; }
    // The text is typed in; no article is taken from the list and the letter tabs are not used.
    bool isText() const { return m_text; }
    // An exchange: a reason code is entered and "Vorab" is not offered.
    bool isExchange() const;
    Text text() const;
    // Where Enter in the article-number field and in the text field leads.
    Field afterArticle() const;
    Field afterText() const;

private:
    QString m_va;
    bool m_text;
};

} // namespace korbelant
