#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// A named secondary index: case-insensitive with German collation, optionally descending over
// all its fields. Stored in SQLite as "<Table>_<Name>" because index names are global there.
struct IndexDef
{
    QString name;
    QStringList fields;
    bool descending = false;
};

} // namespace korbelant
