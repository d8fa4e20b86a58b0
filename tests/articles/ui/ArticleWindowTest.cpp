#include "articles/ArticleBenchData.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/ArticleTableModel.h"
#include "articles/ui/TArtikelChangeForm.h"
#include "articles/ui/TArtikelVerkaufForm.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "articles/ui/TVolltextForm.h"
#include "core/DataSet.h"
#include "core/Schema.h"
#include "core/ScriptedUi.h"
#include "support/ArticleBuilder.h"
#include "support/DataSetFixture.h"
#include "widgets/TClientSearch.h"

#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class ArticleWindowTest : public DataSetFixture
{
protected:
    void SetUp() override
    {
        const auto add = [&](const char* lNr, const char* va, const char* text, const QVariantMap& more) {
            ArticleBuilder(QString::fromLatin1(lNr), QString::fromLatin1(va))
                .text(QString::fromUtf8(text))
                .with(more)
                .insertInto(db());
        };
        add("A001", "10", "Schüssel 50%", {{QStringLiteral("AKTIV"), true}, {QStringLiteral("PREIS"), 9.5}});
        add("B002", "20", "Dose", {{QStringLiteral("NEU"), true}});
        add("C003", "10", "Becher", {{QStringLiteral("BESTAND"), 2}, {QStringLiteral("STERNE"), 4}});
        add("D004", "91", "Eigenes", {{QStringLiteral("AKTIV"), true}});
        m_modul = std::make_unique<TArtikelModul>(db(), options(), m_ui);
    }
    static QStringList shown(const TArtikelVerwaltForm& form)
    {
        QStringList numbers;
        const ArticleTableModel* model = form.model();
        const int column = model->columnOf(ArticleTableModel::Number);
        for (int row = 0; row < model->rowCount(); ++row)
            numbers << model->data(model->index(row, column), Qt::DisplayRole).toString();
        return numbers;
    }
    static void press(QWidget* target, Qt::Key key, const QString& text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &event);
    }

    std::unique_ptr<TArtikelModul> m_modul;
};

