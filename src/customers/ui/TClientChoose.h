#pragma once

#include "customers/ui/CustomerEditor.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace korbelant {

class CustomerGrid;
class TClientDataModul;

// The customer picker "Kunde auswählen": OK, double click or Enter return the current customer;
// "&Suchen" or any typed character open the search; "&Neuer Kunde" creates a customer and
// returns her.
class TClientChoose : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kTitle = QStringLiteral("Kunde auswählen");
    static inline const QString kNewTitle = QStringLiteral("Neukunde anlegen und übernehmen.");

    struct Choice
    {
        QString number;
        QString name;
        QString firstName;
    };

    TClientChoose(TClientDataModul& store, CustomerEditor editor, QWidget* parent = nullptr);

    static std::optional<Choice> choose(TClientDataModul& store, CustomerEditor editor, const QString& title,
                                        bool withNewButton, QWidget* parent);

    void setNewButtonVisible(bool visible);
    std::optional<Choice> chosen() const;
    CustomerGrid* grid() const { return m_grid; }
    QComboBox* sortBox() const { return m_sortBox; }
    void newCustomer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applySort(int index);
    void refresh(const QString& keepNumber = {});

    TClientDataModul& m_store;
    CustomerEditor m_editor;
    CustomerGrid* m_grid = nullptr;
    QComboBox* m_sortBox = nullptr;
    QPushButton* m_newButton = nullptr;
};

} // namespace korbelant
