#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <vector>

namespace korbelant::test {

// Writes a dBASE table for the takeover tests with shapelib: fields of type C, N, F, L, D and M
// (memo texts go into the .dbt file beside the table), records given as field name -> value,
// a missing or invalid value left blank. Texts are written in the code page of the table's
// language driver (437 or 850, German).
class DbfFileBuilder
{
public:
    struct Field
    {
        QString name;
        char type;
        int width;
        int decimals = 0;
    };

    DbfFileBuilder(QString path, std::vector<Field> fields, int codePage = 437);

    DbfFileBuilder& add(const QVariantMap& record);
    // The record just added is marked as deleted.
    DbfFileBuilder& deleted();
    // Writes the table (and its memo file); returns its path.
    QString write() const;

private:
    QByteArray encode(const QString& text) const;

    QString m_path;
    std::vector<Field> m_fields;
    int m_codePage;
    std::vector<QVariantMap> m_records;
    std::vector<bool> m_deleted;
};

} // namespace korbelant::test
