#include "parties/ui/TNewGuestForm.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "core/DataSet.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "customers/TClientDataModul.h"
#include "parties/TVorFuerModul.h"
#include "parties/ui/GuestKeys.h"
#include "parties/ui/TSternekonto.h"
#include "support/PartyModuleFixture.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TNewGuestFormTest : public PartyModuleFixture
{
protected:
    void SetUp() override
    {
        for (const char* kNr : {"100002", "100003"})
            addCustomer(QString::fromLatin1(kNr), {{QStringLiteral("NAME"), QStringLiteral("Gast")},
                                                   {QStringLiteral("VORNAME"), QString::fromLatin1(kNr)}});
        addActiveArticle("A100", "10", 10.0, 3);
        addActiveArticle("B200", "20", 4.5, 0);
        addActiveArticle("C300", "10", 20.0, 5);
        m_rNr = makeParty(QDate(2026, 3, 12));
        for (const char* kNr : {"100002", "100003"})
            addGuest(m_rNr, QString::fromLatin1(kNr));
    }

    void addActiveArticle(const char* lNr, const char* va, double preis, int sterne)
    {
        addArticle(QString::fromLatin1(lNr), QString::fromLatin1(va), preis, sterne);
        db().run(QStringLiteral("UPDATE Lager SET AKTIV = 1 WHERE L_NR = ?"), {QString::fromLatin1(lNr)});
    }

    std::vector<QVariantList> lines(const QString& pNr)
    {
        return m_set->db().rows(
            QStringLiteral(
                "SELECT L_NR, VA, STUECK, SUMME FROM Tupper1 WHERE R_NR = ? AND P_NR = ? ORDER BY ID"),
            {m_rNr, pNr});
    }

    std::unique_ptr<TNewGuestForm> open(const QString& pNr)
    {
        auto form = std::make_unique<TNewGuestForm>(*m_party, *m_articles, *m_customers, m_set->options(),
                                                    m_ui, m_rNr, pNr);
        form->show();
        return form;
    }

    QString m_rNr;
};

