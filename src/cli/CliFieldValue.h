#pragma once

#include "core/FieldDef.h"

#include <QString>
#include <QVariant>

namespace korbelant {

// Field values as the command line takes and prints them: dates dd.mm.yyyy, times hh:mm,
// yes/no as ja/nein, amounts with a decimal comma.
class CliFieldValue
{
public:
    // A value given for a field, checked against the field's type: CliUsageError for a value of
    // the wrong kind, CliRefusal for a text longer than the field.
    static QVariant entered(const FieldDef& field, const QString& value);
    // A stored value in program form as the commands print it.
    static QString shown(const FieldDef& field, const QVariant& value);
    // A value of a query row: dates and amounts as above, other values as they are.
    static QString shown(const QVariant& value);
};

} // namespace korbelant
