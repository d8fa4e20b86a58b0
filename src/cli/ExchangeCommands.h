#pragma once

namespace korbelant {

class CliApp;

// The command group "exchange": reads the distributor's exchange disk into TRANSTUP, seals a
// file of the disk and checks a seal.
class ExchangeCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
