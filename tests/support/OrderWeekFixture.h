#pragma once

#include "support/PartyModuleFixture.h"
#include "week/TWocheDataModul.h"

#include <memory>

namespace korbelant::test {

// Week 200649 of consultant 4711, with the option NURAKTIV on and a booking horizon of five weeks:
//   part-week 1: B (09.12.2006, host Roth, "Hauptstraße 5", distributor number 00042 stored) and
//     A (Sunday 10.12.2006, host Brandt, "Am Markt", no distributor number yet). A's guests: Gast
//     ("Lindenweg 12a") with an appointment on 21.01.2007, the last day of A's horizon, Spät on
//     22.01.2007, the day after, and Benannt ("Weg 0815"), nominated. The order lines of the
//     part-week: ZT10 2 + 3, ZT20 2 and 1 in advance ("v"), ZT30 0 pieces, ZT40 2 (an article
//     gone from the catalogue), ZT50 1 of kind 20.
//   part-week 2: C (08.12.2006, host Klein), no order line, no distributor number yet.
// The week plans 3, 0, 0, 1, 0, 7 parties and 2 recruiting visits; its two request items ask for 0.
class OrderWeekFixture : public PartyModuleFixture
{
protected:
    OrderWeekFixture();

    TWocheDataModul& week() { return *m_week; }

    QString a, b, c;
    std::unique_ptr<TWocheDataModul> m_week;

private:
    void addCustomers();
    void addArticles();
    void addParties();
    void addGuestsAndLines();
    void setHeaders();
    void setWeek();
};

} // namespace korbelant::test
