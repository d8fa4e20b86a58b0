#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// The text files that belong to the data set beside its database file (DB/*.txt, Status.txt among
// them) and go with it into every backup and back out of it.
class DataTextFiles
{
public:
    static QStringList names(const QString& directory);
    // Copies every text file of `from` into `to`, replacing a copy there; returns the messages of
    // the files that could not be copied (one failure does not stop the others).
    static QStringList copy(const QString& from, const QString& to);
};

} // namespace korbelant
