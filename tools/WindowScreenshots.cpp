// The pictures of the windows in docs/, each at its standard size, on a data home filled as the
// demo's (`bench-data small`, last party on 24.12.2025, the weekly backup made):
//   korbelant-screenshots DIR [DATENVERZEICHNIS]
// Without a data home one is made in a temporary directory. Writes the pictures of the
// customer, article, party and week windows, their dialogs and the options window into DIR.
#include "app/TInfoForm.h"
#include "app/TLoadForm.h"
#include "app/TMainForm.h"
#include "app/TOptionsForm.h"
#include "articles/ArticleImport.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/TArtikelChangeForm.h"
#include "articles/ui/TArtikelImportInfo.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "cli/BenchDataGenerator.h"
#include "core/DataHome.h"
#include "core/DataSet.h"
#include "core/Installation.h"
#include "core/MainWindowState.h"
#include "core/ScriptedUi.h"
#include "core/Startup.h"
#include "core/VerifiedBackup.h"
#include "core/ui/TRestoreForm.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientForm.h"
#include "customers/ui/TClientNewForm.h"
#include "customers/ui/TFormatChooser.h"
#include "customers/ui/TFreeListForm.h"
#include "customers/ui/TVWFORM.h"
#include "exchange/ExchangeFolderChoice.h"
#include "exchange/OrderTransfer.h"
#include "exchange/ui/TPathMessageForm.h"
#include "expenses/ui/TRAbrechForm.h"
#include "expenses/ui/TSatzArt.h"
#include "expenses/ui/TSonstAusgabenForm.h"
#include "parties/ExchangeReasons.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/TNachliefForm.h"
#include "parties/ui/TNewGuestForm.h"
#include "parties/ui/TNewVorFForm.h"
#include "parties/ui/TSternekonto.h"
#include "parties/ui/TUMTForm.h"
#include "parties/ui/TVorFuerForm.h"
#include "planning/ui/TVorPlaForm.h"
#include "statistics/ui/TSatistikForm.h"
#include "statistics/ui/TStatistikChartForm.h"
#include "takeover/TakeOverKind.h"
#include "takeover/TakeOverKinds.h"
#include "takeover/ui/TDatenImport.h"
#include "week/OrderDataPreview.h"
#include "week/TWocheDataModul.h"
#include "week/WeekOverview.h"
#include "week/ui/TBestellForm.h"
#include "week/ui/TDruckSAChange.h"
#include "week/ui/TWeekRForm.h"
#include "week/ui/TWeekRLeereWoche.h"
#include "week/ui/WeekPartWeeksTab.h"
#include "widgets/DateField.h"
#include "widgets/TPfadForm.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <memory>

using namespace korbelant;

