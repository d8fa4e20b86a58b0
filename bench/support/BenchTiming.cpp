#include "support/BenchTiming.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>

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

void BenchTiming::described(QTextStream& out, const QString& what, const std::function<QString()>& work)
{
    QElapsedTimer timer;
    timer.start();
    const QString result = work();
    QCoreApplication::processEvents();
    out << what.leftJustified(52) << QString::number(timer.nsecsElapsed() / 1e6, 'f', 1).rightJustified(8)
        << " ms  " << result << Qt::endl;
}

void BenchTiming::repeated(QTextStream& out, const QString& what, int count,
                           const std::function<void(int)>& work)
{
    double total = 0;
    double slowest = 0;
    for (int i = 0; i < count; ++i) {
        QElapsedTimer timer;
        timer.start();
        work(i);
        const double ms = timer.nsecsElapsed() / 1e6;
        total += ms;
        slowest = std::max(slowest, ms);
    }
    out << what.leftJustified(52) << QString::number(total / count, 'f', 3) << " ms mean, "
        << QString::number(slowest, 'f', 3) << " ms max (" << count << " runs)" << Qt::endl;
}

} // namespace korbelant
