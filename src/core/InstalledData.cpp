#include "core/InstalledData.h"

#include "core/CsvReader.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "core/SqlName.h"
#include "core/TableBuilder.h"
#include "core/Transaction.h"

#include <QFile>
#include <QVariantMap>

namespace korbelant {

QStringList InstalledData::install()
{
    TableBuilder(m_db).createMissing(Schema::installedTables());
    QStringList filled;
    QStringList tables;
    for (const TableDef& def : Schema::installedTables())
        tables << def.name;
    tables << QStringLiteral("Drucksa");
    for (const QString& table : tables) {
        if (!m_db.tableExists(table))
            continue;
        if (m_db.scalar(QStringLiteral("SELECT count(*) FROM ") + SqlName::quote(table)).toInt() > 0)
            continue;
        if (fill(table) > 0)
            filled << table;
    }
    return filled;
}

int InstalledData::fill(const QString& table)
{
    QFile file(QStringLiteral(":/data/%1.csv").arg(table));
    if (!file.open(QIODevice::ReadOnly))
        return 0; // no built-in contents for this table
    const auto parsed = CsvReader::parse(QString::fromUtf8(file.readAll()));
    if (!parsed)
        throw DatabaseError(
            QStringLiteral("Die mitgelieferten Daten der Tabelle %1 sind fehlerhaft.").arg(table));
    const TableDef& def = Schema::get(table);
    Transaction tx(m_db);
    for (const QStringList& row : parsed->rows) {
        QVariantMap values;
        for (int c = 0; c < parsed->header.size(); ++c) {
            if (def.field(parsed->header.at(c)))
                values.insert(parsed->header.at(c), row.at(c));
        }
        m_db.insert(def, values);
    }
    tx.commit();
    return static_cast<int>(parsed->rows.size());
}

} // namespace korbelant
