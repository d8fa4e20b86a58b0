#pragma once

#include <QString>

namespace korbelant {

class TTWD_Table;
class TTWD_TableList;
class TTWD_SectionList;
class TwdValueList;

// Reads the lines of a TWD file one by one into a file's top-level values and sections.
class TwdReader
{
public:
    TwdReader(TwdValueList& values, TTWD_SectionList& sections) : m_values(values), m_sections(sections) {}

    // Throws TwdError for a table before the first section.
    void readLine(const QString& line, int number);

private:
    static bool skipped(const QString& line);
    static bool startsTable(const QString& line);
    void readPair(const QString& line);

    TwdValueList& m_values;
    TTWD_SectionList& m_sections;
    TTWD_TableList* m_section = nullptr;
    // Stays across a new section header until that section's first table.
    TTWD_Table* m_table = nullptr;
};

} // namespace korbelant