namespace {

QTextStream out(stdout);

const QDate kLastDay(2025, 12, 24);

// Lays out a new data home and fills it once.
void fill(const DataHome& home)
{
    Installation::init(home);
    auto set = DataSet::open(home);
    BenchDataGenerator(set->db(), set->options(), 1, kLastDay).generate(BenchDataGenerator::kSmall);
    set->options().SaveOptions();
    // The weekly backup, kept as the backup of that day.
    VerifiedBackup(set->db(), home).make(kLastDay, nullptr);
}

bool save(QWidget& window, const QDir& target, const QString& name)
{
    window.show();
    // Time for what fills in after showing, such as the folders of the options window.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();
    const bool saved = window.grab().save(target.filePath(name));
    out << target.filePath(name) << (saved ? "" : " - nicht geschrieben") << Qt::endl;
    window.close();
    return saved;
}

// The load window at its last step, and the main window at 1280x800 after a start on the home.
bool saveShell(const DataHome& home, ScriptedUi& ui, const QDir& target)
{
    TLoadForm load(MainWindowState::kProgramName + MainWindowState::kVersionText);
    load.setStep(QStringLiteral("Kundeverwaltung"), 40);
    bool saved = save(load, target, QStringLiteral("load-window.png"));
    Startup::Environment environment;
    environment.today = kLastDay;
    Startup startup(home, ui, environment);
    if (startup.run() != Startup::Outcome::Ready)
        return false;
    startup.prepareMainWindow();
    TMainForm main(startup.dataSet(), startup.state(), ui, WeekOverview::startKey(kLastDay), kLastDay);
    main.resize(1280, 800);
    saved &= save(main, target, QStringLiteral("main-window.png"));
    return saved;
}

// The week window on the last week with its first part-weeks marked, once per tab, and its dialogs.
bool saveWeekWindows(DataSet& set, ScriptedUi& ui, const QDir& target)
{
    TWocheDataModul week(set.db(), set.options(), ui);
    TWeekRForm window(set, week, ui, MainWindowState::kProgramName);
    QTableWidget* sums = window.partWeeksTab()->sumsGrid();
    emit sums->cellDoubleClicked(0, 0);
    emit sums->cellDoubleClicked(std::min(1, sums->rowCount() - 1), 0);
    const QStringList names{
        QStringLiteral("week-window.png"),        QStringLiteral("week-success.png"),
        QStringLiteral("week-trips.png"),         QStringLiteral("week-printed-matter.png"),
        QStringLiteral("week-request-items.png"), QStringLiteral("week-print.png")};
    bool saved = true;
    for (int tab = 0; tab < window.tabs()->count(); ++tab) {
        window.tabs()->setCurrentIndex(tab);
        saved &= save(window, target, names.at(tab));
    }
    TWeekRLeereWoche newWeek(ui);
    saved &= save(newWeek, target, QStringLiteral("week-new.png"));
    TSatzArt rates(set.db(), ui);
    saved &= save(rates, target, QStringLiteral("rate-chooser.png"));
    ExchangeFolderChoice folderChoice(set.options());
    TPathMessageForm exchangeFolder(MainWindowState::kProgramName, OrderTransfer::kChooseFolder, folderChoice,
                                    set.home().path(QStringLiteral("Online")), ui);
    saved &= save(exchangeFolder, target, QStringLiteral("exchange-folder.png"));
    TPfadForm folderChooser(TPfadForm::kCaption, DriveMap(set.options()), set.home().root());
    saved &= save(folderChooser, target, QStringLiteral("folder-chooser.png"));
    TArtikelImportInfo importInfo;
    ArticleImportFigures figures;
    figures.read = 1864;
    figures.matched = 1790;
    figures.removed = 12;
    figures.before = 1802;
    figures.after = 1866;
    figures.created = QStringLiteral("07.12.2026");
    figures.version = QStringLiteral("2.0");
    figures.state = ArticleImport::kDone;
    importInfo.finish(figures);
    saved &= save(importInfo, target, QStringLiteral("article-import.png"));
    TVWFORM appointments(set, ui);
    const QDate day = kLastDay.addDays(-7);
    for (const auto& [field, modulo, date] :
         {std::tuple{"WiederVorlage", 97, day.addDays(-3)},
          std::tuple{"GEBURTSTAG", 89, QDate(1968, day.month(), day.day() + 2)},
          std::tuple{"N_DATUM", 83, day.addDays(4)}})
        set.db().run(QStringLiteral("UPDATE Kunden SET %1 = ? WHERE rowid % %2 = 5")
                         .arg(QLatin1String(field))
                         .arg(modulo),
                     {date.toString(Qt::ISODate)});
    appointments.fill(day);
    saved &= save(appointments, target, QStringLiteral("appointments.png"));
    TFormatChooser chooser(set.db(), ui);
    chooser.list()->setCurrentRow(5);
    saved &= save(chooser, target, QStringLiteral("report-chooser.png"));
    TFreeListForm freeList(2);
    saved &= save(freeList, target, QStringLiteral("free-short-list.png"));
    TInfoForm info(set, QDateTime(kLastDay, QTime(9, 15)));
    saved &= save(info, target, QStringLiteral("information.png"));
    TDruckSAChange printedMatterName(QStringLiteral("01"), QStringLiteral("Einladungskarten"));
    saved &= save(printedMatterName, target, QStringLiteral("printed-matter-name.png"));
    week.SelectPartWeeks(true);
    if (const auto data = OrderDataPreview::prepare(week, set.options(), ui)) {
        TBestellForm preview(*data);
        saved &= save(preview, target, QStringLiteral("order-data-preview.png"));
    }
    return saved;
}

// The statistics window on the customers of the last year with its chart, the travel account
// dialog and the expense window.
bool saveStatisticsWindows(DataSet& set, ScriptedUi& ui, const QDir& target)
{
    TSatistikForm statistics(set, ui, MainWindowState::kProgramName);
    const QString year = QString::number(kLastDay.year());
    statistics.fromYear()->setText(year);
    statistics.toYear()->setText(year);
    statistics.start();
    bool saved = save(statistics, target, QStringLiteral("statistics-window.png"));
    TStatistikChartForm chart(ui);
    chart.setRows(statistics.customerRows());
    saved &= save(chart, target, QStringLiteral("statistics-chart.png"));
    TRAbrechForm travel(set, ui);
    travel.fromField()->setDate(QDate(kLastDay.year(), 12, 1));
    travel.toField()->setDate(kLastDay);
    saved &= save(travel, target, QStringLiteral("travel-account.png"));
    TSonstAusgabenForm expenses(set, ui);
    saved &= save(expenses, target, QStringLiteral("expense-window.png"));
    return saved;
}

// The takeover window of every kind of takeover, before its start.
bool saveTakeOverWindows(DataSet& set, ScriptedUi& ui, const QDir& target)
{
    bool saved = true;
    for (const QString& key : TakeOverKinds::keys()) {
        const std::unique_ptr<TakeOverKind> kind = TakeOverKinds::make(key);
        TDatenImport window(set, ui, *kind);
        saved &= save(window, target, QStringLiteral("takeover-%1.png").arg(key));
    }
    return saved;
}

QString first(Database& db, const char* sql)
{
    return db.scalar(QString::fromLatin1(sql)).toString();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        out << "Aufruf: korbelant-screenshots ZIELVERZEICHNIS [DATENVERZEICHNIS]" << Qt::endl;
        return 2;
    }
    const QDir target(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(target.path());
    QTemporaryDir temporary;
    const DataHome home(argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path());
    if (!QFileInfo::exists(home.databaseFile()))
        fill(home);

    auto set = DataSet::open(home);
    ScriptedUi ui;
    TClientDataModul customers(set->db(), ui);
    TArtikelModul articles(*set, ui);
    TVorFuerModul parties(set->db(), set->options(), ui, customers, articles);
    Database& db = set->db();
    const QString rNr = first(db, "SELECT R_NR FROM Tuppkopf ORDER BY DATUM DESC, R_NR DESC LIMIT 1");
    const QString host = first(db, "SELECT K_NR FROM Tuppkopf ORDER BY DATUM DESC, R_NR DESC LIMIT 1");
    const QString longest = first(db, "SELECT L_NR FROM Lager ORDER BY LENGTH(L_TEXT) DESC, L_NR LIMIT 1");

    bool saved = saveShell(home, ui, target);
    TClientForm customerWindow(customers, set->options(), home.dbDir());
    saved &= save(customerWindow, target, QStringLiteral("customer-window.png"));
    TClientNewForm customerDialog(customers);
    customerDialog.setRecord(customers.load(host).value_or(TClientDataModul::Record()), false);
    saved &= save(customerDialog, target, QStringLiteral("customer-dialog.png"));

    TVorFuerForm partyWindow(*set, parties, customers, ui, TVorFuerForm::GuestWindow(), kLastDay);
    saved &= save(partyWindow, target, QStringLiteral("party-window.png"));
    TNewVorFForm partyDialog(parties, customers, ui, parties.header(rNr).value_or(TVorFuerModul::Record()),
                             TNewVorFForm::kEditCaption);
    saved &= save(partyDialog, target, QStringLiteral("party-dialog.png"));

    TNewGuestForm guestWindow(parties, articles, customers, set->options(), ui, rNr, QStringLiteral("02"));
    saved &= save(guestWindow, target, QStringLiteral("guest-window.png"));
    QWidget guestPlace;
    guestPlace.setGeometry(100, 100, 590, 452);
    TSternekonto stars(
        parties, [] {}, &guestPlace);
    stars.showFor(rNr);
    saved &= save(stars, target, QStringLiteral("star-account.png"));
    ExchangeReasons reasons(db);
    TUMTForm reasonChooser(reasons, ui, QString());
    saved &= save(reasonChooser, target, QStringLiteral("exchange-reasons.png"));
    TArtikelVerwaltForm articleWindow(articles, ui, MainWindowState::kProgramName);
    saved &= save(articleWindow, target, QStringLiteral("article-window.png"));

    TOptionsForm options(*set, ui);
    saved &= save(options, target, QStringLiteral("options-window.png"));
    const ArticleRecord article =
        articles.ArticleExists(longest) ? articles.foundArticle() : articles.newArticle();
    TArtikelChangeForm articleDialog(articles, article, longest);
    saved &= save(articleDialog, target, QStringLiteral("article-dialog.png"));
    saved &= saveWeekWindows(*set, ui, target);
    saved &= saveStatisticsWindows(*set, ui, target);

    const QString week = first(db, "SELECT MWoche FROM Tuppkopf ORDER BY DATUM DESC, R_NR DESC LIMIT 1");
    TNachliefForm backOrders(*set, ui, week);
    saved &= save(backOrders, target, QStringLiteral("back-order-window.png"));
    TVorPlaForm planning(*set, customers, parties, ui, MainWindowState::kProgramName);
    saved &= save(planning, target, QStringLiteral("planning-window.png"));
    TRestoreForm restore(*set, ui);
    saved &= save(restore, target, QStringLiteral("restore-window.png"));
    saved &= saveTakeOverWindows(*set, ui, target);
    return saved ? 0 : 1;
}
