#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace korbelant {

// Writes an export table in dBASE III form (German DOS code page 437 as its language driver).
// The records go into a part file beside the target, which replaces the target only on commit();
// a writer left without commit() removes its part file, so an older export stays as it was.
// Failures throw DatabaseError with a German message naming the target.
class DbfTableWriter
{
public:
    struct Field
    {
        const char* name;
        char type; // 'C' character, 'D' date ("YYYYMMDD")
        int width;
    };

    DbfTableWriter(const QString& targetFile, std::vector<Field> fields);
    ~DbfTableWriter();
    DbfTableWriter(const DbfTableWriter&) = delete;
    DbfTableWriter& operator=(const DbfTableWriter&) = delete;

    // One record: a value per field, already in code page 437 and cut to its field's width. An
    // empty value is written as an empty field.
    void append(const QList<QByteArray>& values);
    int written() const { return m_written; }
    // Dates the header with today and renames the part file over the target.
    void commit();

private:
    struct Handle;

    [[noreturn]] void fail() const;
    void stampDate() const;

    QString m_target;
    QString m_part;
    std::vector<Field> m_fields;
    std::unique_ptr<Handle> m_handle;
    int m_written = 0;
    bool m_committed = false;
};

} // namespace korbelant
