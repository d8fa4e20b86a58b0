#pragma once

#include <QString>
#include <QTextStream>
#include <functional>

namespace korbelant {

// One timed step of a benchmark, printed as "what  N ms (R Zeilen)". The work returns the rows
// it produced; settle (for the window timings: the pending events) runs inside the measurement.
class BenchTiming
{
public:
    static void timed(QTextStream& out, const QString& what, int width, const std::function<int()>& work,
                      const std::function<void()>& settle = {});
};

} // namespace korbelant
