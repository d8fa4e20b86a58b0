#include "articles/ArticleFileCurrency.h"
#include "articles/ArticleImport.h"
#include "articles/ArticleImportDisplay.h"
#include "support/DataSetFixture.h"
#include "support/DistributorDiskFiles.h"

#include <QTemporaryDir>

namespace korbelant::test {

namespace {

using Answer = UiPort::Answer;

} // namespace

// The article import from the exchange disk of the old interface: the disk's GBART.ASC becomes
// PCART.ASC in TRANSTUP and its rows go into the catalogue by the same rules as the archive's.
class ArticleDiskImportTest : public DataSetFixture
{
protected:
    ArticleDiskImportTest()
    {
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        options().setChecked(QStringLiteral("bzh_old"), true);
        copyDiskFixture(disk.path());
    }

    bool import()
    {
        ArticleImport articles(*m_set, ui(), display);
        const bool done = articles.run(ArticleImport::Source{disk.path(), false}, QDate::currentDate());
        figures = articles.figures();
        return done;
    }

    QStringList numbers()
    {
        QStringList found;
        for (const QVariantList& r :
             db().rows(QStringLiteral("SELECT L_NR, PREIS FROM Lager ORDER BY L_NR COLLATE BINARY")))
            found << r.at(0).toString() + QLatin1Char('=') + QString::number(r.at(1).toDouble());
        return found;
    }

    QTemporaryDir disk;
    ArticleImportDisplay display;
    ArticleImportFigures figures;
};

TEST_F(ArticleDiskImportTest, DiskArticlesAndSparePartsGoIntoTheCatalogue)
{
    options().setChecked(QStringLiteral("Euro"), true);
    EXPECT_FALSE(import()) << "the record without a price is dropped";
    EXPECT_EQ(numbers(), (QStringList{"T10=12.95", "T30=5.5", "ZT50=40"}));
    EXPECT_EQ(figures.read, 4);
    EXPECT_EQ(figures.after, 3);
    EXPECT_EQ(figures.state, ArticleImport::kDone);
    EXPECT_FALSE(db().rows(QStringLiteral("SELECT * FROM Ersatzteile")).empty());
}

TEST_F(ArticleDiskImportTest, PricesInEuroRefusedForADataSetInDMark)
{
    options().setChecked(QStringLiteral("Euro"), false);
    EXPECT_FALSE(import());
    EXPECT_TRUE(ui().wasShown(ArticleFileCurrency::kEuroInDem));
    EXPECT_EQ(figures.state, ArticleImport::kWrongCurrency);
    EXPECT_TRUE(numbers().isEmpty());
}

} // namespace korbelant::test
