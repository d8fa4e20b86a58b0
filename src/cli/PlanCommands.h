#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli plan …: the party planning on the customer table: marking host and guests,
// resetting, listing and exporting the plan, and creating the party from it.
class PlanCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