TEST_F(TNewGuestFormTest, OrdersOfHostAndTwoGuestsEnteredByKeyboard)
{
    {
        IniFile ini(m_set->options().path());
        ini.load();
        for (const auto& [key, value] :
             {std::pair{"Width", "700"}, std::pair{"Height", "520"}, std::pair{"Tabelle", "90"}})
            ini.setValue(QStringLiteral("TNewGuestForm"),
                         QStringLiteral("NewGuestForm") + QString::fromLatin1(key),
                         QString::fromLatin1(value));
        ASSERT_TRUE(ini.save());
    }
    auto form = open(QStringLiteral("01"));
    EXPECT_EQ(form->size(), QSize(700, 520));
    EXPECT_EQ(form->listHeight(), 90);
    EXPECT_FALSE(form->customerEdit()->isEnabled()) << "the host is set in the party dialog";
    EXPECT_FALSE(form->previousButton()->isEnabled());
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Anfügen"));

    // Host: two lines; the typed prefix picks the article from the list.
    typeLine(*form, QStringLiteral("10"), QStringLiteral("A1"), QStringLiteral("2"));
    EXPECT_EQ(form->kindEdit()->text(), QStringLiteral("10")) << "kind carried over";
    typeLine(*form, QStringLiteral("10"), QStringLiteral("C300"), QStringLiteral("1"));
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("40,00"));
    EXPECT_EQ(form->mengeValue()->text(), QStringLiteral("3"));
    QTest::keyClick(form->kindEdit(), Qt::Key_N, Qt::AltModifier); // empty new line: nothing happens
    EXPECT_EQ(form->lineGrid()->model()->rowCount(), 3);

    // First guest: a kind-20 line and a VAG line, which is not carried over.
    QTest::keyClick(form->kindEdit(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(form->session().pNr(), QStringLiteral("02"));
    EXPECT_EQ(form->customerEdit()->text(), QStringLiteral("100002"));
    EXPECT_TRUE(form->addressPanel()->text().contains(QStringLiteral("100002 Gast")));
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("0,00"));
    typeLine(*form, QStringLiteral("20"), QStringLiteral("B2"), QStringLiteral("4"));
    typeLine(*form, QStringLiteral("33"), QStringLiteral("A100"), QStringLiteral("1"));
    EXPECT_EQ(form->kindEdit()->text(), QStringLiteral("10"));
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("23,00"));

    // Second guest: a line, then a star line; Escape drops the empty new line, then closes.
    QTest::keyClick(form->kindEdit(), Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(form->session().pNr(), QStringLiteral("03"));
    EXPECT_FALSE(form->nextButton()->isEnabled());
    typeLine(*form, QStringLiteral("10"), QStringLiteral("A100"), QStringLiteral("1"));
    typeLine(*form, QStringLiteral("34"), QStringLiteral("A100"), QStringLiteral("1"));
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Anfügen"));
    QTest::keyClick(form->kindEdit(), Qt::Key_Escape);
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Betrachten"));
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("10,00"));
    EXPECT_EQ(form->mengeValue()->text(), QStringLiteral("2"));

    // Editing a line: Alt+B, pieces up, Alt+Enter.
    form->lineGrid()->selectRow(0);
    QTest::keyClick(form->lineGrid(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Bearbeiten"));
    EXPECT_EQ(form->lineGrid()->model()->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(Qt::yellow));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Up);
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("20,00"));

    QTest::keyClick(form->lineGrid(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(m_ui.shownTexts().isEmpty()) << m_ui.shownTexts().join(QLatin1Char('|')).toStdString();
    m_party->closeGuestWindow(m_rNr, QStringLiteral("03")); // as the party window does

    const auto host = lines(QStringLiteral("01"));
    ASSERT_EQ(host.size(), 2u);
    EXPECT_EQ(host[0][0].toString(), QStringLiteral("A100"));
    EXPECT_DOUBLE_EQ(host[0][2].toDouble(), 2.0);
    EXPECT_EQ(host[1][0].toString(), QStringLiteral("C300"));
    const auto guest = lines(QStringLiteral("02"));
    ASSERT_EQ(guest.size(), 2u);
    EXPECT_EQ(guest[0][1].toString(), QStringLiteral("20"));
    EXPECT_DOUBLE_EQ(guest[0][3].toDouble(), 18.0);
    EXPECT_EQ(guest[1][1].toString(), QStringLiteral("33"));
    ASSERT_EQ(lines(QStringLiteral("03")).size(), 2u);

    const auto h = *m_party->header(m_rNr);
    EXPECT_DOUBLE_EQ(h.value(QStringLiteral("S_UMSATZ")).toDouble(), 40.0 + 23.0 + 20.0);
    EXPECT_EQ(h.value(QStringLiteral("STERNE")).toInt(), 3);
    EXPECT_DOUBLE_EQ(h.value(QStringLiteral("UM_STERNE")).toDouble(), 40.0 + 18.0 + 20.0);
    const auto calc = m_party->TKopfTableCalcFields(h);
    EXPECT_EQ(calc.mSterne, m_party->starPlan().StarsByPlan(78.0, calc.verabred2));
    for (const auto& [pNr, umsatz] : {std::pair{"01", 40.0}, std::pair{"02", 23.0}, std::pair{"03", 20.0}})
        EXPECT_DOUBLE_EQ(
            m_party->participant(m_rNr, QString::fromLatin1(pNr))->value(QStringLiteral("UMSATZ")).toDouble(),
            umsatz)
            << pNr;

    IniFile ini(m_set->options().path());
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("TNewGuestForm"), QStringLiteral("NewGuestFormWidth")),
              QStringLiteral("700"));
    EXPECT_EQ(ini.value(QStringLiteral("TNewGuestForm"), QStringLiteral("NewGuestFormTabelle")),
              QStringLiteral("90"));
}

