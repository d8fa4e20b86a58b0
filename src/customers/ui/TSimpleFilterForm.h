#pragma once

#include "customers/CustomerFilter.h"
#include "widgets/DateField.h"

#include <QDialog>
#include <QHash>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace korbelant {

class TClientDataModul;
class TMaskedDateEdit;

// The filter dialog "Filter festlegen" with its pages "Stammdaten", "Bemerkungen und
// Zusatzdaten" and "Letzter Kontakt". It keeps its entries between uses; the caller reads them
// as a CustomerFilter after "&Filtern starten".
class TSimpleFilterForm : public QDialog
{
    Q_OBJECT

public:
    explicit TSimpleFilterForm(TClientDataModul& store, QWidget* parent = nullptr);

    CustomerFilter filter() const;
    void startFilter(); // "&Filtern starten"
    void resetFilter(); // "&Filter zurück"
    void setContactPerMedium(bool perMedium);

    QLineEdit* edit(const QString& field) const { return m_edits.value(field); }
    TMaskedDateEdit* dateEdit(const QString& field) const
    {
        return m_dates.contains(field) ? m_dates[field]->edit() : nullptr;
    }
    QCheckBox* checkBox(const QString& field) const { return m_checks.value(field); }
    QPushButton* calendarButton(const QString& field) const
    {
        return m_dates.contains(field) ? m_dates[field]->calendarButton() : nullptr;
    }
    QButtonGroup* guestTypes() const { return m_guestType; }
    QString guestTypeCode() const { return m_guestTypeCode; } // the hidden field GTE
    QRadioButton* generalContactButton() const { return m_general; }
    QRadioButton* perMediumContactButton() const { return m_perMedium; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildMasterPage();
    QWidget* buildExtraPage();
    QWidget* buildContactPage();
    QLineEdit* addEdit(const QString& field, int maxLength);
    DateField* dateField(const QString& field, QWidget* parent);
    QWidget* rangeRow(QWidget* from, QWidget* to, QWidget* parent);

    TClientDataModul& m_store;
    QTabWidget* m_pages = nullptr;
    QHash<QString, QLineEdit*> m_edits;
    QHash<QString, DateField*> m_dates;
    QHash<QString, QCheckBox*> m_checks;
    QButtonGroup* m_guestType = nullptr;
    QString m_guestTypeCode;
    QRadioButton* m_general = nullptr;
    QRadioButton* m_perMedium = nullptr;
};

} // namespace korbelant
