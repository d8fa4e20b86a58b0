#pragma once

namespace korbelant {

class CliApp;

// The command group "twd": reads values, record counts and decoded fields of a TWD file.
class TwdCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
