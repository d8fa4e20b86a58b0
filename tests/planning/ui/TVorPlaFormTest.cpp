#include "planning/ui/TVorPlaForm.h"

#include "customers/ui/CustomerGrid.h"
#include "planning/PartyPlanning.h"
#include "planning/PlanExport.h"
#include "support/PartyModuleFixture.h"

#include <QAction>
#include <QBrush>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace korbelant::test {

class PlanningWindow : public PartyModuleFixture
{
protected:
    PlanningWindow()
    {
        addCustomer(QStringLiteral("100010"), {{QStringLiteral("NAME"), QStringLiteral("Berg")},
                                               {QStringLiteral("N_DATUM"), QStringLiteral("2027-05-14")}});
        addCustomer(QStringLiteral("100011"), {{QStringLiteral("NAME"), QStringLiteral("Adam")}});
        addCustomer(QStringLiteral("100012"), {{QStringLiteral("NAME"), QStringLiteral("Zander")},
                                               {QStringLiteral("GASTGEBER"), QStringLiteral("S")}});
    }
    std::unique_ptr<TVorPlaForm> open()
    {
        auto form =
            std::make_unique<TVorPlaForm>(*m_set, *m_customers, party(), ui(), QStringLiteral("Korbelant"));
        form->setPartyNumberChooser([this](const QDate& date) -> std::optional<TVorPlaForm::PartyNumber> {
            offered << date;
            if (offered.size() > 1)
                return std::nullopt; // cancelled
            return TVorPlaForm::PartyNumber{TVorFuerModul::partyNumber(date, QStringLiteral("A")), date};
        });
        form->show();
        return form;
    }
    // Makes the customer current and triggers the tool bar entry.
    void on(TVorPlaForm& form, const QString& kNr, const QString& entry)
    {
        form.grid()->moveTo(form.grid()->customers()->rowOf(kNr));
        form.action(entry)->trigger();
    }
    QStringList shownNumbers(TVorPlaForm& form)
    {
        QStringList numbers;
        for (const CustomerRow& r : form.grid()->customers()->rows())
            numbers << r.number;
        return numbers;
    }

    QList<QDate> offered;
};

TEST_F(PlanningWindow, MarksHostAndGuestsWithTheirColours)
{
    auto form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorlix-Soft - Korbelant - Vorplanungsverwaltung"));
    EXPECT_EQ(form->sortBox()->currentText(), QStringLiteral("Name + Vorname"));
    EXPECT_EQ(form->sortBox()->itemText(3), QStringLiteral("Ort + Strasse"));
    on(*form, QStringLiteral("100010"), QStringLiteral("&Gastgeb."));
    on(*form, QStringLiteral("100011"), QStringLiteral("&Gastgeb."));
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kHostMarked));
    on(*form, QStringLiteral("100011"), QStringLiteral("G&ast"));
    on(*form, QStringLiteral("100012"), QStringLiteral("G&ast"));
    EXPECT_EQ(form->infoLabel(QStringLiteral("Gäste markiert"))->text(), QStringLiteral("2"));
    EXPECT_EQ(form->infoLabel(QStringLiteral("Gasttyp"))->text(), QStringLiteral("Startgast"));

    CustomerTableModel* rows = form->grid()->customers();
    const QModelIndex host = rows->index(rows->rowOf(QStringLiteral("100010")), 6);
    EXPECT_EQ(host.data().toString(), QStringLiteral("Gastgeberin"));
    EXPECT_EQ(host.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 170, 170));
    EXPECT_EQ(host.data(CustomerTableModel::kSelectedBackgroundRole).value<QColor>(), QColor(Qt::red));
    const QModelIndex guest = rows->index(rows->rowOf(QStringLiteral("100011")), 6);
    EXPECT_EQ(guest.data().toString(), QStringLiteral("Gast"));
    EXPECT_EQ(guest.data(CustomerTableModel::kSelectedBackgroundRole).value<QColor>(), QColor(0, 100, 0));

    on(*form, QStringLiteral("100012"), QStringLiteral("&Zurück"));
    EXPECT_EQ(form->infoLabel(QStringLiteral("Gäste markiert"))->text(), QStringLiteral("1"));
}

TEST_F(PlanningWindow, FilterShowsTheMarkedAndClosingSwitchesItOff)
{
    auto form = open();
    const int all = form->grid()->model()->rowCount();
    on(*form, QStringLiteral("100011"), QStringLiteral("G&ast"));
    form->planFilterButton()->click();
    EXPECT_EQ(shownNumbers(*form), QStringList{QStringLiteral("100011")});
    ui().addAnswer(UiPort::Answer::Yes);
    form->action(QStringLiteral("&Neu"))->trigger();
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kResetQuestion));
    EXPECT_TRUE(form->planFilterButton()->isChecked());
    EXPECT_EQ(form->grid()->model()->rowCount(), 0);
    form->close();
    EXPECT_FALSE(form->planFilterButton()->isChecked());
    EXPECT_EQ(form->grid()->model()->rowCount(), all);
}

