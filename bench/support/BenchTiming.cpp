#include "support/BenchTiming.h"

#include <QElapsedTimer>

namespace korbelant {

void BenchTiming::timed(QTextStream& out, const QString& what, int width, const std::function<int()>& work,
                        const std::function<void()>& settle)
{
    QElapsedTimer timer;
    timer.start();
    const int rows = work();
    if (settle)
        settle();
    out << QStringLiteral("%1 %2 ms (%3 Zeilen)")
               .arg(what, -width)
               .arg(timer.nsecsElapsed() / 1e6, 8, 'f', 1)
               .arg(rows)
        << Qt::endl;
}

} // namespace korbelant
