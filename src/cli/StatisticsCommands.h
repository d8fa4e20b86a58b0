#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli stats …: the views of the statistics window as ";"-separated lists with a header
// line of column names, and the customer chart as a picture.
class StatisticsCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
