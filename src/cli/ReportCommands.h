#pragma once

namespace korbelant {

class CliApp;

// The command that renders a report of the program as a PDF file without windows:
// report NAME [ARGS…] --pdf FILE.
class ReportCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
