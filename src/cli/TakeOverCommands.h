#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli takeover KIND: takes the data of another program (or of the DOS edition) over,
// as the takeover window does, and prints each row's state and counts.
class TakeOverCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
