#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace korbelant {

class Database;
class ErrorLog;

// The week overview of the main window: the turnover of the parties per week over the last year,
// one bar per week that has parties.
class WeekOverview
{
public:
    struct Bar
    {
        QString weekKey;
        int position = 0;    // place on the horizontal axis
        double turnover = 0; // SS_UMSATZ, the sum of S_UMSATZ of the week's parties
        int parties = 0;
    };

    // The overview shows the weeks after this key: last calendar year followed by this week's
    // number; in week 53 the calendar year of today followed by "00".
    static QString startKey(const QDate& today);
    static constexpr int kCurrentPosition = 53;
    // Where a key that names no week would stand: far off every chart.
    static constexpr int kNoPosition = -1000000;
    // The current week stands at 53; other weeks lie left of it by the number of calendar weeks
    // between them, so last year's weeks follow each other without a gap at the turn of the year.
    static int axisPosition(const QString& weekKey, const QString& currentWeekKey);

    explicit WeekOverview(Database& db) : m_db(db) {}

    // Parties with a party number whose week key is after the start key, grouped and ordered by
    // week. Throws DatabaseError when the party table cannot be read.
    std::vector<Bar> read(const QString& startKey, const QString& currentWeekKey);
    // What the main window shows: read() up to the week of `today`. A failure to read is appended
    // to the error log and leaves the overview without bars.
    std::vector<Bar> readUntil(const QString& startKey, const QDate& today, const ErrorLog& log);

private:
    Database& m_db;
};

} // namespace korbelant
