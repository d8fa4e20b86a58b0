#pragma once

#include "parties/PartyList.h"
#include "parties/TVorFuerModul.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QHash>
#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimer;

namespace korbelant {

class DataSet;
class PartyDialogWorkflow;
class PartyTableModel;
class TClientDataModul;
class UiPort;

// The party window "Vorführungsverwaltung": the party list with its sort box and detail panel,
// the participants of the selected party, and the buttons that create, edit and delete parties
// and participants and open the guest window and the reports.
class TVorFuerForm : public QDialog
{
    Q_OBJECT

public:
    // Opens the guest window on a participant (party number, participant number); returns the
    // participant shown when it was closed (the consultant may have moved on to other guests).
    using GuestWindow = std::function<QString(const QString& rNr, const QString& pNr)>;

    static inline const QString kNoParticipant =
        QStringLiteral("Legen Sie zuerst eine Vorführung und/oder einen Gast an.");

    TVorFuerForm(DataSet& set, TVorFuerModul& modul, TClientDataModul& customers, UiPort& ui,
                 GuestWindow guestWindow, const QDate& today = QDate::currentDate(),
                 QWidget* parent = nullptr);

    // --- the buttons ---
    void newParty();
    void editParty();
    void deleteParty();
    void newGuest();
    void editGuest();
    void deleteGuest();
    void weekOverview();
    // A printed list of the selected party, or of the selected participant when forGuest, in the
    // report preview; its button stays disabled while the report is made.
    void printList(const QString& report, bool forGuest, QPushButton* button = nullptr);

    // The list buttons: caption, the report of the registry they open, whether it is for the
    // selected participant (the participant buttons) rather than the whole party.
    struct ListButton
    {
        const char* caption;
        const char* report;
        bool forGuest;
    };
    static const std::vector<ListButton>& listButtons();

    // The selected party and participant; empty when none.
    QString currentParty() const;
    QString currentGuest() const;
    bool selectParty(const QString& rNr);
    bool selectGuest(const QString& pNr);

    // One beat of the blinking timer; the star box and the guest count turn red on every other
    // beat while their warning holds, and back to normal otherwise.
    void blink();
    bool starBoxRed() const { return m_starRed; }
    bool guestCountRed() const { return m_guestRed; }
    QColor starBoxColour() const;
    QColor guestCountColour() const;

    QTableView* partyGrid() const { return m_parties; }
    QTableWidget* guestGrid() const { return m_guests; }
    QComboBox* sortBox() const { return m_sort; }
    PartyTableModel* partyModel() const { return m_model; }
    QTimer* blinkTimer() const { return m_timer; }
    QPushButton* button(const QString& caption) const;
    // The read-only values of the detail panel by field name (K_NR, Name, VERABRED, Verabred_2,
    // BENENN_TUP, REKRUTIER, GAESTE, S_ANGEBOTE, S_VerkServicePr, STERNE_DM, MSterne, STERNE).
    QLabel* detail(const QString& field) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPartyButtons();
    QWidget* buildGuestButtons();
    QWidget* buildDetailPanel();
    QPushButton* addButton(QWidget* parent, const QString& caption, const QString& hint,
                           void (TVorFuerForm::*handler)());
    void addListButtons(QWidget* parent, bool forGuest);
    QLabel* addDetail(const QString& field);
    void reloadParties(const QString& keep);
    void reloadGuests(const QString& keep = {});
    void showDetails();
    void paintWarnings();
    // The party dialog on a new or stored party; saves it after "&Ok" and opens the guest window
    // after "&Bestelleingabe".
    void runPartyDialog(PartyDialogWorkflow& workflow);
    void openGuestWindow(const QString& rNr, const QString& pNr);

    DataSet& m_set;
    TVorFuerModul& m_modul;
    TClientDataModul& m_customers;
    UiPort& m_ui;
    GuestWindow m_guestWindow;
    QDate m_today;
    PartyList m_list;
    TVorFuerModul::CalcValues m_calc;
    bool m_blinkOn = false;
    bool m_starRed = false;
    bool m_guestRed = false;
    PartyTableModel* m_model = nullptr;
    QTableView* m_parties = nullptr;
    QTableWidget* m_guests = nullptr;
    QComboBox* m_sort = nullptr;
    QGroupBox* m_starBox = nullptr;
    QTimer* m_timer = nullptr;
    QHash<QString, QLabel*> m_details;
};

} // namespace korbelant
