#pragma once

namespace korbelant {

class CliApp;

// korbelant-cli reminders and info: the lists of the appointment window and the lines of the
// information window, for a given day or moment.
class ReminderCommands
{
public:
    static void registerAll(CliApp& app);
};

} // namespace korbelant
