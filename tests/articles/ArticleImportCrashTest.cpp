#include "core/DataSet.h"
#include "core/Transaction.h"
#include "support/ArtInfosFile.h"
#include "support/ArticleBuilder.h"
#include "support/TestSupport.h"
#include "support/TreeCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

constexpr int kArticles = 10000;

// Everything an import changes: the catalogue with its marks and stock, and the spare parts.
QString fingerprint(const QString& root)
{
    auto set = DataSet::open(DataHome(root));
    const QString lager =
        set->db()
            .scalar(QStringLiteral(
                "SELECT count(*) || ':' || group_concat(L_NR || '/' || COALESCE(AKTIV, '') || "
                "COALESCE(NEU, '') || COALESCE(ENTFERNT, '') || '/' || COALESCE(BESTAND, '') || "
                "'/' || COALESCE(PREIS, ''), ',') FROM (SELECT * FROM Lager ORDER BY L_NR "
                "COLLATE BINARY)"))
            .toString();
    const QString spares =
        set->db()
            .scalar(QStringLiteral("SELECT group_concat(L_NR_ERS || '>' || L_NR_TWP, ',') FROM "
                                   "(SELECT * FROM Ersatzteile ORDER BY 1, 2)"))
            .toString();
    return lager + QLatin1Char('|') + spares;
}

// A catalogue of 10,000 articles with stock and spare parts; the new list keeps half of them,
// with other prices, and brings 5,000 new ones.
void prepare(const QString& root, const QString& medium)
{
    ASSERT_EQ(runCli({"--home", root, "init"}).exitCode, 0);
    QFile::remove(root + "/FirstTime.txt");
    auto set = DataSet::open(DataHome(root));
    set->options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
    set->options().setText(QStringLiteral("BZHDRIVE"), QStringLiteral("Pfad:"));
    set->options().SaveOptions();
    Transaction transaction(set->db());
    for (int n = 0; n < kArticles; ++n) {
        ArticleBuilder(QString::number(100000 + n))
            .with(QStringLiteral("AKTIV"), true)
            .stock(n % 7)
            .insertInto(set->db());
        set->db().run(QStringLiteral("INSERT INTO Ersatzteile (L_NR_ERS, L_NR_TWP) VALUES (?, ?)"),
                      {QString::number(n), QString::number(100000 + n).left(4)});
    }
    transaction.commit();
    std::vector<ArtInfosRow> rows(kArticles);
    std::vector<ArtInfosSparePart> spares;
    for (int n = 0; n < kArticles; ++n) {
        rows[n].productNumber = QString::number(105000 + n);
        rows[n].orderNumber = QString::number(n);
        rows[n].price = QStringLiteral("%1,95").arg(n % 90);
        spares.push_back({QString::number(900000 + n), QString::number(105000 + n)});
    }
    writeMasterDataMedium(medium,
                          artInfosText(QDate::currentDate().toString("dd.MM.yyyy"), rows, {}, spares));
}

void startImport(QProcess& child, const QString& root, const QString& medium)
{
    child.start(cliProgram(), {"--home", root, "article", "import", "--source", medium});
}

} // namespace

// A child importing 10,000 articles into a catalogue of 10,000 is killed (SIGKILL) at ten moments
// spread over a whole run. Each time the catalogue and the spare parts are either as before or
// completely imported, never half.
TEST(ArticleImportCrash, AKilledImportLeavesTheOldOrTheNewCatalogue)
{
    QTemporaryDir dir;
    const QString pristine = dir.filePath("pristine");
    const QString medium = dir.filePath("medium");
    prepare(pristine, medium);
    const QString before = fingerprint(pristine);

    const QString whole = dir.filePath("whole");
    copyTree(pristine, whole);
    QElapsedTimer timer;
    timer.start();
    QProcess full;
    startImport(full, whole, medium);
    ASSERT_TRUE(full.waitForFinished(300000));
    const qint64 duration = timer.elapsed();
    const QString out = QString::fromUtf8(full.readAllStandardOutput());
    ASSERT_EQ(full.exitCode(), 0) << out.toStdString() << full.readAllStandardError().toStdString();
    EXPECT_EQ(out.split('\n').mid(0, 6),
              (QStringList{"eingelesen=10000", "neu=5000", "entfernt=5000", "vorher=10000", "nachher=15000",
                           "erstellt=" + QDate::currentDate().toString("dd.MM.yyyy")}));
    EXPECT_TRUE(out.contains("\nabgeschlossen\n"));
    const QString after = fingerprint(whole);
    ASSERT_NE(after, before);

    int old = 0;
    int complete = 0;
    constexpr int kMoments = 10;
    for (int moment = 0; moment < kMoments; ++moment) {
        const QString root = dir.filePath(QStringLiteral("kill%1").arg(moment));
        copyTree(pristine, root);
        QProcess child;
        startImport(child, root, medium);
        ASSERT_TRUE(child.waitForStarted());
        child.waitForFinished(static_cast<int>(duration * (2 * moment + 1) / (2 * kMoments)));
        child.kill();
        child.waitForFinished();
        const QString state = fingerprint(root);
        EXPECT_TRUE(state == before || state == after) << "moment " << moment << ", half imported";
        (state == after ? complete : old)++;
        QDir(root).removeRecursively();
    }
    std::printf("whole import %lld ms; killed runs: %d as before, %d complete\n",
                static_cast<long long>(duration), old, complete);
}

} // namespace korbelant::test
