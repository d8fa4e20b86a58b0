#pragma once

#include "customers/CustomerQuickSearch.h"
#include "customers/CustomerRow.h"
#include "customers/ui/CustomerEditor.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace korbelant {

class TClientDataModul;

// The quick search "Kundenschnellsuche": a customer found by typing her name, first name,
// postcode or town; OK returns her number.
class TClientFast : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kNewTitle = QStringLiteral("Neukunde anlegen und übernehmen.");
    static inline const QString kEditTitle = QStringLiteral("Kundendaten bearbeiten");

    TClientFast(TClientDataModul& store, CustomerEditor editor, QWidget* parent = nullptr);

    QString chosenNumber() const; // K_NR of the current row

    QLineEdit* nameEdit() const { return m_name; }
    QLineEdit* firstNameEdit() const { return m_firstName; }
    QLineEdit* postcodeEdit() const { return m_postcode; }
    QLineEdit* townEdit() const { return m_town; }
    QTableWidget* grid() const { return m_grid; }
    QTabBar* letterTabs() const { return m_letters; }

    void newCustomer();  // "&Neuer Kunde"
    void editCustomer(); // "&Bearbeiten    "

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CustomerQuickSearch::Field fieldOf(QObject* widget) const;
    void typed(QLineEdit* edit, CustomerQuickSearch::Field field, const QString& text);
    void refresh(const QString& keepNumber = {});
    void enter(CustomerQuickSearch::Field field);
    void moveRows(int rows);
    void highlightPlaceFields(bool on);

    TClientDataModul& m_store;
    CustomerEditor m_editor;
    CustomerQuickSearch m_search;
    std::vector<CustomerRow> m_rows;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_firstName = nullptr;
    QLineEdit* m_postcode = nullptr;
    QLineEdit* m_town = nullptr;
    QTabBar* m_letters = nullptr;
    QTableWidget* m_grid = nullptr;
};

} // namespace korbelant
