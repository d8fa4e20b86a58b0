#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace korbelant {

class DiskProtocol;
class DistributorDisk;
class UiPort;

// Puts the week's files from TRANSTUP onto one exchange disk: each record checked and rebuilt as
// the distributor reads it, the file saved in TRANSTUP under its name on the disk, sealed, and
// copied to the disk with its check byte verified. A file with a failed record is not written.
class DiskFileWriter
{
public:
    static inline const QString kOrders = QStringLiteral("GBBEST.ASC");
    static inline const QString kSuccess = QStringLiteral("GBERF.ASC");
    static inline const QString kAddresses = QStringLiteral("GBADR.ASC");
    static inline const QString kOrderSource = QStringLiteral("BESTPC.ASC");
    static inline const QString kSuccessSource = QStringLiteral("ERFOLGPC.asc");
    static inline const QString kAddressSource = QStringLiteral("ADR.ASC");

    static inline const QString kBadOrders = QStringLiteral("Fehler im Satzaufbau der Bestelldatei.");
    static inline const QString kOrdersNotWritten =
        QStringLiteral("Bestell-Datei konnte nicht erstellt werden.");
    static inline const QString kNoOrderFile = QStringLiteral("Kann Bestell-Datei nicht finden.");
    static inline const QString kBadSuccess = QStringLiteral("Fehler im Satzaufbau der Erfolgdatei.");
    static inline const QString kSuccessNotWritten =
        QStringLiteral("Erfolg-Datei konnte nicht erstellt werden.");
    static inline const QString kNoSuccessFile = QStringLiteral("Kann Erfolg-Datei nicht finden.");
    static inline const QString kBadAddresses = QStringLiteral("Fehler im Satzaufbau der Address-Datei.");
    static inline const QString kAddressesNotWritten =
        QStringLiteral("Address-Datei konnte nicht erstellt werden.");
    static inline const QString kNoAddressFile = QStringLiteral("Kann Address-Datei nicht finden.");

    // `target` is the disk's folder, `letter` its drive (empty for a folder).
    DiskFileWriter(QString transtup, QString target, QString letter, DistributorDisk& disk,
                   DiskProtocol& protocol, UiPort& ui);

    bool writeOrders();
    bool writeSuccess();
    bool writeAddresses();

private:
    struct Kind
    {
        QString source;
        QString diskName;
        QString badRecord;
        QString notWritten;
        QString notFound;
    };
    using Check = std::function<std::optional<QString>(const QString&)>;

    // The records of the source, checked and rebuilt; nullopt (the message shown) when the source
    // is missing or a record fails.
    std::optional<QStringList> records(const Kind& kind, const Check& check, bool dropShortLast);
    bool put(const Kind& kind, const QStringList& records);
    void fail(const QString& message);

    QString m_transtup;
    QString m_target;
    QString m_letter;
    DistributorDisk& m_disk;
    DiskProtocol& m_protocol;
    UiPort& m_ui;
};

} // namespace korbelant
