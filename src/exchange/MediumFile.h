#pragma once

#include <QString>

namespace korbelant {

// A file on an exchange medium, found by its name without regard to case (the distributor's
// disks were written on another system).
class MediumFile
{
public:
    // The path of the file in the folder as it is spelt there; the name as given when the folder
    // holds none.
    static QString find(const QString& folder, const QString& name);
    static bool exists(const QString& folder, const QString& name);
};

} // namespace korbelant
