#pragma once

#include "customers/TClientDataModul.h"
#include "customers/ui/CustomerEditor.h"
#include "widgets/DateField.h"

#include <QDialog>
#include <QHash>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace korbelant {

class TMaskedDateEdit;

// The customer dialog "Kunde bearbeiten" with its pages "Adressdaten" and "Zusatzdaten". It edits
// one customer record and stores it through the customer store when it is closed with OK; the
// town, postcode, area code and distance lookups of the store run as the user moves through
// the fields.
class TClientNewForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kDefaultTitle = QStringLiteral("Kunde bearbeiten");
    // Moves to the previous (-1) or next (+1) customer of the caller's table: her number, or
    // nullopt at the end.
    using Navigator = std::function<std::optional<QString>(const QString& current, int step)>;

    TClientNewForm(TClientDataModul& store, QWidget* parent = nullptr);

    // Shows the dialog modally on the record; true when it was stored (the record then holds it).
    static bool edit(TClientDataModul& store, TClientDataModul::Record& record, bool isNew,
                     const QString& title, QWidget* parent, Navigator navigator = {});
    // A new customer in this dialog: the store prepares her record (the next number and the
    // defaults; nothing is stored before the dialog's OK). Returns her number when she was stored,
    // nullopt when the dialog was cancelled or the store could not prepare her (that failure is
    // shown through the store's UI port).
    static std::optional<QString> createNew(TClientDataModul& store, const QString& title, QWidget* parent);
    // The same with another editor, and with entries laid over the prepared record.
    static std::optional<QString> createNew(TClientDataModul& store, const CustomerEditor& editor,
                                            const QString& title,
                                            const TClientDataModul::Record& entries = {});

    void setRecord(const TClientDataModul::Record& record, bool isNew);
    TClientDataModul::Record record() const; // the entries as a record
    void setNavigator(Navigator navigator);

    // OK: stores the entries; an entry that cannot be stored is shown and the dialog stays open;
    // a store refusal cancels the change without a word.
    void okClicked();
    void step(int direction);
    void sendMail();

    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    TMaskedDateEdit* dateEdit(const QString& field) const
    {
        return m_dates.contains(field) ? m_dates[field]->edit() : nullptr;
    }
    QPushButton* calendarButton(const QString& field) const
    {
        return m_dates.contains(field) ? m_dates[field]->calendarButton() : nullptr;
    }
    QPushButton* distancesButton() const { return m_distancesButton; }
    QTabWidget* pages() const { return m_pages; }
    QAbstractButton* guestTypeButton(const QString& code) const;
    QAbstractButton* maritalStatusButton(const QString& code) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildAddressPage();
    void addNameRows(QFormLayout* form, QWidget* page);
    void addPlaceRows(QFormLayout* form, QWidget* page);
    QPushButton* placeButton(const QString& name, Place::Order order, QWidget* page);
    void addDistanceRow(QFormLayout* form, QWidget* page);
    QGroupBox* buildContactBox(QWidget* page);
    QGroupBox* buildDatesBox(QWidget* page);
    void capitaliseFirstLetters();
    QWidget* buildExtraPage();
    QLineEdit* addEdit(const QString& field); // as wide as the field of the customer table
    DateField* addDate(const QString& field, QWidget* parent);
    void placeLookup(bool townForPostcode);
    void placeFromWindow(Place::Order order);
    void enterTelephone(QLineEdit* edit);
    void leaveTelephone(QLineEdit* edit);
    void applyPlace(const TClientDataModul::Record& record);
    void updateHead();
    void updateDistancesButton();

    TClientDataModul& m_store;
    TClientDataModul::Record m_record;
    bool m_isNew = false;
    bool m_done = false;
    Navigator m_navigator;
    QTabWidget* m_pages = nullptr;
    QLabel* m_number = nullptr;
    QLineEdit* m_fullName = nullptr;
    QComboBox* m_salutation = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QSpinBox* m_distance = nullptr;
    QSpinBox* m_children = nullptr;
    QLineEdit* m_time = nullptr;
    QButtonGroup* m_guestType = nullptr;
    QButtonGroup* m_maritalStatus = nullptr;
    QHash<QString, QCheckBox*> m_flags;
    QHash<QString, QLineEdit*> m_edits;
    QHash<QString, DateField*> m_dates;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_distancesButton = nullptr;
};

} // namespace korbelant
