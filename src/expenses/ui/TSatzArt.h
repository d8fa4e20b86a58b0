#pragma once

#include <QDialog>
#include <QVariantMap>
#include <optional>
#include <vector>

class QTableWidget;

namespace korbelant {

class Database;
class UiPort;

// "Reisekosten - Satzart": the allowance rates in a grid, editable in place. "Ok" or a double
// click returns the current row's code after storing a pending change; "Abbrechen" returns none.
class TSatzArt : public QDialog
{
    Q_OBJECT

public:
    TSatzArt(Database& db, UiPort& ui, QWidget* parent = nullptr);

    // Shows the chooser on the given code; the chosen code, or nullopt when cancelled.
    static std::optional<QString> choose(Database& db, UiPort& ui, const QString& current, QWidget* parent);

    void selectCode(const QString& code);
    QString currentCode() const;
    // Stores every changed row; false when a row could not be stored (the message was shown).
    bool storeChanges();

private:
    void fill();
    void chooseCurrent();
    QVariantMap rowValues(int row) const;

    Database& m_db;
    UiPort& m_ui;
    QTableWidget* m_grid;
    std::vector<QVariantMap> m_read;
};

} // namespace korbelant
