#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

namespace korbelant {

// Reads one field of a record held as a map from field name to value in program form (the
// records of RecordStore and of the data modules). A missing field reads as empty, 0 or an
// invalid date.
class RecordValue
{
public:
    static QString text(const QVariantMap& record, const QString& field);
    // The text without leading and trailing blanks.
    static QString trimmed(const QVariantMap& record, const QString& field);
    static QDate date(const QVariantMap& record, const QString& field);
    static int integer(const QVariantMap& record, const QString& field);
    static double number(const QVariantMap& record, const QString& field);
};

} // namespace korbelant
