#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>
#include <vector>

namespace korbelant {

class Database;

// A fixed-format table of the exchange database: the records of a TRANSTUP file read by the
// record description of its name in TWFILELIST ("FieldN=NAME,TYPE,WIDTH,DECIMALS,OFFSET").
class FixedFormatTable
{
public:
    struct Field
    {
        QString name;
        int offset = 0;
        int width = 0;
    };

    // The fields of the description; empty when it names none.
    static std::vector<Field> parse(const QString& description);
    // The record description of the file in TWFILELIST; nullopt when there is none.
    static std::optional<std::vector<Field>> layoutOf(Database& db, const QString& fileName);
    // One record: every field's text, trailing blanks dropped.
    static QVariantMap record(const std::vector<Field>& fields, const QString& line);
    // Every record of the file by the description of its name; nullopt when the file or its
    // description cannot be read.
    static std::optional<std::vector<QVariantMap>> read(Database& db, const QString& path,
                                                        const QString& fileName);
};

} // namespace korbelant
