#pragma once

#include "takeover/DbtMemoFile.h"
#include "takeover/TakeOverSource.h"

#include <QByteArray>
#include <memory>
#include <vector>

namespace korbelant {

// A dBASE table (dBASE III or IV, with its memo file) read through shapelib. Field types C, N, F,
// L, D and M; records marked as deleted are passed over. Texts are converted from the code page
// the table names in its header (437 or 850 of DOS, or 1252), 437 when it names none. Blank
// fields, a "?" logical and an empty memo are null.
class DbfSource : public TakeOverSource
{
public:
    // Opens the table; throws DatabaseError with a German message naming the file when it is
    // missing or not a dBASE table.
    static std::unique_ptr<DbfSource> open(const QString& path);
    ~DbfSource() override;
    DbfSource(const DbfSource&) = delete;
    DbfSource& operator=(const DbfSource&) = delete;

    const std::vector<Field>& fields() const override { return m_fields; }
    int recordCount() const override { return static_cast<int>(m_records.size()); }
    bool seek(int record) override;
    QVariant value(int index) const override;
    using TakeOverSource::value;

    // The code page the texts are read in: 437, 850 or 1252.
    int codePage() const { return m_codePage; }

private:
    struct Handle;
    struct Layout
    {
        char type;
        int offset;
        int width;
    };

    explicit DbfSource(QString path);
    [[noreturn]] void fail() const;
    void readHeader();
    void readFields();
    void findRecords();
    void openMemo();
    QString decode(const QByteArray& bytes) const;
    QVariant parse(const Layout& layout, const QByteArray& raw) const;

    QString m_path;
    std::unique_ptr<Handle> m_handle;
    std::vector<Field> m_fields;
    std::vector<Layout> m_layout;
    std::vector<int> m_records; // the records not marked as deleted
    QByteArray m_current;
    mutable DbtMemoFile m_memo;
    int m_codePage = 437;
    int m_recordLength = 0;
    bool m_dBase4 = false;
};

} // namespace korbelant
