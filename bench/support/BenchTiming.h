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
    // One step of a window timing, printed as "what  N ms  result"; the pending events are
    // processed inside the measurement.
    static void described(QTextStream& out, const QString& what, const std::function<QString()>& work);
    // Runs work(i) for i = 0 .. count - 1 and prints the mean and the slowest run in milliseconds.
    static void repeated(QTextStream& out, const QString& what, int count,
                         const std::function<void(int)>& work);
};

} // namespace korbelant
