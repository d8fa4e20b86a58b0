#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli travel … and expense …: the travel account of a date range (and its dBASE copy),
// and the purchases of the expense account with their depreciation.
class ExpenseCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
