#include "support/OrvelaSource.h"

#include "core/SqlName.h"

#include <QDir>

namespace korbelant::test {

namespace {

// Column types as Access reports them through its driver (a date is a timestamp there, as the
// birthday and the party date show), in the forms the SQLite ODBC driver maps to the same ODBC
// types. "Sterne DM" is the sixteenth column of the parties and "Umsatz"
// the ninth of the guest list; both are read by position.
const char* const kSchema = R"(
CREATE TABLE "Adressen" ("Index" integer, "Ordner" integer, "Anrede" varchar(20), "Name" varchar(40),
  "Vorname" varchar(40), "Strasse" varchar(50), "Land" varchar(3), "PLZ" varchar(10), "Ort" varchar(40),
  "Telefon1" varchar(25), "Telefon2" varchar(25), "Fax" varchar(25), "Handy" varchar(25), "eMail" varchar(60),
  "Sonstiges" varchar(50), "Kunde seit" date, "Letzte Vorführung" date, "Geburtsdatum" timestamp,
  "Bemerkung" text, "Gastgeberin" bit, "Gast" bit, "Mitbesteller" bit, "Club" bit);
CREATE TABLE "Vorführungen" ("ID" integer, "Datum" timestamp, "Woche" varchar(6), "Gäste" integer, "GgID" integer,
  "WB Umsatz" double, "Provision" double, "Verabredungen" integer, "Sterne" integer, "Benennungen" integer,
  "Ort" varchar(40), "Uhrzeit" varchar(5), "Bemerkung" text, "Bonus" double, "Status" integer,
  "Sterne DM" double);
CREATE TABLE "Gästeliste" ("VID" integer, "GID" integer, "lfd" integer, "Name" varchar(40),
  "Vorname" varchar(40), "Gastgeberin" bit, "Bestellt" bit, "Bezahlt" bit, "Umsatz" double);
CREATE TABLE "Preislisten" ("VID" integer, "GID" integer, "PrdNr" varchar(10), "Artnr" varchar(10),
  "Bezeichnung" varchar(60), "Sterne" double, "MENGE" integer, "VA" varchar(2), "Preis" double);
)";

} // namespace

OrvelaSource::OrvelaSource(const QString& fileName)
    : m_path(QDir(m_dir.path()).filePath(fileName)),
      m_db(Database::open(m_path, Database::Mode::CreateIfMissing))
{
    m_db->execScript(QString::fromUtf8(kSchema));
}

QString OrvelaSource::sqliteDriver()
{
    return OdbcDriverMap::libraryPath(QStringLiteral("libsqlite3odbc.so"));
}

QStringList OrvelaSource::parameters() const
{
    return {QStringLiteral("DRIVER=") + sqliteDriver(), QStringLiteral("Database=") + m_path};
}

OdbcDriverMap OrvelaSource::driverMap()
{
    OdbcDriverMap map;
    map.add({OdbcDriverMap::kAccessDriver, sqliteDriver(), QStringLiteral("Database")});
    return map;
}

void OrvelaSource::insert(const QString& table, const QVariantList& values)
{
    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    m_db->run(
        QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(SqlName::quote(table), marks.join(QLatin1Char(','))),
        values);
}

void OrvelaSource::add(const QString& table, const QVariantMap& columns)
{
    QStringList names;
    QStringList marks;
    for (const QString& name : columns.keys()) {
        names << SqlName::quote(name);
        marks << QStringLiteral("?");
    }
    m_db->run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(SqlName::quote(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
              columns.values());
}

} // namespace korbelant::test
