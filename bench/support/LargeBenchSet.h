#pragma once

#include "core/DataSet.h"

#include <QTextStream>
#include <memory>

namespace korbelant {

// The "large" synthetic data set of the timings in a data home: an empty home is laid out and
// filled first (its time is printed), always with the same seed and last day, so that the
// figures stay comparable from run to run.
class LargeBenchSet
{
public:
    static std::unique_ptr<DataSet> open(const QString& homeDir, QTextStream& out);
};

} // namespace korbelant
