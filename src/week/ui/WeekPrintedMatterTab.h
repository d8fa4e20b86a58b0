#pragma once

#include <QWidget>
#include <vector>

class QFrame;
class QLabel;

namespace korbelant {

class TWocheDataModul;
class UiPort;
class WeekRecordBinder;

// The tab "Drucksachenbestellung": the nineteen printed-matter items with the week's quantity of
// each. The row under the mouse pointer is framed; a double click on an item's name opens the
// name editor.
class WeekPrintedMatterTab : public QWidget
{
    Q_OBJECT

public:
    WeekPrintedMatterTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui,
                         QWidget* parent = nullptr);

    QLabel* label(int n) const { return m_labels.at(static_cast<size_t>(n - 1)); }
    QFrame* row(int n) const { return m_rows.at(static_cast<size_t>(n - 1)); }
    // The name editor of item n, as a double click on its name opens it.
    void editName(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* item(int n);

    TWocheDataModul& m_week;
    WeekRecordBinder& m_fields;
    UiPort& m_ui;
    std::vector<QLabel*> m_labels;
    std::vector<QFrame*> m_rows;
};

} // namespace korbelant