TEST_F(TNewGuestFormTest, ClosingQuestionsStandardSizeAndListKeys)
{
    auto form = open(QStringLiteral("02"));
    EXPECT_EQ(form->size(), QSize(590, 452));
    EXPECT_EQ(form->listHeight(), 77);
    form->resize(800, 600);

    // The list follows the typed kind and number; Down moves it, Enter takes its article.
    form->kindEdit()->selectAll();
    QTest::keyClicks(form->kindEdit(), QStringLiteral("33"));
    EXPECT_EQ(form->articleGrid()->model()->rowCount(), 2) << "articles of the source kind 10";
    QTest::keyClicks(form->articleEdit(), QStringLiteral("a"));
    EXPECT_EQ(form->articleEdit()->text(), QStringLiteral("A"));
    QTest::keyClick(form->articleEdit(), Qt::Key_Down);
    QTest::keyClick(form->articleEdit(), Qt::Key_Return);
    EXPECT_EQ(form->session().currentLine()->lNr, QStringLiteral("C300"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(form->advanceBox()->isChecked());

    // Alt+E is not there yet.
    QTest::keyClick(form->piecesEdit(), Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(m_ui.wasShown(QStringLiteral("Diese Funktion ist noch nicht verfügbar.")));

    // A new line without article: Cancel keeps the window open, OK lets it close.
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return);
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Anfügen"));
    form->reject();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(m_ui.wasShown(QStringLiteral("Sie haben keinen Artikel eingegeben, Position Löschen ?")));
    m_ui.addAnswer(UiPort::Answer::Ok);
    const auto standard = form->findChildren<QPushButton*>();
    for (QPushButton* b : standard) {
        if (b->accessibleName() == QStringLiteral("Fenster auf Standardgröße stellen"))
            b->click();
    }
    EXPECT_EQ(form->size(), QSize(590, 452));
    form->reject();
    EXPECT_FALSE(form->isVisible());

    const auto stored = lines(QStringLiteral("02"));
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0][0].toString(), QStringLiteral("C300"));
    EXPECT_EQ(
        m_set->db().scalar(QStringLiteral("SELECT VORAB FROM Tupper1 WHERE R_NR = ?"), {m_rNr}).toString(),
        QStringLiteral("V"));
    IniFile ini(m_set->options().path());
    ASSERT_TRUE(ini.load());
    EXPECT_EQ(ini.value(QStringLiteral("TNewGuestForm"), QStringLiteral("NewGuestFormHeight")),
              QStringLiteral("452"));
    EXPECT_EQ(ini.value(QStringLiteral("TNewGuestForm"), QStringLiteral("NewGuestFormTabelle")),
              QStringLiteral("77"));
}

