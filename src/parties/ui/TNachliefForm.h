#pragma once

#include "parties/BackOrderRules.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;

namespace korbelant {

class BackOrderLineModel;
class DataSet;
class UiPort;

// "Nachlieferungen": the back-order window of the week window. "&Eingeben" lists the lines of one
// week to mark back-orders in; "&Bearbeiten" lists the lines still to be worked, of any week. The
// state buttons act on the selected line and store it at once; the open back-orders and the pack
// list are printed from here.
class TNachliefForm : public QDialog
{
    Q_OBJECT

public:
    enum class Mode
    {
        Enter,
        Work
    };

    // week: the week key the week fields start with (the week window's current week).
    TNachliefForm(DataSet& set, UiPort& ui, const QString& week, QWidget* parent = nullptr);

    static void run(DataSet& set, UiPort& ui, const QString& week, QWidget* parent);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    QLineEdit* yearEdit() const { return m_year; }
    QLineEdit* weekEdit() const { return m_week; }
    QTableView* lineList() const { return m_lines; }
    BackOrderLineModel* lines() const { return m_model; }
    QLabel* hostLabel() const { return m_host; }
    QLabel* guestLabel() const { return m_guest; }
    QSpinBox* piecesBox() const { return m_pieces; }

    // The state buttons and the context menu on the selected line.
    void act(BackOrderRules::Action action);
    // "Stück": the back-ordered pieces of the selected line.
    void setPieces();
    void pickWeek();
    void printOpenList();
    void printPackList();
    void openEditWindow();
    void refresh();

private:
    QWidget* buildToolBar();
    QWidget* buildWeekRow();
    QWidget* buildStateButtons();
    void showContextMenu(const QPoint& at);
    void showCurrent();
    int currentRow() const;
    // The preview of a list, after the printer check; false when there was no printer.
    bool preview(const QString& report);

    DataSet& m_set;
    UiPort& m_ui;
    BackOrderRules m_rules;
    Mode m_mode = Mode::Enter;
    QWidget* m_weekRow = nullptr;
    QLineEdit* m_year = nullptr;
    QLineEdit* m_week = nullptr;
    QTableView* m_lines = nullptr;
    BackOrderLineModel* m_model = nullptr;
    QLabel* m_host = nullptr;
    QLabel* m_guest = nullptr;
    QSpinBox* m_pieces = nullptr;
};

} // namespace korbelant
