#pragma once

#include <QGroupBox>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace korbelant {

class GuestEntrySession;
class TMaskedDateEdit;
class UiPort;

// The participant part of the guest window: her number, her customer with its address and the
// customer buttons, payment, appointment and nomination with their dates and times, and the
// buttons that move to other participants. Field entries go to the session at once; the buttons
// are left to the window.
class GuestParticipantPanel : public QGroupBox
{
    Q_OBJECT

public:
    GuestParticipantPanel(GuestEntrySession& session, UiPort& ui, QWidget* parent = nullptr);

    QLineEdit* customerEdit() const { return m_customer; }
    QLabel* addressPanel() const { return m_address; }
    QPushButton* previousButton() const { return m_previous; }
    QPushButton* nextButton() const { return m_next; }

    // Shows the session's participant; a customer number being typed stays in its field.
    void showParticipant();
    // A customer number changed in the field goes to the participant (not for the host).
    void leaveCustomerField();
    // The pick-a-date dialog for "Verabred_DATUM" or "BENE_DATUM".
    void pickDate(const QString& field);

signals:
    void newCustomerClicked();
    void unknownCustomerClicked();
    void editCustomerClicked();
    void searchClicked();
    void previousClicked();
    void nextClicked();
    void newGuestClicked();
    void starAccountClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildNavigation();
    // A field's width that shows this text.
    int fittedWidth(const QString& widest) const;
    QWidget* dateTime(const QString& dateField, const QString& timeField);
    void connectFields();
    void leaveTime(QLineEdit* edit);

    GuestEntrySession& m_session;
    UiPort& m_ui;
    bool m_showing = false;
    QLineEdit* m_pNr = nullptr;
    QLineEdit* m_customer = nullptr;
    QList<QPushButton*> m_customerButtons;
    QLabel* m_address = nullptr;
    QCheckBox* m_paid = nullptr;
    QCheckBox* m_appointment = nullptr;
    QCheckBox* m_nomination = nullptr;
    TMaskedDateEdit* m_appointmentDate = nullptr;
    QLineEdit* m_appointmentTime = nullptr;
    TMaskedDateEdit* m_nominationDate = nullptr;
    QLineEdit* m_nominationTime = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace korbelant
