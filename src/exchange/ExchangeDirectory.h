#pragma once

#include "core/DataHome.h"

#include <QString>

namespace korbelant {

class UiPort;

// The exchange directory TRANSTUP in the data home, where the files to and from the distributor
// are made and unpacked, and the folder Online beside it, from which the consultant uploads the
// week's order archive.
class ExchangeDirectory
{
public:
    static inline const QString kNotCreated = QStringLiteral("Transtup-Pfad konnte nicht erstellt werden.");
    static inline const QString kNoArchive = QStringLiteral("Übergabedatei nicht gefunden.");
    static inline const QString kEmptyArchive = QStringLiteral("Zip-File ist leer");

    ExchangeDirectory(const DataHome& home, UiPort& ui) : m_home(home), m_ui(ui) {}

    QString transtup() const { return m_home.path(QStringLiteral("TRANSTUP")); }
    QString online() const { return m_home.path(QStringLiteral("Online")); }

    // Makes sure TRANSTUP exists; with an archive, unpacks every entry of it into TRANSTUP,
    // existing files overwritten. False (the message shown) when the directory cannot be made, the
    // archive is missing, empty, unreadable or refused.
    bool PrepareTranstup(const QString& archivePath = {});

private:
    bool unpack(const QString& archivePath);

    DataHome m_home;
    UiPort& m_ui;
};

} // namespace korbelant
