#pragma once

#include "takeover/TakeOverKind.h"

namespace korbelant {

// A takeover from a program that hands over customers and parties only, record by record: the
// rows "Kundenstamm" and "Vorführungsdaten", which may be stopped while they run.
class CustomerPartyTakeOver : public TakeOverKind
{
public:
    enum Row
    {
        Customers,
        Parties
    };

    // A kind whose party row shows its counts only passes false.
    explicit CustomerPartyTakeOver(bool partiesShowDone = true) : m_partiesShowDone(partiesShowDone) {}

    std::vector<TakeOverRow> rows() const override;
    bool stoppableWhileRunning() const override { return true; }
    void runRow(TakeOverRun& run, int row) override;

protected:
    virtual void customers(TakeOverRun& run) = 0;
    virtual void parties(TakeOverRun& run) = 0;

private:
    bool m_partiesShowDone;
};

} // namespace korbelant
