#pragma once

#include "customers/CustomerView.h"
#include "customers/ui/CustomerEditor.h"
#include "planning/PartyPlanning.h"
#include "planning/PlanWordProcessor.h"

#include <QDate>
#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;
class QToolBar;
class QVBoxLayout;

namespace korbelant {

class CustomerGrid;
class DataSet;
class TClientDataModul;
class TVorFuerModul;
class UiPort;

// "Vorplanungsverwaltung": the planning of a party on the customer table. The consultant marks
// one host and the guests to invite, prints their addresses, exports them for a mail merge,
// starts the word processor and turns the plan into a party.
class TVorPlaForm : public QDialog
{
    Q_OBJECT

public:
    struct PartyNumber
    {
        QString rNr;
        QDate date;
    };
    // The party-number dialog opened on a date; nullopt when it was cancelled.
    using PartyNumberChooser = std::function<std::optional<PartyNumber>(const QDate& date)>;

    static inline const QString kDeleteQuestion = QStringLiteral("Datensatz löschen?");
    static inline const QString kNewTitle = QStringLiteral("Einen neuen Kunden anlegen");

    TVorPlaForm(DataSet& set, TClientDataModul& customers, TVorFuerModul& parties, UiPort& ui,
                const QString& programTitle, QWidget* parent = nullptr);

    // Opens the window modally with the modules it works with.
    static void run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* parent);

    // Replace the dialogs and the program start, for tests.
    void setEditor(CustomerEditor editor) { m_editor = std::move(editor); }
    void setPartyNumberChooser(PartyNumberChooser chooser) { m_chooseNumber = std::move(chooser); }
    void setLauncher(PlanWordProcessor::Launcher launcher) { m_launch = std::move(launcher); }

    CustomerGrid* grid() const { return m_grid; }
    QComboBox* sortBox() const { return m_sortBox; }
    QPushButton* planFilterButton() const { return m_planFilter; }
    QLabel* infoLabel(const QString& name) const;
    QAction* action(const QString& text) const;
    CustomerView& view() { return m_view; }
    QDate lastPartyDate() const { return m_lastPartyDate; }

    void refresh(const QString& keepNumber = {});
    void resetPlan();
    void markHost();
    void markGuest();
    void clearMark();
    void exportPlan();
    void startWordProcessor();
    void createParty();
    void newCustomer();
    void editCustomer();
    void deleteCustomer();
    void printAddresses();
    void setPlanFilter(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QToolBar* buildPlanBar();
    QToolBar* buildCustomerBar();
    void buildNavigation(QVBoxLayout* layout);
    void buildGrid(QVBoxLayout* layout);
    void buildInfo(QVBoxLayout* layout);
    void showContextMenu(const QPoint& at);
    void applySortOrder(int index);
    void updateInfo();
    void updateCaption();
    void mark(bool (PartyPlanning::*setter)(const QString&), int newMark);
    std::optional<PartyNumber> choosePartyNumber(const QDate& date);

    DataSet& m_set;
    TClientDataModul& m_customers;
    TVorFuerModul& m_parties;
    UiPort& m_ui;
    QString m_programTitle;
    PartyPlanning m_planning;
    CustomerView m_view;
    CustomerEditor m_editor;
    PartyNumberChooser m_chooseNumber;
    PlanWordProcessor::Launcher m_launch;
    QDate m_lastPartyDate;
    CustomerGrid* m_grid = nullptr;
    QComboBox* m_sortBox = nullptr;
    QPushButton* m_planFilter = nullptr;
    QLabel* m_guestType = nullptr;
    QLabel* m_nextParty = nullptr;
    QLabel* m_matchCode = nullptr;
    QLabel* m_guestCount = nullptr;
    QList<QAction*> m_actions;
};

} // namespace korbelant
