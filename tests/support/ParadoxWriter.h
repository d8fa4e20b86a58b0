#pragma once

#include <QString>
#include <QVariantList>
#include <vector>

struct px_doc;

namespace korbelant::test {

// Writes a Paradox table with pxlib, as another program's data directory holds it. Values stand
// in field order: QString for alpha fields, QDate for dates, bool for logical fields, numbers
// for the number fields; an invalid QVariant is null. Texts are stored in code page 1252.
class ParadoxWriter
{
public:
    struct Field
    {
        QString name;
        char type; // 'A' alpha, 'D' date, 'S' short, 'I' long, 'N' number, 'L' logical, '$' currency
        int length = 0;
    };

    ParadoxWriter(const QString& path, const std::vector<Field>& fields);
    ~ParadoxWriter();
    ParadoxWriter(const ParadoxWriter&) = delete;
    ParadoxWriter& operator=(const ParadoxWriter&) = delete;

    void add(const QVariantList& values);
    // Closes the file; the destructor does it when not done.
    void close();

private:
    px_doc* m_doc = nullptr;
    std::vector<Field> m_fields;
};

} // namespace korbelant::test
