#pragma once

#include "articles/ArticleRecord.h"
#include "reports/ReportDocument.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class ArticleFieldRules;
class DataSet;
class ReportRegistry;
class TArtikelModul;

// The printed article lists: "Artikel-Liste" (with a second price column when the option
// Artikel asks for it) and "Artikelbestand" with the stock values and their sum.
class ArticleListReport
{
public:
    static const QString ListName;  // "artikelliste"
    static const QString StockName; // "artikelbestand"

    static ReportDocument listDocument(const std::vector<ArticleRecord>& rows,
                                       const ArticleFieldRules& rules);
    static ReportDocument stockDocument(const std::vector<ArticleRecord>& rows);

    // The list of the article window: the articles of its current view in the range of
    // "Welche Artikel ?" (or all), with the page frame of the data set.
    static ReportDocument viewDocument(const TArtikelModul& modul, const QString& from, const QString& to,
                                       bool all, bool stock);

    // For the command line and the registry: [VON] [BIS] as in the dialog "Welche Artikel ?";
    // without both, every article.
    static ReportDocument buildList(DataSet& set, const QStringList& args);
    static ReportDocument buildStock(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);

private:
    static std::vector<ArticleRecord> articles(DataSet& set, const QStringList& args);
};

} // namespace korbelant
