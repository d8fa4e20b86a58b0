#pragma once

#include <QString>
#include <optional>

namespace korbelant {

// What a takeover shows while it runs: per row of the takeover window its status text and its
// two counts (records in the source, records in the program's table), and a beat after every
// record so that the window stays responsive and can be stopped. The default shows nothing.
class TakeOverDisplay
{
public:
    virtual ~TakeOverDisplay() = default;

    // The takeover passed its source check and starts to copy.
    virtual void started() {}
    virtual void rowStatus(int row, const QString& status)
    {
        (void)row;
        (void)status;
    }
    // A count left out stays as shown.
    virtual void rowCounts(int row, std::optional<int> source, std::optional<int> target)
    {
        (void)row;
        (void)source;
        (void)target;
    }
    // After each record.
    virtual void beat() {}
    // The takeover has ended, whatever its outcome.
    virtual void finished() {}
};

} // namespace korbelant
