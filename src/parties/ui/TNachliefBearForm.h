#pragma once

#include <QDialog>

class QLabel;
class QTableView;

namespace korbelant {

class BackOrderLineModel;
class Database;
class UiPort;

// "Nachlieferungen bearbeiten": the lines back-ordered or delivered afterwards, where the pieces
// delivered afterwards are entered; the open pieces follow. Rows are neither added nor deleted.
class TNachliefBearForm : public QDialog
{
    Q_OBJECT

public:
    TNachliefBearForm(Database& db, UiPort& ui, QWidget* parent = nullptr);

    QTableView* lineList() const { return m_lines; }
    BackOrderLineModel* lines() const { return m_model; }
    QLabel* hostLabel() const { return m_host; }
    QLabel* guestLabel() const { return m_guest; }

private:
    void showCurrent();

    QTableView* m_lines = nullptr;
    BackOrderLineModel* m_model = nullptr;
    QLabel* m_host = nullptr;
    QLabel* m_guest = nullptr;
};

} // namespace korbelant
