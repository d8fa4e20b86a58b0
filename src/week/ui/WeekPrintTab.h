#pragma once

#include <QWidget>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace korbelant {

class TWocheDataModul;
class WeekPrintSet;

// The tab "Drucken": one row per week report with its preview button, its print status, whether
// "&Drucken" prints it and how many copies; the order list's "TW" choice.
class WeekPrintTab : public QWidget
{
    Q_OBJECT

public:
    WeekPrintTab(TWocheDataModul& week, WeekPrintSet& set, QWidget* parent = nullptr);

    // The print states of the current week again.
    void refreshStates();
    QLabel* state(int report) const { return m_states.at(static_cast<size_t>(report - 1)); }
    QPushButton* previewButton(int report) const { return m_previews.at(static_cast<size_t>(report - 1)); }
    QCheckBox* printToggle(int report) const { return m_toggles.at(static_cast<size_t>(report - 1)); }
    QSpinBox* copies(int report) const { return m_copies.at(static_cast<size_t>(report - 1)); }
    QCheckBox* twToggle() const { return m_tw; }
    QPushButton* printButton() const { return m_print; }

signals:
    void previewRequested(int report);
    void printRequested();

private:
    void addRow(QGridLayout* grid, int report);

    TWocheDataModul& m_week;
    WeekPrintSet& m_set;
    std::vector<QLabel*> m_states;
    std::vector<QPushButton*> m_previews;
    std::vector<QCheckBox*> m_toggles;
    std::vector<QSpinBox*> m_copies;
    QCheckBox* m_tw = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace korbelant
