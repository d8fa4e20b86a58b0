#pragma once

#include "core/DataHome.h"
#include "core/Startup.h"

#include <functional>

namespace korbelant {

class DialogUi;

// Starts the desktop program on a data home: the load window follows the steps of the start, and
// every message of the start stands in front of it; then the main window is shown maximised and
// the event loop runs until it is closed.
class DesktopStart
{
public:
    DesktopStart(DataHome home, DialogUi& ui) : m_home(std::move(home)), m_ui(ui) {}

    // The printer check of the start; by default the printers the system knows.
    void setPrinterCheck(std::function<Startup::Printers()> check) { m_printers = std::move(check); }

    // The program's exit code.
    int exec();

private:
    int run();

    DataHome m_home;
    DialogUi& m_ui;
    std::function<Startup::Printers()> m_printers;
};

} // namespace korbelant
