#include "core/DataSet.h"
#include "support/OrvelaSource.h"
#include "support/TakeOverSources.h"
#include "takeover/DosTakeOver.h"
#include "takeover/KalmoTakeOver.h"
#include "takeover/OrvelaTakeOver.h"
#include "takeover/QuarnelTakeOver.h"
#include "takeover/ui/TDatenImport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace korbelant::test {

namespace {

class TakeOverWindowTest : public TakeOverFixture
{
protected:
    void writeDosCustomers()
    {
        writeTable(QStringLiteral("Kunden.dbf"), DosLayouts::customers(),
                   {{{"K_NR", QStringLiteral("200001")}, {"NAME", QStringLiteral("Berger")}},
                    {{"K_NR", QStringLiteral("200002")}, {"NAME", QStringLiteral("Huber")}}});
    }
    void writeKalmoCustomers()
    {
        writeTable(QStringLiteral("GBAdr.dbf"), KalmoLayouts::customers(),
                   {{{"NR", QStringLiteral("01200001")}}, {{"NR", QStringLiteral("01200002")}}});
    }
    bool hasLabel(QWidget& window, const QString& text)
    {
        for (const QLabel* label : window.findChildren<QLabel*>())
            if (label->text() == text)
                return true;
        return false;
    }
    // Runs the work once the window's own event loop is running.
    static void whenShown(std::function<void(TDatenImport&)> work)
    {
        QTimer::singleShot(0, [work] {
            if (auto* window = dynamic_cast<TDatenImport*>(QApplication::activeModalWidget()))
                work(*window);
        });
    }
};

} // namespace

// The DOS window opens with Dospfad; the folder button changes it and keeps it as the option;
// "&Starten" runs every row, with the main window disabled meanwhile, and closes with OK.
TEST_F(TakeOverWindowTest, DosWindowTakesOverFromTheChosenFolder)
{
    options().setText(DosTakeOver::kOption, QStringLiteral("/nirgends/"));
    writeDosCustomers();
    DosTakeOver kind;
    QWidget mainWindow;
    TDatenImport window(*m_set, ui(), kind, &mainWindow);
    window.setDisabledWhileRunning(&mainWindow);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Daten von Korbelant (Dos) importieren  "));
    EXPECT_EQ(window.source(), QStringLiteral("/nirgends/"));
    for (const char* text : {"Quellverzeichnis :", "Warnung :", "DOS", "WIN 95", "Datensätze :",
                             "Führen Sie nach einer erfolgreichen Übernahme keine Übernahme mehr durch.",
                             "Bestelldaten werden doppelt übernommen (setzen sie die Daten zuerst zurück)"})
        EXPECT_TRUE(hasLabel(window, QString::fromUtf8(text))) << text;
    EXPECT_TRUE(window.rowCheck(3)->isChecked());
    EXPECT_EQ(window.rowCheck(3)->text(), QStringLiteral("Vorführungsdaten"));
    EXPECT_TRUE(window.progressBar()->isHidden());

    window.startButton()->click();
    EXPECT_TRUE(ui().wasShown(DosTakeOver::kInvalidPath));
    EXPECT_EQ(window.result(), 0) << "the window stays for another directory";
    EXPECT_TRUE(window.startButton()->isEnabled());

    ui().addFile(sourceDir());
    window.folderButton()->click();
    EXPECT_EQ(window.source(), sourceDir());
    EXPECT_EQ(DataSet::open(m_home.home())->options().text(DosTakeOver::kOption), sourceDir())
        << "the chosen folder is saved as the option";

    bool disabledMeanwhile = false;
    bool cancelDisabled = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, &window, [&] {
        disabledMeanwhile = !mainWindow.isEnabled() && window.isEnabled();
        cancelDisabled = !window.cancelButton()->isEnabled();
    });
    probe.start(0);
    window.show();
    window.startButton()->click();
    probe.stop();

    EXPECT_EQ(window.result(), TDatenImport::Ok);
    EXPECT_TRUE(disabledMeanwhile);
    EXPECT_TRUE(cancelDisabled) << "the DOS takeover cannot be stopped";
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(window.rowStatus(0), QStringLiteral("abgeschlossen"));
    EXPECT_EQ(window.rowSourceCount(0), QStringLiteral("2"));
    EXPECT_EQ(window.rowTargetCount(0), QStringLiteral("3"));
    EXPECT_EQ(window.rowStatus(3), QStringLiteral("abgeschlossen"));
    EXPECT_TRUE(window.rowSourceCount(3).isEmpty());
    EXPECT_EQ(count(QStringLiteral("Kunden")), 5);
}

// "&Abbrechen" before a start asks and, on "Ja", closes the window with cancel; nothing is
// copied.
TEST_F(TakeOverWindowTest, CancellingBeforeTheStartClosesWithCancel)
{
    writeKalmoCustomers();
    KalmoTakeOver kind;
    TDatenImport window(*m_set, ui(), kind);
    ui().addAnswer(UiPort::Answer::No);
    window.cancelButton()->click();
    EXPECT_EQ(window.result(), 0);
    ui().addAnswer(UiPort::Answer::Yes);
    window.cancelButton()->click();
    EXPECT_EQ(window.result(), TDatenImport::Cancel);
    EXPECT_EQ(ui().shownTexts().count(
                  QStringLiteral("Wollen Sie die Datenübernahme abbrechen ? (Nicht empfohlen)")),
              2);
    EXPECT_EQ(count(QStringLiteral("Kunden")), 3);
}

