#include "articles/ArticleImport.h"

#include "articles/ArticleFileCurrency.h"
#include "articles/ArticleImportDisplay.h"
#include "articles/ArticleMerge.h"
#include "articles/ArticleNumberRules.h"
#include "articles/SparePartsRefill.h"
#include "core/BackupBeforeChange.h"
#include "core/KeptBackups.h"
#include "core/WeekKey.h"
#include "exchange/ArchiveExtractor.h"
#include "support/ArtInfosFile.h"
#include "support/ArticleBuilder.h"
#include "support/DataSetFixture.h"
#include "support/FileBytes.h"
#include "support/ZipTools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korbelant::test {

namespace {

using Answer = UiPort::Answer;
using I = ArticleImport;

const QDate kToday(2026, 12, 10);
const QString kFresh = QStringLiteral("09.12.2026");

struct Article
{
    bool aktiv = false;
    bool neu = false;
    bool entfernt = false;
    int bestand = 0;
    QString vkSperre;
};

ArtInfosRow row(const QString& product, const QString& group = QStringLiteral("10"),
                const QString& order = QStringLiteral("9999"))
{
    ArtInfosRow r;
    r.productNumber = product;
    r.group = group;
    r.orderNumber = order;
    return r;
}

} // namespace

class ArticleImportTest : public DataSetFixture
{
protected:
    ArticleImportTest()
    {
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
        db().run(QStringLiteral("UPDATE VA SET LNR_VA = CASE WHEN VA = '38' THEN 'J' ELSE 'N' END"));
    }

    bool import(const QByteArray& artInfos)
    {
        writeMasterDataMedium(medium.path(), artInfos);
        ArticleImport articles(*m_set, ui(), display);
        const bool done = articles.run(I::Source{medium.path(), false}, kToday);
        figures = articles.figures();
        return done;
    }

    Article article(const QString& number)
    {
        const auto rows = db().rows(
            QStringLiteral("SELECT AKTIV, NEU, ENTFERNT, BESTAND, VK_SPERRE FROM Lager WHERE L_NR = ?"),
            {number});
        if (rows.empty())
            ADD_FAILURE() << "no article " << number.toStdString();
        const QVariantList r = rows.empty() ? QVariantList(5) : rows.front();
        return {r.at(0).toInt() != 0, r.at(1).toInt() != 0, r.at(2).toInt() != 0, r.at(3).toInt(),
                r.at(4).toString()};
    }

    QStringList numbers()
    {
        QStringList found;
        for (const QVariantList& r :
             db().rows(QStringLiteral("SELECT L_NR FROM Lager ORDER BY L_NR COLLATE BINARY")))
            found << r.at(0).toString();
        return found;
    }

    // Everything of the catalogue and the spare parts, to prove that a failed import changed nothing.
    QString contents()
    {
        QStringList all;
        for (const char* table : {"Lager", "Ersatzteile"})
            for (const QVariantList& r :
                 db().rows(QStringLiteral("SELECT * FROM %1 ORDER BY 1 COLLATE BINARY, 2 COLLATE BINARY")
                               .arg(table))) {
                QStringList values;
                for (const QVariant& v : r)
                    values << v.toString();
                all << values.join(QLatin1Char('|'));
            }
        return all.join(QLatin1Char('\n'));
    }

    QTemporaryDir medium;
    ArticleImportDisplay display;
    ArticleImportFigures figures;
};

TEST(ArticleNumberRulesTest, NumberFromKindProductAndOrderNumber)
{
    const ArticleNumberRules rules({QStringLiteral("38")});
    struct Case
    {
        const char* kind;
        const char* product;
        const char* order;
        const char* expected;
    };
    for (const Case& k : std::vector<Case>{{"20", "555555", "1234", "1234"},
                                           {"10", "", "1234", "1234"},
                                           {"10", "555555", "1234", "555555"},
                                           {"38", "12", "1234", "120038"},
                                           {"38", "123456", "1234", "123438"},
                                           {"38", "", "77", "770038"}})
        EXPECT_EQ(rules.number(k.kind, k.product, k.order), QString::fromLatin1(k.expected))
            << k.kind << k.product;
    EXPECT_EQ(ArticleNumberRules::alternatives(QStringLiteral("123456")).mid(0, 2),
              (QStringList{QStringLiteral("123456A"), QStringLiteral("123456B")}));
    EXPECT_TRUE(ArticleNumberRules::alternatives(QStringLiteral("12345678")).isEmpty());
}

