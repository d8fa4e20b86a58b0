#pragma once

namespace korbelant {
class Database;
}

namespace korbelant::test {

// A few customers and parties with stored totals over several weeks and part-weeks, for the
// week reports:
//   202552  261225A  (Brandt, Ute)      umsatz   100,00
//   202601  050126A  (Müller, Anna) 1   umsatz   400,50
//   202601  070126A  (no customer)  2   umsatz 1.200,25
//   202602  140126A  (Brandt, Ute)      umsatz   300,00
//   202605  030226A  (Müller, Anna)     umsatz    50,00
class WeekReportParties
{
public:
    static void insert(Database& db);
};

} // namespace korbelant::test
