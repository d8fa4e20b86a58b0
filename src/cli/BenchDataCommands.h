#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli bench-data small|large [SEED] [--end DD.MM.YYYY]: fills an empty data set with a
// synthetic one whose last party falls on the end date (default: today).
class BenchDataCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
