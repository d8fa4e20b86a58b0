#include "core/Installation.h"

#include "core/DataHome.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/HelpDocument.h"
#include "core/InstalledData.h"
#include "core/Options.h"
#include "core/TableBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korbelant {

namespace {

void requireWritable(const QString& dir)
{
    if (!QDir().mkpath(dir))
        throw DatabaseError(QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(dir));
    QFile probe(dir + QStringLiteral("/.schreibtest"));
    if (!probe.open(QIODevice::WriteOnly))
        throw DatabaseError(QStringLiteral("In das Verzeichnis %1 kann nicht geschrieben werden.").arg(dir));
    probe.close();
    probe.remove();
}

// The texts printed on reports (the exchange conditions), which the consultant may change.
void installTexts(const DataHome& home)
{
    requireWritable(home.path(QStringLiteral("Texte")));
    for (const char* name : {"Umtausch.rtf"}) {
        const QString target = home.path(QStringLiteral("Texte/") + QString::fromLatin1(name));
        if (!QFileInfo::exists(target) &&
            !QFile::copy(QStringLiteral(":/data/") + QString::fromLatin1(name), target))
            throw DatabaseError(QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(target));
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

// The reference boot sector of the distributor's exchange disks.
void installExchangeFiles(const DataHome& home)
{
    requireWritable(home.path(QStringLiteral("TRANSTUP")));
    const QString target = home.path(QStringLiteral("TRANSTUP/Boot3hd.dat"));
    if (!QFileInfo::exists(target) && !QFile::copy(QStringLiteral(":/data/Boot3hd.dat"), target))
        throw DatabaseError(QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(target));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace

Installation::Result Installation::init(const DataHome& home)
{
    if (QFileInfo::exists(home.databaseFile()))
        return Result::AlreadyThere;
    requireWritable(home.root());
    requireWritable(home.dbDir());
    QFile marker(home.firstTimeFile());
    if (!marker.exists() && (!marker.open(QIODevice::WriteOnly) || marker.write("Erster Start\r\n") < 0))
        throw DatabaseError(
            QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(home.firstTimeFile()));
    marker.close();
    if (!QFileInfo::exists(home.optionsFile()) && !Options::writeInitialFile(home.optionsFile()))
        throw DatabaseError(
            QStringLiteral("Die Optionsdatei %1 kann nicht geschrieben werden.").arg(home.optionsFile()));
    const QString building = home.databaseFile() + QStringLiteral(".aufbau");
    auto removeBuilding = [&building] {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(building + QString::fromLatin1(suffix));
    };
    removeBuilding();
    try {
        auto db = Database::open(building, Database::Mode::CreateIfMissing);
        TableBuilder(*db).RepairTables();
        InstalledData(*db).install();
        FixedCustomers(*db).EnsureFixedCustomers();
        db->execScript(QStringLiteral("PRAGMA journal_mode=DELETE"));
    } catch (...) {
        removeBuilding();
        throw;
    }
    // The installed amounts (star plan, travel rates) are in Euro, so a new data set is one too.
    QFile status(home.statusFile());
    if (!status.exists() && (!status.open(QIODevice::WriteOnly) || status.write("Euro\r\n") < 0))
        throw DatabaseError(
            QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(home.statusFile()));
    status.close();
    installTexts(home);
    installExchangeFiles(home);
    if (!HelpDocument::install(home))
        throw DatabaseError(
            QStringLiteral("Die Hilfedatei %1 kann nicht angelegt werden.").arg(home.helpFile()));
    // The data set appears under its name only when it is complete.
    if (!QFile::rename(building, home.databaseFile()))
        throw DatabaseError(
            QStringLiteral("Die Datenbank %1 kann nicht angelegt werden.").arg(home.databaseFile()));
    return Result::Created;
}

} // namespace korbelant
