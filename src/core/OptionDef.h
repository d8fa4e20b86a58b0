#pragma once

#include <QString>
#include <vector>

namespace korbelant {

// One setting of Optionen.ini: its key (the name of its control in the options window), the kind
// of control, the page it stands on and the value the window starts with.
struct OptionDef
{
    enum class Kind { Text, Check, Choice };

    QString key;
    Kind kind;
    QString page;
    QString initial; // text, or "-1"/"0" for check boxes

    static const std::vector<OptionDef>& all();
    static const OptionDef* find(const QString& key);
};

} // namespace korbelant
