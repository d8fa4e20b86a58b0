#pragma once

#include <QString>

namespace korbelant {

class DiskProtocol;
class DistributorDisk;
class Options;
class UiPort;

// Reading the distributor's exchange disk into TRANSTUP: the consultant file BERGRUP.ASC as
// PCBERAT.ASC, the article list GBART.ASC as PCART.ASC and the spare-part relation AEHLP.ASC as
// AEHLP.ASC, each copied with its check byte verified, its trailer line dropped and its records
// converted; and the check that the disk is this consultant's.
class DiskImport
{
public:
    static inline const QString kNoArticles = QStringLiteral("Artikel-Datei nicht auf der Diskette");
    static inline const QString kNoConsultants = QStringLiteral("Beraterinnen-Datei nicht auf der Diskette");
    static inline const QString kArticlesNotCopied =
        QStringLiteral("Die Artikeldatei konnte nicht Kopiert werden");
    static inline const QString kConsultantsNotCopied =
        QStringLiteral("Die Beraterinnen-Datei konnte nicht Kopiert werden");
    static inline const QString kSparePartsNotCopied =
        QStringLiteral("Ersatzteil-Datei konnte nicht kopiert werden");
    static inline const QString kBadConsultant = QStringLiteral("Fehler im Satzaufbau von BERGRUP.ASC");
    static inline const QString kBadArticle = QStringLiteral("Fehler im Satzaufbau von GBART.ASC");
    static inline const QString kConsultantFile = QStringLiteral("PCBERAT.ASC");
    static inline const QString kArticleFile = QStringLiteral("PCART.ASC");
    static inline const QString kSparePartFile = QStringLiteral("AEHLP.ASC");

    static QString notCreated(const QString& path);
    static QString otherConsultant(const QString& number, const QString& firstName, const QString& name);

    DiskImport(const Options& options, QString transtup, DistributorDisk& disk, DiskProtocol& protocol,
               UiPort& ui);

    // The consultant file (which must be this consultant's), the article list and the spare-part
    // relation, as the article import reads them; false at the first that fails.
    bool readDisk(const QString& source);
    // Each reads its file from the folder `source` (a drive's root or a path); false when it
    // could not be read (the message shown).
    bool readConsultant(const QString& source);
    bool readArticles(const QString& source);
    bool readSpareParts(const QString& source);
    // Whether PCBERAT.ASC was made for this consultant: its record marked as the disk owner's (the
    // only record when there is one) carries the consultant number.
    bool CheckConsultant();

private:
    struct File;
    bool read(const QString& source, const File& file);
    QString target(const QString& name) const;

    const Options& m_options;
    QString m_transtup;
    DistributorDisk& m_disk;
    DiskProtocol& m_protocol;
    UiPort& m_ui;
};

} // namespace korbelant
