#pragma once

#include "customers/PartyNumberList.h"

#include <QDialog>
#include <vector>

class QLineEdit;
class QTableWidget;

namespace korbelant {

class Database;
class UiPort;

// The party-number prompt: a field "Vorführung :" with the mask "00/00/00  C" and, when asked
// for, the list of parties; a double click copies a party's number into the field. OK needs a
// number; Enter accepts at once; the End key and "&Abbrechen" cancel (Escape does not).
class TClientGETR_NR : public QDialog
{
    Q_OBJECT

public:
    static inline const QString kIncomplete = QStringLiteral("Die gemachten Angaben sind unvollständig");

    TClientGETR_NR(Database& db, UiPort& ui, const QString& title, bool withList, QWidget* parent = nullptr);

    QString typedNumber() const; // as typed, with the mask's literals
    QString number() const;      // the party number R_NR
    QLineEdit* numberEdit() const { return m_edit; }
    QTableWidget* grid() const { return m_grid; }
    void tryAccept();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool handleKey(int key);
    UiPort& m_ui;
    std::vector<PartyNumberList::Row> m_rows;
    QLineEdit* m_edit = nullptr;
    QTableWidget* m_grid = nullptr;
};

} // namespace korbelant
