#pragma once

#include <QString>

namespace korbelant {

// The data home: the directory that holds the data set DB/, Optionen.ini, FirstTime.txt,
// ExceptList.EXC, the backups and the exchange directories (the program directory of old).
class DataHome
{
public:
    explicit DataHome(QString root);

    // --home DIR, else $KORBELANT_HOME, else the user's application data directory.
    static DataHome resolve(const QString& commandLineHome);

    QString root() const { return m_root; }
    QString path(const QString& relative) const;
    QString dbDir() const { return path(QStringLiteral("DB")); }
    QString databaseFile() const { return path(QStringLiteral("DB/korbelant.sqlite")); }
    QString statusFile() const { return path(QStringLiteral("DB/Status.txt")); }
    QString optionsFile() const { return path(QStringLiteral("Optionen.ini")); }
    QString firstTimeFile() const { return path(QStringLiteral("FirstTime.txt")); }
    QString errorLogFile() const { return path(QStringLiteral("ExceptList.EXC")); }
    QString backupDir() const { return path(QStringLiteral("DBSicher")); }
    QString helpFile() const { return path(QStringLiteral("KORBELANT.pdf")); }

private:
    QString m_root;
};

} // namespace korbelant
