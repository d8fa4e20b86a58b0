#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

class Database;

// What the frame of every report page shows besides the title: the program name and year of the
// version record and the print date.
struct ReportFrame
{
    QString program = QStringLiteral("Korbelant");
    QString year;
    QDate printDate = QDate::currentDate();

    // The version record of the data set (MainVersion); the defaults when it is missing or empty.
    static ReportFrame read(Database& db);

    QString programLine() const;         // "Korbelant 2026"
    QString printedLine() const;         // "Gedruckt : 10.12.2026"
    static QString pageLine(int number); // "Blatt 3"
};

} // namespace korbelant
