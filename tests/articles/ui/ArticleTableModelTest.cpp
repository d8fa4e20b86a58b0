#include "articles/ui/ArticleTableModel.h"
#include "articles/TArtikelModul.h"
#include "articles/ui/TArtikelVerwaltForm.h"
#include "core/Options.h"
#include "support/ArticleModuleFixture.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <functional>

namespace korbelant::test {

namespace {

// The article grid's model under Qt's model checker while the article window switches states,
// orders, kinds and the spare-part view and deletes an article; without and with the column of
// the second currency.
class ArticleTableModelTest : public ArticleModuleFixture, public ::testing::WithParamInterface<bool>
{
protected:
    void SetUp() override
    {
        ArticleModuleFixture::SetUp();
        addArticle("A001", {{"L_TEXT", QString::fromUtf8("Schüssel")}, {"AKTIV", true}, {"PREIS", 9.5}});
        addArticle("B002", {{"VA", "20"}, {"L_TEXT", "Dose"}, {"NEU", true}});
        addArticle("C003", {{"L_TEXT", "Becher"}, {"BESTAND", 2}, {"STERNE", 4}});
        addArticle("D004", {{"VA", "91"}, {"L_TEXT", "Eigenes"}, {"ENTFERNT", true}});
        addArticle("E005", {{"L_TEXT", "Deckel"}});
        db().run("INSERT INTO Ersatzteile (L_NR_ERS, L_NR_TWP) VALUES ('B0', 'A001')");
        options().setChecked("Artikel", GetParam());
    }
};

} // namespace

TEST_P(ArticleTableModelTest, EveryChangeOfTheWindowKeepsTheModelConsistent)
{
    TArtikelVerwaltForm form(modul(), ui(), "Korbelant");
    ArticleTableModel* model = form.model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    form.show();
    EXPECT_EQ(model->columnCount(), GetParam() ? 9 : 8);

    // The switches show a record when any of its states is switched on.
    const struct
    {
        const char* what;
        std::function<void()> action;
        int rows;
    } steps[] = {
        {"opened with every state", [] {}, 5},
        {"inactive ones off", [&] { form.inactiveBox()->setChecked(false); }, 4},
        {"new ones off", [&] { form.newBox()->setChecked(false); }, 3},
        {"removed ones off", [&] { form.removedBox()->setChecked(false); }, 2},
        {"every state again",
         [&] {
             for (QCheckBox* box : {form.newBox(), form.inactiveBox(), form.removedBox()})
                 box->setChecked(true);
         },
         5},
        {"stock only", [&] { form.stockBox()->setChecked(true); }, 1},
        {"stock or not", [&] { form.stockBox()->setChecked(false); }, 5},
        {"every order",
         [&] {
             for (int i = form.sortBox()->count() - 1; i >= 0; --i)
                 form.sortBox()->setCurrentIndex(i);
         },
         5},
        {"kind 10", [&] { form.kindBox()->setCurrentText("10=Verkauf Katalogartikel"); }, 3},
        {"search within the kind", [&] { form.searchEdit()->setText("C"); }, 3},
        {"every kind", [&] { form.kindBox()->setCurrentIndex(0); }, 5},
        {"spare parts of A001", [&] { form.showSpareParts("A001"); }, 1},
        {"back to the catalogue", [&] { form.back(); }, 5},
        {"an article deleted",
         [&] {
             ui().addAnswer(UiPort::Answer::Ok);
             form.deleteCurrent();
         },
         4},
    };
    for (const auto& step : steps) {
        step.action();
        EXPECT_EQ(model->rowCount(), step.rows) << step.what;
    }
}

INSTANTIATE_TEST_SUITE_P(SecondCurrency, ArticleTableModelTest, ::testing::Bool());

} // namespace korbelant::test
