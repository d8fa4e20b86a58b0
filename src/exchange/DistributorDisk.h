#pragma once

#include <QString>

namespace korbelant {

class Options;
class UiPort;

// The distributor's exchange disk in a drive: whether it is there, whether it is one of the
// distributor's (its files and its boot sector), and copies from and to it that check what they
// copy. A drive is a directory (DriveMap); its boot sector is read from the device file that
// Optionen.ini names under GeraetA or GeraetB, and counts as passed when none is set or the
// device cannot be read.
class DistributorDisk
{
public:
    static inline const QString kNotReady = QStringLiteral("Diskette nicht bereit.");
    static inline const QString kNoBzhFiles = QStringLiteral("Dies ist keine BZH Diskette.(Dateien)");
    static inline const QString kNoBzhBoot =
        QStringLiteral("Dies ist keine BZH Diskette.(Bootsektorprüfung)");
    static inline const QString kNoBootFile =
        QStringLiteral("Die Datei zur Prüfung des Bootsektors kann nicht geöffnet werden.");
    static inline const QString kBootFile = QStringLiteral("Boot3hd.dat");
    static inline const QString kConsultantFile = QStringLiteral("BERGRUP.ASC");
    static inline const QString kArticleFile = QStringLiteral("GBART.ASC");
    static constexpr int kSectorSize = 512;
    static constexpr int kComparedBytes = 492;

    static QString checksumError(const QString& name);
    static QString notOnDisk(const QString& name);

    // `transtup` is the exchange directory that holds Boot3hd.dat.
    DistributorDisk(const Options& options, QString transtup, UiPort& ui);

    // The directory of a drive letter; empty for none.
    QString root(const QString& letter) const;
    // True when the drive's root can be listed, empty or not.
    bool DiskReady(const QString& letter) const;
    // For the floppy drives "a" and "b" (small letters, as the options offer them): the disk is
    // ready and holds BERGRUP.ASC and GBART.ASC (the user may retry), and with `bootCheck` its boot
    // sector is the distributor's. Any other letter passes without a check.
    bool CheckBzhDisk(const QString& letter, bool bootCheck);
    // Whether the first 492 bytes of the drive's boot sector are those of Boot3hd.dat.
    bool CheckBootSector(const QString& letter);
    // Copies the bytes of `source` to `destination` unchanged; with `checkByte` only a file whose
    // check byte is right. `destinationLetter` names the drive written to (empty for a folder).
    // Messages only `withMessages`.
    bool CopyChecked(const QString& source, const QString& destination, bool withMessages, bool checkByte,
                     const QString& destinationLetter = {});

    static bool isFloppy(const QString& letter);

private:
    bool sourceReadable(const QString& source, bool withMessages);
    bool destinationReady(const QString& letter, bool withMessages);
    void show(bool withMessages, const QString& text);

    const Options& m_options;
    QString m_transtup;
    UiPort& m_ui;
};

} // namespace korbelant
