#pragma once

#include "core/DataHome.h"
#include "exchange/ExchangeTarget.h"
#include "week/WeekRange.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace korbelant {

class Options;
class TWocheDataModul;
class UiPort;

// The week's transfer to the distributor by file: the checks and questions in their order, then
// Order.txt in TRANSTUP, packed into Order.zip in the exchange folder, and the parties of the range
// marked as transferred once the archive is complete. The exchange folder is a local folder (disk,
// stick, a fixed path) or the Online folder of the data home.
class OrderTransfer
{
public:
    using Target = ExchangeTarget;

    static inline const QString kAskRepeat = QStringLiteral(
        "Sie haben in ihrer Wochenbestellung Vorführungen die schon einmal auf Diskette oder ins "
        "Internetverzeichnis geschrieben wurden. \r Ist es beabsichtigt diese Vorführungen erneut "
        "exportieren?");
    static inline const QString kNotEdited =
        QStringLiteral("Sie haben die Erfolgsdaten noch nicht bearbeitet.");
    static inline const QString kChooseFolder =
        QStringLiteral("Bestelldaten werden in Zielverzeichnis geschrieben, stellen Sie sicher das der "
                       "Datenträger vorhanden ist.");
    static inline const QString kConfirmOnline = QStringLiteral(
        "Daten werden ins Online-Verzeichnis exportiert. Danach öffnet sich Ihr Standardbrowser "
        "zum hochladen der Daten.");
    static inline const QString kConfirmDisk =
        QStringLiteral("Daten überspielen, legen Sie nun bitte die BZH-Diskette ein.");
    static inline const QString kNoBerIdOnline = QStringLiteral(
        "Im Zielordner befindet sich keine Ber_ID.bin - Datei oder es handelt sich nicht um Ihre Stammdaten. "
        "Bitte lesen Sie einmal den Artikelstamm von Diskette ein.");
    static inline const QString kNoBerId = QStringLiteral(
        "Auf dem Datenträger ist keine Ber_ID.bin - Datei oder es handelt sich nicht um Ihre Stammdaten");
    static inline const QString kNoOrders = QStringLiteral("Die Woche enthält keine Bestellungen.");
    static inline const QString kOrderFile = QStringLiteral("Order.txt");
    static inline const QString kArchive = QStringLiteral("Order.zip");

    // Shows the exchange folder dialog with its text; the chosen folder, nullopt when cancelled.
    using TargetChooser = std::function<std::optional<Target>(const QString& text)>;

    static QString driveNotReady(const QString& letter);
    static QString confirmPath(const QString& path);

    OrderTransfer(TWocheDataModul& week, const Options& options, const DataHome& home, UiPort& ui);

    // The folder the exchange folder dialog proposes: the directory of the option BZHDRIVE's
    // drive, or BZHPFAD when BZHDRIVE is "Pfad:".
    QString localFolder() const;
    QString onlineFolder() const;
    // The dialog that asks for the exchange folder; without one the UI port's folder choice.
    void setTargetChooser(TargetChooser chooser) { m_chooser = std::move(chooser); }

    // The drive letter of BZHDRIVE; empty when it is "Pfad:" or names no drive.
    static QString driveLetter(const Options& options);
    // When all six planned-party fields of the week are 0: "Sie haben die Erfolgsdaten noch nicht
    // bearbeitet." (OK/Abort); false when aborted.
    static bool confirmPlanning(const TWocheDataModul& week, UiPort& ui);

    // Runs the transfer of the current week. Without a target the exchange folder is asked for
    // through the UI port. The path of the written archive; nullopt when the transfer ended
    // (declined, a check failed or a write failed; its message has been shown).
    std::optional<QString> run(std::optional<Target> target = std::nullopt,
                               const QDate& today = QDate::currentDate());

private:
    bool confirmRepeat();
    std::optional<Target> chooseTarget();
    bool driveReady(const Target& target);
    bool confirm(const Target& target);
    bool checkMedium(const Target& target);
    std::optional<WeekRange> rangeWithOrders();
    std::optional<QString> write(const WeekRange& range, const Target& target, const QDate& today);
    QString driveLetter() const { return driveLetter(m_options); }

    TWocheDataModul& m_week;
    const Options& m_options;
    DataHome m_home;
    UiPort& m_ui;
    TargetChooser m_chooser;
};

} // namespace korbelant
