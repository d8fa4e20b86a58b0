#pragma once

#include "core/FieldDef.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace korbelant {

// A table of another program that a takeover reads record by record: its fields with their
// kinds, its record count, a current record and the values of that record. A value is a null
// QVariant when the source holds no value, and never null when it holds one (an empty text of a
// source that tells empty from null stays an empty QString). Texts come converted from the
// source's code page; memo fields come as text. Null is an invalid QVariant.
class TakeOverSource
{
public:
    enum class Kind
    {
        Text,     // QString
        Number,   // double, or qlonglong for a number without decimals
        Logical,  // bool
        Date,     // QDate
        Time,     // QTime
        DateTime, // QDateTime
        Memo,     // QString
        Other     // whatever the source gives; no target field takes it as its own kind
    };

    struct Field
    {
        QString name;
        Kind kind = Kind::Text;
        int width = 0; // characters of a text or number field; 0 when the source has no width
        int decimals = 0;
    };

    virtual ~TakeOverSource() = default;

    virtual const std::vector<Field>& fields() const = 0;
    virtual int recordCount() const = 0;
    // Makes record `record` (0 to recordCount() - 1) the current one; false outside.
    virtual bool seek(int record) = 0;
    // The value of field `index` of the current record.
    virtual QVariant value(int index) const = 0;

    // Moves to the next record (the first one after opening); false past the last.
    bool next();
    // The current record; -1 before the first next() or seek().
    int position() const { return m_position; }

    // The position of a field by its name, compared without regard to case; -1 when none.
    int fieldIndex(const QString& name) const;
    bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
    const Field* field(const QString& name) const;
    // The value of the named field of the current record; a null QVariant when there is no such
    // field.
    QVariant value(const QString& name) const;
    // The value as text: a null QString for a null value.
    QString text(const QString& name) const;

    static bool isNull(const QVariant& value) { return !value.isValid() || value.isNull(); }
    // Whether a target field of the given type holds a value of this kind as it is.
    static bool sameKind(Kind kind, FieldDef::Type target);

protected:
    void setPosition(int record) { m_position = record; }

private:
    int m_position = -1;
};

} // namespace korbelant
