#pragma once

namespace korbelant {

class CliApp;

// The command group "odbc": reads a table of an ODBC data source through the program's ODBC layer.
class OdbcCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
