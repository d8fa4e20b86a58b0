#include "articles/ArticleRowMapping.h"

#include "core/LagerFields.h"
#include "exchange/TTWD_Table.h"

namespace korbelant {

namespace {

using F = LagerFields;

QString yesNo(const QString& flag)
{
    return flag.trimmed().toUpper() == QStringLiteral("TRUE") ? QStringLiteral("J") : QStringLiteral("N");
}

// Stars are whole pieces; anything else counts as none.
int stars(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

// A price in hundredths, as the disk file holds it.
std::optional<QVariant> hundredths(const QString& text)
{
    const std::optional<QVariant> value = ArticleRowMapping::number(text);
    if (!value || value->isNull())
        return value;
    return QVariant(value->toDouble() / 100.0);
}

void markNew(QVariantMap& record)
{
    record[F::AKTIV] = true;
    record[F::NEU] = true;
    record[F::ENTFERNT] = false;
}

} // namespace

std::optional<QVariant> ArticleRowMapping::number(const QString& text)
{
    QString value = text.trimmed();
    if (value.isEmpty())
        return QVariant();
    value.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double parsed = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return QVariant(parsed);
}

QString ArticleRowMapping::withoutBlanks(const QString& text)
{
    QString result = text;
    result.remove(QLatin1Char(' '));
    return result;
}

std::optional<QVariantMap> ArticleRowMapping::fromDisk(const QVariantMap& row)
{
    QVariantMap record;
    record[F::VA] = row.value(QStringLiteral("VA")).toString().trimmed();
    record[F::Z_NR] = row.value(QStringLiteral("Z_NR")).toString().trimmed();
    record[F::L_NR] = withoutBlanks(row.value(QStringLiteral("ART_NR")).toString());
    record[F::L_TEXT] = row.value(QStringLiteral("L_Text")).toString().trimmed();
    markNew(record);
    const std::optional<QVariant> price = hundredths(row.value(QStringLiteral("VKPF")).toString());
    const std::optional<QVariant> sample = hundredths(row.value(QStringLiteral("MUSTPF")).toString());
    if (!price || !sample)
        return std::nullopt;
    record[F::PREIS] = *price;
    record[F::MUSTER] = *sample;
    record[F::VA38] = hundredths(row.value(QStringLiteral("VITALIC")).toString()).value_or(QVariant());
    record[F::STERNE] = stars(row.value(QStringLiteral("Sterne")).toString());
    return record;
}

std::optional<QVariantMap> ArticleRowMapping::fromArchive(const TTWD_Table& table, int n, const QDate& today)
{
    const auto field = [&](const char* name) { return table.GetField(n, QString::fromLatin1(name)); };
    QVariantMap record;
    record[F::VA] = field("GRUPPE").trimmed();
    record[F::Z_NR] = field("ARTNR").trimmed();
    record[F::L_NR] = withoutBlanks(field("PRODUKTNR"));
    record[F::L_TEXT] = field("BEZEICHNUNG").trimmed();
    record[F::WFREIGAB] = field("FREIGABE").trimmed();
    record[F::WSPERRE] = field("SPERRE").trimmed();
    record[F::FG_DATUM] = today;
    markNew(record);
    const std::optional<QVariant> price = number(field("KUNDENPREIS"));
    const std::optional<QVariant> sample = number(field("MUSTERPREIS"));
    if (!price || !sample)
        return std::nullopt;
    record[F::PREIS] = *price;
    record[F::MUSTER] = *sample;
    addLockGroup(record, table, n);
    record[F::VA38] = number(field("BONUS")).value_or(QVariant());
    record[F::STERNE] = stars(field("STERNE"));
    return record;
}

// Commission rate, consultant's price and the two locks are taken together: the first value
// that cannot be read leaves the rest of them empty.
void ArticleRowMapping::addLockGroup(QVariantMap& record, const TTWD_Table& table, int n)
{
    const std::optional<QVariant> rate = number(table.GetField(n, QStringLiteral("Provisionssatz")));
    if (!rate)
        return;
    record[F::PROV_SATZ] = *rate;
    const std::optional<QVariant> consultantPrice =
        number(table.GetField(n, QStringLiteral("Beraterinnenpreis")));
    if (!consultantPrice)
        return;
    record[F::BER_PREIS] = *consultantPrice;
    record[F::MU_SPERR] = yesNo(table.GetField(n, QStringLiteral("Mustersperre")));
    record[F::VK_SPERRE] = yesNo(table.GetField(n, QStringLiteral("Verkaufssperre")));
    if (record[F::VK_SPERRE] == QStringLiteral("J")) {
        record[F::AKTIV] = false;
        record[F::NEU] = false;
    }
}

} // namespace korbelant
