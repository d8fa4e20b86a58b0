#pragma once

#include "customers/CustomerView.h"
#include "customers/ui/CustomerEditor.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace korbelant {

class CustomerGrid;
class Options;
class TClientDataModul;
class TSimpleFilterForm;

// The customer window "Kundenverwaltung": browsing, sorting, searching, filtering, editing,
// merging, marking, exporting and mailing the customers.
class TClientForm : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kDeleteQuestion = QStringLiteral("Datensatz löschen?");
    static inline const QString kNewTitle = QStringLiteral("Einen neuen Kunden anlegen");

    // exportDirectory: where KundTemp.dbf is written (the data directory).
    TClientForm(TClientDataModul& store, Options& options, QString exportDirectory,
                QWidget* parent = nullptr);

    // The customer dialog used by "&Neu" and "&Bearbeiten" (the real dialog unless set).
    void setEditor(CustomerEditor editor) { m_editor = std::move(editor); }
    // "&Drucken": the report chooser on the customers shown; the button is disabled without one.
    // "&Drucken": the report chooser on the customers as the window shows them and the current one.
    using PrintHandler = std::function<void(const CustomerView& view, const QString& current)>;
    void setPrintHandler(PrintHandler handler);
    // The URL handed to the mail program; QDesktopServices unless set.
    void setMailOpener(std::function<void(const QUrl&)> opener) { m_openMail = std::move(opener); }

    CustomerView& view() { return m_view; }
    CustomerGrid* grid() const { return m_grid; }
    QComboBox* sortBox() const { return m_sortBox; }
    QLabel* filterPanel() const { return m_filterPanel; }
    QLabel* infoLabel(const QString& name) const;
    QPushButton* lastFilterButton() const { return m_lastFilterButton; }
    QPushButton* markedFilterButton() const { return m_markedFilterButton; }
    QAction* action(const QString& text) const;
    TSimpleFilterForm* filterDialog(); // made on first use, kept until the window closes

    void refresh(const QString& keepNumber = {});
    void newCustomer();
    void editCustomer();
    void deleteCustomer();
    void mergeCustomers();
    void openFilterDialog();
    void applyFilterDialog(); // the accept button of the filter dialog
    void participants();
    void exportCustomers();
    void serialMail();
    void singleMail();
    void setMark(int mark);
    void resetAllMarks();
    void showCounter();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolBar(QVBoxLayout* layout);
    void buildNavigation(QVBoxLayout* layout);
    void buildInfo(QVBoxLayout* layout);
    void buildGrid(QVBoxLayout* layout);
    void showContextMenu(const QPoint& at);
    // The customer step rows away from the current one in the grid, made current; nullopt past the end.
    std::optional<QString> neighbour(const QString& current, int step);
    void applySortOrder(int index);
    void updateInfo();
    void updateFilterState();
    bool edit(TClientDataModul::Record& record, bool isNew, const QString& title);

    TClientDataModul& m_store;
    Options& m_options;
    QString m_exportDirectory;
    CustomerView m_view;
    CustomerEditor m_editor;
    std::function<void(const QUrl&)> m_openMail;
    PrintHandler m_print;
    CustomerGrid* m_grid = nullptr;
    QComboBox* m_sortBox = nullptr;
    QLabel* m_filterPanel = nullptr;
    QLabel* m_guestType = nullptr;
    QLabel* m_nextParty = nullptr;
    QLabel* m_followUp = nullptr;
    QLabel* m_matchCode = nullptr;
    QPushButton* m_lastFilterButton = nullptr;
    QPushButton* m_markedFilterButton = nullptr;
    QList<QAction*> m_actions;
    QPointer<TSimpleFilterForm> m_filterDialog;
    QPointer<QFrame> m_counter;
};

} // namespace korbelant
