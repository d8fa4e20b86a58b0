#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

// A Windows INI file in code page 1252 with "key=value" lines under "[section]" heads.
// Sections, keys, comments and their order survive a load and save; keys and sections are
// found without regard to case, as Windows does.
class IniFile
{
public:
    explicit IniFile(QString path);

    // Reads the file; a missing file loads as empty. Returns false only when an existing file
    // cannot be read.
    bool load();
    // Writes the whole file atomically with CR LF line ends. Returns false on failure.
    bool save() const;

    bool contains(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    void setValue(const QString& section, const QString& key, const QString& value);
    QStringList keys(const QString& section) const;
    const QString& path() const { return m_path; }

private:
    struct Line
    {
        QString key; // empty for comments and blank lines
        QString text;
    };
    struct Section
    {
        QString name; // empty for lines before the first section head
        std::vector<Line> lines;
    };

    Section* findSection(const QString& name);
    const Section* findSection(const QString& name) const;

    QString m_path;
    std::vector<Section> m_sections;
};

} // namespace korbelant