TEST_F(ArticleImportTest, NewListIsMergedWithNumberRulesStatusMarksAndStock)
{
    ArticleBuilder(QStringLiteral("111111")).with(QStringLiteral("AKTIV"), true).stock(5).insertInto(db());
    ArticleBuilder(QStringLiteral("222222")).with(QStringLiteral("AKTIV"), true).insertInto(db());
    ArticleBuilder(QStringLiteral("333333")).with(QStringLiteral("ENTFERNT"), true).insertInto(db());
    ArtInfosRow locked = row(QStringLiteral("666666"));
    locked.salesLock = QStringLiteral("true");
    ArtInfosRow bad = row(QStringLiteral("777777"));
    bad.price = QStringLiteral("zwölf");
    const std::vector<ArtInfosRow> rows{
        row(QStringLiteral("111 111")),
        row(QStringLiteral("444444")),
        row(QStringLiteral("444444")),
        row(QStringLiteral("444444")),
        row(QStringLiteral("55555555")),
        row(QStringLiteral("55555555")),
        row(QStringLiteral("888888"), QStringLiteral("20"), QStringLiteral("2001")),
        row(QStringLiteral("12"), QStringLiteral("38")),
        locked,
        bad};
    ui().addAnswer(Answer::Ok); // "Datensatz nicht übernommen"
    EXPECT_FALSE(import(artInfosText(kFresh, rows,
                                     {{QStringLiteral("K1"), QStringLiteral("Katalog"), QStringLiteral("3")}},
                                     {{QStringLiteral("4711"), QStringLiteral("11 11")}})));
    EXPECT_TRUE(ui().wasShown(I::kRowDropped));
    EXPECT_EQ(numbers(), (QStringList{"111111", "120038", "2001", "222222", "333333", "444444", "444444A",
                                      "444444B", "55555555", "666666"}));
    const Article found = article(QStringLiteral("111111"));
    EXPECT_TRUE(found.aktiv && !found.neu && !found.entfernt);
    EXPECT_EQ(found.bestand, 5);
    const Article dropped = article(QStringLiteral("222222"));
    EXPECT_TRUE(!dropped.aktiv && dropped.entfernt);
    const Article earlier = article(QStringLiteral("333333"));
    EXPECT_TRUE(!earlier.aktiv && !earlier.entfernt);
    const Article added = article(QStringLiteral("444444A"));
    EXPECT_TRUE(added.aktiv && added.neu && !added.entfernt);
    const Article lock = article(QStringLiteral("666666"));
    EXPECT_TRUE(!lock.aktiv && !lock.neu);
    EXPECT_EQ(lock.vkSperre, QStringLiteral("J"));
    EXPECT_EQ(figures.read, 10);
    EXPECT_EQ(figures.matched, 1);
    EXPECT_EQ(figures.added(), 9);
    EXPECT_EQ(figures.removed, 1);
    EXPECT_EQ(figures.before, 3);
    EXPECT_EQ(figures.after, 10);
    EXPECT_EQ(figures.created, kFresh);
    EXPECT_EQ(figures.version, QStringLiteral("2.0"));
    EXPECT_EQ(figures.state, I::kDone);
    EXPECT_EQ(
        db().rows(QStringLiteral("SELECT MWOCHE, Kodierung, Bezeichnung, Max, Menge FROM anforderungen")),
        (std::vector<QVariantList>{{WeekKey::weekKey(kToday), "K1", "Katalog", 3.0, 0.0}}));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT L_NR_ERS, L_NR_TWP FROM Ersatzteile")),
              (std::vector<QVariantList>{{"4711", "1111"}}));
    EXPECT_FALSE(db().tableExists(QStringLiteral("LagerTemp")));
    EXPECT_EQ(fileBytes(m_home.home().path(QStringLiteral("Online/Ber_ID.bin"))),
              QByteArray(" 4711 Ute Muster\r\n"));

    // Once more without 222222: its mark goes, it stays inactive.
    ASSERT_TRUE(import(artInfosText(kFresh, {row(QStringLiteral("111111"))})));
    const Article again = article(QStringLiteral("222222"));
    EXPECT_TRUE(!again.aktiv && !again.entfernt);
    EXPECT_EQ(article(QStringLiteral("111111")).bestand, 5);
    EXPECT_TRUE(db().rows(QStringLiteral("SELECT * FROM Ersatzteile")).empty());
}

