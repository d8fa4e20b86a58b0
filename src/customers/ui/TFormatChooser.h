#pragma once

#include "customers/CustomerListReport.h"

#include <QDialog>
#include <optional>

class QListWidget;

namespace korbelant {

class Database;
class UiPort;
struct ReportDocument;

// "Bericht auswählen": the nine customer reports. "&Vorschau" (or a double click) shows the chosen
// one in the print preview, "&Drucken" prints it at once; the free short lists ask for their fields
// first. The chooser keeps its selection from one use to the next.
class TFormatChooser : public QDialog
{
public:
    static inline const QString kNothingChosen = QStringLiteral("Sie müßen zuerst einen Bericht auswählen.");
    static const QStringList& reportNames();

    TFormatChooser(Database& db, UiPort& ui, QWidget* parent = nullptr);

    // Shows the chooser on the customers in this order, the current one for the two reports
    // about her.
    void run(const QStringList& customers, const QString& current);
    void setCustomers(const QStringList& customers, const QString& current);
    QListWidget* list() const { return m_list; }

    // The chosen report for these customers; nullopt when nothing is chosen (the message shown)
    // or a field dialog was cancelled.
    std::optional<ReportDocument> chosenDocument();
    void preview();
    void print();

private:
    Database& m_db;
    UiPort& m_ui;
    QListWidget* m_list;
    QStringList m_customers;
    QString m_current;
};

} // namespace korbelant
