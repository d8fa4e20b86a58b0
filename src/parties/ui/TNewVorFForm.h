#pragma once

#include "parties/TVorFuerModul.h"
#include "widgets/DateField.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace korbelant {

class TClientDataModul;
class TMaskedDateEdit;
class UiPort;

// The party dialog: one party header with its host, week, counts, visit dates, distance, kind
// and remarks, and its totals read only. The caller saves the header when the dialog is left
// with "&Ok" or "&Bestelleingabe".
class TNewVorFForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kNewCaption = QStringLiteral("Neue Vorführung anlegen");
    static inline const QString kEditCaption = QStringLiteral("Vorführung bearbeiten");
    static inline const QString kNewHostTitle = QStringLiteral("Neukunde als Gastgeber");
    // The fields with a date and a calendar button.
    static const QStringList kDateFields;

    TNewVorFForm(TVorFuerModul& modul, TClientDataModul& customers, UiPort& ui, TVorFuerModul::Record header,
                 const QString& caption, QWidget* parent = nullptr);

    // The header with the dialog's entries (after "&Ok": checked, week and part-week settled).
    const TVorFuerModul::Record& header() const { return m_header; }
    // Left with "&Bestelleingabe": the guest window opens next.
    bool orderEntryRequested() const { return m_orderEntry; }

    // "&Ok" (or "&Bestelleingabe" with orderEntry): true when the dialog closed.
    bool okClicked(bool orderEntry = false);
    void changeDateClicked();
    void quickSearch();
    void newHost();
    // The up and down buttons beside a count.
    void stepCount(QLineEdit* count, bool up);
    void pickDate(const QString& field);

    QLineEdit* hostEdit() const { return m_host; }
    QLabel* hostName() const { return m_hostName; }
    QLineEdit* yearEdit() const { return m_year; }
    QLineEdit* weekEdit() const { return m_week; }
    QLineEdit* guestsEdit() const { return m_guests; }
    QLineEdit* recruitmentsEdit() const { return m_recruitments; }
    QLineEdit* kmEdit() const { return m_km; }
    QLineEdit* remarksEdit() const { return m_remarks; }
    QRadioButton* experienceButton() const { return m_experience; }
    TMaskedDateEdit* dateEdit(const QString& field) const
    {
        return m_dates.contains(field) ? m_dates[field]->edit() : nullptr;
    }
    // The read-only values by field name (R_NR, DATUM, TWoche, BZH_VF_NR, SummeKm, the totals).
    QLabel* value(const QString& field) const { return m_values.value(field); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildHeadBox();
    QWidget* buildCountsBox();
    QWidget* buildTotalsBox();
    QWidget* buildButtons();
    QLabel* addValue(const QString& field);
    QLineEdit* addEdit(int maxLength);
    QWidget* countWithButtons(QLineEdit* count);
    DateField* addDate(const QString& field, QWidget* parent);
    void applyHost(const QString& kNr);
    void hostEntered();
    void collect();
    void showHeader();
    void showCalculated();

    TVorFuerModul& m_modul;
    TClientDataModul& m_customers;
    UiPort& m_ui;
    TVorFuerModul::Record m_header;
    bool m_orderEntry = false;
    QLineEdit* m_host = nullptr;
    QLabel* m_hostName = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_week = nullptr;
    QLineEdit* m_guests = nullptr;
    QLineEdit* m_recruitments = nullptr;
    QLineEdit* m_km = nullptr;
    QLineEdit* m_remarks = nullptr;
    QRadioButton* m_normal = nullptr;
    QRadioButton* m_experience = nullptr;
    QHash<QString, DateField*> m_dates;
    QHash<QString, QLabel*> m_values;
};

} // namespace korbelant
