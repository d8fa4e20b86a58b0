#pragma once

namespace korbelant {

class CliApp;

// The commands of the data set itself: init, repair, option, week-key, dm-to-euro,
// euro-to-dm.
class CoreCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