TEST_F(TNewGuestFormTest, ExchangeReasonsAndStarAccount)
{
    auto form = open(QStringLiteral("02"));
    typeLine(*form, QStringLiteral("10"), QStringLiteral("A100"), QStringLiteral("2"));

    // An exchange line: the reason field appears, Down steps to the first code, Enter in the
    // emptied field opens the chooser.
    form->kindEdit()->selectAll();
    QTest::keyClicks(form->kindEdit(), QStringLiteral("99"));
    EXPECT_TRUE(form->reasonEdit()->isVisible());
    EXPECT_FALSE(form->advanceBox()->isVisible());
    QTest::keyClicks(form->articleEdit(), QStringLiteral("A100"));
    QTest::keyClick(form->articleEdit(), Qt::Key_Return);
    QTest::keyClick(form->reasonEdit(), Qt::Key_Down);
    EXPECT_EQ(form->reasonEdit()->text(), QStringLiteral("001"));
    form->reasonEdit()->selectAll();
    QTest::keyClick(form->reasonEdit(), Qt::Key_Backspace);
    QTimer::singleShot(50, [] {
        if (auto* dialog = QApplication::activeModalWidget()) {
            dialog->findChild<QTableWidget*>()->selectRow(1);
            QTest::keyClick(dialog, Qt::Key_Return);
        }
    });
    QTest::keyClick(form->reasonEdit(), Qt::Key_Return);
    EXPECT_EQ(form->reasonEdit()->text(), QStringLiteral("002"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return);
    EXPECT_EQ(m_set->db().scalar(QStringLiteral("SELECT FEHL_CODE FROM Tupper1 WHERE VA = '99'")).toString(),
              QStringLiteral("002"));

    // The star account beside the window; "be&rechnen" stores the party's totals.
    for (QPushButton* b : form->findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("Sterne&konto"))
            b->click();
    }
    ASSERT_NE(form->starAccount(), nullptr);
    EXPECT_TRUE(form->starAccount()->isVisible());
    form->starAccount()->recomputeButton()->click();
    EXPECT_DOUBLE_EQ(m_party->header(m_rNr)->value(QStringLiteral("S_UMSATZ")).toDouble(), 20.0);

    QTest::keyClick(form->kindEdit(), Qt::Key_Escape);
    QTest::keyClick(form->kindEdit(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->starAccount()->isVisible());
}

TEST_F(TNewGuestFormTest, ArticleListTabsMenuAndChoosers)
{
    auto form = open(QStringLiteral("03"));
    auto current = [&form] {
        return form->session().currentLine() ? form->session().currentLine()->lNr : QString();
    };
    auto listed = [&form] {
        return form->articleList().current() ? form->articleList().current()->lNr : QString();
    };

    // While a line is entered a letter tab replaces the number and a digit tab appends to it.
    form->tabChosen(static_cast<int>(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ").indexOf(QLatin1Char('C'))));
    form->tabChosen(26 + 3);
    EXPECT_EQ(form->articleEdit()->text(), QStringLiteral("C3"));
    EXPECT_EQ(listed(), QStringLiteral("C300"));
    QTest::keyClick(form->articleEdit(), Qt::Key_Return);
    EXPECT_EQ(current(), QStringLiteral("C300"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return);

    // The context menu fills the new line that has no article yet, keeping its kind.
    form->articleList().setCurrentRow(0);
    form->articleMenu()->actions().at(0)->trigger();
    EXPECT_EQ(current(), QStringLiteral("A100"));
    EXPECT_EQ(form->session().currentLine()->va, QStringLiteral("10"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Betrachten"));

    // In browse mode a letter tab moves the list; a double click asks before it appends.
    form->tabChosen(2);
    EXPECT_EQ(listed(), QStringLiteral("C300"));
    m_ui.addAnswer(UiPort::Answer::Yes);
    form->listDoubleClicked();
    EXPECT_TRUE(m_ui.wasShown(QStringLiteral("Wollen Sie einen neuen Artikel anfügen ?")));
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Anfügen"));
    EXPECT_EQ(current(), QStringLiteral("C300"));
    QTest::keyClick(form->kindEdit(), Qt::Key_Escape);

    // Spare parts: first none loaded, then the chooser "Ersatzteile für Artikel".
    QTest::keyClick(form->lineGrid(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_TRUE(
        m_ui.wasShown(QStringLiteral("Keine Ersatzteilinformationen geladen (BZH-Diskette einlesen).")));
    m_set->db().insert(Schema::get(QStringLiteral("Ersatzteile")),
                       {{QStringLiteral("L_NR_TWP"), QStringLiteral("A100")},
                        {QStringLiteral("L_NR_ERS"), QStringLiteral("C3")}});
    form->lineGrid()->selectRow(1); // the A100 line
    QString title;
    QTimer::singleShot(50, [&title] {
        if (auto* chooser = dynamic_cast<TArtikelVerwaltForm*>(QApplication::activeModalWidget())) {
            title = chooser->windowTitle();
            chooser->takeChoice();
        }
    });
    QTest::keyClick(form->lineGrid(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(title, QStringLiteral("Ersatzteile für Artikel"));
    EXPECT_EQ(current(), QStringLiteral("C300"));
    EXPECT_EQ(form->modeLabel()->text(), QStringLiteral("Anfügen"));

    // "Artikel suchen" puts the chosen article and its kind into the line being entered.
    QTimer::singleShot(50, [] {
        if (auto* chooser = dynamic_cast<TArtikelVerwaltForm*>(QApplication::activeModalWidget())) {
            for (int row = 0; row < chooser->grid()->model()->rowCount(); ++row) {
                for (int column = 0; column < chooser->grid()->model()->columnCount(); ++column) {
                    if (chooser->grid()->model()->index(row, column).data().toString() ==
                        QStringLiteral("B200"))
                        chooser->grid()->setCurrentIndex(chooser->grid()->model()->index(row, column));
                }
            }
            chooser->takeChoice();
        }
    });
    QTest::keyClick(form->kindEdit(), Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(current(), QStringLiteral("B200"));
    EXPECT_EQ(form->kindEdit()->text(), QStringLiteral("20"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return, Qt::AltModifier);

    // Status boxes store their option at once.
    form->inaktivBox()->click();
    Options reread(m_set->options().path());
    ASSERT_TRUE(reread.LoadOptions());
    EXPECT_TRUE(reread.checked(QStringLiteral("NewGuestInAktiv")));

    // Participant buttons: unknown customer; a new customer cancelled leaves nothing behind.
    QTest::keyClick(form->lineGrid(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(form->customerEdit()->text(), QStringLiteral("099999"));
    const int customers = m_set->db().scalar(QStringLiteral("SELECT COUNT(*) FROM Kunden")).toInt();
    QTimer::singleShot(50, [] {
        if (auto* dialog = QApplication::activeModalWidget())
            static_cast<QDialog*>(dialog)->reject();
    });
    QTest::keyClick(form->lineGrid(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(m_set->db().scalar(QStringLiteral("SELECT COUNT(*) FROM Kunden")).toInt(), customers);
    EXPECT_EQ(form->customerEdit()->text(), QStringLiteral("099999"));

    form->reject();
    EXPECT_FALSE(form->isVisible());
    const auto stored = lines(QStringLiteral("03"));
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0][0].toString(), QStringLiteral("C300"));
    EXPECT_EQ(stored[1][0].toString(), QStringLiteral("A100"));
    EXPECT_EQ(stored[2][0].toString(), QStringLiteral("B200"));
    EXPECT_EQ(stored[2][1].toString(), QStringLiteral("20"));
    EXPECT_EQ(m_party->participant(m_rNr, QStringLiteral("03"))->value(QStringLiteral("K_NR")).toString(),
              QStringLiteral("099999"));
}

TEST_F(TNewGuestFormTest, FieldKeysAndParticipantDates)
{
    auto form = open(QStringLiteral("02"));
    // Up and Down in the kind field step through the kinds; the list follows the kind.
    form->kindEdit()->selectAll();
    QTest::keyClicks(form->kindEdit(), QStringLiteral("15"));
    QTest::keyClick(form->kindEdit(), Qt::Key_Down);
    EXPECT_EQ(form->kindEdit()->text(), QStringLiteral("20"));
    EXPECT_EQ(form->articleGrid()->model()->rowCount(), 1);
    QTest::keyClick(form->kindEdit(), Qt::Key_Up);
    QTest::keyClick(form->kindEdit(), Qt::Key_Up);
    EXPECT_EQ(form->kindEdit()->text(), QStringLiteral("10"));
    // Right copies the list's number into the field; Up and Down in the pieces field count.
    QTest::keyClick(form->articleEdit(), Qt::Key_Down);
    QTest::keyClick(form->articleEdit(), Qt::Key_Right);
    EXPECT_EQ(form->articleEdit()->text(), QStringLiteral("C300"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Down);
    QTest::keyClick(form->piecesEdit(), Qt::Key_Down);
    EXPECT_EQ(form->piecesEdit()->text(), QStringLiteral("-1"));
    QTest::keyClick(form->piecesEdit(), Qt::Key_Up);
    QTest::keyClick(form->piecesEdit(), Qt::Key_Up);
    QTest::keyClick(form->piecesEdit(), Qt::Key_Up);
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("0,00")) << "not saved yet";
    QTest::keyClick(form->piecesEdit(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(form->betragValue()->text(), QStringLiteral("40,00"));

    // Ctrl+D and Ctrl+T pick the dates; no date chosen clears the field.
    m_ui.addDate(QDate(2026, 4, 20));
    QTest::keyClick(form->lineGrid(), Qt::Key_D, Qt::ControlModifier);
    m_ui.addDate(QDate());
    QTest::keyClick(form->lineGrid(), Qt::Key_T, Qt::ControlModifier);
    form->reject();
    ASSERT_FALSE(form->isVisible());
    const auto guest = *m_party->participant(m_rNr, QStringLiteral("02"));
    EXPECT_EQ(guest.value(QStringLiteral("Verabred_DATUM")).toDate(), QDate(2026, 4, 20));
    EXPECT_TRUE(guest.value(QStringLiteral("BENE_DATUM")).isNull());
}

} // namespace
} // namespace korbelant::test
