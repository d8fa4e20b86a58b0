#pragma once

#include "statistics/BestSeller.h"
#include "statistics/BestSellerSort.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korbelant {

class Statement;

// Sums the order lines of the best-seller list per article number and transaction kind (told
// apart exactly, as written). Grouping in SQL would sort every order line of the period first; a
// flat hash index over the articles keeps twenty years of order lines well under a second.
class BestSellerTally
{
public:
    // Adds the current row of a statement whose columns are L_NR, VA, STUECK, STERNE, L_TEXT,
    // EINZ_KOST, EINZ_PREIS, KOSTEN, SUMME.
    void add(const Statement& line);
    // The sums in the order of the key; equal values by article number and kind.
    std::vector<BestSeller> sorted(BestSellerSort::Key key) const;

private:
    struct Group
    {
        std::string number;
        std::string kind;
        std::string text; // the greatest text in German order
        bool hasText = false;
        bool hasCost = false;
        bool hasPrice = false;
        BestSeller sums;
    };

    // A slot of the open-addressing index over the groups: the key's hash and the group's
    // position plus one (0 marks a free slot). A lookup touches the group only on a hash match.
    struct Slot
    {
        std::uint64_t hash = 0;
        std::uint32_t group = 0;
    };

    Group& groupOf(const Statement& line);
    void grow();
    static void addLine(Group& group, const Statement& line);

    std::vector<Slot> m_slots = std::vector<Slot>(1024);
    std::vector<Group> m_groups;
};

} // namespace korbelant
