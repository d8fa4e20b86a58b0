#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

struct px_doc;

namespace korbelant {

// A Paradox table of another program read through pxlib, with its memo file (.MB) when there is
// one. Texts come as Unicode from the code page the table names. Null values are invalid
// QVariants; numbers without decimals come as qlonglong.
class ParadoxSource
{
public:
    enum class Kind
    {
        Text,
        Number,
        Logical,
        Date,
        Time,
        DateTime,
        Memo,
        Other
    };
    struct Field
    {
        QString name;
        Kind kind = Kind::Text;
        int width = 0;
        int decimals = 0;
    };

    // Opens the table; throws DatabaseError with a German message naming the file.
    static std::unique_ptr<ParadoxSource> open(const QString& path);
    ~ParadoxSource();
    ParadoxSource(const ParadoxSource&) = delete;
    ParadoxSource& operator=(const ParadoxSource&) = delete;

    const std::vector<Field>& fields() const { return m_fields; }
    int recordCount() const { return m_recordCount; }
    bool seek(int record);
    QVariant value(int index) const;

private:
    explicit ParadoxSource(QString path);
    void readFields();
    [[noreturn]] void fail(const QString& reason) const;

    QString m_path;
    px_doc* m_doc = nullptr;
    std::vector<Field> m_fields;
    std::vector<int> m_types;
    int m_recordCount = 0;
    QVariantList m_current;
    QString m_error; // the last error pxlib reported
};

} // namespace korbelant
