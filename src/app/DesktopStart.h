#pragma once

#include "core/DataHome.h"

namespace korbelant {

class DialogUi;

// Starts the desktop program on a data home: the load window follows the steps of the start;
// then the main window is shown maximised and the event loop runs until it is closed.
class DesktopStart
{
public:
    DesktopStart(DataHome home, DialogUi& ui) : m_home(std::move(home)), m_ui(ui) {}

    // The program's exit code.
    int exec();

private:
    int run();

    DataHome m_home;
    DialogUi& m_ui;
};

} // namespace korbelant