TEST_F(ArticleImportTest, OldArticleFileAsksFirst)
{
    struct Case
    {
        QString created;
        bool asked;
        Answer answer;
        bool imported;
    };
    for (const Case& k : std::vector<Case>{{QStringLiteral("02.12.2026"), false, Answer::No, true},
                                           {QStringLiteral("01.12.2026"), true, Answer::Yes, true},
                                           {QStringLiteral("01.12.2026"), true, Answer::No, false},
                                           {QStringLiteral("kein Datum"), true, Answer::No, false}}) {
        db().run(QStringLiteral("DELETE FROM Lager"));
        ui() = ScriptedUi({k.answer});
        import(artInfosText(k.created, {row(QStringLiteral("123456"))}));
        EXPECT_EQ(ui().wasShown(I::kTooOld), k.asked) << k.created.toStdString();
        EXPECT_EQ(numbers().size(), k.imported ? 1 : 0) << k.created.toStdString();
        if (!k.imported) {
            EXPECT_EQ(figures.state, I::kCancelled);
        }
    }
}

TEST_F(ArticleImportTest, RefusedMediumOrArchiveLeavesEverythingAsItWas)
{
    ArticleBuilder(QStringLiteral("111111")).with(QStringLiteral("AKTIV"), true).insertInto(db());
    SparePartsRefill::replace(db(), {{QStringLiteral("4711"), QStringLiteral("1111")}});
    const QString before = contents();
    const QByteArray good = artInfosText(kFresh, {row(QStringLiteral("444444"))});

    writeMasterDataMedium(medium.path(), good);
    writeFileBytes(medium.filePath(QStringLiteral("Ber_ID.bin")), " 4712\r\n");
    ArticleImport other(*m_set, ui(), display);
    EXPECT_FALSE(other.run(I::Source{medium.path(), false}, kToday));
    EXPECT_TRUE(ui().wasShown(I::kNoBerId));

    writeMasterDataMedium(medium.path(), good);
    makeZip(medium.filePath(QStringLiteral("Stamm.zip")),
            {{QStringLiteral("ArtInfos.txt"), good}, {QStringLiteral("../boese.txt"), "x"}});
    ArticleImport slip(*m_set, ui(), display);
    EXPECT_FALSE(slip.run(I::Source{medium.path(), false}, kToday));
    EXPECT_TRUE(ui().wasShown(I::kNoArchive));
    EXPECT_FALSE(QFile::exists(m_home.home().path(QStringLiteral("boese.txt"))));
    EXPECT_FALSE(QFile::exists(m_home.home().path(QStringLiteral("TRANSTUP/ArtInfos.txt"))));
    EXPECT_EQ(contents(), before);
}

