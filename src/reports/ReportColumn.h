#pragma once

#include <QString>
#include <QVariant>

namespace korbelant {

// One column of a report table: its head (lines separated by '\n'), its width in millimetres,
// how its values are aligned and written, and whether group footers and the summary sum it.
struct ReportColumn
{
    enum class Align
    {
        Left,
        Center,
        Right
    };
    enum class Format
    {
        Text,
        Integer,
        Money,
        Decimal4
    };

    QString title;
    double widthMm = 20;
    Align align = Align::Left;
    Format format = Format::Text;
    bool summed = false;
    bool blankZero = false; // a value of 0 is printed blank
    QString suffix;         // written after every value and sum printed, e.g. " €"
    QString sumSuffix;      // written after the sums of group footers and the summary only

    static ReportColumn text(QString title, double widthMm, Align align = Align::Left);
    static ReportColumn number(QString title, double widthMm, Format format, bool summed);

    // The printed form of a value of this column.
    QString printed(const QVariant& value) const;
    // The printed form of a sum of this column: never blank, followed by sumSuffix.
    QString printedSum(double sum) const;
    QStringList headLines() const;
};

} // namespace korbelant
