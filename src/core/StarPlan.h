#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
class ErrorLog;

// The star plan of the host rewards (SternePlan): bands of party turnover with the stars they
// earn, and in its first record the single values for appointments and the turnover interval.
// Everything that reads or writes the table goes through here.
class StarPlan
{
public:
    struct Band
    {
        double from = 0; // SterneBetragMin
        double to = 0;   // SterneBetragMax
        int stars = 0;   // Sterne
    };

    // The single values as the options window shows them (empty when the table has no record).
    struct Singles
    {
        QString oneAppointment;  // Verabredung1 -> option OneVerabred
        QString twoAppointments; // Verabredung2 -> option TwoVerabred
        QString intervalAmount;  // SchrittBetrag -> option SInt
        QString intervalStars;   // SchrittSterne -> option SIntS
    };

    // One band as the options window's grid holds it: the texts of "von", "bis" and "Sterne".
    using BandCells = std::array<QString, 3>;

    // The plan as the options window edits it.
    struct Sheet
    {
        std::vector<BandCells> bands;
        std::optional<Singles> singles; // only when the plan has bands
    };

    explicit StarPlan(Database& db) : m_db(db) {}

    // Earned stars for the star turnover `amount` and `appointments` counted appointments. The
    // bands are read in table order; the first band reaching the amount gives its stars; beyond
    // the last band every full interval adds its stars; a value that is not a number ends the
    // computation with what was found so far.
    int StarsByPlan(double amount, int appointments) const;

    std::vector<Band> bands() const;
    // Replaces the bands in order; the single values in the first record stay.
    void saveBands(const std::vector<Band>& bands);
    Singles singles() const;
    // Writes the single values into the first record; an entry that is not a number is stored
    // as empty. Without any record nothing is written. Returns false when the table refused.
    bool writeSingles(const Singles& singles);

    // Reads the sheet of the options window; a failure to read is appended to the error log and
    // leaves the sheet with what was read until then.
    Sheet readSheet(const ErrorLog& log) const;
    // Writes the sheet back: bands() from the cells (bandsOf), then the single values. A failure
    // with the bands is appended to the error log; a refusal of the single values is ignored.
    void writeSheet(const std::vector<BandCells>& cells, const Singles& singles, const ErrorLog& log);

    // The bands of the grid's rows: a row with all three cells empty is left out, a cell that
    // is not a number counts as 0.
    static std::vector<Band> bandsOf(const std::vector<BandCells>& cells);
    // A cell takes an empty text or a number.
    static bool acceptsCell(const QString& text);
    // A number as a cell shows it: whole numbers without decimals, others with two.
    static QString cellText(double value);

private:
    std::vector<qint64> rowIds() const;

    Database& m_db;
};

} // namespace korbelant
