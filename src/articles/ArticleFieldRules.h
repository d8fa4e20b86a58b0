#pragma once

#include <QString>
#include <optional>

namespace korbelant {

class Options;
struct ArticleRecord;

// The field rules of the catalogue: number lengths from the options, upper-case article
// numbers, the display of week fields, the second-currency price and the stock value.
class ArticleFieldRules
{
public:
    enum class Status
    {
        None,
        Stock,
        New,
        Removed,
        Listed
    };

    // The data set's currency is the option Euro unless the caller knows it better (from the
    // currency state of the data set).
    explicit ArticleFieldRules(const Options& options, std::optional<bool> euro = std::nullopt);

    int minLengthLNr() const { return m_minLNr; }
    int maxLengthLNr() const { return m_maxLNr; }
    int minLengthZNr() const { return m_minZNr; }
    int maxLengthZNr() const { return m_maxZNr; }
    // The data set is kept in Euro (option Euro).
    bool euro() const { return m_euro; }
    // The article lists and the window show the price in the second currency (option Artikel).
    bool showSecondCurrency() const { return m_secondCurrency; }

    // Article numbers are kept in upper case, without surrounding blanks.
    static QString normaliseNumber(const QString& number);
    // "200315" -> "2003/15"; an empty week shows as a lone "/".
    static QString weekDisplay(const QString& weekKey);
    // PREIS in the other currency (four decimals).
    double secondCurrencyPrice(double preis) const;
    // Heading of the price column in the data set's currency and of the second-currency column.
    QString priceTitle() const;
    QString secondCurrencyTitle() const;
    static double stockValue(const ArticleRecord& r);
    // Stock before new before removed before listed; the dialog leaves out the stock symbol.
    static Status status(const ArticleRecord& r, bool withStock = true);

private:
    int m_minLNr;
    int m_maxLNr;
    int m_minZNr;
    int m_maxZNr;
    bool m_euro;
    bool m_secondCurrency;
};

} // namespace korbelant
