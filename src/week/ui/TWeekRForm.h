#pragma once

#include "week/WeekPrintSet.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QTabWidget;
class QToolButton;

namespace korbelant {

class DataSet;
class TWocheDataModul;
class UiPort;
class WeekPartWeeksTab;
class WeekPrintTab;
class WeekPrintedMatterTab;
class WeekRecordBinder;
class WeekRequestTab;
class WeekSuccessTab;
class WeekTripsTab;

// "Wochenverwaltung": the week closing. The weeks on the left, the current week's part-weeks and
// parties, what the distributor learns beside them, the trips, the printed matter and request
// items ordered, and the week reports to preview and print.
class TWeekRForm : public QDialog
{
    Q_OBJECT

public:
    TWeekRForm(DataSet& set, TWocheDataModul& week, UiPort& ui, const QString& programTitle,
               QWidget* parent = nullptr);

    // Opens the window modally on the last week.
    static void run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* parent);

    QListWidget* weekList() const { return m_weeks; }
    QTabWidget* tabs() const { return m_tabs; }
    WeekPartWeeksTab* partWeeksTab() const { return m_partWeeks; }
    WeekSuccessTab* successTab() const { return m_success; }
    WeekPrintedMatterTab* printedMatterTab() const { return m_printedMatter; }
    WeekRequestTab* requestTab() const { return m_requests; }
    WeekPrintTab* printTab() const { return m_print; }
    WeekRecordBinder& fields() const { return *m_fields; }
    QString weekShown() const;
    QString partWeekShown() const;

    // The tool bar and the tab buttons, as a click runs them.
    void previousPartWeek();
    void nextPartWeek();
    void newWeek();
    void deleteWeek();
    void previewReport(int report);
    void printReports();
    // "TW-Bestelld&iskette": the week's transfer to the distributor.
    // With `online` the file goes straight into the Online folder (the preview's web button).
    // With the option bzh_old the week goes onto the exchange disks; `fromPreview` when the
    // order-data preview asked its questions already.
    void transferWeek(bool online = false, bool fromPreview = false);
    // "&Nachlieferungen": the back-order window on the current week.
    void openBackOrders();

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* buildToolBar();
    QWidget* buildToolLine();
    void buildTabs();
    void fillWeekList();
    void showWeek();
    void chooseWeek(const QString& key);
    void partWeekChanged();
    void notAvailable();
    void orderDataPreview();
    void updateCaption();

    DataSet& m_set;
    TWocheDataModul& m_week;
    UiPort& m_ui;
    QString m_programTitle;
    WeekPrintSet m_printSet;
    WeekRecordBinder* m_fields;
    QListWidget* m_weeks = nullptr;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_weekLabel = nullptr;
    QLabel* m_partWeekLabel = nullptr;
    WeekPartWeeksTab* m_partWeeks = nullptr;
    WeekSuccessTab* m_success = nullptr;
    WeekTripsTab* m_trips = nullptr;
    WeekPrintedMatterTab* m_printedMatter = nullptr;
    WeekRequestTab* m_requests = nullptr;
    WeekPrintTab* m_print = nullptr;
    bool m_closed = false;
};

} // namespace korbelant
