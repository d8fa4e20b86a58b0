#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

class Options;

// The drives of old ("a", "b" for the floppy drives, "c" for the fixed disk) mapped to
// directories. A floppy drive is a mount directory, by default /media/floppy0 and
// /media/floppy1; Optionen.ini may name others under the keys LaufwerkA and LaufwerkB.
// A drive is ready when its directory exists and can be listed.
class DriveMap
{
public:
    enum class State
    {
        Ready,
        NoDisk,
        EmptyDisk,
        Unreadable
    };

    struct Check
    {
        State state = State::Ready;
        QString message; // empty when ready
        int errorNumber = 0;
    };

    static inline const QString kDefaultA = QStringLiteral("/media/floppy0");
    static inline const QString kDefaultB = QStringLiteral("/media/floppy1");

    // The default directories, for a program without its options.
    DriveMap() : m_a(kDefaultA), m_b(kDefaultB) {}
    explicit DriveMap(const Options& options);

    static QStringList drives() { return {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}; }
    static bool isRemovable(const QString& letter);
    // The directory of a drive letter; empty for an unknown letter.
    QString directoryOf(const QString& letter) const;
    // Checks the drive before it is used; the message tells the user what is wrong.
    Check check(const QString& letter) const;

    // A chosen directory as the program keeps it: always ending in a separator.
    static QString withTrailingSeparator(const QString& directory);

private:
    QString m_a;
    QString m_b;
};

} // namespace korbelant