// "Vor&führung": the filter goes on, the dialog opens on the host's next party date (else on the
// date it held last) and the marked guests follow the host in the grid's order.
TEST_F(PlanningWindow, CreatesThePartyFromThePlan)
{
    auto form = open();
    form->action(QStringLiteral("Vor&führung"))->trigger();
    EXPECT_TRUE(ui().wasShown(PartyPlanning::kNoHost));
    EXPECT_TRUE(offered.isEmpty());
    EXPECT_TRUE(form->planFilterButton()->isChecked());
    form->planFilterButton()->click(); // all customers again, to mark them

    on(*form, QStringLiteral("100012"), QStringLiteral("G&ast"));
    on(*form, QStringLiteral("100011"), QStringLiteral("G&ast"));
    on(*form, QStringLiteral("100010"), QStringLiteral("&Gastgeb."));
    form->action(QStringLiteral("Vor&führung"))->trigger();
    EXPECT_TRUE(form->planFilterButton()->isChecked());
    ASSERT_EQ(offered, QList<QDate>{QDate(2027, 5, 14)});
    std::vector<std::pair<QString, QString>> participants;
    for (const auto& p : party().participants(QStringLiteral("140527A")))
        participants.emplace_back(p.value(QStringLiteral("P_NR")).toString(),
                                  p.value(QStringLiteral("K_NR")).toString());
    const std::vector<std::pair<QString, QString>> expected{{QStringLiteral("01"), QStringLiteral("100010")},
                                                            {QStringLiteral("02"), QStringLiteral("100011")},
                                                            {QStringLiteral("03"), QStringLiteral("100012")}};
    EXPECT_EQ(participants, expected);
    EXPECT_EQ(form->lastPartyDate(), QDate(2027, 5, 14));

    // A host without a next party date: the dialog opens on the date it held last.
    ui().addAnswer(UiPort::Answer::Yes);
    form->action(QStringLiteral("&Neu"))->trigger();
    form->planFilterButton()->click();
    on(*form, QStringLiteral("100011"), QStringLiteral("&Gastgeb."));
    form->action(QStringLiteral("Vor&führung"))->trigger();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered.last(), QDate(2027, 5, 14));
}

TEST_F(PlanningWindow, ExportWordProcessorAndNewCustomer)
{
    auto form = open();
    on(*form, QStringLiteral("100010"), QStringLiteral("&Gastgeb."));
    ui().addAnswer(UiPort::Answer::Ok);
    form->action(QStringLiteral("&Export"))->trigger();
    EXPECT_TRUE(QFile::exists(QDir(m_home.home().dbDir()).filePath(PlanExport::kFileName)));

    QStringList started;
    form->setLauncher([&](const QString& program, const QStringList&) {
        started << program;
        return true;
    });
    options().setText(QStringLiteral("WordPfad"), QStringLiteral("/usr/bin/schreiber"));
    form->action(QStringLiteral("Textverar."))->trigger();
    EXPECT_EQ(started, QStringList{QStringLiteral("/usr/bin/schreiber")});

    db().run(QStringLiteral("DELETE FROM Kunden"));
    QString number;
    QString title;
    form->setEditor([&](TClientDataModul::Record& r, bool isNew, const QString& t) {
        number = r.value(QStringLiteral("K_NR")).toString();
        title = t;
        r.insert(QStringLiteral("NAME"), QStringLiteral("Neu"));
        return m_customers->post(r, isNew).ok;
    });
    form->action(QStringLiteral("Ne&u"))->trigger();
    EXPECT_EQ(number, QStringLiteral("100002"));
    EXPECT_EQ(title, QStringLiteral("Einen neuen Kunden anlegen"));
    EXPECT_EQ(form->grid()->currentNumber(), QStringLiteral("100002"));
}

TEST_F(PlanningWindow, SortOrderMarksItsColumnAndField)
{
    auto form = open();
    form->sortBox()->setCurrentIndex(1); // "Kundennummer"
    EXPECT_EQ(
        form->grid()->model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(),
        QColor(Qt::red));
    EXPECT_EQ(form->grid()->currentNumber(), QStringLiteral("099999"));
    form->sortBox()->setCurrentIndex(7); // "Match-Code1"
    EXPECT_TRUE(form->infoLabel(QStringLiteral("MCODE"))->styleSheet().contains(QStringLiteral("red")));
    EXPECT_FALSE(form->grid()->model()->headerData(0, Qt::Horizontal, Qt::ForegroundRole).isValid());
}

} // namespace korbelant::test
