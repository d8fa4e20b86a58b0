#pragma once

#include "core/DataHome.h"

namespace korbelant {

class UiPort;

// Starts the desktop program on a data home: the load window follows the steps of the start;
// then the main window is shown maximised and the event loop runs until it is closed.
class DesktopStart
{
public:
    DesktopStart(DataHome home, UiPort& ui) : m_home(std::move(home)), m_ui(ui) {}

    // The program's exit code.
    int exec();

private:
    int run();

    DataHome m_home;
    UiPort& m_ui;
};

} // namespace korbelant
