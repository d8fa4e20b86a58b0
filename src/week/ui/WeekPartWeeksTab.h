#pragma once

#include <QWidget>

class QPushButton;
class QTableWidget;

namespace korbelant {

class TWocheDataModul;
class UiPort;

// The tab "Teilwochen": the part-week sums of the week and the parties of the marked part-weeks.
// A double click on a part-week, or its pop-up item "Markieren", changes the marked range; marked
// part-weeks are painted green.
class WeekPartWeeksTab : public QWidget
{
    Q_OBJECT

public:
    WeekPartWeeksTab(TWocheDataModul& week, UiPort& ui, QWidget* parent = nullptr);

    // Shows the week's part-weeks and parties again, keeping the current part-week where it can.
    void refresh();
    // The row of the current part-week in the sums; -1 without one.
    int currentRow() const;
    void setCurrentRow(int row);
    QTableWidget* sumsGrid() const { return m_sums; }
    QTableWidget* partyGrid() const { return m_parties; }
    QPushButton* previewButton() const { return m_preview; }
    QPushButton* diskButton() const { return m_disk; }

signals:
    void currentPartWeekChanged();

private:
    void mark(int row);
    void fillSums();
    void fillParties();
    void paintMarked();
    void showMenu(const QPoint& position);

    TWocheDataModul& m_week;
    UiPort& m_ui;
    QTableWidget* m_sums;
    QTableWidget* m_parties;
    QPushButton* m_preview;
    QPushButton* m_disk;
};

} // namespace korbelant
