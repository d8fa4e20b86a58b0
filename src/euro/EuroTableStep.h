#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

// One table of the conversion: its amount fields, which records follow the date, the decimals
// kept, the progress shown before it and the message when it cannot be converted.
struct EuroTableStep
{
    enum class DateRule
    {
        None,     // every record
        OwnDate,  // the record's own date field
        PartyDate // the date of the record's party in Tuppkopf
    };

    QString table;
    QStringList fields;
    DateRule rule = DateRule::None;
    QString dateField;
    int decimals = 7;
    QString heading; // empty: no progress step of its own
    QString detail;
    int percent = 0;
    QString failure;

    // Whether only records up to the date are converted (the UPDATE then binds the date).
    bool bindsDate(bool allData) const { return !allData && rule != DateRule::None; }
    // The UPDATE that converts the matching records.
    QString updateSql(bool allData) const;
};

} // namespace korbelant
