#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korbelant {

// Reads the ';'-separated text of the installed data files: the first line names the fields;
// values with ';', '"' or line breaks stand in double quotes with inner quotes doubled.
class CsvReader
{
public:
    struct Table
    {
        QStringList header;
        std::vector<QStringList> rows;
    };

    // nullopt when a quote is left open or a row has more values than the header.
    static std::optional<Table> parse(const QString& text);
};

} // namespace korbelant
