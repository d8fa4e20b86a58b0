#include "customers/ui/TClientForm.h"

#include "core/Options.h"
#include "customers/ui/CustomerGrid.h"
#include "customers/ui/TSimpleFilterForm.h"
#include "support/CustomerStoreFixture.h"

#include <QAction>
#include <QBrush>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

class TClientFormTest : public CustomerStoreFixture
{
protected:
    TClientFormTest() : options(home.home().optionsFile())
    {
        options.LoadOptions();
        add({{"NAME", "Nagel"}, {"E-MAIL", "nagel@example.de"}, {"N_DATUM", "15.03.2026"}});
        add({{"NAME", "Adam"}, {"E-MAIL", ""}, {"N_DATUM", ""}});
        add({{"NAME", QString::fromUtf8("Müller")},
             {"E-MAIL", "mueller@example.de"},
             {"N_DATUM", "01.02.2026"}});
        form = std::make_unique<TClientForm>(store, options, home.home().dbDir());
        form->setEditor([this](TClientDataModul::Record& r, bool isNew, const QString& title) {
            editorTitle = title;
            r.insert("NAME", "Neu");
            return store.post(r, isNew).ok;
        });
        form->setMailOpener([this](const QUrl& url) { mailed = url.toString(QUrl::FullyEncoded); });
        form->show();
    }
    QStringList names() const
    {
        QStringList list;
        for (const CustomerRow& r : form->grid()->customers()->rows())
            list << r.name;
        return list;
    }

    Options options;
    std::unique_ptr<TClientForm> form;
    QString editorTitle;
    QString mailed;
};

} // namespace

TEST_F(TClientFormTest, OpensSortedByNameWithTheNameColumnInRed)
{
    EXPECT_EQ(form->sortBox()->currentText(), QStringLiteral("Name + Vorname"));
    EXPECT_EQ(names().mid(0, 2), (QStringList{"Adam", "Müller"}));
    EXPECT_EQ(
        form->grid()->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
        QColor(Qt::red));
    EXPECT_FALSE(form->filterPanel()->isVisible());
}

TEST_F(TClientFormTest, SortChoiceAndColumnTitles)
{
    form->sortBox()->setCurrentIndex(5); // "Nächste Vorführung"
    EXPECT_EQ(names().mid(0, 2), (QStringList{"Nagel", "Müller"}));
    EXPECT_TRUE(form->infoLabel("Nächste Vorführung")->styleSheet().contains("red"));
    EXPECT_FALSE(form->grid()->model()->headerData(1, Qt::Horizontal, Qt::ForegroundRole).isValid());
    emit form->grid()->horizontalHeader()->sectionClicked(4); // "Plz"
    EXPECT_EQ(form->sortBox()->currentText(), QStringLiteral("Postleitzahl"));
    EXPECT_TRUE(form->infoLabel("Nächste Vorführung")->styleSheet().isEmpty());
}

// Every column as wide as its title and its longest text, a long street and address included, and
// the titles written alike.
TEST_F(TClientFormTest, ColumnsFitTheirTitlesAndTexts)
{
    add({{"NAME", "Schmidt-Hohenstein"},
         {"VORNAME", "Anna-Katharina"},
         {"STRASSE", QString::fromUtf8("Friedrich-Ebert-Straße 112a")},
         {"PLZ", "35037"},
         {"ORT", "Marburg an der Lahn"},
         {"TELEFON", "06421/1234567"},
         {"E-MAIL", "anna-katharina.schmidt@example.de"}});
    form->sortBox()->setCurrentIndex(1); // refilled in number order
    CustomerGrid* grid = form->grid();
    QStringList titles;
    for (int column = 0; column < grid->model()->columnCount(); ++column) {
        titles << grid->model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_LE(grid->horizontalHeader()->sectionSizeHint(column), grid->columnWidth(column)) << column;
        EXPECT_LE(static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(column), grid->columnWidth(column))
            << column;
    }
    EXPECT_EQ(titles, (QStringList{"K.-Nr.", "Name", "Vorname", QString::fromUtf8("Straße"), "Plz", "Ort",
                                   "Telefon-Nr.", "E-Mail"}));
}

