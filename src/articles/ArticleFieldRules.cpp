#include "articles/ArticleFieldRules.h"

#include "articles/ArticleRecord.h"
#include "core/Currency.h"
#include "core/Options.h"

namespace korbelant {

ArticleFieldRules::ArticleFieldRules(const Options& options, std::optional<bool> euro)
    : m_minLNr(options.number(QStringLiteral("min_length_L_NR"), 4)),
      m_maxLNr(options.number(QStringLiteral("max_length_L_NR"), 8)),
      m_minZNr(options.number(QStringLiteral("min_length_Z_NR"), 8)),
      m_maxZNr(options.number(QStringLiteral("max_length_Z_NR"), 8)),
      m_euro(euro.value_or(options.checked(QStringLiteral("Euro")))),
      m_secondCurrency(options.checked(QStringLiteral("Artikel")))
{
    // Neither number may be longer than its field.
    m_maxLNr = qBound(1, m_maxLNr, 10);
    m_minLNr = qBound(1, m_minLNr, m_maxLNr);
    m_maxZNr = qBound(1, m_maxZNr, 10);
    m_minZNr = qBound(1, m_minZNr, m_maxZNr);
}

QString ArticleFieldRules::normaliseNumber(const QString& number)
{
    return number.trimmed().toUpper();
}

QString ArticleFieldRules::weekDisplay(const QString& weekKey)
{
    const QString key = weekKey.trimmed();
    return key.left(4) + QLatin1Char('/') + key.mid(4);
}

double ArticleFieldRules::secondCurrencyPrice(double preis) const
{
    return m_euro ? Currency::EuroToDm(preis) : Currency::DmToEuro(preis);
}

QString ArticleFieldRules::priceTitle() const
{
    return m_euro ? QStringLiteral("Preis(Euro)") : QStringLiteral("Preis(DM)");
}

QString ArticleFieldRules::secondCurrencyTitle() const
{
    return m_euro ? QStringLiteral("Preis(DM)") : QStringLiteral("Preis(Euro)");
}

double ArticleFieldRules::stockValue(const ArticleRecord& r)
{
    return r.bestand * r.preis;
}

ArticleFieldRules::Status ArticleFieldRules::status(const ArticleRecord& r, bool withStock)
{
    if (withStock && r.bestand > 0)
        return Status::Stock;
    if (r.neu)
        return Status::New;
    if (r.entfernt)
        return Status::Removed;
    if (r.aktiv)
        return Status::Listed;
    return Status::None;
}

} // namespace korbelant
