#pragma once

#include "core/FieldDef.h"

#include <QVariant>

namespace korbelant {

// The forms in which values are stored: dates "YYYY-MM-DD", times "HH:MM:SS", logicals 0/1,
// numbers as REAL, text as UTF-8 cut to the field's width, empty text as NULL.
class StorageForm
{
public:
    static QVariant toStorage(const FieldDef& field, const QVariant& value);
    static QVariant fromStorage(const FieldDef& field, const QVariant& stored);
};

} // namespace korbelant