TEST_F(TClientFormTest, InfoPanelShowsTheCurrentCustomer)
{
    form->grid()->moveTo(2); // Nagel
    EXPECT_EQ(form->infoLabel("Gasttyp")->text(), QStringLiteral("Gast"));
    EXPECT_EQ(form->infoLabel("Nächste Vorführung")->text(), QStringLiteral("15.03.2026"));
}

TEST_F(TClientFormTest, PrintFilterAndFilterDialog)
{
    form->markedFilterButton()->click();
    EXPECT_EQ(form->grid()->model()->rowCount(), 0);
    EXPECT_TRUE(form->filterPanel()->isVisible());
    EXPECT_FALSE(form->action("&Filter")->isEnabled());
    EXPECT_FALSE(form->lastFilterButton()->isEnabled());
    form->markedFilterButton()->click();
    EXPECT_EQ(form->grid()->model()->rowCount(), 6);

    form->filterDialog()->edit("Name_Min")->setText("Mü");
    form->filterDialog()->edit("Name_max")->setText("Mü");
    form->applyFilterDialog();
    EXPECT_EQ(names(), QStringList{"Müller"});
    EXPECT_EQ(form->filterPanel()->text(), QStringLiteral("Kunden nach freien Kriterien gefiltert"));
    EXPECT_FALSE(form->action("&Teilnehmer")->isEnabled());
    EXPECT_FALSE(form->markedFilterButton()->isEnabled());
    form->lastFilterButton()->click();
    EXPECT_EQ(form->grid()->model()->rowCount(), 6);
    EXPECT_TRUE(form->action("&Filter")->isEnabled());
    form->lastFilterButton()->click();
    EXPECT_EQ(names(), QStringList{"Müller"});
}

TEST_F(TClientFormTest, MarksColourTheRowAndResetAllAsks)
{
    form->grid()->moveTo(0);
    form->setMark(2);
    const QModelIndex first = form->grid()->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 255, 0));
    ui.addAnswer(UiPort::Answer::Yes);
    form->resetAllMarks();
    EXPECT_TRUE(ui.wasShown(CustomerView::kResetQuestion));
    EXPECT_FALSE(form->grid()->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
}

TEST_F(TClientFormTest, NewEditAndDelete)
{
    form->newCustomer();
    EXPECT_EQ(editorTitle, TClientForm::kNewTitle);
    EXPECT_EQ(form->grid()->currentNumber(), QStringLiteral("100005"));
    EXPECT_EQ(form->sortBox()->currentText(), QStringLiteral("Name + Vorname"));

    ui.addAnswer(UiPort::Answer::Yes);
    form->deleteCustomer();
    EXPECT_TRUE(ui.wasShown(TClientForm::kDeleteQuestion));
    EXPECT_FALSE(store.load("100005"));

    form->sortBox()->setCurrentIndex(1); // "Kundennummer": 099999 first
    ui.addAnswer(UiPort::Answer::Yes);
    form->deleteCustomer();
    EXPECT_TRUE(ui.wasShown(TClientDataModul::kReservedMessage));
    EXPECT_TRUE(store.load("099999"));
}

TEST_F(TClientFormTest, SerialAndSingleMail)
{
    options.setChecked("BCC", false);
    options.setChecked("AddBerater", false);
    form->serialMail();
    EXPECT_EQ(mailed, QStringLiteral("mailto:mueller@example.de,nagel@example.de"));
    form->grid()->moveTo(0); // Adam, no address
    form->singleMail();
    EXPECT_TRUE(ui.wasShown(QStringLiteral("Sie haben bei diesem Kunden keine email-Adresse eigetragen.")));
}

TEST_F(TClientFormTest, CounterAndClosingDiscardsTheFilterDialog)
{
    form->showCounter();
    auto* counter = form->findChild<QFrame*>("TClientInfoForm");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->findChild<QLabel*>("Count")->text(), QStringLiteral("6 Kunden"));
    counter->hide();
    form->filterDialog()->edit("BEdit")->setText("x");
    form->close();
    EXPECT_TRUE(form->filterDialog()->edit("BEdit")->text().isEmpty()) << "a new filter dialog starts empty";
}

} // namespace korbelant::test
