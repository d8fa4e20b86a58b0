#include "parties/ui/TNewGuestForm.h"
#include "support/PartyModuleFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

// The guest window at its standard size on a party as a consultant has it: a host with her
// address and a handful of lines, a catalogue of real-looking articles.
class TNewGuestFormLayoutTest : public PartyModuleFixture
{
protected:
    void SetUp() override
    {
        addCustomer(QStringLiteral("101395"),
                    {{QStringLiteral("VORNAME"), QStringLiteral("Susanne")},
                     {QStringLiteral("NAME"), QStringLiteral("Lorenz")},
                     {QStringLiteral("STRASSE"), QStringLiteral("Frankfurter Straße 12")},
                     {QStringLiteral("PLZ"), QStringLiteral("35606")},
                     {QStringLiteral("ORT"), QStringLiteral("Solms")},
                     {QStringLiteral("TELEFON"), QStringLiteral("06429 6561234")},
                     {QStringLiteral("N_DATUM"), QDate(2026, 5, 14)}});
        const struct
        {
            const char* lNr;
            const char* text;
            double preis;
            int sterne;
        } catalogue[] = {
            {"1000001", "Sparschäler Set 2-tlg. beere", 17.88, 10},
            {"1000004", "Reibe 250 ml grün", 58.24, 5},
            {"1000005", "Auflaufform groß lila", 57.09, 1},
            {"1000058", "Quirl 500 ml orange", 16.88, 0},
            {"1000210", "Reisbehälter 4,3 l blau", 35.01, 0},
            {"1000393", "Zitruspresse groß grün", 39.54, 0},
            {"2000117", "Frischhaltedose 1,1 l", 24.90, 3},
            {"9500120", "Ersatzdeckel rund weiß", 3.50, 0},
        };
        for (const auto& a : catalogue) {
            const QString lNr = QString::fromLatin1(a.lNr);
            addArticle(lNr, QStringLiteral("10"), a.preis, a.sterne,
                       lNr == QStringLiteral("1000210") ? 4 : 0);
            db().run(QStringLiteral("UPDATE Lager SET AKTIV = 1, L_TEXT = ?, Z_NR = ? WHERE L_NR = ?"),
                     {QString::fromUtf8(a.text), QStringLiteral("1") + lNr, lNr});
        }
        m_rNr = makeParty(QDate(2026, 3, 12), QStringLiteral("101395"));
        for (const char* lNr : {"1000393", "1000210", "1000058", "1000001", "1000005", "2000117"})
            enter(m_rNr, QStringLiteral("01"), QString::fromLatin1(lNr), QStringLiteral("10"), 2);
    }

    std::unique_ptr<TNewGuestForm> open()
    {
        auto form = std::make_unique<TNewGuestForm>(*m_party, *m_articles, *m_customers, m_set->options(),
                                                    m_ui, m_rNr, QStringLiteral("01"));
        form->show();
        settle();
        return form;
    }

    static void settle() { QApplication::processEvents(); }

    // Rows shown whole between the column heads and the bottom of the list.
    static int wholeRows(const QTableView* grid)
    {
        int rows = 0;
        while (rows < grid->model()->rowCount() &&
               grid->rowViewportPosition(rows) + grid->rowHeight(rows) <= grid->viewport()->height())
            ++rows;
        return rows;
    }

    QString m_rNr;
};

