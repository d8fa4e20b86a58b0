#pragma once

#include "euro/EuroRequest.h"

#include <QDate>
#include <QString>
#include <functional>

namespace korbelant {

class DataSet;
class UiPort;
struct EuroTableStep;

// "Datenbankeinträge in Euro umrechnen.": converts the amounts of the data set from D-Mark to Euro,
// every one or those up to a date. A copy of the data set goes into DMDB/ first; then every table
// is converted in one transaction, together with the record of the conversion in the data set
// (CurrencyRecord), so that a failure in any table, or a program killed on the way, leaves every
// amount as it was. The option Euro and Status.txt follow after the commit.
class EuroConversion
{
public:
    enum class Outcome
    {
        Cancelled, // the user said no, nothing changed
        Refused,   // a wrong date or a failed backup, nothing changed
        Converted, // the program ends
        Restored   // a table failed, the data set is as before; the program ends
    };
    // The confirmation dialog: true when the user typed EURO and confirmed.
    using Confirmation = std::function<bool(const EuroRequest&)>;

    static inline const QString kBackupExists = QStringLiteral(
        "Ich konnte feststellen, dass schon ein Sicherungsverzeichnis existiert. Sind Sie sicher "
        "das sie noch einmal umrechnen wollen?");
    static inline const QString kInvalidDate =
        QStringLiteral("Bitte geben Sie für diesen Punkt ein gültiges Datum an.");
    static inline const QString kConverted =
        QStringLiteral("Die Datenbestände wurden umgerechnet. Nach dem Neustart verstehen sich alle nicht "
                       "ausdrücklich als D-Mark gekennzeichneten Werte als Euro.");
    static inline const QString kRestored =
        QStringLiteral("Die Datenbanken wurden im alten Zustand wieder hergestellt. Bitte versuchen Sie die "
                       "Umrechnung nocheinmal.");
    static inline const QString kConfirmPlease =
        QStringLiteral("Sie müssen die Eingabe schriftlich bestätigen.");
    static inline const QString kConfirmWord = QStringLiteral("EURO");

    EuroConversion(DataSet& set, UiPort& ui, const QDate& today = QDate::currentDate());

    Outcome run(const EuroRequest& request, const Confirmation& confirm);

    static bool endsProgram(Outcome outcome)
    {
        return outcome == Outcome::Converted || outcome == Outcome::Restored;
    }
    // The typed confirmation, compared in capitals.
    static bool isConfirmed(const QString& typed) { return typed.toUpper() == kConfirmWord; }
    static QString upToDateQuestion(const QString& dateText);
    // The five lines of Status.txt after a conversion.
    QString statusText(const EuroRequest& request) const;

private:
    Outcome ask(const EuroRequest& request, const Confirmation& confirm);
    bool backUp();
    void convertTable(const EuroTableStep& step, const EuroRequest& request);
    Outcome restore(const QString& failure);
    void finish(const EuroRequest& request);

    DataSet& m_set;
    UiPort& m_ui;
    QDate m_today;
};

} // namespace korbelant
