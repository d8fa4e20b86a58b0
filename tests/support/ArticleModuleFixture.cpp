#include "support/ArticleModuleFixture.h"

#include "core/Schema.h"
#include "support/ArticleBuilder.h"

namespace korbelant::test {

void ArticleModuleFixture::SetUp()
{
    db().run(QStringLiteral("DELETE FROM VA"));
    addKind(QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("Verkauf Katalogartikel"));
    addKind(QStringLiteral("20"), QString(), QStringLiteral("Sets und Kombiangebote"));
    addKind(QStringLiteral("38"), QStringLiteral("10"), QStringLiteral("Serviceprodukte"));
    addKind(QStringLiteral("90"), QString(), QStringLiteral("Ware aus eigenem Lager"));
    addKind(QStringLiteral("91"), QString(), QStringLiteral("Eigenbedarf"));
    addKind(QStringLiteral("95"), QString(), QStringLiteral("Info-Text"), QStringLiteral("TE"));
}

TArtikelModul& ArticleModuleFixture::modul()
{
    if (!m_modul)
        m_modul = std::make_unique<TArtikelModul>(db(), options(), m_ui);
    return *m_modul;
}

void ArticleModuleFixture::addArticle(const QString& lNr, const QVariantMap& fields)
{
    ArticleBuilder(lNr).with(fields).with(QStringLiteral("L_NR"), lNr).insertInto(db());
}

void ArticleModuleFixture::addKind(const QString& va, const QString& quelle, const QString& text,
                                   const QString& art)
{
    db().insert(Schema::get(QStringLiteral("VA")),
                {{QStringLiteral("VA"), va},
                 {QStringLiteral("VAQUELLE"), quelle},
                 {QStringLiteral("VA_TEXT"), text},
                 {QStringLiteral("VA_ART"), art},
                 {QStringLiteral("LNR_VA"), va == QStringLiteral("38") ? "J" : "N"},
                 {QStringLiteral("UMSATZ_VKG"), 1.0},
                 {QStringLiteral("UMSATZ_WB"), 0.5}});
}

QStringList ArticleModuleFixture::numbers(const std::vector<ArticleRecord>& rows)
{
    QStringList list;
    for (const ArticleRecord& r : rows)
        list << r.lNr;
    return list;
}

} // namespace korbelant::test
