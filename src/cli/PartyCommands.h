#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli party …: creating and changing parties, participants and order lines through
// the party module's rules, and showing a party's header.
class PartyCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
