#pragma once

#include "core/DataHome.h"

#include <QString>
#include <QTextStream>
#include <optional>

namespace korbelant {

// What the window timings share: the offscreen platform, and the data home of their first
// argument, filled with `korbelant-cli bench-data large --end 27.12.2025`.
class WindowBenchHome
{
public:
    // Before the application object is made.
    static void useOffscreen();
    // The data home; nullopt after the usage line when there is none.
    static std::optional<DataHome> fromArguments(int argc, char* argv[], QTextStream& out,
                                                 const QString& program);
};

} // namespace korbelant
