#pragma once

#include "core/DataHome.h"
#include "week/WeekRange.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace korbelant {

class DiskProtocol;
class DistributorDisk;
class Options;
class TWocheDataModul;
class UiPort;

// The week's transfer onto the distributor's exchange disks (the old interface): nine parties to
// a disk, each disk checked to be this consultant's, its files made in TRANSTUP and copied onto
// it, and its parties marked as transferred once the order and the success files are there. The
// marked range is what it was afterwards. Protokoll.TXT in TRANSTUP tells what was written.
class DiskTransfer
{
public:
    static inline const QString kOverwrite = QStringLiteral(
        "Diese Diskette enthällt schon Bestelldaten. \r Wollen Sie diese Daten überschreiben? "
        "\r\rHinweis: Alle markierten Vorführungen werden auf einmal auf Diskette geschrieben.");
    static inline const QString kBootChanged =
        QStringLiteral("Der Bootsektor wurde verändert.Warnung : Es kann mit ziemlicher Sicherheit von einem "
                       "Bootsektorvirus "
                       "ausgegangen werden. Geben Sie die Disk bitte nicht an die BZH.");

    static QString nextDisk(int n);
    // Where the options put the exchange disk: the directory of BZHDRIVE's drive, or BZHPFAD.
    static QString diskFolder(const Options& options);
    // The drive the disk is in: the letter of BZHDRIVE, or with a path the letter it begins with.
    static QString diskLetter(const Options& options);

    struct Result
    {
        int disks = 0;   // disks the range needed
        int written = 0; // disks whose order and success files were written
        bool ended = false;
    };

    DiskTransfer(TWocheDataModul& week, const Options& options, const DataHome& home, UiPort& ui);

    // Folders for the disks in their order instead of the drive or path of the options; a disk
    // beyond the list takes the last. A folder is written without the checks of a drive.
    void setTargets(QStringList folders) { m_targets = std::move(folders); }

    // `fromPreview`: the order-data preview asked its questions and ran the queries already.
    Result run(bool fromPreview, const QDateTime& now = QDateTime::currentDateTime());

private:
    enum class DiskOutcome
    {
        Written,
        Failed, // this disk's parties stay unmarked; the next disk follows
        Ended
    };

    bool confirm();
    bool checkRange(bool fromPreview);
    DiskOutcome transferDisk(int index, const WeekRange& range, DiskProtocol& protocol);
    bool makeFiles(const WeekRange& range, DiskProtocol& protocol);
    bool checkDisk(const QString& folder, const QString& letter, DistributorDisk& disk,
                   DiskProtocol& protocol);
    QString folderOf(int index) const;
    QString letterOf() const;
    QString transtup() const;

    TWocheDataModul& m_week;
    const Options& m_options;
    DataHome m_home;
    UiPort& m_ui;
    QStringList m_targets;
};

} // namespace korbelant
