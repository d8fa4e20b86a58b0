#pragma once

#include "takeover/TakeOverRow.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace korbelant {

class DataSet;
class Database;
class TakeOverDisplay;
class TakeOverKind;
class TakeOverSource;
class UiPort;

// One run of a takeover: checks the source, then runs the checked rows of its kind in order,
// each row in one transaction of its own. A row that fails or is stopped part-way leaves its
// tables exactly as they were before it started; the rows before it stay taken over. The
// takeover window and the command line both drive it; everything it shows goes through the
// display, every message and question through the UI port.
class TakeOverRun
{
public:
    enum class Outcome
    {
        Finished,      // the checked rows ran (a row may have failed; its status says so)
        InvalidSource, // the source check failed: nothing was copied
        NoBackup,      // the backup before the takeover could not be made: nothing was copied
        Aborted        // stopped by the user: the row under way was undone, the rest skipped
    };

    struct RowState
    {
        QString status;
        std::optional<int> source;
        std::optional<int> target;
    };

    static inline const QString kDone = QStringLiteral("abgeschlossen");
    static inline const QString kUndone = QStringLiteral("abgebrochen, nichts übernommen");
    static inline const QString kFailed = QStringLiteral("fehlgeschlagen, nichts übernommen");
    static inline const QString kAskCancel =
        QStringLiteral("Wollen Sie die Datenübernahme abbrechen ? (Nicht empfohlen)");
    static inline const QString kAborted = QStringLiteral(
        "Die Datenübernahme wurde abgebrochen ! Sie können sie jederzeit wiederhohlen.(Da die Daten nur "
        "Teilweise übernommen wurden sollten sie wenn möglich alle Daten zurücksetzen.)");

    TakeOverRun(DataSet& set, UiPort& ui, TakeOverKind& kind, TakeOverDisplay& display);

    // Runs the rows whose entry in `checked` is true (a missing entry counts as checked) from
    // the source.
    Outcome start(const QString& source, const std::vector<bool>& checked = {});

    // "&Abbrechen" while the takeover runs: asks, and on "Ja" the takeover stops after the
    // record under way. True when it stops.
    bool askStop();
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }
    bool running() const { return m_running; }

    const std::vector<RowState>& rowStates() const { return m_states; }

    // --- for the kinds ---
    DataSet& dataSet() { return m_set; }
    Database& db();
    // The records of one of the program's tables.
    int recordsIn(const QString& table);
    UiPort& ui() { return m_ui; }
    const QString& source() const { return m_source; }
    int currentRow() const { return m_row; }
    void status(const QString& text);
    void counts(std::optional<int> source, std::optional<int> target);
    // After each record: keeps the display going; when the user has stopped, throws Stopped,
    // which undoes the row.
    void recordDone();
    // Takes over every record of the source in turn: shows the source's count and the table's,
    // and counts the table's up for each record `takeOver` stores (it answers true for those).
    void eachRecord(TakeOverSource& source, const QString& table, const std::function<bool()>& takeOver);
    struct Stopped
    {
    };

private:
    void runRow(int row);

    DataSet& m_set;
    UiPort& m_ui;
    TakeOverKind& m_kind;
    TakeOverDisplay& m_display;
    std::vector<TakeOverRow> m_rows;
    std::vector<RowState> m_states;
    QString m_source;
    int m_row = -1;
    bool m_running = false;
    bool m_stopRequested = false;
};

} // namespace korbelant
