#include "articles/ArticleNumberRules.h"

#include <QStringList>

namespace korbelant {

QString ArticleNumberRules::number(const QString& kind, const QString& productNumber,
                                   const QString& orderNumber) const
{
    QString number = productNumber;
    if (kind == QStringLiteral("20") || number.isEmpty())
        number = orderNumber;
    if (m_numberKinds.contains(kind))
        number = (number.trimmed() + QStringLiteral("000")).left(4) + kind;
    return number;
}

QStringList ArticleNumberRules::alternatives(const QString& number)
{
    QStringList numbers;
    if (number.size() == 8)
        return numbers;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        numbers << number + QLatin1Char(letter);
    return numbers;
}

} // namespace korbelant