TEST_F(ArticleWindowTest, StatusBoxesSortAndKindDriveTheGrid)
{
    TArtikelVerwaltForm form(*m_modul, m_ui, QStringLiteral("Korbelant 2026 (6.4a)"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Vorlix-Soft - Korbelant 2026 (6.4a) Artikelverwaltung"));
    EXPECT_TRUE(form.newBox()->isChecked() && form.activeBox()->isChecked() &&
                form.inactiveBox()->isChecked() && form.removedBox()->isChecked());
    EXPECT_FALSE(form.stockBox()->isChecked());
    EXPECT_EQ(shown(form), (QStringList{"A001", "B002", "C003", "D004"}));

    form.newBox()->setChecked(false);
    form.inactiveBox()->setChecked(false);
    form.removedBox()->setChecked(false);
    EXPECT_EQ(shown(form), (QStringList{"A001", "C003", "D004"}));
    form.stockBox()->setChecked(true);
    EXPECT_EQ(shown(form), QStringList{"C003"});
    form.stockBox()->setChecked(false);

    form.sortBox()->setCurrentText(QStringLiteral("Sterne"));
    const int stars = form.model()->columnOf(ArticleTableModel::Stars);
    EXPECT_EQ(form.model()->headerData(stars, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
              QColor(Qt::red));
    EXPECT_FALSE(form.model()->headerData(stars + 1, Qt::Horizontal, Qt::ForegroundRole).isValid());
    EXPECT_EQ(shown(form).first(), QStringLiteral("C003"));

    form.kindBox()->setCurrentText(QStringLiteral("10=Verkauf Katalogartikel"));
    EXPECT_EQ(shown(form).size(), 2);
    form.kindBox()->setCurrentIndex(0);
    form.accept();
    EXPECT_FALSE(m_modul->filtering());
}

TEST_F(ArticleWindowTest, SearchDialogFindsInTheCurrentSortOrder)
{
    TArtikelVerwaltForm form(*m_modul, m_ui, QStringLiteral("Korbelant"));
    form.sortBox()->setCurrentText(QStringLiteral("Artikelbezeichnung"));
    QString title;
    QTimer::singleShot(100, [&] {
        auto* search = qobject_cast<TClientSearch*>(QApplication::activeModalWidget());
        if (!search)
            return;
        title = search->windowTitle();
        QTest::keyClicks(search->entry(), QStringLiteral("do"));
        search->reject();
    });
    QPushButton* searchButton = nullptr;
    for (QPushButton* b : form.findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("&Suchen"))
            searchButton = b;
    }
    ASSERT_TRUE(searchButton);
    searchButton->click();
    EXPECT_EQ(title, QStringLiteral("Artikel suchen"));
    ASSERT_TRUE(m_modul->current());
    EXPECT_EQ(m_modul->current()->lNr, QStringLiteral("B002")); // "Dose"
}

TEST_F(ArticleWindowTest, SparePartViewAndBack)
{
    m_set->db().run(QStringLiteral("INSERT INTO Ersatzteile (L_NR_ERS, L_NR_TWP) VALUES ('B0', 'A001')"));
    TArtikelVerwaltForm form(*m_modul, m_ui, QStringLiteral("Korbelant"));
    form.show();
    form.showSpareParts(QStringLiteral("A001"));
    EXPECT_EQ(shown(form), QStringList{"B002"});
    EXPECT_TRUE(form.backButton()->isVisible());
    EXPECT_FALSE(form.kindBox()->isVisible());
    form.back();
    EXPECT_FALSE(form.backButton()->isVisible());
    EXPECT_TRUE(form.kindBox()->isVisible());
    EXPECT_EQ(form.kindBox()->currentText(), QStringLiteral("Alle"));
    EXPECT_EQ(shown(form).size(), 4);
    form.showSpareParts(QStringLiteral("Z999"));
    EXPECT_EQ(m_ui.shownTexts().last(), QStringLiteral("Für Artikel keine Ersatzteile gefunden."));
    EXPECT_FALSE(form.backButton()->isVisible());
}

TEST_F(ArticleWindowTest, ChooserReturnsTheArticleOrCancelsWithHash)
{
    ArticleStatusSwitches caller;
    caller.showNew = caller.showActive = caller.showRemoved = caller.showInactive = false;
    caller.stockOnly = true;
    {
        TArtikelVerwaltForm chooser(*m_modul, m_ui, caller);
        EXPECT_EQ(chooser.objectName(), QStringLiteral("ArtikelListForm"));
        EXPECT_EQ(shown(chooser), QStringList{"C003"});
        chooser.stockBox()->setChecked(false);
        chooser.activeBox()->setChecked(true);
        chooser.grid()->selectRow(0);
        press(chooser.grid(), Qt::Key_Return);
        ASSERT_TRUE(chooser.choice());
        EXPECT_EQ(chooser.choice()->lNr, QStringLiteral("A001"));
        EXPECT_EQ(chooser.choice()->va, QStringLiteral("10"));
        EXPECT_TRUE(chooser.returnedSwitches().showActive);
        EXPECT_FALSE(chooser.returnedSwitches().stockOnly);
    }
    EXPECT_TRUE(m_modul->switches().noFiltering);
    TArtikelVerwaltForm again(*m_modul, m_ui, caller);
    press(again.grid(), Qt::Key_NumberSign, QStringLiteral("#"));
    EXPECT_FALSE(again.choice());
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

TEST_F(ArticleWindowTest, EditDialogShowsTheChecksAndStaysOpen)
{
    TArtikelChangeForm dialog(*m_modul, m_modul->newArticle(), QString());
    dialog.numberEdit()->setText(QStringLiteral("ab1"));
    dialog.orderNumberEdit()->setText(QStringLiteral("1234567"));
    dialog.kindEdit()->setText(QStringLiteral("77"));
    EXPECT_FALSE(dialog.okClicked());
    EXPECT_EQ(m_ui.shownTexts(),
              (QStringList{"Die gewählte VA ist ungültig !", "Die TW-Bestell-Nr. muss 8 Stellen lang sein",
                           "Die Artikel-Nr. muss 4 Stellen lang sein"}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.numberEdit()->setText(QStringLiteral("A001"));
    dialog.orderNumberEdit()->setText(QStringLiteral("12345678"));
    dialog.kindEdit()->setText(QStringLiteral("10"));
    EXPECT_FALSE(dialog.okClicked());
    EXPECT_EQ(m_ui.shownTexts().last(), QStringLiteral("Die gewählte Artikelnummer ist schon vorhanden"));
    dialog.numberEdit()->setText(QStringLiteral("E005"));
    dialog.textEdit()->setText(QStringLiteral("Neue Dose"));
    EXPECT_TRUE(dialog.okClicked());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(m_modul->ArticleExists(QStringLiteral("E005")));
    EXPECT_FALSE(m_modul->foundArticle().aktiv);
    EXPECT_EQ(m_modul->foundArticle().lText, QStringLiteral("Neue Dose"));
}

// The article text at the dialog's standard size: 35 characters of average width fit, and so does
// a real text of that length, which used to be cut at both ends.
TEST_F(ArticleWindowTest, EditDialogShowsTheWholeText)
{
    TArtikelChangeForm dialog(*m_modul, m_modul->newArticle(), QString());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* text = dialog.textEdit();
    const QFontMetrics metrics = text->fontMetrics();
    const int frame = text->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, text);
    const int room = text->width() - 2 * frame - 4; // the field's frame and its margin beside the text
    EXPECT_GE(room, 35 * metrics.averageCharWidth());
    EXPECT_GE(room, metrics.horizontalAdvance(QString::fromUtf8("Eidgen. Schäler Set 2-tlg. Himbeere")));
}

TEST_F(ArticleWindowTest, FullTextWindowSearchesOnEveryChange)
{
    TVolltextForm search(*m_modul);
    EXPECT_TRUE(search.ignoreCase()->isChecked());
    search.entry()->setText(QStringLiteral("50%"));
    ASSERT_EQ(search.grid()->rowCount(), 1);
    EXPECT_EQ(search.chosen(), QStringLiteral("A001"));
    search.entry()->setText(QStringLiteral("dose"));
    EXPECT_EQ(search.grid()->rowCount(), 1);
    search.ignoreCase()->setChecked(false);
    EXPECT_EQ(search.grid()->rowCount(), 0);
}

} // namespace

} // namespace korbelant::test

namespace korbelant::test {

namespace {

TEST_F(ArticleWindowTest, SalesWindowQueriesOnEveryChange)
{
    const auto insert = [&](const char* table, QVariantMap values) {
        m_set->db().insert(Schema::get(QString::fromLatin1(table)), values);
    };
    insert("Kunden", {{QStringLiteral("K_NR"), QStringLiteral("100002")},
                      {QStringLiteral("VORNAME"), QStringLiteral("Erna")},
                      {QStringLiteral("NAME"), QStringLiteral("Muster")}});
    insert("Tupper", {{QStringLiteral("R_NR"), QStringLiteral("010103A")},
                      {QStringLiteral("P_NR"), QStringLiteral("02")},
                      {QStringLiteral("K_NR"), QStringLiteral("100002")}});
    for (const auto& [lNr, week] : {std::pair{"A001", "200301"}, {"A001", "200320"}, {"C003", "200305"}})
        insert("Tupper1", {{QStringLiteral("R_NR"), QStringLiteral("010103A")},
                           {QStringLiteral("P_NR"), QStringLiteral("02")},
                           {QStringLiteral("L_NR"), QString::fromLatin1(lNr)},
                           {QStringLiteral("VA"), QStringLiteral("10")},
                           {QStringLiteral("MWoche"), QString::fromLatin1(week)},
                           {QStringLiteral("TWoche"), QStringLiteral("1")},
                           {QStringLiteral("STUECK"), 2},
                           {QStringLiteral("EINZ_PREIS"), 9.5}});
    m_modul->activateFromMainMenu();
    ASSERT_TRUE(m_modul->locate(QStringLiteral("A001")));
    TArtikelVerkaufForm sales(*m_modul, m_ui);
    EXPECT_EQ(sales.articleEdit()->text(), QStringLiteral("A001"));
    EXPECT_EQ(sales.grid()->rowCount(), 2);
    EXPECT_EQ(sales.grid()->item(0, 3)->text(), QStringLiteral("Erna Muster"));
    EXPECT_EQ(sales.grid()->item(0, 5)->text(), QStringLiteral("2003/01/1"));
    EXPECT_EQ(sales.grid()->item(0, 7)->text(), QStringLiteral("9,50"));
    m_ui.addDate(QDate(2003, 4, 10)); // week 15 of 2003
    sales.pickWeek(sales.fromYear(), sales.fromWeek());
    EXPECT_EQ(sales.fromYear()->text() + sales.fromWeek()->text(), QStringLiteral("200315"));
    EXPECT_EQ(sales.grid()->rowCount(), 1);
    EXPECT_EQ(sales.listTitle(),
              QStringLiteral("Übersicht von Artikel A001*  mit der VA Alle  der Wochen 2003/15 bis "));
    const ReportDocument withAddress = sales.listDocument(true);
    EXPECT_EQ(withAddress.title, sales.listTitle());
    ASSERT_EQ(withAddress.sections.at(0).rowCount(), 1);
    EXPECT_FALSE(withAddress.sections[0].groups[0].rows[0].extraLines.isEmpty());
    EXPECT_TRUE(sales.listDocument(false).sections[0].groups[0].rows[0].extraLines.isEmpty());
    sales.articleEdit()->setText(QString());
    sales.kindBox()->setCurrentText(QStringLiteral("20=Sets und Kombiangebote"));
    EXPECT_EQ(sales.grid()->rowCount(), 0);
}

// The window on the catalogue of 10,000 articles that korbelant-article-window-bench times: the
// boxes, orders and searches still find what they should at that size.
TEST_F(ArticleWindowTest, TenThousandArticlesInTheWindow)
{
    fillBenchWindowArticles(m_set->db(), 10000);
    TArtikelVerwaltForm form(*m_modul, m_ui, QStringLiteral("Korbelant"));
    form.show();
    form.inactiveBox()->setChecked(false);
    EXPECT_EQ(form.model()->rowCount(), 6666 + 4);
    form.sortBox()->setCurrentText(QStringLiteral("Artikelbezeichnung"));
    form.sortBox()->setCurrentText(QStringLiteral("Preis"));
    form.kindBox()->setCurrentText(QStringLiteral("20=Sets und Kombiangebote"));
    form.searchEdit()->setText(QStringLiteral("999,8"));
    EXPECT_EQ(m_modul->current()->lNr, QStringLiteral("X009998"));
    EXPECT_EQ(m_modul->fullTextSearch(QStringLiteral("Artikel 99"), true).size(), 111u);
}

} // namespace

} // namespace korbelant::test
