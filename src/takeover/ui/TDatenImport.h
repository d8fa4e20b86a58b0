#pragma once

#include "takeover/TakeOverDisplay.h"
#include "takeover/TakeOverRun.h"

#include <QDialog>
#include <QElapsedTimer>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace korbelant {

class DataSet;
class TakeOverKind;
class UiPort;

// The takeover window: the source directory with its folder button, the warning about repeated
// takeovers, one row per group of tables with its check box, status and two counts, "&Starten",
// "&Abbrechen" and a progress bar that only shows that work is going on. The same window serves
// every kind of takeover; the kind gives its title, rows and captions.
class TDatenImport : public QDialog, public TakeOverDisplay
{
public:
    enum Result
    {
        Cancel = QDialog::Rejected,
        Ok = QDialog::Accepted,
        Abort = 2
    };

    TDatenImport(DataSet& set, UiPort& ui, TakeOverKind& kind, QWidget* parent = nullptr);

    // Shows the window for one takeover with the main window disabled while it runs; after an
    // aborted takeover the abort message. The window's result.
    static Result run(DataSet& set, UiPort& ui, TakeOverKind& kind, QWidget* mainWindow);

    // Windows disabled while the takeover runs.
    void setDisabledWhileRunning(QWidget* window) { m_disabled = window; }

    // "&Starten", "&Abbrechen" and the folder button, as the user's clicks run them.
    void start();
    void cancel();
    void chooseFolder();

    QString source() const;
    QPushButton* startButton() const { return m_start; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* folderButton() const { return m_folder; }
    QProgressBar* progressBar() const { return m_bar; }
    QCheckBox* rowCheck(int row) const { return m_rows.at(row).check; }
    QString rowStatus(int row) const;
    QString rowSourceCount(int row) const;
    QString rowTargetCount(int row) const;
    const TakeOverRun& takeOverRun() const { return m_run; }

    void started() override;
    void rowStatus(int row, const QString& status) override;
    void rowCounts(int row, std::optional<int> source, std::optional<int> target) override;
    void beat() override;
    void finished() override;

protected:
    // No close box and no Esc: the window ends through its buttons.
    void reject() override {}
    void closeEvent(QCloseEvent* event) override;

private:
    struct RowWidgets
    {
        QCheckBox* check;
        QLabel* status;
        QLabel* sourceCount;
        QLabel* targetCount;
    };

    void buildRows(QGridLayout* grid);
    void setControlsEnabled(bool enabled);
    void advance();

    DataSet& m_set;
    UiPort& m_ui;
    TakeOverKind& m_kind;
    TakeOverRun m_run;
    QLabel* m_source;
    QPushButton* m_folder;
    QPushButton* m_start;
    QPushButton* m_cancel;
    QProgressBar* m_bar;
    QTimer* m_timer;
    std::vector<RowWidgets> m_rows;
    QWidget* m_disabled = nullptr;
    QElapsedTimer m_sinceEvents;
};

} // namespace korbelant