// The catalogue as it was goes into the day's backup before the import changes it; without that
// backup nothing is imported.
TEST_F(ArticleImportTest, BacksTheCatalogueUpFirst)
{
    ArticleBuilder(QStringLiteral("111111")).with(QStringLiteral("AKTIV"), true).insertInto(db());
    ASSERT_TRUE(import(artInfosText(kFresh, {row(QStringLiteral("444444"))})));
    const auto kept = KeptBackups(m_home.home()).ofDay(kToday);
    ASSERT_TRUE(kept);
    auto copy = Database::open(kept->databaseFile, Database::Mode::OpenExisting);
    EXPECT_EQ(copy->scalar(QStringLiteral("SELECT group_concat(L_NR) FROM Lager")).toString(), "111111");
    EXPECT_EQ(numbers(), (QStringList{"111111", "444444"}));

    const QString before = contents();
    QDir(m_home.home().backupDir()).removeRecursively();
    writeFileBytes(m_home.home().backupDir(), "kein Verzeichnis");
    EXPECT_FALSE(import(artInfosText(kFresh, {row(QStringLiteral("555555"))})));
    EXPECT_TRUE(figures.failed);
    EXPECT_TRUE(ui().shownTexts().join("|").contains(BackupBeforeChange::kFailed));
    EXPECT_EQ(contents(), before);
}

TEST_F(ArticleImportTest, FailedMergeOrSparePartRefillKeepsTheOldData)
{
    ArticleBuilder(QStringLiteral("111111")).with(QStringLiteral("AKTIV"), true).stock(3).insertInto(db());
    ArticleBuilder(QStringLiteral("222222")).with(QStringLiteral("AKTIV"), true).insertInto(db());
    SparePartsRefill::replace(db(), {{QStringLiteral("4711"), QStringLiteral("1111")}});
    options().setChecked(QStringLiteral("AppendArtikel"), true);
    const QString before = contents();
    // The last record of the new list cannot go in: the whole merge is undone.
    db().run(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Lager WHEN NEW.L_NR = '999999' "
                            "BEGIN SELECT RAISE(ABORT, 'voll'); END"));
    EXPECT_FALSE(import(artInfosText(kFresh, {row(QStringLiteral("111111")), row(QStringLiteral("999999"))},
                                     {}, {{QStringLiteral("1"), QStringLiteral("2")}})));
    EXPECT_TRUE(ui().wasShown(ArticleMerge::kNotTaken));
    EXPECT_EQ(contents(), before);

    db().run(QStringLiteral("DROP TRIGGER refuse"));
    db().run(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Ersatzteile WHEN NEW.L_NR_ERS = '9' "
                            "BEGIN SELECT RAISE(ABORT, 'voll'); END"));
    EXPECT_FALSE(import(artInfosText(
        kFresh, {row(QStringLiteral("111111"))}, {},
        {{QStringLiteral("1"), QStringLiteral("2")}, {QStringLiteral("9"), QStringLiteral("2")}})));
    EXPECT_TRUE(ui().wasShown(SparePartsRefill::kFailed));
    EXPECT_EQ(db().rows(QStringLiteral("SELECT L_NR_ERS, L_NR_TWP FROM Ersatzteile")),
              (std::vector<QVariantList>{{"4711", "1111"}}));
    EXPECT_EQ(numbers(), QStringList{QStringLiteral("111111")});
}

TEST(ArticleFileCurrencyTest, CodeOfTheFileAgainstTheDataSet)
{
    const QString pad(74, QLatin1Char(' '));
    struct Case
    {
        QStringList lines;
        bool euro;
        QList<Answer> answers;
        bool accepted;
        QString shown;
    };
    for (const Case& k :
         std::vector<Case>{{{"kopf", pad + "dem", "x"}, true, {}, false, ArticleFileCurrency::kDemInEuro},
                           {{"kopf", pad + "EUR"}, false, {}, false, ArticleFileCurrency::kEuroInDem},
                           {{"kopf", pad, pad + "EUR"}, true, {}, true, QString()},
                           {{"kopf", pad + "DEM"}, false, {}, true, QString()},
                           {{"kopf", pad + "USD"}, true, {Answer::Yes}, true, ArticleFileCurrency::kUnknown},
                           {{"kopf"}, true, {Answer::No}, false, ArticleFileCurrency::kUnknown}}) {
        ScriptedUi ui(k.answers);
        EXPECT_EQ(ArticleFileCurrency::accept(k.lines, k.euro, ui), k.accepted)
            << k.lines.join('|').toStdString();
        EXPECT_EQ(ui.shownTexts(), k.shown.isEmpty() ? QStringList() : QStringList{k.shown});
    }
}

} // namespace korbelant::test
