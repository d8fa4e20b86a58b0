#pragma once

#include "core/SqlCondition.h"
#include "customers/CustomerRecordFilter.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace korbelant {

// The entries of the filter dialog "Filter festlegen", named as its fields, and the customer
// filter the customer window makes of them. Every entry is a bound value of the resulting
// condition, so names such as O'Brien or a '%' in a text are searched for as they are.
class CustomerFilter
{
public:
    // The result of turning the entries into a filter of the customer table.
    struct Expression
    {
        SqlCondition condition;            // the free criteria
        CustomerRecordFilter recordFilter; // birthday and e-mail bounds
        QString error;                     // a German message when an entry cannot be used
        bool ok() const { return error.isEmpty(); }
    };

    // Every field the caller reads, in the dialog's spelling.
    static const QStringList& fieldNames();
    // The dialog spelling of a field name given in any case; empty when there is no such field.
    static QString canonicalName(const QString& name);

    // Sets one entry; false when there is no field of that name. Check boxes take "J", "1",
    // "ja" or "true" as checked; the contact mode is the field "RadioButtonKontaktEinzeln".
    bool set(const QString& field, const QString& value);
    QString value(const QString& field) const;
    bool checked(const QString& field) const;
    // Sets every FIELD=VALUE entry; returns the unknown names.
    QStringList setAll(const QVariantMap& values);

    void clear(); // "&Filter zurück": every entry empty; the contact mode stays
    bool contactPerMedium() const;
    void setContactPerMedium(bool perMedium);

    // The remarks text BEdit, an alternative to all other entries.
    QString remarksText() const { return value(QStringLiteral("BEdit")); }
    bool selectsByRemarks() const { return !remarksText().trimmed().isEmpty(); }

    Expression expression() const;

private:
    void addTextRange(Expression& e, const QString& column, const QString& minField,
                      const QString& maxField) const;
    void addDateRange(Expression& e, const QString& column, const QString& minField,
                      const QString& maxField) const;
    void addDistance(Expression& e) const;
    void addContacts(Expression& e) const;
    void addFlags(Expression& e) const;
    void addBirthdayAndEmail(Expression& e) const;
    // The date of a date field as stored ("YYYY-MM-DD"); empty for an empty field; sets the
    // error of the expression for a text that is no date.
    QString isoDate(Expression& e, const QString& field) const;

    QHash<QString, QString> m_values; // keyed by the dialog spelling
    bool m_contactPerMedium = false;
};

} // namespace korbelant
