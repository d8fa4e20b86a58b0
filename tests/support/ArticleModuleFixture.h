#pragma once

#include "articles/TArtikelModul.h"
#include "support/DataSetFixture.h"

#include <QStringList>
#include <QVariantMap>
#include <memory>

namespace korbelant::test {

// A fresh data set whose kinds are a small known table, with helpers to add articles and to
// open the article module on it.
class ArticleModuleFixture : public DataSetFixture
{
protected:
    void SetUp() override;

    TArtikelModul& modul();
    // Drops the module so that the next modul() reads options and kinds again.
    void reopen() { m_modul.reset(); }

    // Adds an article; fields not given keep their table defaults.
    void addArticle(const QString& lNr, const QVariantMap& fields = {});
    void addKind(const QString& va, const QString& quelle, const QString& text, const QString& art = {});
    static QStringList numbers(const std::vector<ArticleRecord>& rows);

    std::unique_ptr<TArtikelModul> m_modul;
};

} // namespace korbelant::test
