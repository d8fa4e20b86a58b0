#pragma once

namespace korbelant {

class CliApp;

// The Euro conversion of the data set (euro convert) and its currency state (euro status).
class EuroCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
