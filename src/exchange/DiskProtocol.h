#pragma once

#include <QDateTime>
#include <QString>

namespace korbelant {

// The log Protokoll.TXT of the exchange disk in TRANSTUP: made anew for every run, with the date
// and time at its head, then one line per event. It is saved after every line, so that it tells
// how far a run got even when the program ends on the way.
class DiskProtocol
{
public:
    static inline const QString kFileName = QStringLiteral("Protokoll.TXT");

    explicit DiskProtocol(QString path) : m_path(std::move(path)) {}

    void start(const QDateTime& now);
    void add(const QString& line);
    // The file name left-aligned in 15, the record count right-aligned in 6, and " Sätze   OK".
    void count(const QString& fileName, int records);
    static QString countLine(const QString& fileName, int records);

    const QString& path() const { return m_path; }

private:
    void append(const QString& line, bool fresh);

    QString m_path;
};

} // namespace korbelant