TEST_F(TNewGuestFormLayoutTest, BothListsShowTheirHeadsWholeAndMoreThanThreeRows)
{
    auto form = open();
    ASSERT_EQ(form->size(), QSize(590, 452));
    const struct
    {
        const char* name;
        QTableView* grid;
        QStringList heads;
    } grids[] = {
        {"order lines",
         form->lineGrid(),
         {"VA", "Artikel-Nr.", "Fehl.", "Bezeichnung", "Stück", "Einzelpreis", "*", "Summe", "Vorab"}},
        {"article list",
         form->articleGrid(),
         {"VA", "L-Nr", "Z-Nr", "Artikel", "Preis", "Sterne", "Bestand", "Status"}},
    };
    for (const auto& g : grids) {
        SCOPED_TRACE(g.name);
        const QHeaderView* header = g.grid->horizontalHeader();
        QStringList heads;
        for (int column = 0; column < header->count(); ++column) {
            heads << g.grid->model()->headerData(column, Qt::Horizontal).toString();
            if (!header->isSectionHidden(column)) {
                EXPECT_LE(header->sectionSizeHint(column), g.grid->columnWidth(column))
                    << heads.last().toStdString();
            }
        }
        EXPECT_EQ(heads, g.heads);
        EXPECT_LE(header->length(), g.grid->viewport()->width()) << "no column beyond the right edge";
        EXPECT_FALSE(g.grid->horizontalScrollBar()->isVisible());
        EXPECT_GT(wholeRows(g.grid), 3);
        EXPECT_LT(g.grid->font().pointSizeF(), form->font().pointSizeF())
            << "a smaller font than the window's";
    }
}

TEST_F(TNewGuestFormLayoutTest, AddressCaptionsAndEveryLetterFitTheStandardSize)
{
    auto form = open();
    const QLabel* address = form->addressPanel();
    EXPECT_TRUE(address->text().contains(QStringLiteral("Telefon : 06429 6561234")));
    EXPECT_LE(address->sizeHint().width(), address->width()) << "no line of the address cut";
    EXPECT_LE(address->sizeHint().height(), address->height()) << "every line of the address shown";

    // Every button shows its whole caption.
    for (const QAbstractButton* b : form->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(form.get()) || b->text().isEmpty())
            continue;
        const QString caption = QString(b->text()).remove(QLatin1Char('&'));
        EXPECT_LE(b->fontMetrics().horizontalAdvance(caption), b->width()) << caption.toStdString();
    }

    // The last letter stands inside the window, and a click on it moves the list.
    auto* letters = form->letterTabs();
    ASSERT_EQ(letters->count(), 36);
    const int last = letters->count() - 1;
    const QRect rect = letters->tabRect(last);
    EXPECT_TRUE(letters->rect().contains(rect)) << "the last letter in the bar";
    EXPECT_TRUE(form->rect().contains(QRect(letters->mapTo(form.get(), rect.topLeft()), rect.size())))
        << "the bar inside the window";
    ASSERT_EQ(form->modeLabel()->text(), QStringLiteral("Betrachten")) << "a letter moves the list";
    QWidget* target = letters->childAt(rect.center());
    QTest::mouseClick(target ? target : letters, Qt::LeftButton, {},
                      target ? target->mapFrom(letters, rect.center()) : rect.center());
    ASSERT_NE(form->articleList().current(), nullptr);
    EXPECT_EQ(form->articleList().current()->lNr, QStringLiteral("9500120"));
}

TEST_F(TNewGuestFormLayoutTest, ATallerWindowGivesRoomToBothLists)
{
    auto form = open();
    const int lines = form->lineGrid()->height();
    const int articles = form->articleGrid()->height();
    form->resize(800, 652);
    settle();
    EXPECT_GE(form->lineGrid()->height(), lines + 80);
    EXPECT_GE(form->articleGrid()->height(), articles + 80);
    EXPECT_EQ(form->listHeight(), 77) << "the stored list height stays";

    // Back to the standard size, the lists are as before.
    form->resize(590, 452);
    settle();
    EXPECT_EQ(form->lineGrid()->height(), lines);
    EXPECT_EQ(form->articleGrid()->height(), articles);

    // The arrow makes the article list one step higher at the order lines' expense.
    form->stepListHeight(+1);
    settle();
    EXPECT_EQ(form->listHeight(), 95);
    EXPECT_EQ(form->articleGrid()->height(), articles + 18);
    EXPECT_EQ(form->lineGrid()->height(), lines - 18);
}

} // namespace
} // namespace korbelant::test
