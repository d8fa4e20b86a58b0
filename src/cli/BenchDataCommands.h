#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli bench-data small|large [SEED]: fills an empty data set with a synthetic one.
class BenchDataCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