// The KALMO window has its own title, captions and directory; "&Abbrechen" stays enabled while
// it runs, and "Ja" stops the takeover: the window closes with abort and the main window's
// message follows.
TEST_F(TakeOverWindowTest, KalmoWindowCanBeStoppedWhileItRuns)
{
    writeKalmoCustomers();
    KalmoTakeOver kind;
    QWidget mainWindow;
    whenShown([this](TDatenImport& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Daten von Kalmor (Dos) importieren  "));
        EXPECT_EQ(window.source(), KalmoTakeOver::kPreset);
        ui().addFile(sourceDir());
        window.folderButton()->click();
        // The first status shown lets this click through while the customers are copied.
        QTimer::singleShot(0, &window, [this, &window] {
            EXPECT_TRUE(window.cancelButton()->isEnabled());
            ui().addAnswer(UiPort::Answer::Yes);
            window.cancelButton()->click();
        });
        window.startButton()->click();
    });
    EXPECT_EQ(TDatenImport::run(*m_set, ui(), kind, &mainWindow), TDatenImport::Abort);
    EXPECT_TRUE(ui().wasShown(TakeOverRun::kAborted));
    EXPECT_EQ(count(QStringLiteral("Kunden")), 3) << "the customers row was undone";
    EXPECT_EQ(options().text(DosTakeOver::kOption),
              DataSet::open(m_home.home())->options().text(DosTakeOver::kOption))
        << "the KALMO directory is no option";
}

// The Orvela window reads the Access database of the chosen folder; the preset folder has none,
// so the first start shows the path message once and the window stays. The party row shows its
// counts without a status.
TEST_F(TakeOverWindowTest, OrvelaWindowTakesOverFromTheDatabaseOfTheFolder)
{
    OrvelaSource orvela;
    orvela.add(QStringLiteral("Adressen"), {{QStringLiteral("Index"), 4711}, {QStringLiteral("Ordner"), 1}});
    orvela.add(QStringLiteral("Vorführungen"), {{QStringLiteral("ID"), 1},
                                                {QStringLiteral("Datum"), QDate(2004, 3, 24)},
                                                {QStringLiteral("GgID"), 4711}});
    OrvelaTakeOver kind(OrvelaSource::driverMap());
    TDatenImport window(*m_set, ui(), kind);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Daten von ORVELA importieren  "));
    EXPECT_EQ(window.source(), OrvelaTakeOver::kPreset);
    EXPECT_TRUE(hasLabel(window, QStringLiteral("Orvela")));
    EXPECT_TRUE(hasLabel(window, QStringLiteral("KLV")));
    EXPECT_EQ(window.rowCheck(0)->text(), QStringLiteral("Kundenstamm"));
    EXPECT_EQ(window.rowCheck(1)->text(), QStringLiteral("Vorführungsdaten"));
    window.startButton()->click();
    EXPECT_EQ(ui().shownTexts().count(OrvelaTakeOver::kInvalidPath), 1);
    EXPECT_EQ(window.result(), 0);

    ui().addFile(orvela.directory());
    window.folderButton()->click();
    window.show();
    window.startButton()->click();
    EXPECT_EQ(window.result(), TDatenImport::Ok);
    EXPECT_EQ(window.rowStatus(0), QStringLiteral("abgeschlossen"));
    EXPECT_EQ(window.rowSourceCount(0), QStringLiteral("1"));
    EXPECT_EQ(window.rowStatus(1), QString());
    EXPECT_EQ(window.rowSourceCount(1), QStringLiteral("1"));
    EXPECT_EQ(window.rowTargetCount(1), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 1);
}

// The Quarnel window has its own title, captions and directory; it runs with "&Abbrechen"
// enabled, and the party row shows its counts without a status.
TEST_F(TakeOverWindowTest, QuarnelWindowTakesOverCustomersAndParties)
{
    writeParadoxTable(QStringLiteral("PERSONEN.db"), QuarnelLayouts::customers(),
                      {{{"ID", 200001}, {"Name", QStringLiteral("Berger")}}, {{"ID", 200002}}});
    writeParadoxTable(QStringLiteral("VF.db"), QuarnelLayouts::parties(),
                      {{{"PartyID", 1}, {"Datum", QDate(2004, 2, 12)}, {"GastgeberNr", 200001}}});
    QuarnelTakeOver kind;
    QWidget mainWindow;
    TDatenImport window(*m_set, ui(), kind, &mainWindow);

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Daten von Quarnel(WIN) importieren  "));
    EXPECT_EQ(window.source(), QuarnelTakeOver::kPreset);
    for (const char* text : {"Quarnel", "KLV 2003"})
        EXPECT_TRUE(hasLabel(window, QString::fromUtf8(text))) << text;
    EXPECT_EQ(window.rowCheck(1)->text(), QStringLiteral("Vorführungsdaten"));

    ui().addFile(sourceDir());
    window.folderButton()->click();
    EXPECT_EQ(window.source(), sourceDir());

    bool cancelEnabled = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, &window,
                     [&] { cancelEnabled = cancelEnabled || window.cancelButton()->isEnabled(); });
    probe.start(0);
    window.show();
    window.startButton()->click();
    probe.stop();

    EXPECT_EQ(window.result(), TDatenImport::Ok);
    EXPECT_TRUE(cancelEnabled);
    EXPECT_EQ(window.rowStatus(0), QStringLiteral("abgeschlossen"));
    EXPECT_EQ(window.rowSourceCount(0), QStringLiteral("2"));
    EXPECT_EQ(window.rowTargetCount(0), QStringLiteral("5"));
    EXPECT_TRUE(window.rowStatus(1).isEmpty());
    EXPECT_EQ(window.rowSourceCount(1), QStringLiteral("1"));
    EXPECT_EQ(window.rowTargetCount(1), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("Tuppkopf")), 1);
}

} // namespace korbelant::test
