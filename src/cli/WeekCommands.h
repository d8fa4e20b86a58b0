#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli week …: the week records and the week closing's operations through the week
// module, the marking of part-weeks and the transfer queries of a week.
class WeekCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
