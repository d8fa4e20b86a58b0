#pragma once

#include <QString>
#include <QVariant>
#include <optional>

namespace korbelant {

// The print-status word of a week record (DR_20): an integer read as five decimal digits, digit
// k (from the left) for week report k. "1" means printed; a new week holds 2 ("00002"), a week
// whose status was never kept holds 0.
class WeekPrintState
{
public:
    static inline const QString kPrinted = QStringLiteral("gedruckt");
    static inline const QString kNotPrinted = QStringLiteral("noch nicht gedruckt");
    static inline const QString kUnknown = QStringLiteral("nicht feststellbar");
    static constexpr int kReports = 5;
    static constexpr int kNewWeek = 2;

    // The picture of the part-week rows' status cell.
    enum class Picture
    {
        PrintPart, // a new week, nothing printed yet
        PrintFull, // 11001 or more
        PrintG     // anything else
    };

    // The status text of report k (1 .. 5).
    static QString ReportPrintState(const QVariant& word, int k);
    // The word after report k was printed: digit k set to 1, a digit 5 of "2" reset to 0.
    // nullopt when the word cannot be read.
    static std::optional<int> MarkReportPrinted(const QVariant& word, int k);
    static Picture picture(const QVariant& word);

private:
    // The five digits, or an empty text when the word is no number.
    static QString digits(const QVariant& word);
};

} // namespace korbelant
