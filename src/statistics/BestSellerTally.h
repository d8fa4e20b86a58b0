#pragma once

#include "statistics/BestSeller.h"
#include "statistics/BestSellerSort.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace korbelant {

class Statement;

// Sums the order lines of the best-seller list per article number and transaction kind (told
// apart exactly, as written). Grouping in SQL would sort every order line of the period first; a
// hash over the articles keeps twenty years of order lines well under a second.
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

    Group& groupOf(const Statement& line);
    static void addLine(Group& group, const Statement& line);

    std::unordered_map<std::string, size_t> m_index;
    std::vector<Group> m_groups;
};

} // namespace korbelant
