#pragma once

#include <QString>

namespace korbelant {

// The directory a takeover reads from. Programs of old wrote their file names in any case
// ("KUNDEN.DBF", "Kunden.dbf"), so a file is found by its name without regard to case.
class SourceFolder
{
public:
    explicit SourceFolder(QString directory) : m_directory(std::move(directory)) {}

    const QString& directory() const { return m_directory; }
    bool exists() const;
    // The path of the file of that name in the directory; empty when there is none.
    QString file(const QString& name) const;

private:
    QString m_directory;
};

} // namespace korbelant
