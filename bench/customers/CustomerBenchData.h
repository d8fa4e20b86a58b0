#pragma once

namespace korbelant {

class Database;

// Synthetic customers for the customer timings: German names (with the umlaut and apostrophe
// cases), towns, birthdays, planning marks and dates, the same for every run.
void fillBenchCustomers(Database& db, int customers);

} // namespace korbelant
