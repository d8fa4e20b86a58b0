#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli backorder …: the back-order states and pieces of an order line, through the
// back-order rules with their questions.
class BackOrderCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
