#pragma once

#include "articles/TArtikelModul.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <QVariantMap>
#include <memory>

namespace korbelant::test {

// A fresh data set whose kinds are a small known table, with helpers to add articles and to
// open the article module on it.
class ArticleFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    Database& db() { return m_set->db(); }
    Options& options() { return m_set->options(); }
    ScriptedUi& ui() { return m_ui; }
    TArtikelModul& modul();
    // Drops the module so that the next modul() reads options and kinds again.
    void reopen() { m_modul.reset(); }

    // Adds an article; fields not given keep their table defaults.
    void addArticle(const QString& lNr, const QVariantMap& fields = {});
    void addKind(const QString& va, const QString& quelle, const QString& text, const QString& art = {});
    static QStringList numbers(const std::vector<ArticleRecord>& rows);

    TempHome m_home;
    std::unique_ptr<DataSet> m_set;
    ScriptedUi m_ui;
    std::unique_ptr<TArtikelModul> m_modul;
};

} // namespace korbelant::test
