#pragma once

#include "takeover/TakeOverRow.h"

#include <QString>
#include <vector>

namespace korbelant {

class Options;
class TakeOverRun;

// One program whose data can be taken over: the texts of its takeover window, its rows, where its
// data is looked for, and the work of each row. The takeover run and the window are the same for
// every kind.
class TakeOverKind
{
public:
    static inline const QString kSourceLabel = QStringLiteral("Quellverzeichnis :");

    virtual ~TakeOverKind() = default;

    // What the command line calls it: "dos", "kalmo".
    virtual QString key() const = 0;
    virtual QString title() const = 0;
    virtual QString sourceLabel() const { return kSourceLabel; }
    // The captions of the two count columns: records in the source, records in the program.
    virtual QString sourceCaption() const = 0;
    virtual QString targetCaption() const = 0;
    virtual std::vector<TakeOverRow> rows() const = 0;

    // The source the window opens with.
    virtual QString initialSource(const Options& options) const = 0;
    // A source chosen with the folder button; a kind that keeps it as an option stores it here.
    virtual void sourceChosen(Options& options, const QString& source) const
    {
        (void)options;
        (void)source;
    }
    // Whether "&Abbrechen" stays enabled while the takeover runs.
    virtual bool stoppableWhileRunning() const = 0;

    // Checks the source before anything is copied; the message to show when it cannot be used,
    // empty when it can.
    virtual QString checkSource(const QString& source) const = 0;
    // Copies the tables of one row. Runs inside the row's transaction; errors that end the row
    // are thrown, a record that cannot be stored is dropped by the kind itself.
    virtual void runRow(TakeOverRun& run, int row) = 0;
    // After the last row, in its own transaction (work that needs every row, such as a repair).
    virtual void afterRows(TakeOverRun& run) { (void)run; }
};

} // namespace korbelant
