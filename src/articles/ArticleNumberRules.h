#pragma once

#include <QSet>
#include <QString>

namespace korbelant {

// The article number a row of the distributor's list is stored under, and the numbers tried
// when that one is taken.
class ArticleNumberRules
{
public:
    // The kinds whose number carries the kind code (VA.LNR_VA "J").
    explicit ArticleNumberRules(QSet<QString> numberKinds) : m_numberKinds(std::move(numberKinds)) {}

    // Kind 20 and rows without a product number take the order number; a number-carrying kind
    // takes the first four characters of the number padded with "000", followed by the kind.
    QString number(const QString& kind, const QString& productNumber, const QString& orderNumber) const;
    // The numbers to try after the first one is taken: the number followed by A, B, … Z; none for
    // a number of eight characters, whose row is dropped.
    static QStringList alternatives(const QString& number);

private:
    QSet<QString> m_numberKinds;
};

} // namespace korbelant
