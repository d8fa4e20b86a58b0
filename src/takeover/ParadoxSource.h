#pragma once

#include "takeover/TakeOverSource.h"

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct px_doc;

namespace korbelant {

// A Paradox table of another program read through pxlib, with its memo file (.MB) when there is
// one. Texts come as Unicode from the code page the table names. Null values are invalid
// QVariants; numbers without decimals come as qlonglong. A file whose header does not describe
// a Paradox table that fits into the file is refused before a record is read.
class ParadoxSource : public TakeOverSource
{
public:
    // Opens the table; throws DatabaseError with a German message naming the file.
    static std::unique_ptr<ParadoxSource> open(const QString& path);
    ~ParadoxSource() override;
    ParadoxSource(const ParadoxSource&) = delete;
    ParadoxSource& operator=(const ParadoxSource&) = delete;

    const std::vector<Field>& fields() const override { return m_fields; }
    int recordCount() const override { return m_recordCount; }
    bool seek(int record) override;
    QVariant value(int index) const override;

private:
    explicit ParadoxSource(QString path);
    void checkHeader() const;
    void readFields();
    [[noreturn]] void fail(const QString& reason) const;

    QString m_path;
    px_doc* m_doc = nullptr;
    std::vector<Field> m_fields;
    std::vector<int> m_types;
    std::vector<int> m_lengths; // bytes of each field in a record
    int m_recordCount = 0;
    QVariantList m_current;
    QString m_error; // the last error pxlib reported
};

} // namespace korbelant
