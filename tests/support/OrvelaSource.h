#pragma once

#include "core/Database.h"
#include "takeover/OdbcDriverMap.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <QVariantMap>
#include <memory>

namespace korbelant::test {

// An Orvela database served through ODBC by the SQLite ODBC driver: the tables "Adressen",
// "Vorführungen", "Gästeliste" and "Preislisten" in a SQLite file of the given name in a temporary
// source directory, filled by the test.
class OrvelaSource
{
public:
    explicit OrvelaSource(const QString& fileName = QStringLiteral("Korbdat.mdb"));

    QString directory() const { return m_dir.path(); }
    QString databasePath() const { return m_path; }
    // Connection parameters straight to the SQLite driver.
    QStringList parameters() const;
    // The Access driver of the Orvela parameters served by the SQLite driver.
    static OdbcDriverMap driverMap();
    static QString sqliteDriver();

    Database& db() { return *m_db; }
    // Appends a row; the values stand in the table's column order.
    void insert(const QString& table, const QVariantList& values);
    // Appends a row with the named columns; the others stay null.
    void add(const QString& table, const QVariantMap& columns);

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};

} // namespace korbelant::test
