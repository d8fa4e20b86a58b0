#pragma once

// The basics every test needs: a temporary data home, the command-line runner and readable
// QStrings in failure messages.
#include "support/CliRun.h"
#include "support/QtPrinters.h"
#include "support/TempHome.h"
