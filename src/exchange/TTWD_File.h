#pragma once

#include "exchange/TTWD_SectionList.h"
#include "exchange/TwdValueList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korbelant {

// A TWD file of the distributor's newer interface: top-level values, then sections with their
// values and tables. Written as Windows-1252 text with CR LF line ends.
class TTWD_File
{
public:
    TTWD_File() = default;
    TTWD_File(TTWD_File&&) = default;
    TTWD_File& operator=(TTWD_File&&) = default;
    virtual ~TTWD_File() = default;

    void AddValue(const QString& key, const QString& value) { m_values.add(key, value); }
    TTWD_TableList& AddSection(const QString& name) { return m_sections.add(name); }

    // Reads a file into this object. False when the file does not exist; a file that cannot be
    // read, or that holds a table before its first section, throws TwdError.
    bool LoadFile(const QString& path);
    // The same rules on text already in memory (the bytes of a file).
    void loadBytes(const QByteArray& bytes);

    // The file's lines as they are written.
    virtual void WriteLines(QStringList& lines) const;
    // Saves lines as a TWD file: Windows-1252, CR LF, replaced as a whole. Throws TwdError.
    static void SaveLines(const QStringList& lines, const QString& path);

    // A top-level value, or the empty string.
    QString GetValue(const QString& key) const { return m_values.value(key); }
    // A value of the first section of that name, or the empty string.
    QString GetValue(const QString& section, const QString& key) const;
    // The first table of that name in the first section of that name, or none.
    const TTWD_Table* FindTable(const QString& section, const QString& table) const;

    const TTWD_SectionList& sections() const { return m_sections; }

private:
    TwdValueList m_values;
    TTWD_SectionList m_sections;
};

} // namespace korbelant
