#include "core/CurrencyRecord.h"
#include "core/CurrencyState.h"
#include "core/DataSet.h"
#include "core/ScriptedUi.h"
#include "euro/EuroPlan.h"
#include "euro/EuroRequest.h"
#include "support/TestSupport.h"
#include "support/TreeCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The sums and counts of every amount the conversion touches: the same before and after any number
// of unfinished runs when the data set is all in D-Mark, another one when it is all in Euro.
QVariantList fingerprint(Database& db)
{
    QVariantList values;
    for (const EuroTableStep& step : EuroPlan::steps(EuroRequest{})) {
        QStringList sums{QStringLiteral("count(*)")};
        for (const QString& field : step.fields)
            sums << QStringLiteral("total(\"%1\")").arg(field);
        const QVariantList row =
            db.rows(QStringLiteral("SELECT %1 FROM \"%2\"").arg(sums.join(','), step.table)).front();
        values << row;
    }
    return values;
}

struct State
{
    QVariantList amounts;
    bool euro = false;       // as the next start determines it
    bool optionEuro = false; // Optionen.ini after that start
    bool statusEuro = false; // first line of Status.txt after that start
};

// What the next start finds: the amounts, and the currency once the start has looked at it.
State nextStart(const QString& root)
{
    const DataHome home(root);
    auto set = DataSet::open(home);
    set->options().LoadOptions();
    State state;
    state.amounts = fingerprint(set->db());
    CurrencyRecord::restoreStatusFile(set->db(), home);
    ScriptedUi ui;
    state.euro = CurrencyState::determine(home, set->options(), ui, false, QDate::currentDate()) ==
                 CurrencyState::Currency::Euro;
    Options saved(home.optionsFile());
    saved.LoadOptions();
    state.optionEuro = saved.checked(QStringLiteral("Euro"));
    state.statusEuro = CurrencyState::recorded(home) == CurrencyState::Currency::Euro;
    return state;
}

void startConversion(QProcess& child, const QString& root)
{
    child.start(cliProgram(), {QStringLiteral("--home"), root, QStringLiteral("--answers"),
                               QStringLiteral("EURO"), QStringLiteral("euro"), QStringLiteral("convert")});
}

} // namespace

// A child converting the data set is killed (SIGKILL) at twenty moments spread over a whole run.
// Each time the next start finds every amount in D-Mark or every amount in Euro, and the option Euro
// and Status.txt say the same. The bench data set "small" by default; KORBELANT_EURO_CRASH_SET=large
// runs it on the large one.
TEST(EuroCrash, AKilledConversionLeavesAllDMarkOrAllEuro)
{
    const QString set = qEnvironmentVariable("KORBELANT_EURO_CRASH_SET", QStringLiteral("small"));
    QTemporaryDir dir;
    const QString pristine = dir.filePath(QStringLiteral("pristine"));
    ASSERT_EQ(runCli({"--home", pristine, "init"}).exitCode, 0);
    const CliRun filled = runCli({"--home", pristine, "bench-data", set, "7", "--end", "27.12.2025"});
    ASSERT_EQ(filled.exitCode, 0) << filled.err.toStdString();
    QFile::remove(pristine + "/FirstTime.txt");
    {
        QFile status(DataHome(pristine).statusFile());
        ASSERT_TRUE(status.open(QIODevice::WriteOnly));
        status.write("DEM\r\n");
    }
    const QVariantList dm = nextStart(pristine).amounts;

    // One whole run: how long it takes, and the amounts in Euro.
    const QString whole = dir.filePath(QStringLiteral("whole"));
    copyTree(pristine, whole);
    QElapsedTimer timer;
    timer.start();
    QProcess full;
    startConversion(full, whole);
    ASSERT_TRUE(full.waitForFinished(600000));
    const qint64 duration = timer.elapsed();
    ASSERT_EQ(full.exitCode(), 0) << full.readAllStandardError().toStdString();
    const State converted = nextStart(whole);
    ASSERT_NE(converted.amounts, dm);
    ASSERT_TRUE(converted.euro && converted.optionEuro && converted.statusEuro);

    int inDMark = 0;
    int inEuro = 0;
    constexpr int kMoments = 20;
    for (int moment = 0; moment < kMoments; ++moment) {
        const QString root = dir.filePath(QStringLiteral("kill%1").arg(moment));
        copyTree(pristine, root);
        QProcess child;
        startConversion(child, root);
        ASSERT_TRUE(child.waitForStarted());
        // Spread over a quarter more than the whole run took: a run slowed down by a busy machine
        // still has moments after its end.
        const qint64 delay = duration * 5 * (2 * moment + 1) / (4 * 2 * kMoments);
        child.waitForFinished(static_cast<int>(delay));
        child.kill();
        child.waitForFinished();

        const State state = nextStart(root);
        const bool euro = state.amounts == converted.amounts;
        EXPECT_TRUE(euro || state.amounts == dm) << "moment " << moment << ", half converted";
        EXPECT_EQ(state.euro, euro) << "moment " << moment;
        EXPECT_EQ(state.optionEuro, euro) << "moment " << moment;
        EXPECT_EQ(state.statusEuro, euro) << "moment " << moment;
        (euro ? inEuro : inDMark)++;
        QDir(root).removeRecursively();
    }
    // The moments reach from before the conversion to after it.
    EXPECT_GT(inDMark, 0);
    EXPECT_GT(inEuro, 0);
    std::printf("EuroCrash (%s): a whole run %lld ms; killed runs left %d in D-Mark, %d in Euro\n",
                qPrintable(set), static_cast<long long>(duration), inDMark, inEuro);
}

} // namespace korbelant::test
