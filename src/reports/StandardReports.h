#pragma once

namespace korbelant {

class ReportRegistry;

// The one place where the reports of the program are entered into the registry.
class StandardReports
{
public:
    static void registerAll(ReportRegistry& registry);
};

} // namespace korbelant
