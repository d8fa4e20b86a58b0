#pragma once

#include "parties/BackOrderLine.h"

#include <optional>
#include <vector>

namespace korbelant {

class Database;

// The order lines the back-order work reads: the lines of one week, the lines still to be worked
// (back-ordered or delivered afterwards, of any week), and the lines of one state for the printed
// lists. Each comes with its guest and its party's host.
class BackOrderList
{
public:
    explicit BackOrderList(Database& db) : m_db(db) {}

    // "&Eingeben": every line booked to the week key, by party, guest and line.
    std::vector<BackOrderLine> ofWeek(const QString& week) const;
    // "&Bearbeiten": every line in state "J" or "B".
    std::vector<BackOrderLine> toWork() const;
    // The lines of one state by party, guest and article, for the printed lists.
    std::vector<BackOrderLine> inState(const QString& state) const;
    std::optional<BackOrderLine> line(const BackOrderKey& key) const;

private:
    std::vector<BackOrderLine> read(const QString& where, const QVariantList& params,
                                    const QString& orderBy) const;

    Database& m_db;
};

} // namespace korbelant
