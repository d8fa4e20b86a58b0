#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace korbelant {

class TakeOverKind;

// The programs whose data can be taken over, by the name the command line uses for them.
class TakeOverKinds
{
public:
    static QStringList keys();
    // The kind of that name; nullptr for an unknown name.
    static std::unique_ptr<TakeOverKind> make(const QString& key);
};

} // namespace korbelant
