#pragma once

namespace korbelant {

class CliApp;

// The command group "customer": new, delete, merge, list and export-dbf on the customer store.
class CustomerCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
