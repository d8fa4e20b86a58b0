#pragma once

#include <QStringList>

namespace korbelant {

// Names for the fields of a result: a column without a name is called "COLUMN", and a name met
// again (without regard to case) gets "_1", "_2", … until it is one of its own.
class OdbcFieldNames
{
public:
    static QStringList unique(const QStringList& described);
};

} // namespace korbelant
