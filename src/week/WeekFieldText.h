#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace korbelant {

// The week record's fields as the week window shows and takes them: counts without decimals,
// amounts with two decimals and a decimal comma, dates "dd.mm.yyyy", times "hh:mm", texts as
// they are. An empty entry clears a field.
class WeekFieldText
{
public:
    static QString shown(const QString& field, const QVariant& value);
    // The value of an entry; nullopt when it cannot be read for the field (a letter in a count, a
    // date that does not exist, a text longer than the field).
    static std::optional<QVariant> entered(const QString& field, const QString& text);
    // The number of characters the field takes (0 for no limit).
    static int width(const QString& field);
};

} // namespace korbelant
